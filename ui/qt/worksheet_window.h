// 文件 › 计算表: the worksheet of the last complete run in a window of its
// own, a browser over its rich text, with 打印… (the system's print dialog)
// and 关闭. The window keeps its document; it does not follow later runs.
#pragma once

#include <QWidget>
#include <memory>

class QTextBrowser;
class QTextDocument;

namespace velmora {

class WorksheetWindow final : public QWidget {
  Q_OBJECT

 public:
  WorksheetWindow(std::unique_ptr<QTextDocument> document, const QString& title, QWidget* parent);
  ~WorksheetWindow() override;

  QTextBrowser& browser() const { return *browser_; }
  QTextDocument& document() const { return *document_; }

 private:
  void printDocument();

  std::unique_ptr<QTextDocument> document_;
  QTextBrowser* browser_;
};

}  // namespace velmora
