// The report printed through QPainter into a PDF file, read back with
// pdftotext (poppler-utils): the same lines in the same order as the text
// sink prints, at the positions the twips and the columns give, continued on
// a new page when a page is full, and no file at all when nothing is printed.
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "report/line_model.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/report_printing.h"
#include "window_test_support.h"

namespace velmora::qt_tests {
namespace {

/// The non-empty lines of a text, each with its runs of blanks made one blank.
QStringList wordLines(const QString& text) {
  QStringList lines;
  for (const QString& line : text.split('\n')) {
    const QString simplified = line.simplified();
    if (!simplified.isEmpty()) lines.append(simplified);
  }
  return lines;
}

/// The lines the line model makes when a Chinese character is two columns
/// wide and every other character one, as in AR PL UMing: its Latin glyphs
/// are the average character width, its Chinese glyphs twice that.
class HalfWidthColumnPrinter final : public Printer {
 public:
  void setPrintPosition(int /*xTwips*/, int /*yTwips*/) override {}
  void setPrintFontName(const std::string& /*faceName*/) override {}
  void setPrintFontSize(int /*points*/) override {}
  void endPrintDocument() override {}
  void printLine(const std::vector<PrintItem>& items) override {
    const auto columns = [](std::string_view text) {
      double width = 0.0;
      for (const QChar c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) {
        width += c.unicode() < 0x1100 ? 1.0 : 2.0;
      }
      return width;
    };
    for (const PlacedLine& line : layOutLine(items, 1.0, columns)) {
      QString text;
      double nextColumn = 1.0;
      for (const PlacedItem& item : line.items) {
        if (item.column > nextColumn) text += ' ';  // a gap; an item that follows directly adds none
        text += QString::fromStdString(item.text);
        nextColumn = item.column + columns(item.text);
      }
      if (!text.simplified().isEmpty()) lines.append(text.simplified());
    }
  }
  QStringList lines;
};

QStringList expectedLines(const AdjustmentState& state) {
  HalfWidthColumnPrinter printer;
  printReport(state, printer);
  return printer.lines;
}

QString pdfToText(const QString& pdf, const QStringList& options = {}) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

void usePdfFile(QPrinter& printer, const QString& path, const QPageSize& size = QPageSize(QPageSize::A4)) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageSize(size);
}

}  // namespace

class ReportPdfTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    setUpApplication();
    state_ = sampleFigureState();
    QVERIFY(state_.lastRunComplete);
  }

  void init() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
    if (!fallbackFacesInstalled()) QSKIP("the CJK faces are not installed");
  }

  void printsTheReportLinesInOrder() {
    const QString pdf = dir_.filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    usePdfFile(printer, pdf);
    QVERIFY(printReportOn(printer, state_).printed);
    const QString text = pdfToText(pdf, {QStringLiteral("-layout")});
    QCOMPARE(text.count('\f'), 1);
    const QStringList expected = expectedLines(state_);
    QCOMPARE(expected.first(), QStringLiteral("--- Velmora ---"));
    QVERIFY(expected.last().startsWith(QStringLiteral("待定点相对起始点相对中误差 : 1/m= 1/")));
    QCOMPARE(wordLines(text), expected);
  }

  /// Column n starts at (n - 1) average character widths from the printable
  /// area's left edge: 6 pt at 12 points and 5 pt at 10 points in AR PL UMing.
  void itemsStandAtTheirColumns_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<double>("leftPoints");
    QTest::newRow("line 1, column 24 at 12 points") << "---" << 23 * 6.0;
    QTest::newRow("line 3, column 22") << "已知点座标" << 21 * 5.0;
    QTest::newRow("line 9, column 41") << "观测角" << 40 * 5.0;
    QTest::newRow("line 9, column 63") << "平差角" << 62 * 5.0;
    QTest::newRow("line 48, column 30") << "单位权测角中误差" << 29 * 5.0;
  }

  void itemsStandAtTheirColumns() {
    QFETCH(QString, word);
    QFETCH(double, leftPoints);
    const QString pdf = dir_.filePath("columns.pdf");
    QPrinter printer(QPrinter::HighResolution);
    usePdfFile(printer, pdf);
    QVERIFY(printReportOn(printer, state_).printed);
    const double margin = printer.pageLayout().margins(QPageLayout::Point).left();
    const QRegularExpression box(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    const QString boxes = pdfToText(pdf, {QStringLiteral("-bbox")});
    for (const QRegularExpressionMatch& match : box.globalMatch(boxes)) {
      if (match.captured(3) != word) continue;
      QVERIFY2(qAbs(match.captured(1).toDouble() - margin - leftPoints) < 1.0, qPrintable(match.captured(0)));
      return;
    }
    QFAIL(qPrintable("not printed: " + word));
  }

  void firstLineStandsAThousandTwipsDown() {
    const QString pdf = dir_.filePath("top.pdf");
    QPrinter printer(QPrinter::HighResolution);
    usePdfFile(printer, pdf);
    QVERIFY(printReportOn(printer, state_).printed);
    const double margin = printer.pageLayout().margins(QPageLayout::Point).top();
    const QRegularExpression first(QStringLiteral("<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\""));
    const QRegularExpressionMatch match = first.match(pdfToText(pdf, {QStringLiteral("-bbox")}));
    QVERIFY(match.hasMatch());
    // 1000 twips are 50 points; the glyph box starts at the line's top or a little below.
    const double top = match.captured(1).toDouble() - margin;
    QVERIFY2(top >= 49.0 && top <= 53.0, qPrintable(QString::number(top)));
  }

  void fullPageContinuesOnTheNextPage() {
    const QString pdf = dir_.filePath("small.pdf");
    QPrinter printer(QPrinter::HighResolution);
    usePdfFile(printer, pdf, QPageSize(QSizeF(200, 150), QPageSize::Millimeter, QStringLiteral("small")));
    QVERIFY(printReportOn(printer, state_).printed);
    const QString text = pdfToText(pdf, {QStringLiteral("-layout")});
    QVERIFY2(text.count('\f') >= 2, qPrintable(QString::number(text.count('\f'))));
    QCOMPARE(wordLines(QString(text).remove('\f')), expectedLines(state_));
  }

  void refusedReportOpensNoFile() {
    const QString pdf = dir_.filePath("refused.pdf");
    QPrinter printer(QPrinter::HighResolution);
    usePdfFile(printer, pdf);
    const PrintOutcome outcome = printReportOn(printer, AdjustmentState{});
    QVERIFY(!outcome.printed);
    QVERIFY(!outcome.message.empty());
    QVERIFY(!QFileInfo::exists(pdf));
  }

  void unwritableFileIsToldAndNothingPrinted() {
    const QString pdf = dir_.filePath("missing-folder/report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    usePdfFile(printer, pdf);
    const PrintOutcome outcome = printReportOn(printer, state_);
    QVERIFY(!outcome.printed);
    QVERIFY2(QString::fromStdString(outcome.message).contains(pdf), outcome.message.c_str());
  }

 private:
  QTemporaryDir dir_;
  AdjustmentState state_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::ReportPdfTest)
#include "report_pdf_test.moc"
