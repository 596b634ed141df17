// The program's window for a person: the form (Form1) unchanged as the
// central area (in a scroll area where the screen is smaller than the form),
// the menu bar above it and a status bar below it that tells
// how the last run ended, the grade verdict of the last check, and the figure
// file with its changed mark. Each command lives in its own piece: the menus,
// the figure files, the recovery of an unsaved figure, the data sheet, the
// check dialog and the settings.
#pragma once

#include <QMainWindow>
#include <memory>

#include "ui/qt/figure_file_commands.h"
#include "ui/qt/figure_form.h"
#include "ui/qt/figure_recovery.h"
#include "ui/qt/main_window_menus.h"
#include "ui/qt/main_window_settings.h"
#include "ui/qt/result_export.h"
#include "ui/qt/worksheet_commands.h"

class QLabel;

namespace velmora {

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(std::unique_ptr<OperatorChannel> channel, QWidget* parent = nullptr);

  /// The size and place the window had when it was last closed, when that
  /// still fits the screen; otherwise the window fitted to the screen.
  void restoreSavedGeometry();
  /// The form at its own size with the menus and the status bar around it;
  /// on a smaller screen the window takes the screen's available area and the
  /// form scrolls, its layout untouched. (A new window has its natural size
  /// whatever the screen, as the scripted mode's pictures want.)
  void fitToScreen();
  /// The size the window has when the whole form shows.
  QSize naturalSize() const;
  /// Opens the figure file the program was started with (from a file manager,
  /// `velmora FILE.csv`), asking first about an unsaved (recovered) figure.
  void openOnStart(const QString& path);
  /// Offers what a window that ended without saving left in `folder`, then
  /// keeps the unsaved figure there (FigureRecovery); without it, nothing is kept.
  void keepRecoveryIn(const QString& folder);

  FigureForm& form() { return *form_; }
  const MainWindowActions& actions() const { return actions_; }
  FigureFileCommands& files() { return *files_; }
  FigureRecovery& recovery() { return *recovery_; }
  MainWindowSettings& settings() { return settings_; }
  ResultExportCommands& exports() { return *exports_; }
  WorksheetCommands& worksheets() { return *worksheets_; }

  /// 编辑 › 数据表…: edits the figure in a table; true when it was accepted.
  bool editDataSheet();
  /// 计算 › 按数据表计算: the Compute run with the figure's texts as the
  /// confirmed replies; refused with a message while an entry breaks its rules.
  std::optional<RunOutcome> computeFromSheet();
  /// 检核 › 严密平差与限差检核…: refused with a message without a complete run.
  void showCheck();
  /// 文件 › 导出报告为 PDF…
  void exportReport();
  /// Prints the report of the last run into the PDF file `path`.
  PrintOutcome exportReportTo(const QString& path);
  /// 文件 › 导出图形…: the picture of the adjusted figure, refused without a complete run.
  void exportFigure();
  /// Writes that picture to `path` (.png, .svg or .pdf); the reason when it could not.
  QString exportFigureTo(const QString& path);
  /// 文件 › 退出: asks about an unsaved figure, then ends the program.
  void quit();

  /// The texts of the status bar, left to right: run, grade verdict, file.
  QStringList statusTexts() const;
  /// Shows the verdict of the last check in the status bar.
  void showVerdict(const QString& verdict);

 protected:
  /// Keeps the geometry while it fits the screen; the close control first
  /// asks about an unsaved figure.
  void closeEvent(QCloseEvent* event) override;
  /// Once the window manager's frame is known, the frame is kept on the screen.
  void showEvent(QShowEvent* event) override;
  /// A file dropped onto the window is opened like 文件 › 打开.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void connectActions();
  void fillRecentFiles();
  void showFileState();
  void showManual();
  void showAbout();
  /// The window's frame as it stands, or a guess before the window manager framed it.
  QMargins frameAround() const;
  QRect availableArea() const;

  MainWindowSettings settings_;
  FigureForm* form_;
  MainWindowActions actions_;
  FigureFileCommands* files_;
  FigureRecovery* recovery_;
  ResultExportCommands* exports_;
  WorksheetCommands* worksheets_;
  QLabel* runStatus_;
  QLabel* verdictStatus_;
  QLabel* fileStatus_;
  bool keepFrameOnScreen_ = false;  ///< fitted to the screen: kept inside it once shown
};

}  // namespace velmora
