// The main window as the operator sees it: every control in its place with its
// caption, font and colour, the lines of the frame and the diagram, the
// initial texts, the focus order, and Exit.
#include "ui/qt/figure_form.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "modal_watchdog.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/dialog_channel.h"
#include "ui/qt/form_layout.h"
#include "window_test_support.h"

namespace velmora::qt_tests {

class FigureFormTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { setUpApplication(); }
  void init() { window_ = std::make_unique<FigureForm>(std::make_unique<DialogChannel>()); }
  void cleanup() {
    window_.reset();
    QVERIFY2(watchdog_.unexpectedDialogs().isEmpty(), qPrintable(watchdog_.unexpectedDialogs().join('\n')));
    watchdog_.reset();
  }

  void everyControlExistsOnce() {
    for (const auto& [prefix, count] : {std::pair{"Label", 60}, std::pair{"Text", 26}, std::pair{"Command", 3}}) {
      for (int n = 1; n <= count; ++n) {
        const QString name = prefix + QString::number(n);
        QCOMPARE(window_->findChildren<QWidget*>(name).size(), 1);
      }
    }
    QCOMPARE(window_->findChildren<QLabel*>().size(), 60);
    QCOMPARE(window_->findChildren<QLineEdit*>().size(), 26);
    QCOMPARE(window_->findChildren<QPushButton*>().size(), 3);
  }

