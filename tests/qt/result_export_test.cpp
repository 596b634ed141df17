// 文件 › 导出 in the window: after a complete run each of its four items asks
// for a file and writes one that an independent reader accepts, holding the
// run's point and the grade chosen for the check; without a complete run each
// is refused as printing is; a save that fails tells the file and the system's
// reason and leaves no file behind.
#include "ui/qt/result_export.h"

#include <dxflib/dl_dxf.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "../export/export_files.h"
#include "input/gb18030_converter.h"
#include "modal_watchdog.h"
#include "report/report_writer.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/main_window.h"
#include "window_test_support.h"

Q_DECLARE_METATYPE(velmora::ExportFormat)

namespace velmora::qt_tests {
namespace {

const QString kPointName = QStringLiteral("中心点");

/// The menu item of `format` in 文件 › 导出.
QAction* exportItem(const MainWindow& window, ExportFormat format) {
  const MainWindowActions& actions = window.actions();
  switch (format) {
    case ExportFormat::Workbook: return actions.exportXlsx;
    case ExportFormat::GamaLocal: return actions.exportGama;
    case ExportFormat::Drawing: return actions.exportDxf;
    case ExportFormat::CassCoordinates: return actions.exportCass;
  }
  return nullptr;
}

/// The exact figure under a Chinese name, computed from the data sheet.
void computeExactFigure(MainWindow& window) {
  SheetTexts texts = exactFigureTexts();
  texts[kPointNameEntry] = kPointName.toStdString();
  window.form().setFigure(texts);
  QCOMPARE(window.computeFromSheet()->end, RunEnd::Complete);
}

/// What the file's own reader finds of P's name in it; empty when it rejects the file.
std::string pointNameRead(ExportFormat format, const std::string& path) {
  switch (format) {
    case ExportFormat::Workbook: return sheetCells(path, "sheet1")["B2"].text;
    case ExportFormat::GamaLocal: {
      const XmlDocument xml(fileText(path), "http://www.gnu.org/software/gama/gama-local");
      const auto points = xml.nodes("//n:points-observations/n:point[@adj='xy']");
      return points.size() == 1 ? points.front().at("id") : std::string();
    }
    case ExportFormat::Drawing: {
      DrawingContent content;
      DL_Dxf dxf;
      if (!dxf.in(path, &content)) return {};
      // The unknown point on its layer (待定点), labelled in the notes layer (注记) with its name in \U+ escapes.
      if (content.points["\\U+5F85\\U+5B9A\\U+70B9"].size() != 1) return {};
      const auto& notes = content.texts["\\U+6CE8\\U+8BB0"];
      return std::find(notes.begin(), notes.end(), "\\U+4E2D\\U+5FC3\\U+70B9") != notes.end() ? kPointName.toStdString()
                                                                                              : std::string();
    }
    case ExportFormat::CassCoordinates: {
      Gb18030Converter converter;
      const std::string text = converter.convertWhole(fileText(path));
      const std::size_t last = text.rfind("\r\n", text.size() - 3);
      return last == std::string::npos ? std::string() : text.substr(last + 2, text.find(',', last) - last - 2);
    }
  }
  return {};
}

void addFormatRows() {
  QTest::addColumn<ExportFormat>("format");
  QTest::newRow("workbook") << ExportFormat::Workbook;
  QTest::newRow("gama") << ExportFormat::GamaLocal;
  QTest::newRow("drawing") << ExportFormat::Drawing;
  QTest::newRow("cass") << ExportFormat::CassCoordinates;
}

}  // namespace

class ResultExportTest : public QObject {
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
    for (const QString& name : QDir(folder_.path()).entryList(QDir::Files)) QFile::remove(folder_.filePath(name));
  }

  void menuItemWritesAFileItsReaderAccepts_data() {
    QTest::addColumn<ExportFormat>("format");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("filter");
    QTest::newRow("workbook, extension added") << ExportFormat::Workbook << "p"
                                               << "p.xlsx" << QStringLiteral("Excel 工作簿 (*.xlsx)");
    QTest::newRow("gama, extension typed") << ExportFormat::GamaLocal << "p.XML"
                                           << "p.XML" << QStringLiteral("GNU Gama 局部网 (*.xml)");
    QTest::newRow("drawing, another extension kept") << ExportFormat::Drawing << "p.v2"
                                                     << "p.v2.dxf" << QStringLiteral("DXF 图形 (*.dxf)");
    QTest::newRow("cass, extension added") << ExportFormat::CassCoordinates << "p"
                                           << "p.dat" << QStringLiteral("CASS 坐标文件 (*.dat)");
  }
  void menuItemWritesAFileItsReaderAccepts() {
    QFETCH(ExportFormat, format);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QString, filter);
    QuietMainWindow quiet;
    MainWindow& window = *quiet.mainWindow;
    window.show();
    computeExactFigure(window);
    QString offered;
    watchdog_.expectDialog(typePath(folder_.filePath(typed), &offered));
    exportItem(window, format)->trigger();
    QVERIFY2(quiet.messages.str().empty(), quiet.messages.str().c_str());
    QCOMPARE(QDir(folder_.path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(offered, filter);
    QCOMPARE(pointNameRead(format, folder_.filePath(written).toStdString()), kPointName.toStdString());
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("已导出「%1」").arg(written));
  }

