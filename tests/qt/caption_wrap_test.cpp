// Wrapping of label captions, measured in half-width units: a Latin letter or
// a blank is one unit wide, a Chinese character two, as in the 宋体 faces.
#include "ui/qt/caption_wrap.h"

#include <QTest>

namespace velmora::qt_tests {
namespace {

double halfWidthUnits(const QString& text) {
  double units = 0.0;
  for (const QChar c : text) units += c.unicode() < 0x80 ? 1.0 : 2.0;
  return units;
}

}  // namespace

class CaptionWrapTest : public QObject {
  Q_OBJECT

 private slots:
  void wrap_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("shown");
    QTest::newRow("fits: unchanged, trailing blank kept") << "求 距 角 " << 9.0 << "求 距 角 ";
    QTest::newRow("breaks at the blank that overflows") << "   A 点   纵座标 Xa" << 10.0 << "   A 点\n纵座标 Xa";
    QTest::newRow("blanks at the break and at the end dropped")
        << " 最弱点边长  权倒数 1/Ps     " << 13.0 << " 最弱点边长\n权倒数 1/Ps";
    QTest::newRow("word wider than the label breaks between characters")
        << "最弱点相对已知点相对中误差  1/m" << 17.0 << "最弱点相对已知点\n相对中误差  1/m";
    QTest::newRow("as many lines as needed") << "aa bb cc" << 2.0 << "aa\nbb\ncc";
    QTest::newRow("greedy: fills a line before breaking") << "a b c d" << 3.0 << "a b\nc d";
    QTest::newRow("one character wider than the label") << "测量" << 1.0 << "测\n量";
    QTest::newRow("leading blanks wider than the label") << "     ab" << 4.0 << "    \n ab";
    QTest::newRow("empty caption") << "" << 5.0 << "";
  }

  void wrap() {
    QFETCH(QString, caption);
    QFETCH(double, width);
    QFETCH(QString, shown);
    QCOMPARE(wrapCaption(caption, width, halfWidthUnits), shown);
  }
};

}  // namespace velmora::qt_tests

QTEST_APPLESS_MAIN(velmora::qt_tests::CaptionWrapTest)
#include "caption_wrap_test.moc"
