#include "ui/qt/main_window_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace velmora {
namespace {

QAction* addCommand(QMenu& menu, const QString& text, const QKeySequence& shortcut = {}) {
  QAction* action = menu.addAction(text);
  action->setShortcut(shortcut);
  return action;
}

}  // namespace

MainWindowActions addMainWindowMenus(QMainWindow& window) {
  QMenuBar& bar = *window.menuBar();
  MainWindowActions actions;

  QMenu& file = *bar.addMenu(QStringLiteral("文件(&F)"));
  actions.newFigure = addCommand(file, QStringLiteral("新建(&N)"), QKeySequence::New);
  actions.open = addCommand(file, QStringLiteral("打开(&O)…"), QKeySequence::Open);
  actions.save = addCommand(file, QStringLiteral("保存(&S)"), QKeySequence::Save);
  actions.saveAs = addCommand(file, QStringLiteral("另存为(&A)…"), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
  actions.recentFiles = file.addMenu(QStringLiteral("最近打开的文件(&R)"));
  file.addSeparator();
  actions.exportReport = addCommand(file, QStringLiteral("导出报告为 PDF(&E)…"));
  actions.exportFigure = addCommand(file, QStringLiteral("导出图形(&G)…"));
  QMenu& results = *file.addMenu(QStringLiteral("导出(&T)"));
  actions.exportXlsx = addCommand(results, QStringLiteral("成果表 (Excel)(&X)…"));
  actions.exportGama = addCommand(results, QStringLiteral("GNU Gama(&G)…"));
  actions.exportDxf = addCommand(results, QStringLiteral("DXF(&D)…"));
  actions.exportCass = addCommand(results, QStringLiteral("CASS 坐标文件(&C)…"));
  actions.exportWorksheet = addCommand(file, QStringLiteral("导出计算表(&W)…"));
  actions.worksheet = addCommand(file, QStringLiteral("计算表(&K)"));
  actions.print = addCommand(file, QStringLiteral("打印(&P)…"), QKeySequence::Print);
  file.addSeparator();
  actions.quit = addCommand(file, QStringLiteral("退出(&X)"), QKeySequence(QStringLiteral("Ctrl+Q")));

  QMenu& edit = *bar.addMenu(QStringLiteral("编辑(&E)"));
  actions.dataSheet = addCommand(edit, QStringLiteral("数据表(&D)…"));

  QMenu& compute = *bar.addMenu(QStringLiteral("计算(&C)"));
  actions.compute = addCommand(compute, QStringLiteral("计算(&C)"));
  actions.computeSheet = addCommand(compute, QStringLiteral("按数据表计算(&S)"), QKeySequence(Qt::Key_F5));
  actions.batch = addCommand(compute, QStringLiteral("批量计算(&B)…"));

  QMenu& check = *bar.addMenu(QStringLiteral("检核(&K)"));
  actions.check = addCommand(check, QStringLiteral("严密平差与限差检核(&K)…"));

  QMenu& help = *bar.addMenu(QStringLiteral("帮助(&H)"));
  actions.manual = addCommand(help, QStringLiteral("使用说明(&M)"), QKeySequence::HelpContents);
  actions.about = addCommand(help, QStringLiteral("关于 Velmora(&A)"));
  return actions;
}

}  // namespace velmora