  /// The workbook judges the run against the grade chosen for the check, not a fixed one.
  void workbookCarriesTheGradeChosenForTheCheck() {
    QuietMainWindow quiet;
    MainWindow& window = *quiet.mainWindow;
    computeExactFigure(window);
    window.settings().setGrade(QStringLiteral("二等"));
    QVERIFY(window.exports().exportTo(folder_.filePath("graded"), ExportFormat::Workbook));
    const auto cells = sheetCells(folder_.filePath("graded.xlsx").toStdString(), "sheet1");
    QCOMPARE(QString::fromStdString(cells.at("R2").text), QStringLiteral("二等"));
  }

  void refusedWithoutACompleteRunAsPrintingIs_data() { addFormatRows(); }
  void refusedWithoutACompleteRunAsPrintingIs() {
    QFETCH(ExportFormat, format);
    QuietMainWindow quiet;
    MainWindow& window = *quiet.mainWindow;
    window.form().setFigure(exactFigureTexts());
    exportItem(window, format)->trigger();  // no file dialog may open: the watchdog would report it
    QCOMPARE(quiet.messages.str(), *reportRefusal(window.form().state()) + "\n");
    QVERIFY(!window.exports().exportTo(folder_.filePath("none"), format));
    QVERIFY(QDir(folder_.path()).isEmpty());
  }

  void failedSaveTellsFileAndReasonAndLeavesNoFile_data() {
    QTest::addColumn<ExportFormat>("format");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("reason");
    QTest::newRow("workbook, folder missing") << ExportFormat::Workbook << "missing"
                                              << "No such file or directory";
    QTest::newRow("gama, folder missing") << ExportFormat::GamaLocal << "missing"
                                          << "No such file or directory";
    QTest::newRow("drawing, folder read-only") << ExportFormat::Drawing << "read-only"
                                               << "Permission denied";
    QTest::newRow("cass, folder read-only") << ExportFormat::CassCoordinates << "read-only"
                                            << "Permission denied";
    for (const auto& [name, format] : {std::pair{"workbook", ExportFormat::Workbook},
                                       {"gama", ExportFormat::GamaLocal},
                                       {"drawing", ExportFormat::Drawing},
                                       {"cass", ExportFormat::CassCoordinates}}) {
      QTest::newRow((std::string(name) + ", disk full").c_str()) << format << "full"
                                                                 << "File too large";
    }
  }
  void failedSaveTellsFileAndReasonAndLeavesNoFile() {
    QFETCH(ExportFormat, format);
    QFETCH(QString, place);
    QFETCH(QString, reason);
    if (place == "read-only" && geteuid() == 0) QSKIP("root writes into a read-only folder");
    QuietMainWindow quiet;
    MainWindow& window = *quiet.mainWindow;
    computeExactFigure(window);
    QDir(folder_.path()).mkdir(QStringLiteral("read-only"));
    QFile::setPermissions(folder_.filePath("read-only"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString folder = place == "full" ? folder_.path() : folder_.filePath(place);
    bool written = true;
    const auto write = [&] { written = window.exports().exportTo(folder + "/成果", format); };
    if (place == "full") {
      withFileSizeLimit(64, write);
    } else {
      write();
    }
    QVERIFY(!written);
    const QString told = QString::fromStdString(quiet.messages.str());
    QVERIFY2(told.startsWith(QStringLiteral("无法导出文件「成果")) && told.contains(reason), qPrintable(told));
    QVERIFY2(!told.contains(folder_.path()), "the file's name, not its folder's path");
    QCOMPARE(QDir(folder_.path()).entryList(QDir::Files), QStringList());
    QCOMPARE(QDir(folder_.filePath("read-only")).entryList(QDir::Files), QStringList());
  }

 private:
  QTemporaryDir folder_;
  ModalWatchdog watchdog_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::ResultExportTest)
#include "result_export_test.moc"
