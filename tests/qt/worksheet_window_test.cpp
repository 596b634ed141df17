// The window's worksheet: the sample's PDF read back with pdftotext (the
// point name, the corrections, the correlates) and pdffonts (the CJK faces
// embedded), every table with a header row to repeat on a new page, 导出计算表…
// through its file dialog with the chosen filter's extension, the window of
// its own, the scripted mode's --worksheet, and the refusals without a run.
#include "ui/qt/worksheet_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <sstream>

#include "modal_watchdog.h"
#include "report/report_writer.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/script_channel.h"
#include "ui/qt/script_run.h"
#include "ui/qt/worksheet_pages.h"
#include "window_test_support.h"

namespace velmora::qt_tests {
namespace {

QString toolOutput(const QString& tool, const QString& pdf) {
  QProcess process;
  process.start(tool, {pdf, QStringLiteral("-")});
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

/// A main window whose operator replies with the sample figure and whose messages are kept.
struct SampleWindow {
  SampleWindow() : replies(replyFileText(sampleFigureReplies())) {
    window = std::make_unique<MainWindow>(std::make_unique<ScriptChannel>(replies, messages, ""));
  }
  RunOutcome compute() { return window->form().compute(); }
  std::istringstream replies;
  std::ostringstream messages;
  std::unique_ptr<MainWindow> window;
};

int tablesWithoutHeaderRow(QTextFrame* frame) {
  int missing = 0;
  for (QTextFrame* child : frame->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(child); table && table->format().headerRowCount() != 1) ++missing;
    missing += tablesWithoutHeaderRow(child);
  }
  return missing;
}

std::string printRefusal() { return *reportRefusal(AdjustmentState{}); }

}  // namespace

class WorksheetWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    isolateSettings();
    setUpApplication();
    QVERIFY(dir_.isValid());
  }
  void cleanup() {
    const QString faults = watchdog_.takeFaults();
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
  }

  void pdfHoldsThePointTheCorrectionsAndTheCorrelates_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("title") << "中点多边形条件平差计算表";
    QTest::newRow("point name") << "P7";
    QTest::newRow("correction v1") << "-1.70";
    QTest::newRow("correction v5") << "-2.04";
    QTest::newRow("correction v9") << "1.10";
    QTest::newRow("correlate k1") << "1.1321";
    QTest::newRow("correlate k2") << "4.5181";
    QTest::newRow("correlate k4") << "-0.0593";
    QTest::newRow("the check [vv] = -[wk]") << "19.0412";
  }
  void pdfHoldsThePointTheCorrectionsAndTheCorrelates() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
    QFETCH(QString, text);
    QVERIFY(pdfText().contains(text));
  }

  void pdfEmbedsTheCjkFaces() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty()) QSKIP("pdffonts is not installed");
    pdfText();
    QProcess process;
    process.start(QStringLiteral("pdffonts"), {dir_.filePath(QStringLiteral("p7.pdf"))});
    process.waitForFinished();
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    const auto cjk = std::find_if(lines.begin(), lines.end(), [](const QString& line) { return line.contains("CJK"); });
    QVERIFY2(cjk != lines.end(), "no Noto CJK face in the PDF");
    QVERIFY2(cjk->contains(QStringLiteral(" yes ")), qPrintable(*cjk));
  }

  void exportTakesTheChosenFiltersExtension() {
    SampleWindow sample;
    QCOMPARE(sample.compute().end, RunEnd::Complete);
    const QString typed = dir_.filePath(QStringLiteral("typed-without-extension"));
    watchdog_.expectDialog([typed](QWidget& dialog) {
      auto* files = qobject_cast<QFileDialog*>(&dialog);
      if (files == nullptr || !activated(dialog)) {
        dialog.close();
        return;
      }
      files->selectNameFilter(QStringLiteral("HTML 文件 (*.html *.htm)"));
      QTest::keyClicks(QApplication::focusWidget(), typed);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    sample.window->actions().exportWorksheet->trigger();
    QFile html(typed + QStringLiteral(".html"));
    QVERIFY(html.open(QIODevice::ReadOnly));
    const QByteArray page = html.readAll();
    QVERIFY(page.startsWith("<!DOCTYPE html>"));
    QVERIFY(page.contains("<svg"));
  }

  void theWorksheetWindowShowsTheRunWithHeaderRowsToRepeat() {
    SampleWindow sample;
    QCOMPARE(sample.compute().end, RunEnd::Complete);
    sample.window->actions().worksheet->trigger();
    auto* shown = sample.window->findChild<WorksheetWindow*>();
    QVERIFY(shown != nullptr && shown->isVisible());
    const QString text = shown->browser().toPlainText();
    QVERIFY(text.contains(QStringLiteral("待定点")) && text.contains(QStringLiteral("P7")));
    QVERIFY(text.contains(QStringLiteral("k4")));
    QVERIFY(shown->findChild<QPushButton*>(QStringLiteral("printWorksheet")) != nullptr);
    QCOMPARE(tablesWithoutHeaderRow(shown->document().rootFrame()), 0);  // each repeats its header on a new page
    QPointer<WorksheetWindow> open(shown);
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);  // as a reader closes it
    QTRY_VERIFY(open.isNull() || !open->isVisible());
  }

  void headerNamesTheFigureFileAndRecordLine() {
    QuietMainWindow quiet;
    const QString file = QStringLiteral(VELMORA_SOURCE_DIR "/examples/figures.csv");
    QVERIFY(quiet.mainWindow->files().openPath(file, std::size_t{3}));
    QCOMPARE(quiet.mainWindow->computeFromSheet()->end, RunEnd::Complete);
    WorksheetWindow* shown = quiet.mainWindow->worksheets().showWorksheet();
    QVERIFY(shown != nullptr);
    QVERIFY(shown->browser().toPlainText().contains(file + QStringLiteral("，第 3 行")));
    QVERIFY(shown->browser().toPlainText().contains(QStringLiteral("Q1")));
    shown->close();
  }

  void refusedLikePrintWithoutACompleteRun() {
    SampleWindow sample;
    const QString pdf = dir_.filePath(QStringLiteral("never.pdf"));
    QCOMPARE(sample.window->worksheets().exportWorksheetTo(pdf).toStdString(), printRefusal());
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(sample.window->worksheets().showWorksheet() == nullptr);
    sample.window->actions().exportWorksheet->trigger();  // refused before any file dialog
    QCOMPARE(QString::fromStdString(sample.messages.str()).count(QString::fromStdString(printRefusal())), 2);
  }

  void anotherExtensionIsRefusedWithAMessage() {
    SampleWindow sample;
    QCOMPARE(sample.compute().end, RunEnd::Complete);
    const QString text = dir_.filePath(QStringLiteral("p7.txt"));
    QVERIFY(sample.window->worksheets().exportWorksheetTo(text).contains(QStringLiteral("只能导出为")));
    QVERIFY(!QFile::exists(text));
  }

  void scriptedModeWritesTheWorksheet_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("allReplies");
    QTest::addColumn<int>("status");
    QTest::newRow("pdf") << dir_.filePath(QStringLiteral("scripted.pdf")) << true << kExitCompleted;
    QTest::newRow("html") << dir_.filePath(QStringLiteral("scripted.html")) << true << kExitCompleted;
    QTest::newRow("unwritable folder") << QStringLiteral("/nonexistent-folder/p7.pdf") << true << kExitCannotWrite;
    QTest::newRow("replies run out") << dir_.filePath(QStringLiteral("short.pdf")) << false << kExitRepliesRanOut;
  }
  void scriptedModeWritesTheWorksheet() {
    QFETCH(QString, file);
    QFETCH(bool, allReplies);
    QFETCH(int, status);
    std::vector<std::string> replies = sampleFigureReplies();
    if (!allReplies) replies.resize(10);
    const QString repliesFile = dir_.filePath(QStringLiteral("replies.txt"));
    QFile out(repliesFile);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(QByteArray::fromStdString(replyFileText(replies)));
    out.close();
    std::ostringstream messages;
    QCOMPARE(runScript({repliesFile.toStdString(), "", file.toStdString(), ""}, messages), status);
    QCOMPARE(QFile::exists(file), status == kExitCompleted);
  }

 private:
  /// The sample's worksheet as PDF, read back as text once.
  QString pdfText() {
    if (!pdfText_.isEmpty()) return pdfText_;
    SampleWindow sample;
    if (sample.compute().end != RunEnd::Complete) return {};
    const QString pdf = dir_.filePath(QStringLiteral("p7.pdf"));
    if (!sample.window->worksheets().exportWorksheetTo(pdf).isEmpty()) return {};
    pdfText_ = toolOutput(QStringLiteral("pdftotext"), pdf);
    return pdfText_;
  }

  QTemporaryDir dir_;
  QString pdfText_;
  ModalWatchdog watchdog_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::WorksheetWindowTest)
#include "worksheet_window_test.moc"
