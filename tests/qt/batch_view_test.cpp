// 计算 › 批量计算 in the window: every record of the opened file becomes a row
// whose texts are batch's CSV output's (error records too); sorting by a
// numeric column sorts numbers, the filter narrows by name, Return on a row
// opens that figure in the form, 取消 stops at once and keeps the rows done,
// and 导出 writes the rows shown as a workbook or CSV that read back.
#include "ui/qt/batch_view.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <map>
#include <sstream>

#include "../export/export_files.h"
#include "batch/batch_run.h"
#include "figure_file/csv_record_reader.h"
#include "figure_file/figure_file.h"
#include "modal_watchdog.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/figure_row_model.h"
#include "ui/qt/main_window.h"
#include "window_test_support.h"

Q_DECLARE_METATYPE(velmora::FigureRowColumn)

namespace velmora::qt_tests {
namespace {

/// The example figures, then a record whose xa is no number (its run stops)
/// and one too short to give a figure at all.
std::string figuresWithErrors() {
  std::ifstream examples(VELMORA_SOURCE_DIR "/examples/figures.csv", std::ios::binary);
  std::ostringstream text;
  text << examples.rdbuf();
  return text.str() +
         "坏点,3146.2x1,5218.774,4208.517,5762.130,3312.684,6542.895,29.13491,33.57492,116.48233,34.11555,"
         "29.30193,116.1745,26.35117,26.3056,126.53511\n"
         "短,1,2\n";
}

/// A file of `count` copies of the sample figure, named F1, F2, ...
std::string manyFigures(std::size_t count) {
  std::ifstream examples(VELMORA_SOURCE_DIR "/examples/figures.csv", std::ios::binary);
  std::string header;
  std::string sample;
  std::getline(examples, header);
  std::getline(examples, sample);
  const std::string values = sample.substr(sample.find(','));
  std::string text = header + "\n";
  for (std::size_t n = 1; n <= count; ++n) text += "F" + std::to_string(n) + values + "\n";
  return text;
}

/// The records of CSV text, each as its fields by the header's names.
std::vector<std::map<std::string, std::string>> csvRecords(const std::string& text) {
  std::istringstream input(text);
  CsvRecordReader reader(input, TextEncoding::Utf8);
  CsvRecord record;
  std::vector<std::string> names;
  std::vector<std::map<std::string, std::string>> records;
  while (reader.next(record)) {
    if (record.blank) continue;
    if (names.empty()) {
      names.assign(record.fields.begin(), record.fields.end());
      continue;
    }
    auto& fields = records.emplace_back();
    for (std::size_t at = 0; at < names.size() && at < record.fields.size(); ++at) {
      fields[names[at]] = std::string(record.fields[at]);
    }
  }
  return records;
}

/// Batch's CSV of `file` with the highest grade met (as --grade asks for it).
std::vector<std::map<std::string, std::string>> batchCsv(const std::string& file) {
  std::istringstream input(file);
  std::ostringstream output;
  BatchOptions options;
  options.format = BatchFormat::Csv;
  options.grade = findSurveyGrade("四等");
  runBatch(input, output, options, nullptr);
  return csvRecords(output.str());
}

/// Batch's CSV name of each column of the view.
const std::array<std::string, kFigureRowColumns> kCsvNames{
    "line", "name", "xp1", "yp1", "mb", "md", "m", "grade_highest", "error_field", "error_message"};

QString cellText(const QAbstractItemModel& rows, int row, FigureRowColumn column) {
  return rows.index(row, static_cast<int>(column)).data().toString();
}

/// The view's rows as shown, each as batch's CSV names its fields.
std::vector<std::map<std::string, std::string>> shownRows(const BatchView& view) {
  const QAbstractItemModel& shown = *view.table().model();
  std::vector<std::map<std::string, std::string>> rows;
  for (int row = 0; row < shown.rowCount(); ++row) {
    auto& fields = rows.emplace_back();
    for (int column = 0; column < kFigureRowColumns; ++column) {
      fields[kCsvNames[static_cast<std::size_t>(column)]] =
          cellText(shown, row, static_cast<FigureRowColumn>(column)).toStdString();
    }
  }
  return rows;
}

/// `records` with only the view's columns.
std::vector<std::map<std::string, std::string>> viewColumnsOf(std::vector<std::map<std::string, std::string>> records) {
  for (auto& fields : records) {
    std::map<std::string, std::string> kept;
    for (const std::string& name : kCsvNames) kept[name] = fields[name];
    fields = kept;
  }
  return records;
}

/// The row of the view showing the record of `name`, or -1.
int shownRowNamed(const BatchView& view, const QString& name) {
  const QAbstractItemModel& shown = *view.table().model();
  for (int row = 0; row < shown.rowCount(); ++row) {
    if (cellText(shown, row, FigureRowColumn::Name) == name) return row;
  }
  return -1;
}

}  // namespace

class BatchViewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    isolateSettings();
    setUpApplication();
  }
  void init() { QVERIFY(folder_.isValid()); }
  void cleanup() {
    const QString faults = watchdog_.takeFaults();
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
  }

  void rowsAndTheirTextsAreBatchOutputs() {
    MainWindow& window = openWindowOn(figuresWithErrors());
    BatchView& view = computedView(window);
    const auto expected = viewColumnsOf(batchCsv(figuresWithErrors()));
    QCOMPARE(expected.size(), std::size_t{8});
    QCOMPARE(shownRows(view), expected);
    QCOMPARE(view.statusText(), QStringLiteral("共 8 个图形，其中 2 个不能计算"));
    QCOMPARE(view.progress().value(), view.progress().maximum());
  }

  void clickOnAHeaderSortsNumbersAsNumbers_data() {
    QTest::addColumn<FigureRowColumn>("column");
    QTest::addColumn<QStringList>("expected");
    // 25225 before 245461, which as texts come the other way; no value last.
    QTest::newRow("m of 1/m") << FigureRowColumn::M
                              << QStringList{"25225", "245461", "353865", "383010", "433114", "436024", "", ""};
    QTest::newRow("highest grade, strictest first")
        << FigureRowColumn::Highest << QStringList{"二等", "三等", "三等", "三等", "三等", "", "", ""};
  }
  void clickOnAHeaderSortsNumbersAsNumbers() {
    QFETCH(FigureRowColumn, column);
    QFETCH(QStringList, expected);
    MainWindow& window = openWindowOn(figuresWithErrors());
    BatchView& view = computedView(window);
    QHeaderView& header = *view.table().horizontalHeader();
    const int section = static_cast<int>(column);
    view.table().scrollTo(view.table().model()->index(0, section));
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, QPoint(header.sectionViewportPosition(section) + 5, 5));
    QCOMPARE(header.sortIndicatorSection(), section);
    QStringList shown;
    for (int row = 0; row < view.table().model()->rowCount(); ++row)
      shown << cellText(*view.table().model(), row, column);
    QCOMPARE(shown, expected);
  }

  void filterNarrowsByName() {
    MainWindow& window = openWindowOn(figuresWithErrors());
    BatchView& view = computedView(window);
    view.filter().setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "q");
    QStringList names;
    for (const auto& row : shownRows(view)) names << QString::fromStdString(row.at("name"));
    QCOMPARE(names, QStringList({"Q1", "Q2", "Q3", "Q4", "Q5"}));
    QVERIFY2(view.statusText().endsWith(QStringLiteral("筛选出 5 个")), qPrintable(view.statusText()));
  }

  void returnOnARowOpensItsFigureInTheForm_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("xa");
    QTest::addColumn<int>("line");
    QTest::newRow("a result") << "Q3"
                              << "5794.8607" << 5;
    QTest::newRow("a record whose run stops") << "坏点"
                                              << "3146.2x1" << 8;
  }
  void returnOnARowOpensItsFigureInTheForm() {
    QFETCH(QString, name);
    QFETCH(QString, xa);
    QFETCH(int, line);
    MainWindow& window = openWindowOn(figuresWithErrors());
    BatchView& view = computedView(window);
    view.table().setFocus();
    view.table().setCurrentIndex(view.table().model()->index(shownRowNamed(view, name), 0));
    QString skipped;
    watchdog_.expectDialog(readMessage(skipped));  // opening the file tells of its unreadable record again
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QString::fromStdString(window.form().figure()[kPointNameEntry]), name);
    QCOMPARE(QString::fromStdString(window.form().figure()[kPointNameEntry + 1]), xa);
    QCOMPARE(window.files().recordLine(), std::size_t(line));
    QVERIFY(view.isVisible());
  }

  void returnOnARecordWithoutAFigureSaysWhy() {
    MainWindow& window = openWindowOn(figuresWithErrors());
    BatchView& view = computedView(window);
    const SheetTexts before = window.form().figure();
    QString told;
    watchdog_.expectDialog(readMessage(told));
    view.table().setFocus();
    view.table().setCurrentIndex(view.table().model()->index(shownRowNamed(view, "短"), 0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([&told] { return !told.isEmpty(); }));
    QVERIFY2(told.startsWith(QStringLiteral("第 9 行的记录读不出图形")), qPrintable(told));
    QCOMPARE(window.form().figure(), before);
  }

  void cancelStopsAtOnceAndKeepsTheRowsDone() {
    constexpr std::size_t kFigures = 50000;
    MainWindow& window = openWindowOn(manyFigures(kFigures));
    window.actions().batch->trigger();
    BatchView& view = *window.findChild<BatchView*>();
    QCoreApplication::processEvents();  // a slice or a few
    QVERIFY(view.computing());
    view.cancelButton().setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!view.computing());
    const int done = view.rows().rowCount();
    QTest::qWait(100);
    QCOMPARE(view.rows().rowCount(), done);
    QVERIFY2(done > 0 && done < static_cast<int>(kFigures), qPrintable(QString::number(done)));
    QCOMPARE(cellText(*view.table().model(), done - 1, FigureRowColumn::Name), "F" + QString::number(done));
    QVERIFY2(view.statusText().startsWith(QStringLiteral("已取消：已计算 %1 个图形").arg(done)),
             qPrintable(view.statusText()));
  }

  void exportedRowsReadBack_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("csv") << "rows.csv";
    QTest::newRow("workbook") << "rows.xlsx";
  }
  void exportedRowsReadBack() {
    QFETCH(QString, typed);
    MainWindow& window = openWindowOn(figuresWithErrors());
    BatchView& view = computedView(window);
    view.filter().setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "Q");  // the rows shown: Q1 .. Q5, then sorted by md
    view.table().sortByColumn(static_cast<int>(FigureRowColumn::Md), Qt::DescendingOrder);
    watchdog_.expectDialog(typePath(folder_.filePath(typed)));
    view.exportButton().click();
    const std::string path = folder_.filePath(typed).toStdString();
    const auto shown = shownRows(view);
    QCOMPARE(shown.size(), std::size_t{5});
    if (typed.endsWith(".csv")) {
      QCOMPARE(viewColumnsOf(csvRecords(fileText(path))), shown);
    } else {
      const auto cells = sheetCells(path, "sheet1");
      for (std::size_t row = 0; row < shown.size(); ++row) {
        const std::string at = std::to_string(row + 2);
        QCOMPARE(cells.at("A" + at).text, shown[row].at("line"));
        QCOMPARE(cells.at("B" + at).text, shown[row].at("name"));
        QCOMPARE(std::stod(cells.at("F" + at).text), std::stod(shown[row].at("md")));
      }
    }
    QVERIFY2(view.statusText().endsWith(QStringLiteral("已导出「%1」").arg(typed)), qPrintable(view.statusText()));
  }

  void failedExportTellsFileAndReasonAndLeavesNoFile_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reason");
    QTest::newRow("csv, folder missing") << "missing/rows.csv"
                                         << "No such file or directory";
    QTest::newRow("workbook, folder missing") << "missing/rows.xlsx"
                                              << "No such file or directory";
    QTest::newRow("unknown extension") << "rows.txt"
                                       << "不认识的扩展名（可用 .xlsx、.csv）";
  }
  void failedExportTellsFileAndReasonAndLeavesNoFile() {
    QFETCH(QString, typed);
    QFETCH(QString, reason);
    MainWindow& window = openWindowOn(figuresWithErrors());
    BatchView& view = computedView(window);
    const QStringList before = QDir(folder_.path()).entryList(QDir::Files);
    QString told;
    watchdog_.expectDialog(typePath(folder_.filePath(typed)));
    watchdog_.expectDialog(readMessage(told));
    view.exportButton().click();
    QVERIFY(QTest::qWaitFor([&told] { return !told.isEmpty(); }));
    QCOMPARE(told, QStringLiteral("无法导出文件「%1」：%2").arg(QFileInfo(typed).fileName(), reason));
    QCOMPARE(QDir(folder_.path()).entryList(QDir::Files), before);
  }

  void refusedWithoutAnOpenedFile() {
    QuietMainWindow quiet;
    quiet.mainWindow->actions().batch->trigger();
    QVERIFY(quiet.mainWindow->findChild<BatchView*>() == nullptr);
    QVERIFY2(quiet.messages.str().find("请先用“文件 › 打开”打开一个图形文件") != std::string::npos,
             quiet.messages.str().c_str());
  }

 private:
  /// A window that opened `text` as its figure file (its first figure in the form).
  MainWindow& openWindowOn(const std::string& text) {
    const QString path = folder_.filePath("figures.csv");
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(QByteArray::fromStdString(text));
    file.close();
    quiet_ = std::make_unique<QuietMainWindow>();
    quiet_->mainWindow->show();
    QString skipped;
    const bool errors = text.find("短,1,2") != std::string::npos;
    if (errors) watchdog_.expectDialog(readMessage(skipped));  // the records that give no figure, told once
    quiet_->mainWindow->files().openPath(path, kFirstRecordLine);
    if (errors && !skipped.contains(QStringLiteral("已跳过"))) qFatal("the skipped record was not told");
    return *quiet_->mainWindow;
  }

  /// 批量计算 on `window`, waited for to the end.
  static BatchView& computedView(MainWindow& window) {
    window.actions().batch->trigger();
    BatchView* view = window.findChild<BatchView*>();
    if (view == nullptr) qFatal("no batch view");
    if (!QTest::qWaitFor([view] { return !view->computing(); })) qFatal("the batch view never ended");
    return *view;
  }

  QTemporaryDir folder_;
  ModalWatchdog watchdog_;
  std::unique_ptr<QuietMainWindow> quiet_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::BatchViewTest)
#include "batch_view_test.moc"
