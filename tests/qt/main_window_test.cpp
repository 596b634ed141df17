// The window as a mainWindow around the unchanged form: the menus and their
// shortcuts, the status bar, fields that never cut a number, prompts that
// offer the entry's text and refuse a text the run cannot use, Qt's own texts
// in Chinese, the data sheet and its run, and the settings it remembers.
#include "ui/qt/main_window.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <fstream>
#include <sstream>

#include "check/check_observations.h"
#include "modal_watchdog.h"
#include "report/text_sink.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/check_dialog.h"
#include "ui/qt/data_sheet_dialog.h"
#include "ui/qt/dialog_channel.h"
#include "ui/qt/form_field.h"
#include "ui/qt/program_texts.h"
#include "ui/qt/script_channel.h"
#include "ui/window_typing.h"
#include "window_test_support.h"

Q_DECLARE_METATYPE(velmora::SheetTexts)

namespace velmora::qt_tests {
namespace {

/// The texts a figure's confirmed replies typed: every other reply, in the prompts' order.
SheetTexts textsOfReplies(const std::vector<std::string>& replies) {
  std::vector<std::string> values;
  for (std::size_t at = 0; at < replies.size(); at += 2) values.push_back(replies[at]);
  SheetTexts texts;
  for (std::size_t n = 0; n < 6; ++n) texts[coordinateEntry(n)] = values.at(n);
  texts[kPointNameEntry] = values.at(6);
  for (std::size_t n = 0; n < 9; ++n) texts[angleEntry(1, 0) + n] = values.at(7 + n);
  return texts;
}

std::string reportText(const AdjustmentState& state) {
  std::ostringstream out;
  TextSink sink(out);
  printReport(state, sink);
  return out.str();
}

QString wholeText(FigureForm& form, const QString& name) { return form.findChild<FormField*>(name)->wholeText(); }

}  // namespace

class MainWindowTest : public QObject {
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

  void menuCommandsAndShortcuts_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("new") << "文件(&F)"
                         << "新建(&N)" << QKeySequence(QStringLiteral("Ctrl+N"));
    QTest::newRow("open") << "文件(&F)"
                          << "打开(&O)…" << QKeySequence(QStringLiteral("Ctrl+O"));
    QTest::newRow("save") << "文件(&F)"
                          << "保存(&S)" << QKeySequence(QStringLiteral("Ctrl+S"));
    QTest::newRow("save as") << "文件(&F)"
                             << "另存为(&A)…" << QKeySequence(QStringLiteral("Ctrl+Shift+S"));
    QTest::newRow("print") << "文件(&F)"
                           << "打印(&P)…" << QKeySequence(QStringLiteral("Ctrl+P"));
    QTest::newRow("quit") << "文件(&F)"
                          << "退出(&X)" << QKeySequence(QStringLiteral("Ctrl+Q"));
    QTest::newRow("export report") << "文件(&F)"
                                   << "导出报告为 PDF(&E)…" << QKeySequence();
    QTest::newRow("export figure") << "文件(&F)"
                                   << "导出图形(&G)…" << QKeySequence();
    QTest::newRow("sheet") << "编辑(&E)"
                           << "数据表(&D)…" << QKeySequence();
    QTest::newRow("compute") << "计算(&C)"
                             << "计算(&C)" << QKeySequence();
    QTest::newRow("compute from sheet") << "计算(&C)"
                                        << "按数据表计算(&S)" << QKeySequence(Qt::Key_F5);
    QTest::newRow("check") << "检核(&K)"
                           << "严密平差与限差检核(&K)…" << QKeySequence();
    QTest::newRow("about") << "帮助(&H)"
                           << "关于 Velmora(&A)" << QKeySequence();
  }

  void menuCommandsAndShortcuts() {
    QFETCH(QString, menu);
    QFETCH(QString, command);
    QFETCH(QKeySequence, shortcut);
    QuietMainWindow quiet;
    QAction* found = nullptr;
    for (QAction* top : quiet.mainWindow->menuBar()->actions()) {
      if (top->text() != menu) continue;
      for (QAction* action : top->menu()->actions()) {
        if (action->text() == command) found = action;
      }
    }
    QVERIFY2(found != nullptr, qPrintable(menu + " › " + command));
    QCOMPARE(found->shortcut(), shortcut);
  }

