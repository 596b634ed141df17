// The window behaves as desktop programs do: a figure file given on the
// command line or dropped onto the window opens; an exported picture without
// an extension takes the chosen filter's; a file that is no figure file is
// named in its message; work the first frame does not need waits for it.
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <fstream>

#include "modal_watchdog.h"
#include "report/report_writer.h"
#include "ui/dialogue.h"
#include "ui/qt/after_first_frame.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/form_field.h"
#include "ui/qt/picture_export.h"
#include "window_test_support.h"

namespace velmora::qt_tests {
namespace {

const char* const kHeader = "name,xa,ya,xb,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3,c3\n";

QString writeFile(const QTemporaryDir& folder, const char* name, const std::string& text) {
  const QString path = folder.filePath(QString::fromUtf8(name));
  std::ofstream(path.toStdString(), std::ios::binary) << text;
  return path;
}

std::string figureFileText(const SheetTexts& texts) {
  std::string text = kHeader;
  for (std::size_t entry = 0; entry < texts.size(); ++entry) text += (entry == 0 ? "" : ",") + texts[entry];
  return text + "\n";
}

}  // namespace

class DesktopHabitsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    isolateSettings();
    setUpApplication();
  }
  void cleanup() {
    const QString faults = watchdog_.takeFaults();
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
  }

  void aFileGivenAtTheStartOpens() {
    const QString path = writeFile(folder_, "given.csv", figureFileText(exactFigureTexts()));
    QuietMainWindow quiet;
    quiet.mainWindow->openOnStart(path);
    QCOMPARE(quiet.mainWindow->form().figure(), exactFigureTexts());
    QCOMPARE(quiet.mainWindow->files().path(), path);
    // Its entries show at once as the prompts echo them; no result is shown.
    const SheetTexts texts = exactFigureTexts();
    FigureForm& form = quiet.mainWindow->form();
    const auto shown = [&form](const char* field) { return form.findChild<FormField*>(field)->wholeText(); };
    const auto echo = [](DisplayKind kind, const std::string& typed) {
      return QString::fromStdString(displayText(kind, typed));
    };
    QCOMPARE(shown("Text1"), echo(DisplayKind::Coordinate, texts[coordinateEntry(0)]));
    QCOMPARE(shown("Text10"), echo(DisplayKind::Coordinate, texts[coordinateEntry(5)]));
    QCOMPARE(shown("Text18"), echo(DisplayKind::Name, texts[kPointNameEntry]));
    QCOMPARE(shown("Text6"), echo(DisplayKind::Angle, texts[angleEntry(3, 0)]));
    QCOMPARE(shown("Text8"), echo(DisplayKind::Angle, texts[angleEntry(3, 2)]));
    for (const char* result : {"Text11", "Text14", "Text19", "Text24"}) QVERIFY2(shown(result).isEmpty(), result);
    QVERIFY(reportRefusal(form.state()).has_value());
  }

  void aDroppedFileOpens() {
    const QString path = writeFile(folder_, "dropped.csv", figureFileText(exactFigureTexts()));
    QuietMainWindow quiet;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(quiet.mainWindow.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(quiet.mainWindow.get(), &drop);
    QCOMPARE(quiet.mainWindow->form().figure(), exactFigureTexts());

    QMimeData notAFile;
    notAFile.setText(QStringLiteral("3146.231"));
    QDragEnterEvent text(QPoint(10, 10), Qt::CopyAction, &notAFile, Qt::LeftButton, Qt::NoModifier);
    text.ignore();
    QCoreApplication::sendEvent(quiet.mainWindow.get(), &text);
    QVERIFY(!text.isAccepted());
  }

  void noFigureFileIsNamedInItsMessage_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    QTest::newRow("no header") << QByteArray("P7,3146.231,2000,1,2,3,4\n");
  }

  void noFigureFileIsNamedInItsMessage() {
    QFETCH(QByteArray, bytes);
    const QString path = writeFile(folder_, "plot.csv", bytes.toStdString());
    QuietMainWindow quiet;
    QString told;
    watchdog_.expectDialog([&told](QWidget& box) {
      told = qobject_cast<QMessageBox*>(&box)->text();
      box.close();
    });
    QVERIFY(!quiet.mainWindow->files().openPath(path));
    QVERIFY2(told.contains(QStringLiteral("plot.csv")), qPrintable(told));
  }

  void anExportTakesTheChosenFiltersExtension_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("path");
    QTest::newRow("none typed, SVG chosen") << "/tmp/figure"
                                            << "SVG 矢量图 (*.svg)"
                                            << "/tmp/figure.svg";
    QTest::newRow("none typed, PDF chosen") << "/tmp/figure"
                                            << "PDF 文件 (*.pdf)"
                                            << "/tmp/figure.pdf";
    QTest::newRow("typed .png, SVG chosen") << "/tmp/figure.png"
                                            << "SVG 矢量图 (*.svg)"
                                            << "/tmp/figure.png";
    QTest::newRow("a dotted folder") << "/tmp/v1.2/figure"
                                     << "PNG 图片 (*.png)"
                                     << "/tmp/v1.2/figure.png";
    QTest::newRow("no filter") << "/tmp/figure"
                               << ""
                               << "/tmp/figure";
  }

  void anExportTakesTheChosenFiltersExtension() {
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, path);
    QCOMPARE(withChosenSuffix(typed, filter), path);
  }

  // Work put off until the first frame runs once, after that frame was painted.
  void workAfterTheFirstFrameRunsOnceAfterItsPaint() {
    PaintCounter window;
    window.show();
    int runs = 0;
    int paintsBeforeRun = -1;
    runAfterFirstFrame(window, [&] {
      ++runs;
      paintsBeforeRun = window.paints;
    });
    QCOMPARE(runs, 0);
    QTRY_COMPARE(runs, 1);
    QVERIFY(paintsBeforeRun > 0);
    window.update();
    QTest::qWait(kFirstFrameWaitMilliseconds + 200);
    QCOMPARE(runs, 1);
  }

  // A window that never shows a frame still gets its work done, and a closed
  // window takes its pending work with it.
  void workWaitsNoLongerThanItsLimitAndDiesWithItsWindow() {
    QWidget hidden;
    bool ran = false;
    runAfterFirstFrame(hidden, [&ran] { ran = true; });
    QTRY_VERIFY_WITH_TIMEOUT(ran, kFirstFrameWaitMilliseconds * 3);

    bool ranForGone = false;
    {
      QWidget gone;
      runAfterFirstFrame(gone, [&ranForGone] { ranForGone = true; });
    }
    QTest::qWait(kFirstFrameWaitMilliseconds + 200);
    QVERIFY(!ranForGone);
  }

 private:
  struct PaintCounter : QWidget {
    int paints = 0;
    void paintEvent(QPaintEvent* /*event*/) override { ++paints; }
  };

  QTemporaryDir folder_;
  ModalWatchdog watchdog_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::DesktopHabitsTest)
#include "desktop_habits_test.moc"
