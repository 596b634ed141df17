#include "ui/qt/program_texts.h"

#include <QtGlobal>

namespace velmora {

QString programVersion() { return QStringLiteral(VELMORA_VERSION); }

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
