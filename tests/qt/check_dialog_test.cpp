// The check dialog: refused without a complete run; the verdict against the
// chosen grade (remembered) and the highest grade met, shown in the dialog's
// table and in the status bar; the check and the figure exported as PDF, SVG
// and PNG, and the report exported as PDF.
#include "ui/qt/check_dialog.h"

#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "figure_factory.h"
#include "modal_watchdog.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/main_window.h"
#include "ui/qt/script_channel.h"
#include "window_test_support.h"

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace velmora::qt_tests {
namespace {

/// A mainWindow that has computed `replies` through its prompts.
struct ComputedMainWindow {
  explicit ComputedMainWindow(const std::vector<std::string>& replyLines)
      : replies(replyFileText(replyLines)),
        mainWindow(std::make_unique<ScriptChannel>(replies, messages, std::string())) {}
  std::istringstream replies;
  std::ostringstream messages;
  MainWindow mainWindow;
};

/// Angles off by up to 6 seconds: within 一级 and looser grades, beyond 二等.
std::vector<std::string> noisyFigureReplies() {
  return figures::confirmedReplies(figures::measuredFigure("N", {1000, 1000}, {1900, 1500}, {1100, 2000}, {1300, 1500},
                                                           {6, -4, 3, -5, 2, 4, 5, -3, -2}));
}

QString pdfText(const QString& path) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(30000)) return {};
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

}  // namespace

class CheckDialogTest : public QObject {
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

  void refusedWithoutACompleteRun_data() {
    QTest::addColumn<std::vector<std::string>>("replies");
    QTest::newRow("before any run") << std::vector<std::string>{};
    std::vector<std::string> stopped = exactFigureReplies();
    stopped.resize(20);
    QTest::newRow("after a stopped run") << stopped;
  }

  void refusedWithoutACompleteRun() {
    QFETCH(std::vector<std::string>, replies);
    ComputedMainWindow computed(replies);
    if (!replies.empty()) QVERIFY(computed.mainWindow.form().compute().end != RunEnd::Complete);
    computed.messages.str("");
    computed.mainWindow.showCheck();
    QVERIFY2(computed.messages.str().find("请先完成一次计算") != std::string::npos, computed.messages.str().c_str());
    QVERIFY(computed.mainWindow.statusTexts().at(1).isEmpty());
    QVERIFY(!computed.mainWindow.exportFigureTo(QDir::temp().filePath("never.png")).isEmpty());
  }

  void verdictAgainstTheChosenGrade_data() {
    QTest::addColumn<std::vector<std::string>>("replies");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("highest");
    QTest::newRow("exact figure, strictest grade") << exactFigureReplies() << "二等"
                                                   << "二等：合格"
                                                   << "二等";
    QTest::newRow("noisy figure, strictest grade") << noisyFigureReplies() << "二等"
                                                   << "二等：超限"
                                                   << "一级";
    QTest::newRow("noisy figure, loosest grade") << noisyFigureReplies() << "图根"
                                                 << "图根：合格"
                                                 << "一级";
  }

  void verdictAgainstTheChosenGrade() {
    QFETCH(std::vector<std::string>, replies);
    QFETCH(QString, grade);
    QFETCH(QString, verdict);
    QFETCH(QString, highest);
    ComputedMainWindow computed(replies);
    QCOMPARE(computed.mainWindow.form().compute().end, RunEnd::Complete);
    const CheckReport report = makeCheckReport(computed.mainWindow.form().state());
    QVERIFY(report.check.has_value());
    CheckDialog dialog(computed.mainWindow.form().state(), report, computed.mainWindow.settings(),
                       &computed.mainWindow);
    QObject::connect(&dialog, &CheckDialog::verdictChanged, &computed.mainWindow, &MainWindow::showVerdict);
    dialog.chooseGrade(grade);

    QCOMPARE(gradeVerdictText(dialog.assessment()), verdict);
    QCOMPARE(computed.mainWindow.statusTexts().at(1), verdict);
    QVERIFY2(dialog.highestGradeText().endsWith(highest), qPrintable(dialog.highestGradeText()));
    QCOMPARE(dialog.checksTable().rowCount(), static_cast<int>(kGradeCheckCount));
    bool anyExceeds = false;
    for (int row = 0; row < dialog.checksTable().rowCount(); ++row) {
      anyExceeds = anyExceeds || dialog.checksTable().item(row, 3)->text() == QStringLiteral("超限");
    }
    QCOMPARE(anyExceeds, verdict.endsWith(QStringLiteral("超限")));
    QCOMPARE(computed.mainWindow.settings().grade(), grade);
  }

