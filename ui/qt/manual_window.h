// The manual behind 帮助 › 使用说明 (F1): a window of its own that shows the
// manual's pages from the program's resources (:/velmora/manual/, the
// pictures beside it in :/velmora/), follows their links, goes back and
// forward, and returns to the contents page.
#pragma once

#include <QMainWindow>
#include <QUrl>

class QTextBrowser;

namespace velmora {

class ManualWindow final : public QMainWindow {
  Q_OBJECT

 public:
  /// The page that opens first: the title and the contents list.
  static QUrl contentsPage();

  /// The manual window of `owner`, made on the first call (never at start-up),
  /// then shown, raised and activated; later calls bring back the same window
  /// at the page it was left on.
  static ManualWindow& showFor(QWidget& owner);

  explicit ManualWindow(QWidget* parent = nullptr);

  QTextBrowser& browser() const { return *browser_; }

 private:
  void addBrowsingCommands();
  /// The title for `page`, just loaded (source() still names the page before it).
  void showPageTitle(const QUrl& page);

  QTextBrowser* browser_;
};

}  // namespace velmora
