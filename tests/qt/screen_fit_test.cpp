// The window on the screens surveyors have: run once per screen (the offscreen
// platform's screen is set by the test's environment), the whole window —
// frame, menus, status bar — lies inside the available area and 计算, 打印 and
// 结束 can be reached; a geometry that no longer fits is not restored.
#include "ui/qt/screen_fit.h"

#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include "ui/qt/application_setup.h"
#include "ui/qt/check_dialog.h"
#include "ui/qt/data_sheet_dialog.h"
#include "ui/qt/figure_chooser.h"
#include "ui/qt/main_window_settings.h"
#include "window_test_support.h"

namespace velmora::qt_tests {
namespace {

QRect globalRect(const QWidget& widget) { return {widget.mapToGlobal(QPoint(0, 0)), widget.size()}; }

void showFitted(MainWindow& mainWindow) {
  mainWindow.restoreSavedGeometry();
  mainWindow.show();
  QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
  QCoreApplication::processEvents();
}

/// A quiet mainWindow after a complete run of the exact figure, from its data sheet.
struct ComputedQuiet {
  ComputedQuiet() {
    quiet.mainWindow->form().setFigure(exactFigureTexts());
    quiet.mainWindow->computeFromSheet();
  }
  QuietMainWindow quiet;
};

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
    QuietMainWindow quiet;
    MainWindow& mainWindow = *quiet.mainWindow;
    showFitted(mainWindow);
    const QRect available = mainWindow.screen()->availableGeometry();
    QVERIFY2(available.contains(mainWindow.frameGeometry()), qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                                                            .arg(mainWindow.frameGeometry().width())
                                                                            .arg(mainWindow.frameGeometry().height())
                                                                            .arg(available.width())
                                                                            .arg(available.height())));
    QVERIFY(available.contains(globalRect(*mainWindow.menuBar())));
    QVERIFY(available.contains(globalRect(*mainWindow.statusBar())));
    const auto* scroller = qobject_cast<QScrollArea*>(mainWindow.centralWidget());
    QVERIFY(scroller != nullptr);
    const bool formFits = mainWindow.naturalSize().grownBy(kGuessedFrame).boundedTo(available.size()) ==
                          mainWindow.naturalSize().grownBy(kGuessedFrame);
    if (formFits) {
      QVERIFY(!scroller->verticalScrollBar()->isVisible());
      QVERIFY(!scroller->horizontalScrollBar()->isVisible());
    }
  }

  /// Each button can be brought into view and pressed where it shows.
  void everyButtonCanBeReached() {
    QuietMainWindow quiet;
    MainWindow& mainWindow = *quiet.mainWindow;
    showFitted(mainWindow);
    auto* scroller = qobject_cast<QScrollArea*>(mainWindow.centralWidget());
    for (const char* name : {"Command1", "Command3", "Command2"}) {
      auto* button = mainWindow.form().findChild<QPushButton*>(name);
      scroller->ensureWidgetVisible(button);
      QCoreApplication::processEvents();
      QVERIFY2(globalRect(*scroller->viewport()).contains(globalRect(*button)), name);
      QVERIFY2(mainWindow.screen()->availableGeometry().contains(globalRect(*button)), name);
    }
  }

  /// The keyboard reaches the buttons too: the scroll area follows the focus.
  void focusBringsTheButtonIntoView() {
    QuietMainWindow quiet;
    MainWindow& mainWindow = *quiet.mainWindow;
    showFitted(mainWindow);
    auto* scroller = qobject_cast<QScrollArea*>(mainWindow.centralWidget());
    auto* print = mainWindow.form().findChild<QPushButton*>("Command3");
    QWidget* previous = print->previousInFocusChain();
    previous->setFocus();
    QTest::keyClick(previous, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(print));
    QVERIFY(globalRect(*scroller->viewport()).contains(globalRect(*print)));
  }

  /// The data sheet, the check dialog and the figure chooser fit the screen too, and can be resized.
  void dialogsFitTheScreen() {
    ComputedQuiet computed;
    MainWindow& mainWindow = *computed.quiet.mainWindow;
    const QRect available = mainWindow.screen()->availableGeometry();
    DataSheetDialog sheet(exactFigureTexts(), &mainWindow);
    const CheckReport report = makeCheckReport(mainWindow.form().state());
    QVERIFY(report.check.has_value());
    CheckDialog check(mainWindow.form().state(), report, mainWindow.settings(), &mainWindow);
    std::vector<FigureFileName> names;
    for (std::size_t n = 0; n < 1000; ++n) names.push_back({n + 2, "P" + std::to_string(n)});
    FigureChooser chooser(names, QStringLiteral("net.csv"), &mainWindow);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&sheet, &check, &chooser}) {
      QVERIFY2(available.size().shrunkBy(kGuessedFrame).boundedTo(dialog->size()) == dialog->size(),
               qPrintable(dialog->windowTitle()));
      QVERIFY2(dialog->minimumSize().width() < dialog->maximumSize().width(), qPrintable(dialog->windowTitle()));
    }
  }

  /// A geometry remembered on a larger screen is not restored on this one.
  void aRememberedGeometryThatNoLongerFitsIsNotRestored() {
    {
      QWidget large;
      large.setGeometry(QRect(QPoint(0, 0), QSize(3000, 2000)));
      MainWindowSettings().setGeometry(large.saveGeometry());
    }
    QuietMainWindow quiet;
    showFitted(*quiet.mainWindow);
    QVERIFY(quiet.mainWindow->screen()->availableGeometry().contains(quiet.mainWindow->frameGeometry()));
  }
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::ScreenFitTest)
#include "screen_fit_test.moc"