  /// A new dialog starts at the grade chosen last time.
  void chosenGradeIsRemembered() {
    ComputedMainWindow computed(exactFigureReplies());
    QCOMPARE(computed.mainWindow.form().compute().end, RunEnd::Complete);
    const CheckReport report = makeCheckReport(computed.mainWindow.form().state());
    {
      CheckDialog first(computed.mainWindow.form().state(), report, computed.mainWindow.settings(), nullptr);
      first.chooseGrade(QStringLiteral("一级"));
    }
    CheckDialog second(computed.mainWindow.form().state(), report, computed.mainWindow.settings(), nullptr);
    QCOMPARE(second.findChild<QComboBox*>()->currentText(), QStringLiteral("一级"));
    QCOMPARE(second.assessment().grade->name, std::string_view("一级"));
  }

  void checkExportsInEveryFormat_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("pdf") << "check.pdf";
    QTest::newRow("svg") << "check.svg";
    QTest::newRow("png") << "check.png";
    QTest::newRow("unknown suffix") << "check.bmp";
  }

  void checkExportsInEveryFormat() {
    QFETCH(QString, file);
    ComputedMainWindow computed(exactFigureReplies());
    QCOMPARE(computed.mainWindow.form().compute().end, RunEnd::Complete);
    const CheckReport report = makeCheckReport(computed.mainWindow.form().state());
    CheckDialog dialog(computed.mainWindow.form().state(), report, computed.mainWindow.settings(), nullptr);
    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    const QString failure = dialog.exportTo(path);
    if (file.endsWith(".bmp")) {
      QVERIFY(failure.contains(QStringLiteral("bmp")));
      QVERIFY(!QFile::exists(path));
      return;
    }
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray content = written.readAll();
    if (file.endsWith(".png")) QVERIFY(!QImage::fromData(content).isNull());
    if (file.endsWith(".svg")) QVERIFY(content.contains("<svg"));
    if (file.endsWith(".pdf")) {
      QVERIFY(content.startsWith("%PDF"));
      if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
      const QString text = pdfText(path);
      QVERIFY2(text.contains(QStringLiteral("等级检核")), qPrintable(text.left(400)));
      QVERIFY(text.indexOf(QStringLiteral("等级检核")) < text.indexOf(QStringLiteral("m0")));
    }
  }

  /// The rigorous text is in a CJK monospace face: a Chinese character takes
  /// exactly two figures' width, so its columns line up; its SVG names that face.
  void rigorousTextLinesUpInACjkMonospaceFace() {
    if (!QFontDatabase::families().contains(QStringLiteral("Noto Sans Mono CJK SC"))) {
      QSKIP("fonts-noto-cjk is not installed");
    }
    ComputedMainWindow computed(exactFigureReplies());
    QCOMPARE(computed.mainWindow.form().compute().end, RunEnd::Complete);
    const CheckReport report = makeCheckReport(computed.mainWindow.form().state());
    CheckDialog dialog(computed.mainWindow.form().state(), report, computed.mainWindow.settings(), nullptr);
    auto* text = dialog.findChild<QPlainTextEdit*>();
    QVERIFY(text != nullptr);
    QCOMPARE(QFontInfo(text->font()).family(), QStringLiteral("Noto Sans Mono CJK SC"));
    const QFontMetricsF metrics(text->font());
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("测")), 2 * metrics.horizontalAdvance(QStringLiteral("0")));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("check.svg"));
    QVERIFY(dialog.exportTo(path).isEmpty());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("font-family=\"Noto Sans Mono CJK SC\""));
  }

  void figureAndReportExport() {
    ComputedMainWindow computed(exactFigureReplies());
    QCOMPARE(computed.mainWindow.form().compute().end, RunEnd::Complete);
    QTemporaryDir folder;
    QCOMPARE(computed.mainWindow.exportFigureTo(folder.filePath("figure.svg")), QString());
    QCOMPARE(computed.mainWindow.exportFigureTo(folder.filePath("figure.png")), QString());
    QVERIFY(!QImage(folder.filePath("figure.png")).isNull());
    QVERIFY(computed.mainWindow.exportReportTo(folder.filePath("report.pdf")).printed);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    QVERIFY(pdfText(folder.filePath("report.pdf")).contains(QStringLiteral("1300.000")));
  }

 private:
  ModalWatchdog watchdog_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::CheckDialogTest)
#include "check_dialog_test.moc"