  void aboutNamesVersionLicenceAndLibraries() {
    const QString about = aboutText();
    for (const QString& word : {programVersion(), QStringLiteral("MIT"), QStringLiteral("Qt"), QStringLiteral("{fmt}"),
                                QStringLiteral("CUPS")}) {
      QVERIFY2(about.contains(word), qPrintable(word));
    }
    QVERIFY(programVersion().startsWith(QStringLiteral("1.")));
  }

  /// The menus and the status bar go around the form: its controls keep their pixels.
  void formKeepsItsClientArea() {
    QuietMainWindow quiet;
    quiet.mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(quiet.mainWindow.get()));
    FigureForm& form = quiet.mainWindow->form();
    QCOMPARE(form.findChild<QWidget*>("Text1")->geometry(), QRect(232, 296, 89, 19));
    QCOMPARE(form.size(), QSize(985, 728));  // the layout and a margin of 600 twips, as the form alone opens
    const QPoint formTop = form.mapTo(quiet.mainWindow.get(), QPoint(0, 0));
    QVERIFY(formTop.y() >= quiet.mainWindow->menuBar()->height());
    const QImage picture = quiet.mainWindow->grab().toImage();
    QCOMPARE(picture.pixelColor(formTop + QPoint(400, 248)), QColor(0, 0, 192));  // the frame's top line
  }

  void statusBarTellsTheRunAndTheFile_data() {
    QTest::addColumn<std::vector<std::string>>("replies");
    QTest::addColumn<QString>("run");
    std::vector<std::string> tooLarge = exactFigureReplies();
    tooLarge[0] = "1e300";
    QTest::newRow("complete") << exactFigureReplies() << "计算完成";
    QTest::newRow("stopped") << tooLarge << "计算中止：";
  }

  void statusBarTellsTheRunAndTheFile() {
    QFETCH(std::vector<std::string>, replies);
    QFETCH(QString, run);
    std::istringstream input(replyFileText(replies));
    std::ostringstream messages;
    MainWindow mainWindow(std::make_unique<ScriptChannel>(input, messages, std::string()));
    QCOMPARE(mainWindow.statusTexts().at(2), QStringLiteral("未保存的图形"));
    const RunOutcome outcome = mainWindow.form().compute();
    const QStringList texts = mainWindow.statusTexts();
    QVERIFY2(texts.at(0).startsWith(run), qPrintable(texts.at(0)));
    if (outcome.end != RunEnd::Complete) QCOMPARE(texts.at(0), run + QString::fromStdString(outcome.message));
    QCOMPARE(texts.at(2), QStringLiteral("未保存的图形 *"));  // the typed figure is not in a file yet
  }

  void fieldsNeverCutANumber_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::newRow("mb of a wild angle") << "Text14"
                                        << "  5226530816.00 秒" << false;
    QTest::newRow("w1 of a wild angle") << "Text12"
                                        << "  -123456789.12 秒" << false;
    QTest::newRow("15-character point name") << "Text18"
                                             << "   ABCDEFGHIJKLMNO" << false;
    QTest::newRow("ordinary mb") << "Text14"
                                 << "  2.00 秒" << true;
    QTest::newRow("ordinary xp1") << "Text19"
                                  << " 1234.567" << true;
  }

  void fieldsNeverCutANumber() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, fits);
    FigureForm form(std::make_unique<DialogChannel>());
    form.setFieldText(static_cast<FieldId>(field.mid(4).toInt()), text.toStdString());  // "Text19" -> FieldId::Text19
    auto* shown = form.findChild<FormField*>(field);
    QCOMPARE(shown->wholeText(), text);
    if (fits) {
      QCOMPARE(shown->text(), text);
      QVERIFY(shown->toolTip().isEmpty());
      return;
    }
    QVERIFY2(shown->text().endsWith(QChar(0x2026)), qPrintable(shown->text()));
    QVERIFY(text.startsWith(shown->text().chopped(1)));
    QVERIFY(shown->text().size() > 2);
    QVERIFY(shown->fontMetrics().horizontalAdvance(shown->text()) < shown->width());
    QCOMPARE(shown->toolTip(), text);
  }

  /// With the focus the field holds its whole text; what is typed there is kept whole.
  void focusedFieldHoldsTheWholeText() {
    FigureForm form(std::make_unique<DialogChannel>());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* field = form.findChild<FormField*>("Text14");
    form.setFieldText(FieldId::Text14, "  5226530816.00 秒");
    field->setFocus();
    QCOMPARE(field->text(), QStringLiteral("  5226530816.00 秒"));
    form.findChild<QWidget*>("Text1")->setFocus();
    QVERIFY(field->text().endsWith(QChar(0x2026)));
  }

  void promptBoxSpeaksChinese() {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm")) {
      QSKIP("qt6-translations-l10n is not installed");
    }
    QStringList buttons;
    watchdog_.expectDialog([&buttons](QWidget& dialog) {
      for (QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons()) buttons << button->text();
      dialog.close();
    });
    QWidget parent;
    DialogChannel().ask(parent, "输入三角形顶点 A 点的纵座标 :", PromptOffer{});
    buttons.sort();
    QStringList expected{QStringLiteral("确定"), QStringLiteral("取消")};
    expected.sort();
    QCOMPARE(buttons, expected);
  }

  void promptOffersTheEntryAndRefusesWhatTheRunCannotUse_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("confirmation");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("okEnabled");
    const int xa = static_cast<int>(coordinateEntry(0));
    const int a1 = static_cast<int>(angleEntry(1, 0));
    const int name = static_cast<int>(kPointNameEntry);
    QTest::newRow("coordinate as offered") << xa << false << QString() << true;
    QTest::newRow("coordinate with full-width digit") << xa << false << "３146.231" << true;
    QTest::newRow("coordinate with decimal comma") << xa << false << "3146,231" << false;
    QTest::newRow("coordinate emptied") << xa << false << "" << false;
    QTest::newRow("angle with a letter") << a1 << false << "29.1349l" << false;
    QTest::newRow("angle") << a1 << false << "29.13491" << true;
    QTest::newRow("empty name") << name << false << "" << true;
    QTest::newRow("confirmation, anything") << xa << true << "y" << true;
  }

  /// The box starts with the entry's current text selected; OK follows the entry's rules.
  void promptOffersTheEntryAndRefusesWhatTheRunCannotUse() {
    QFETCH(int, entry);
    QFETCH(bool, confirmation);
    QFETCH(QString, typed);
    QFETCH(bool, okEnabled);
    FigureForm form(std::make_unique<DialogChannel>());
    form.setFigure(exactFigureTexts());
    const auto index = static_cast<std::size_t>(entry);
    const QString offered = confirmation ? QString() : QString::fromStdString(exactFigureTexts()[index]);
    QString startedWith;
    bool allSelected = false;
    bool enabled = false;
    QString reason;
    watchdog_.expectDialog([&](QWidget& dialog) {
      auto* line = dialog.findChild<QLineEdit*>();
      startedWith = line->text();
      allSelected = line->selectedText() == line->text();
      if (!typed.isNull()) line->setText(typed);
      enabled = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
      reason = dialog.findChild<QLabel*>("problem")->text();
      if (enabled) {
        QTest::keyClick(line, Qt::Key_Return);
      } else {
        QTest::keyClick(line, Qt::Key_Return);  // Enter must not give a refused text
        QVERIFY(dialog.isVisible());
        dialog.close();
      }
    });
    const std::optional<std::string> reply = form.askOperatorAbout("?", EntryPrompt{index, confirmation});
    QCOMPARE(startedWith, offered);
    QVERIFY(allSelected);
    QCOMPARE(enabled, okEnabled);
    QCOMPARE(reason.isEmpty(), okEnabled);
    QCOMPARE(reply.has_value(), okEnabled);  // a box closed is a cancel
    const QString kept = QString::fromStdString(windowEntryText(sheetEntries()[index].kind, typed.toStdString()));
    if (okEnabled) QCOMPARE(QString::fromStdString(*reply), typed.isNull() ? offered : kept);
  }

  void sheetMarksEveryBrokenCell_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("broken");
    QTest::newRow("Xa number") << 1 << "3146.231" << false;
    QTest::newRow("Xa decimal comma") << 1 << "3146,231" << true;
    QTest::newRow("Yc empty") << 6 << "" << true;
    QTest::newRow("A(1) letters") << 7 << "abc" << true;
    QTest::newRow("C(3) angle") << 15 << "126.53511" << false;
    QTest::newRow("name with blanks") << 0 << " 测站 7 " << false;
  }

  void sheetMarksEveryBrokenCell() {
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(bool, broken);
    QWidget parent;
    DataSheetDialog sheet(exactFigureTexts(), &parent);
    QTableWidgetItem* cell = sheet.table().item(row, 0);
    QVERIFY(cell->toolTip().isEmpty());
    cell->setText(typed);
    QCOMPARE(!cell->toolTip().isEmpty(), broken);
    QCOMPARE(cell->background().style() != Qt::NoBrush, broken);
    QCOMPARE(QString::fromStdString(sheet.texts()[static_cast<std::size_t>(row)]), typed);
    QCOMPARE(sheet.table().verticalHeaderItem(row)->text(),
             QString::fromUtf8(sheetEntries()[static_cast<std::size_t>(row)].label.data(),
                               static_cast<qsizetype>(sheetEntries()[static_cast<std::size_t>(row)].label.size())));
  }

  void sheetRunEqualsThePromptChain_data() {
    QTest::addColumn<std::vector<std::string>>("replies");
    QTest::newRow("exact figure") << exactFigureReplies();
    QTest::newRow("sample figure") << sampleFigureReplies();
  }

  /// Fields, labels, report and check of 按数据表计算 equal the prompt chain's, digit for digit.
  void sheetRunEqualsThePromptChain() {
    QFETCH(std::vector<std::string>, replies);
    ScriptedWindow prompted(replies);
    QCOMPARE(prompted.window->compute().end, RunEnd::Complete);
    QuietMainWindow quiet;
    quiet.mainWindow->form().setFigure(textsOfReplies(replies));
    const std::optional<RunOutcome> outcome = quiet.mainWindow->computeFromSheet();
    QVERIFY(outcome.has_value());
    QCOMPARE(outcome->end, RunEnd::Complete);
    QVERIFY2(quiet.messages.str().empty(), quiet.messages.str().c_str());

    FigureForm& sheetForm = quiet.mainWindow->form();
    for (const QString& prefix : {QStringLiteral("Text"), QStringLiteral("Label")}) {
      for (int n = 1; n <= 60; ++n) {
        const QString name = prefix + QString::number(n);
        if (auto* field = prompted.window->findChild<FormField*>(name)) {
          QCOMPARE(wholeText(sheetForm, name), field->wholeText());
        } else if (auto* label = prompted.window->findChild<QLabel*>(name)) {
          QCOMPARE(captionOf(*sheetForm.findChild<QLabel*>(name)), captionOf(*label));
        }
      }
    }
    QCOMPARE(reportText(sheetForm.state()), reportText(prompted.window->state()));
    QCOMPARE(makeCheckReport(sheetForm.state()).text, makeCheckReport(prompted.window->state()).text);
    QCOMPARE(quiet.mainWindow->statusTexts().at(0), QStringLiteral("计算完成"));
  }

  void sheetRunRefusesABrokenEntryBeforeAnyField() {
    QuietMainWindow quiet;
    SheetTexts texts = exactFigureTexts();
    texts[angleEntry(2, 1)] = "29,30";
    quiet.mainWindow->form().setFigure(texts);
    QVERIFY(!quiet.mainWindow->computeFromSheet().has_value());
    QVERIFY2(quiet.messages.str().find("B(2)") != std::string::npos, quiet.messages.str().c_str());
    QVERIFY(wholeText(quiet.mainWindow->form(), "Text1").isEmpty());
  }

  /// A reply typed at a prompt becomes the entry's text, so the next run offers it.
  void repliesBecomeTheFigure() {
    ScriptedWindow scripted(exactFigureReplies());
    QCOMPARE(scripted.window->compute().end, RunEnd::Complete);
    QCOMPARE(scripted.window->figure(), exactFigureTexts());
  }

  void settingsRememberFiveRecentFilesNewestFirst() {
    MainWindowSettings settings;
    for (const char* name : {"a", "b", "c", "d", "e", "f", "c"})
      settings.addRecentFile(QStringLiteral("/f/%1.csv").arg(name));
    QCOMPARE(settings.recentFiles(), QStringList({"/f/c.csv", "/f/f.csv", "/f/e.csv", "/f/d.csv", "/f/b.csv"}));
    settings.removeRecentFile("/f/e.csv");
    QCOMPARE(settings.recentFiles().size(), 4);
    settings.setGrade(QStringLiteral("四等"));
    QCOMPARE(MainWindowSettings().grade(), QStringLiteral("四等"));
    QVERIFY2(QSettings().fileName().startsWith(QDir::tempPath()), qPrintable(QSettings().fileName()));
  }

 private:
  ModalWatchdog watchdog_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::MainWindowTest)
#include "main_window_test.moc"
