// The menu bar above the form: 文件, 编辑, 计算, 检核 and 帮助 with their
// commands and the usual shortcuts. The actions are made here and connected
// by the window that owns them.
#pragma once

class QAction;
class QMainWindow;
class QMenu;

namespace velmora {

struct MainWindowActions {
  QAction* newFigure = nullptr;     ///< 新建, Ctrl+N
  QAction* open = nullptr;          ///< 打开…, Ctrl+O
  QAction* save = nullptr;          ///< 保存, Ctrl+S
  QAction* saveAs = nullptr;        ///< 另存为…, Ctrl+Shift+S
  QMenu* recentFiles = nullptr;     ///< 最近打开的文件, five at most
  QAction* exportReport = nullptr;  ///< 导出报告为 PDF…
  QAction* exportFigure = nullptr;  ///< 导出图形…
  QAction* exportXlsx = nullptr;    ///< 导出 › 成果表 (Excel)…
  QAction* exportGama = nullptr;    ///< 导出 › GNU Gama…
  QAction* exportDxf = nullptr;     ///< 导出 › DXF…
  QAction* exportCass = nullptr;    ///< 导出 › CASS 坐标文件…
  QAction* print = nullptr;         ///< 打印…, Ctrl+P: the 打 印 button's command
  QAction* quit = nullptr;          ///< 退出, Ctrl+Q
  QAction* dataSheet = nullptr;     ///< 数据表…
  QAction* compute = nullptr;       ///< 计算: the 计算 button's prompt chain
  QAction* computeSheet = nullptr;  ///< 按数据表计算, F5
  QAction* batch = nullptr;         ///< 批量计算…: every figure of the opened file
  QAction* check = nullptr;         ///< 严密平差与限差检核…
  QAction* manual = nullptr;        ///< 使用说明, F1
  QAction* about = nullptr;         ///< 关于 Velmora

  // 文件 menu, after 导出: the worksheet's commands.
  QAction* exportWorksheet = nullptr;  ///< 导出计算表…
  QAction* worksheet = nullptr;        ///< 计算表: the worksheet in a window of its own
};

/// Fills the window's menu bar and returns its actions.
MainWindowActions addMainWindowMenus(QMainWindow& window);

}  // namespace velmora