  void controlGeometryAndCaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<double>("points");
    // Twips divided by 15, worked out by hand from the layout.
    QTest::newRow("Label1 title") << "Velmora" << QRect(208, 208, 241, 25) << 14.25;
    QTest::newRow("Label2 full-width bracket") << "( 起始数据 ）" << QRect(168, 264, 97, 17) << 9.0;
    QTest::newRow("Label3 leading blanks") << "   A 点   纵座标 Xa" << QRect(168, 288, 65, 25) << 9.0;
    QTest::newRow("Label6 two blanks") << "   B 点  横座标 Yb" << QRect(168, 384, 65, 25) << 9.0;
    QTest::newRow("Label8 full-width brackets") << "（ 观 测 角 度 ）" << QRect(168, 504, 121, 17) << 9.0;
    QTest::newRow("Label9 trailing blank") << "求 距 角 " << QRect(256, 520, 57, 17) << 9.0;
    QTest::newRow("Label17") << "   w" << QRect(216, 656, 25, 17) << 8.25;
    QTest::newRow("Label21") << "(第二组条件方程式闭合差)" << QRect(480, 400, 185, 17) << 9.0;
    QTest::newRow("Label25 trailing blanks") << " 最弱点边长  权倒数 1/Ps     " << QRect(584, 304, 81, 25) << 9.0;
    QTest::newRow("Label28") << " N$" << QRect(496, 528, 25, 17) << 8.25;
    QTest::newRow("Label42 capital P") << "YP2" << QRect(480, 600, 25, 17) << 8.25;
    QTest::newRow("Label52") << "c(3)" << QRect(816, 184, 25, 17) << 8.25;
    QTest::newRow("Label54") << "B" << QRect(816, 40, 17, 25) << 13.5;
    QTest::newRow("Label59") << "P" << QRect(816, 152, 17, 17) << 9.75;
    QTest::newRow("Label60") << "最弱点相对已知点相对中误差  1/m" << QRect(560, 344, 105, 25) << 9.0;
    QTest::newRow("Text1") << "" << QRect(232, 296, 89, 19) << 8.25;
    QTest::newRow("Text5") << "" << QRect(504, 568, 89, 19) << 8.25;
    QTest::newRow("Text6 low field") << "" << QRect(240, 536, 81, 17) << 8.25;
    QTest::newRow("Text25") << "" << QRect(680, 440, 97, 19) << 8.25;
    QTest::newRow("Text26") << "" << QRect(664, 352, 89, 19) << 8.25;
    QTest::newRow("Command1") << "计算" << QRect(440, 648, 57, 25) << 9.0;
    QTest::newRow("Command2") << "结束" << QRect(520, 648, 57, 25) << 9.0;
    QTest::newRow("Command3") << "打 印" << QRect(600, 648, 57, 25) << 9.0;
  }

  void controlGeometryAndCaption() {
    QFETCH(QString, caption);
    QFETCH(QRect, pixels);
    QFETCH(double, points);
    const QString name = QString::fromLatin1(QTest::currentDataTag()).section(' ', 0, 0);
    auto* control = window_->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(control->font().pointSizeF(), points);
    QVERIFY(control->font().bold());
    if (auto* label = qobject_cast<QLabel*>(control)) QCOMPARE(captionOf(*label), caption);
    if (auto* button = qobject_cast<QPushButton*>(control)) QCOMPARE(button->text(), caption);
    if (auto* field = qobject_cast<QLineEdit*>(control)) QCOMPARE(field->text(), caption);
  }

  void clientAreaHoldsEveryControl() {
    QVERIFY(window_->width() >= 945 && window_->height() >= 688);
    QVERIFY(window_->minimumWidth() >= 945 && window_->minimumHeight() >= 688);
    for (QWidget* control : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      QVERIFY2(QRect(0, 0, 945, 688).contains(control->geometry()), qPrintable(control->objectName()));
    }
  }

  void fontsFallBackToInstalledCjkFaces_data() {
    QTest::addColumn<QString>("face");
    QTest::newRow("Label2 宋体") << "AR PL UMing CN";
    QTest::newRow("Command1 宋体") << "AR PL UMing CN";
    QTest::newRow("Text11 MS Sans Serif") << "WenQuanYi Zen Hei";
    QTest::newRow("Label54 MS Sans Serif") << "WenQuanYi Zen Hei";
    QTest::newRow("Label17 Microsoft Sans Serif") << "WenQuanYi Zen Hei";
    QTest::newRow("Label1 Microsoft Sans Serif") << "WenQuanYi Zen Hei";
  }

  void fontsFallBackToInstalledCjkFaces() {
    if (!fallbackFacesInstalled()) QSKIP("fonts-arphic-uming and fonts-wqy-zenhei are not installed");
    QFETCH(QString, face);
    const QString name = QString::fromLatin1(QTest::currentDataTag()).section(' ', 0, 0);
    auto* control = window_->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    const QStringList families = QFontDatabase::families();
    if (families.contains("SimSun") || families.contains("MS Sans Serif")) QSKIP("the Windows faces are installed");
    QCOMPARE(QFontInfo(control->font()).family(), face);
  }

  /// Regression: a caption wider than its label was cut off at the label's edge.
  void everyCaptionFitsItsLabel() {
    if (!fallbackFacesInstalled()) QSKIP("fonts-arphic-uming and fonts-wqy-zenhei are not installed");
    for (QLabel* label : window_->findChildren<QLabel*>()) {
      const QFontMetricsF metrics(label->font());
      const QStringList lines = label->text().split('\n');
      const QString name = label->objectName();
      const double linesHeight = static_cast<double>(lines.size() - 1) * metrics.lineSpacing() + metrics.height();
      QVERIFY2(linesHeight <= label->height() + 0.5, qPrintable(name));
      for (const QString& line : lines) QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(name));
    }
  }

  void coordinateLabelsWrapOntoTwoLines_data() {
    QTest::addColumn<QString>("shown");
    QTest::newRow("Label3") << "   A 点\n纵座标 Xa";
    QTest::newRow("Label6") << "   B 点\n横座标 Yb";
    QTest::newRow("Label16") << "   C 点\n横座标 Yc";
    QTest::newRow("Label23") << "测角中误差\nmb";
    QTest::newRow("Label25") << " 最弱点边长\n权倒数 1/Ps";
    QTest::newRow("Label60") << "最弱点相对已知点\n相对中误差  1/m";
  }

  void coordinateLabelsWrapOntoTwoLines() {
    if (!fallbackFacesInstalled()) QSKIP("fonts-arphic-uming and fonts-wqy-zenhei are not installed");
    QFETCH(QString, shown);
    auto* label = window_->findChild<QLabel*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), shown);
  }

  void initialTexts() {
    for (QLineEdit* field : window_->findChildren<QLineEdit*>()) QVERIFY(field->text().isEmpty());
    const std::pair<const char*, const char*> changing[] = {
        {"Label12", "  A"}, {"Label13", "  B"}, {"Label14", "  C"}, {"Label17", "   w"}};
    for (const auto& [name, caption] : changing) {
      QCOMPARE(window_->findChild<QLabel*>(name)->text(), QString::fromUtf8(caption));
    }
    QCOMPARE(window_->windowTitle(), QStringLiteral("Velmora"));
  }

  void coloursOfWindowLabelsAndButtons() {
    const QColor background(255, 255, 192);
    QCOMPARE(window_->palette().color(QPalette::Window), background);
    const QImage image = window_->grab().toImage();
    for (QLabel* label : window_->findChildren<QLabel*>()) {
      QVERIFY2(label->autoFillBackground(), qPrintable(label->objectName()));
      QCOMPARE(label->palette().color(QPalette::Window), background);
    }
    // The lower left corner of a button face, away from its caption and bevel.
    const auto faceColour = [&](const char* name) {
      const QRect face = window_->findChild<QPushButton*>(name)->geometry();
      return image.pixelColor(face.left() + 4, face.bottom() - 4);
    };
    QCOMPARE(faceColour("Command1"), QColor(255, 192, 192));
    QCOMPARE(faceColour("Command2"), QColor(255, 192, 192));
    QVERIFY(faceColour("Command3") != QColor(255, 192, 192));
    QCOMPARE(image.pixelColor(940, 600), background);
  }

  void linesDrawnInTheirColours_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Line1 A-B") << QPoint(780, 136) << QColor(255, 0, 0);
    QTest::newRow("Line3 A-C") << QPoint(750, 208) << QColor(255, 0, 0);
    QTest::newRow("Line4 P-B") << QPoint(824, 100) << QColor(0, 0, 0);
    QTest::newRow("Line7 frame top") << QPoint(400, 248) << QColor(0, 0, 192);
    QTest::newRow("Line7 3 pixels wide") << QPoint(400, 247) << QColor(0, 0, 192);
    QTest::newRow("Line8 frame left") << QPoint(152, 500) << QColor(0, 0, 192);
    QTest::newRow("Line11 frame bottom") << QPoint(400, 688) << QColor(0, 0, 255);
    QTest::newRow("Line13 precision bottom") << QPoint(700, 384) << QColor(0, 0, 255);
    QTest::newRow("Line15 above buttons") << QPoint(700, 632) << QColor(0, 0, 192);
    QTest::newRow("beside Line15") << QPoint(700, 635) << QColor(255, 255, 192);
  }

  void linesDrawnInTheirColours() {
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    QCOMPARE(window_->grab().toImage().pixelColor(point), colour);
  }

  /// Tab follows reading order. Regression of 2026-12: it jumped from Text20 to
  /// the buttons and back into the results, as the classical form numbered them.
  void focusOrder() {
    const QStringList expected = QString(
                                     "Text1 Text2 Text3 Text4 Text9 Text10 Text6 Text7 Text8 Text11 "
                                     "Text14 Text15 Text16 Text17 Text26 Text12 Text13 Text21 Text25 "
                                     "Text18 Text19 Text5 Text23 Text20 Text22 Text24 Command1 Command2 Command3")
                                     .split(' ');
    QCOMPARE(window_->focusWidget(), window_->findChild<QWidget*>("Text1"));
    QStringList order{"Text1"};
    for (QWidget* at = window_->findChild<QWidget*>("Text1")->nextInFocusChain(); order.size() < 29;
         at = at->nextInFocusChain()) {
      if ((at->focusPolicy() & Qt::TabFocus) != 0) order.append(at->objectName());
    }
    QCOMPARE(order, expected);
  }

  void noButtonIsDefault() {
    for (QPushButton* button : window_->findChildren<QPushButton*>()) {
      QVERIFY(!button->isDefault());
      QVERIFY(!button->autoDefault());
    }
  }

  void exitEndsTheProgram_data() {
    QTest::addColumn<bool>("byExitButton");
    QTest::newRow("结束") << true;
    QTest::newRow("the window's close control") << false;
  }

  /// The program's event loop ends, without a question, also right after start.
  void exitEndsTheProgram() {
    QFETCH(bool, byExitButton);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QTimer::singleShot(0, window_.get(), [this, byExitButton] {
      if (byExitButton) {
        QTest::mouseClick(window_->findChild<QPushButton*>("Command2"), Qt::LeftButton);
      } else {
        window_->close();
      }
    });
    bool timedOut = false;
    QTimer::singleShot(10000, qApp, [&timedOut] {
      timedOut = true;
      QApplication::exit(1);
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!timedOut);
    QVERIFY(!window_->isVisible());
  }

 private:
  ModalWatchdog watchdog_;
  std::unique_ptr<FigureForm> window_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::FigureFormTest)
#include "figure_form_test.moc"
