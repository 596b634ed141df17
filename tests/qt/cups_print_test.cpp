// The print path as a user's printer takes it: the sample figure's report
// printed through QPrinter to a CUPS queue by its name, on the CUPS-PDF
// backend; the PDF that CUPS writes holds the report's lines in order. The
// queue comes from the test's fixture; without one the test is skipped with
// the fixture's reason.
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <fstream>
#include <sstream>

#include "report/text_sink.h"
#include "ui/compute_run.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/report_printing.h"
#include "ui/recording_window.h"
#include "window_test_support.h"

namespace velmora::qt_tests {
namespace {

constexpr int kWaitForPdfMilliseconds = 60000;

/// The report's lines as the text sink prints them, each without blanks.
QStringList reportLines(const AdjustmentState& state) {
  std::ostringstream out;
  TextSink sink(out);
  printReport(state, sink);
  QStringList lines;
  for (QString line : QString::fromStdString(out.str()).split('\n')) {
    line.remove(QRegularExpression(QStringLiteral("\\s")));
    if (!line.isEmpty()) lines << line;
  }
  return lines;
}

/// Where CUPS-PDF puts the file of a job titled `title`: the user's PDF
/// folder, or its spool for anonymous jobs.
QString findPdf(const QString& title) {
  const QStringList folders{QDir::home().filePath(QStringLiteral("PDF")), QStringLiteral("/var/spool/cups-pdf")};
  for (const QString& folder : folders) {
    QDirIterator files(folder, {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
      const QString path = files.next();
      if (QFileInfo(path).fileName().contains(title)) return path;
    }
  }
  return {};
}

QString waitForPdf(const QString& title) {
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < kWaitForPdfMilliseconds) {
    const QString path = findPdf(title);
    // CUPS-PDF writes the file in place; a size that holds still is complete.
    if (!path.isEmpty()) {
      const qint64 size = QFileInfo(path).size();
      QTest::qWait(500);
      if (size > 0 && size == QFileInfo(path).size()) return path;
    }
    QTest::qWait(200);
  }
  return {};
}

QString pdfText(const QString& path) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  pdftotext.waitForFinished(30000);
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

/// pdftotext's lines of a PDF, each without blanks, empty lines left out.
QStringList pdfLines(const QString& path) {
  QStringList lines;
  for (QString line : pdfText(path).split('\n')) {
    line.remove(QRegularExpression(QStringLiteral("\\s")));
    if (!line.isEmpty()) lines << line;
  }
  return lines;
}

bool holdsLinesInOrder(const QString& text, const QStringList& lines) {
  qsizetype at = 0;
  for (const QString& line : lines) {
    const qsizetype found = text.indexOf(line, at);
    if (found < 0) return false;
    at = found + line.size();
  }
  return true;
}

/// True when `recoded` is `original` with every character replaced by one of
/// its own, the same one each time, and no two characters by the same one.
bool sameTextRecoded(const QString& original, const QString& recoded) {
  if (original.isEmpty() || original.size() != recoded.size()) return false;
  QHash<QChar, QChar> forward;
  QHash<QChar, QChar> backward;
  for (qsizetype at = 0; at < original.size(); ++at) {
    const QChar from = original[at];
    const QChar to = recoded[at];
    if (forward.value(from, to) != to || backward.value(to, from) != from) return false;
    forward.insert(from, to);
    backward.insert(to, from);
  }
  return true;
}

}  // namespace

class CupsPrintTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    setUpApplication();
    QFile status(QStringLiteral(VELMORA_CUPS_STATE "/status"));
    const QString ready = status.open(QIODevice::ReadOnly) ? QString::fromUtf8(status.readAll()).trimmed()
                                                           : QStringLiteral("the CUPS queue fixture did not run");
    if (ready != QStringLiteral("ready")) QSKIP(qPrintable("no CUPS queue to print to: " + ready));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
    if (!fallbackFacesInstalled()) QSKIP("the CJK faces are not installed");
  }

  void reportReachesThePrinterWhole() {
    const QString queue = QStringLiteral(VELMORA_CUPS_QUEUE);
    QVERIFY2(QPrinterInfo::availablePrinterNames().contains(queue),
             qPrintable(QPrinterInfo::availablePrinterNames().join(", ")));
    const AdjustmentState state = sampleFigureState();
    QVERIFY(state.lastRunComplete);
    const QString title = QStringLiteral("velmora-print-") + QUuid::createUuid().toString(QUuid::Id128).left(12);

    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue);
    printer.setDocName(title);
    QCOMPARE(printer.outputFormat(), QPrinter::NativeFormat);
    const PrintOutcome outcome = printReportOn(printer, state);
    QVERIFY2(outcome.printed, outcome.message.c_str());

    const QString pdf = waitForPdf(title);
    QVERIFY2(!pdf.isEmpty(), "CUPS-PDF wrote no file for the job");
    const QStringList printed = pdfLines(pdf);
    QFile::remove(pdf);

    // The same report printed by Qt into a PDF file of its own: its text, in the
    // order pdftotext reads it, is what the printer must have received.
    QPrinter file(QPrinter::HighResolution);
    file.setOutputFormat(QPrinter::PdfFormat);
    file.setOutputFileName(folder_.filePath(QStringLiteral("direct.pdf")));
    QVERIFY(printReportOn(file, state).printed);
    const QStringList direct = pdfLines(file.outputFileName());
    QVERIFY2(holdsLinesInOrder(direct.join(QString()), reportLines(state)),
             "the report printed into a file lacks a line");
    if (holdsLinesInOrder(printed.join(QString()), reportLines(state))) return;

    // CUPS-PDF passes the job through PostScript and Ghostscript, which keep
    // the glyphs but may give them codes of their own, one set for the title's
    // size and one for the body's (the title's rules of hyphens become drawn
    // bars): then each part must be the direct text, every character replaced
    // one for one.
    QCOMPARE(printed.size(), direct.size());
    QVERIFY2(sameTextRecoded(QString(direct.front()).remove(QChar(0x2d)), printed.front()),
             qPrintable(printed.front()));
    QVERIFY2(sameTextRecoded(direct.mid(1).join(QString()), printed.mid(1).join(QString())),
             qPrintable("CUPS-PDF's file does not hold the report's body: " + printed.mid(1, 3).join('|')));
  }

 private:
  QTemporaryDir folder_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::CupsPrintTest)
#include "cups_print_test.moc"
