// The 文件 menu's figure commands: 新建, 打开, 保存, 另存为 and the recent
// files, over the batch reader and writer (encodings, separators, messages).
// The figure in the form is kept against its file: it is changed when
// its texts differ from what was last opened or saved, and a change is asked
// about before 新建, 打开 or 退出 would drop it. A file with several figures
// keeps all of them: saving replaces only the figure that was picked.
#pragma once

#include <QObject>
#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "ui/sheet_entries.h"

class QWidget;

namespace velmora {

class MainWindow;
class WorkbenchSettings;

class FigureFileCommands final : public QObject {
  Q_OBJECT

 public:
  FigureFileCommands(MainWindow& form, WorkbenchSettings& settings, QWidget& dialogParent);

  void newFigure();
  void open();
  /// Opens `path` after asking about unsaved changes; false when nothing was opened.
  bool openRecent(const QString& path);
  /// Reads `path` and puts its figure into the form: the one whose record
  /// starts on `recordLine` when given (refused when none does), else the one
  /// the operator picks when it holds several. Tells the operator what went wrong.
  bool openPath(const QString& path, std::optional<std::size_t> recordLine = std::nullopt);
  bool save();
  bool saveAs();
  /// Writes the figure (and the file's other figures) to `path`.
  bool saveTo(const QString& path);

  /// Asks whether to save a changed figure: true when the caller may go on.
  bool keepChangesOrDrop();

  const QString& path() const { return path_; }
  /// The line the figure's record starts on in its file (1-based); 0 without a file.
  std::size_t recordLine() const { return recordLine_; }
  bool changed() const;

 signals:
  /// The file, its changed mark or the recent files changed.
  void fileStateChanged();
  /// Something worth saying once about a file read: the encoding found, columns ignored.
  void noticed(const QString& notice);

 private:
  void tell(const QString& message);
  void remember(const QString& path);

  MainWindow& form_;
  WorkbenchSettings& settings_;
  QWidget& dialogParent_;
  QString path_;
  SheetTexts saved_;
  std::vector<SheetTexts> fileFigures_;  ///< every figure of the file, as last read or written
  std::size_t picked_ = 0;               ///< which of them the form holds
  std::size_t recordLine_ = 0;           ///< where its record starts in the file
};

}  // namespace velmora
