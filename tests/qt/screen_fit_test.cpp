// The window on the screens surveyors have: run once per screen (the offscreen
// platform's screen is set by the test's environment), the whole window —
// frame, menus, status bar — lies inside the available area and 计算, 打印 and
// 结束 can be reached; a geometry that no longer fits is not restored.
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include "ui/qt/application_setup.h"
#include "ui/qt/screen_fit.h"
#include "ui/qt/workbench_settings.h"
#include "window_test_support.h"

namespace velmora::qt_tests {
namespace {

QRect globalRect(const QWidget& widget) { return {widget.mapToGlobal(QPoint(0, 0)), widget.size()}; }

void showFitted(Workbench& workbench) {
  workbench.restoreSavedGeometry();
  workbench.show();
  QVERIFY(QTest::qWaitForWindowExposed(&workbench));
  QCoreApplication::processEvents();
}

}  // namespace

class ScreenFitTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    isolateSettings();
    setUpApplication();
  }

  void fittedGeometry_data() {
    QTest::addColumn<QSize>("natural");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("wanted");
    QTest::addColumn<QRect>("fitted");
    const QSize form(985, 771);
    QTest::newRow("large screen: natural size where wanted")
        << form << QRect(0, 0, 1920, 1080) << QPoint(100, 50) << QRect(108, 86, 985, 771);
    QTest::newRow("1366x768: as tall as the screen, at its top")
        << form << QRect(0, 0, 1366, 768) << QPoint(100, 50) << QRect(108, 36, 985, 724);
    QTest::newRow("1024x768 below a panel: inside the panel's edge")
        << form << QRect(0, 30, 1024, 738) << QPoint(0, 0) << QRect(8, 66, 985, 694);
    QTest::newRow("1920x1080 at scale 2: both ways smaller")
        << form << QRect(0, 0, 960, 540) << QPoint(0, 0) << QRect(8, 36, 944, 496);
    QTest::newRow("wanted beyond the right edge: moved back")
        << QSize(400, 300) << QRect(0, 0, 1024, 768) << QPoint(900, 700) << QRect(616, 460, 400, 300);
  }

  void fittedGeometry() {
    QFETCH(QSize, natural);
    QFETCH(QRect, available);
    QFETCH(QPoint, wanted);
    QFETCH(QRect, fitted);
    const QRect got = velmora::fittedGeometry(natural, kGuessedFrame, available, wanted);
    QCOMPARE(got, fitted);
    QVERIFY(fitsInside(got.marginsAdded(kGuessedFrame), available));
  }

  /// The frame, the menus and the status bar lie inside the screen's available area.
  void wholeWindowIsOnTheScreen() {
    QuietWorkbench quiet;
    Workbench& workbench = *quiet.workbench;
    showFitted(workbench);
    const QRect available = workbench.screen()->availableGeometry();
    QVERIFY2(available.contains(workbench.frameGeometry()), qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                                                           .arg(workbench.frameGeometry().width())
                                                                           .arg(workbench.frameGeometry().height())
                                                                           .arg(available.width())
                                                                           .arg(available.height())));
    QVERIFY(available.contains(globalRect(*workbench.menuBar())));
    QVERIFY(available.contains(globalRect(*workbench.statusBar())));
    const auto* scroller = qobject_cast<QScrollArea*>(workbench.centralWidget());
    QVERIFY(scroller != nullptr);
    const bool formFits = workbench.naturalSize().grownBy(kGuessedFrame).boundedTo(available.size()) ==
                          workbench.naturalSize().grownBy(kGuessedFrame);
    if (formFits) {
      QVERIFY(!scroller->verticalScrollBar()->isVisible());
      QVERIFY(!scroller->horizontalScrollBar()->isVisible());
    }
  }

  /// Each button can be brought into view and pressed where it shows.
  void everyButtonCanBeReached() {
    QuietWorkbench quiet;
    Workbench& workbench = *quiet.workbench;
    showFitted(workbench);
    auto* scroller = qobject_cast<QScrollArea*>(workbench.centralWidget());
    for (const char* name : {"Command1", "Command3", "Command2"}) {
      auto* button = workbench.form().findChild<QPushButton*>(name);
      scroller->ensureWidgetVisible(button);
      QCoreApplication::processEvents();
      QVERIFY2(globalRect(*scroller->viewport()).contains(globalRect(*button)), name);
      QVERIFY2(workbench.screen()->availableGeometry().contains(globalRect(*button)), name);
    }
  }

  /// The keyboard reaches the buttons too: the scroll area follows the focus.
  void focusBringsTheButtonIntoView() {
    QuietWorkbench quiet;
    Workbench& workbench = *quiet.workbench;
    showFitted(workbench);
    auto* scroller = qobject_cast<QScrollArea*>(workbench.centralWidget());
    auto* print = workbench.form().findChild<QPushButton*>("Command3");
    QWidget* previous = print->previousInFocusChain();
    previous->setFocus();
    QTest::keyClick(previous, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(print));
    QVERIFY(globalRect(*scroller->viewport()).contains(globalRect(*print)));
  }

  /// A geometry remembered on a larger screen is not restored on this one.
  void aRememberedGeometryThatNoLongerFitsIsNotRestored() {
    {
      QWidget large;
      large.setGeometry(QRect(QPoint(0, 0), QSize(3000, 2000)));
      WorkbenchSettings().setGeometry(large.saveGeometry());
    }
    QuietWorkbench quiet;
    showFitted(*quiet.workbench);
    QVERIFY(quiet.workbench->screen()->availableGeometry().contains(quiet.workbench->frameGeometry()));
  }
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::ScreenFitTest)
#include "screen_fit_test.moc"
