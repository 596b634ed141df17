#include "ui/qt/program_texts.h"

#include <QtGlobal>

namespace velmora {

QString programVersion() { return QStringLiteral(VELMORA_VERSION); }

const char* const kManualText =
    "计算：按“计算”按钮（或菜单 计算 › 计算），依次回答提示：A、B、C 三点的纵横座标，待定点点名，"
    "再按三角形编号输入每个三角形的求距角、前进角和中心角（度.分秒，如 29.13491）。每个值输入后需确认："
    "正确按 Enter，错误输入 0 后重新输入。提示框中预先填有该项的当前值，按 Enter 即保留。\n\n"
    "数据表：菜单 编辑 › 数据表… 在一张表中编辑点名和十五个数值，不合规则的单元格以颜色标出，"
    "鼠标停留可见原因。按 F5（计算 › 按数据表计算）用数据表中的值计算，结果与逐项输入完全相同。\n\n"
    "图形文件：文件菜单可新建、打开、保存图形文件（与 velmora-cli batch 相同的 CSV 格式，"
    "第一行为表头 name,xa,ya,xb,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3,c3）。文件中有多个图形时可按点名选择。\n\n"
    "打印与导出：“打 印”按钮打印最近一次完整计算的报告；文件菜单可把报告导出为 PDF，把图形导出为图片。\n\n"
    "检核：菜单 检核 › 严密平差与限差检核… 对最近一次完整计算做严密平差检核。\n\n"
    "字段中放不下的数值以“…”结尾，鼠标停留可见全文。";

QString aboutText() {
  return QStringLiteral(
             "<h3>Velmora %1</h3>"
             "<p>中点多边形（三角形内插一点）的条件平差：两组条件平差、三次推算待定点座标、精度评定与打印报告。</p>"
             "<p>许可证：MIT 许可证。</p>"
             "<p>使用的库：Qt %2（Widgets、PrintSupport、SVG，界面与打印），{fmt}（数值文本），"
             "CUPS（经 Qt 打印），GNU C 库的 iconv（GB18030 文件），C++ 标准库。</p>")
      .arg(programVersion(), QString::fromLatin1(qVersion()));
}

}  // namespace velmora
