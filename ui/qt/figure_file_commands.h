// The 文件 menu's figure commands: 新建, 打开, 保存, 另存为 and the recent
// files, over the batch reader (encodings, separators, messages) and the
// figure file edit. The figure in the form is kept against its file: it is
// changed when its texts differ from what was last opened or saved, and a
// change is asked about before 新建, 打开 or 退出 would drop it. Saving into
// the file the figure came from changes only that figure's fields; every other
// byte stays (figure_file_edit.h). A new file is UTF-8 with a byte order mark,
// commas and CR LF. A save replaces the file only once the new one is whole,
// and asks first when the file changed on disk since it was opened or saved.
#pragma once

#include <QObject>
#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/sheet_entries.h"

class QWidget;

namespace velmora {

struct FigureFileName;
class FigureForm;
class MainWindowSettings;

class FigureFileCommands final : public QObject {
  Q_OBJECT

 public:
  FigureFileCommands(FigureForm& form, MainWindowSettings& settings, QWidget& dialogParent);

  void newFigure();
  void open();
  /// Opens `path` after asking about unsaved changes; false when nothing was opened.
  bool openRecent(const QString& path);
  /// Reads `path` and puts its figure (the one the operator picks, when it
  /// holds several) into the form. Tells the operator what went wrong.
  bool openPath(const QString& path) { return openPath(path, std::nullopt); }
  /// The same, picking without asking the figure whose record starts on line
  /// `recordLine`; refused with a message when no record starts there.
  bool openPath(const QString& path, std::optional<std::size_t> recordLine);
  bool save();
  bool saveAs();
  /// Saves the figure as `path`: into its record when `path` is the file it
  /// came from, otherwise as a new file of this figure alone. False, with the
  /// reason told, when nothing was saved; the figure then stays changed.
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
  /// Which figure to open: the one on `recordLine`, the only one, or the operator's pick.
  std::optional<std::size_t> pickFigure(const std::vector<FigureFileName>& figures, const QString& fileName,
                                        std::optional<std::size_t> recordLine);
  bool isOpenedFile(const QString& path) const;
  /// The file on disk is no longer what was last read from it or written to it.
  bool changedOnDisk() const;
  bool overwriteAgreed(const QString& fileName);
  void tell(const QString& message);
  void remember(const QString& path);

  FigureForm& form_;
  MainWindowSettings& settings_;
  QWidget& dialogParent_;
  QString path_;
  SheetTexts saved_;
  std::string fileBytes_;       ///< the file's bytes as last read or written
  std::size_t recordLine_ = 0;  ///< where the figure's record starts in them
};

}  // namespace velmora
