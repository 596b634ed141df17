// What the operator types or keeps is never lost or misstated in the window:
// every keystroke in a data-sheet cell is kept while its mark changes; 取消,
// Escape and a prompt's close control end a run without changing the figure;
// fields a stopped run did not reach are shown as an earlier run's; 新建 drops
// the results; the form's fields only show.
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "modal_watchdog.h"
#include "report/report_writer.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/data_sheet_dialog.h"
#include "ui/qt/dialog_channel.h"
#include "ui/qt/form_field.h"
#include "window_test_support.h"

namespace velmora::qt_tests {
namespace {

const QString kEarlierRun = QStringLiteral("上一次计算的结果");

/// The widget that has the keyboard focus: the application's, or within a
/// dialog that the watchdog hands over before the platform activated it.
QWidget* focusedIn(QWidget* dialog) { return dialog != nullptr ? dialog->focusWidget() : QApplication::focusWidget(); }

/// Presses keys into the widget that has the focus, as a person does: a
/// token is "Ctrl+A", "Backspace", "F2", "Return" or text typed key by key.
void press(const QStringList& tokens, QWidget* dialog = nullptr) {
  for (const QString& token : tokens) {
    QWidget* focus = focusedIn(dialog);
    QVERIFY2(focus != nullptr, "a widget has the focus");
    if (token == QStringLiteral("Ctrl+A")) {
      QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
    } else if (token == QStringLiteral("Backspace")) {
      QTest::keyClick(focus, Qt::Key_Backspace);
    } else if (token == QStringLiteral("F2")) {
      QTest::keyClick(focus, Qt::Key_F2);
    } else if (token == QStringLiteral("Return")) {
      QTest::keyClick(focus, Qt::Key_Return);
    } else {
      for (const QChar c : token) QTest::keyClick(focusedIn(dialog), c.toLatin1());
    }
    QCoreApplication::processEvents();  // an editor commits its text in a queued call
  }
}

/// How a prompt box is left without a reply.
enum class Leave { EscapeKey, CancelButton, CloseBox };

void leave(QWidget& dialog, Leave how) {
  switch (how) {
    case Leave::EscapeKey: QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape); break;
    case Leave::CancelButton:
      QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
      break;
    case Leave::CloseBox: dialog.close(); break;
  }
}

/// A figure whose known points coincide: its run stops at the known-side geometry.
SheetTexts coincidentFigureTexts() {
  SheetTexts texts = exactFigureTexts();
  texts[coordinateEntry(2)] = texts[coordinateEntry(0)];
  texts[coordinateEntry(3)] = texts[coordinateEntry(1)];
  return texts;
}

/// The confirmed replies that type `texts` at the prompts.
std::vector<std::string> repliesTyping(const SheetTexts& texts) {
  std::vector<std::string> replies;
  const auto typed = [&](std::size_t entry) {
    replies.push_back(texts[entry]);
    replies.emplace_back();
  };
  for (std::size_t n = 0; n < 6; ++n) typed(coordinateEntry(n));
  typed(kPointNameEntry);
  for (std::size_t n = 0; n < 9; ++n) typed(angleEntry(1, 0) + n);
  return replies;
}

/// A figure file of one record holding `texts`.
void writeFigureFileText(const QString& path, const SheetTexts& texts) {
  std::ofstream file(path.toStdString(), std::ios::binary);
  file << "name,xa,ya,xb,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3,c3\n";
  for (std::size_t entry = 0; entry < texts.size(); ++entry) file << (entry == 0 ? "" : ",") << texts[entry];
  file << '\n';
}

std::vector<FormField*> formFields(FigureForm& form) {
  std::vector<FormField*> fields;
  for (int n = 1; n <= 26; ++n) fields.push_back(form.findChild<FormField*>(QStringLiteral("Text%1").arg(n)));
  return fields;
}

}  // namespace
}  // namespace velmora::qt_tests

Q_DECLARE_METATYPE(velmora::qt_tests::Leave)

namespace velmora::qt_tests {

class WindowKeepsDataTest : public QObject {
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

  void sheetKeepsEveryKeystroke_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("after");
    const int xa = static_cast<int>(coordinateEntry(0));
    const int a1 = static_cast<int>(angleEntry(1, 0));
    // Regressions of 2026-12: the first key that changed a cell's mark reloaded
    // the editor from the cell, dropping or doubling what had been typed.
    QTest::newRow("empty Xa, typed") << xa << "" << QStringList{"2719.2803", "Return"} << "2719.2803";
    QTest::newRow("empty A(1), typed") << a1 << "" << QStringList{"107.51533", "Return"} << "107.51533";
    QTest::newRow("filled Xa, Ctrl+A Backspace, typed")
        << xa << "3146.231" << QStringList{"F2", "Ctrl+A", "Backspace", "3550.8393", "Return"} << "3550.8393";
    QTest::newRow("valid, invalid, valid again")
        << a1 << "" << QStringList{"29.1", "x", "Backspace", "3491", "Return"} << "29.13491";
    QTest::newRow("name, typed over") << 0 << "P" << QStringList{"Q7", "Return"} << "Q7";
  }

  void sheetKeepsEveryKeystroke() {
    QFETCH(int, row);
    QFETCH(QString, before);
    QFETCH(QStringList, keys);
    QFETCH(QString, after);
    SheetTexts texts{};
    texts[static_cast<std::size_t>(row)] = before.toStdString();
    DataSheetDialog sheet(texts, nullptr);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowActive(&sheet));
    sheet.table().setCurrentCell(row, 0);
    sheet.table().setFocus();
    press(keys);
    QCOMPARE(QString::fromStdString(sheet.texts()[static_cast<std::size_t>(row)]), after);
  }

  /// The mark and its reason follow the text as it is typed, in the open editor too.
  void sheetMarkFollowsTheTyping() {
    const int xa = static_cast<int>(coordinateEntry(0));
    DataSheetDialog sheet(SheetTexts{}, nullptr);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowActive(&sheet));
    sheet.table().setCurrentCell(xa, 0);
    sheet.table().setFocus();
    QTableWidgetItem& cell = *sheet.table().item(xa, 0);
    press({"3146"});
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    QVERIFY(cell.toolTip().isEmpty());
    press({","});
    QVERIFY(!cell.toolTip().isEmpty());
    QCOMPARE(editor->toolTip(), cell.toolTip());
    QCOMPARE(editor->text(), QStringLiteral("3146,"));
    press({"Backspace", ".231"});
    QVERIFY(cell.toolTip().isEmpty());
    QVERIFY(editor->toolTip().isEmpty());
    QCOMPARE(editor->text(), QStringLiteral("3146.231"));
  }

  /// What an input method commits in full-width forms is kept in ASCII, in the sheet and at a prompt.
  void fullWidthDigitsAreTakenAsAscii() {
    const auto commit = [](const QString& text) {
      QInputMethodEvent event;
      event.setCommitString(text);
      QApplication::sendEvent(QApplication::focusWidget(), &event);
    };
    const int xa = static_cast<int>(coordinateEntry(0));
    DataSheetDialog sheet(SheetTexts{}, nullptr);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowActive(&sheet));
    sheet.table().setCurrentCell(xa, 0);
    sheet.table().setFocus();
    press({"F2"});
    commit(QStringLiteral("３１４６．２３１"));
    QVERIFY(sheet.table().item(xa, 0)->toolTip().isEmpty());
    press({"Return"});
    QCOMPARE(sheet.table().item(xa, 0)->text(), QStringLiteral("3146.231"));
    QCOMPARE(sheet.texts()[coordinateEntry(0)], "3146.231");

    FigureForm form(std::make_unique<DialogChannel>());
    watchdog_.expectDialog([&commit](QWidget& dialog) {
      dialog.activateWindow();
      dialog.focusWidget()->setFocus();
      QCoreApplication::processEvents();
      commit(QStringLiteral("－１２．５"));
      press({"Return"}, &dialog);
    });
    const std::optional<std::string> reply = form.askOperatorAbout("?", EntryPrompt{coordinateEntry(0), false});
    QCOMPARE(reply, std::optional<std::string>("-12.5"));
    QCOMPARE(form.figure()[coordinateEntry(0)], "-12.5");
  }

  void leavingAPromptCancelsTheRun_data() {
    QTest::addColumn<int>("answered");
    QTest::addColumn<Leave>("how");
    // 16 prompts answered: up to A(1)'s confirmation; 15: A(1)'s value was the last.
    QTest::newRow("Escape on a confirmation") << 15 << Leave::EscapeKey;
    QTest::newRow("Escape on a value") << 16 << Leave::EscapeKey;
    QTest::newRow("取消 on a confirmation") << 15 << Leave::CancelButton;
    QTest::newRow("close control on a value") << 2 << Leave::CloseBox;
  }

  /// Regression of 2026-12: 取消 confirmed the value or stored an empty one,
  /// so that the figure lost entries and was marked changed.
  void leavingAPromptCancelsTheRun() {
    QFETCH(int, answered);
    QFETCH(Leave, how);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("figure.csv"));
    writeFigureFileText(path, exactFigureTexts());
    MainWindow mainWindow(std::make_unique<DialogChannel>());
    QVERIFY(mainWindow.files().openPath(path));
    const SheetTexts before = mainWindow.form().figure();
    QCOMPARE(before, exactFigureTexts());
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
    for (int prompt = 0; prompt < answered; ++prompt) {
      // Every value is typed anew (so the figure would change) and confirmed.
      watchdog_.expectDialog([prompt](QWidget& dialog) {
        if (prompt % 2 == 0) press({"Ctrl+A", "1"}, &dialog);
        press({"Return"}, &dialog);
      });
    }
    watchdog_.expectDialog([how](QWidget& dialog) { leave(dialog, how); });
    QTest::mouseClick(mainWindow.form().findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(mainWindow.form().figure(), before);
    QVERIFY(!mainWindow.files().changed());
    QCOMPARE(mainWindow.statusTexts().at(0), QStringLiteral("计算已取消"));
    QVERIFY(reportRefusal(mainWindow.form().state()).has_value());
  }

  /// A scripted operator has no cancel: an empty reply still confirms.
  void scriptedEmptyReplyStillConfirms() {
    ScriptedWindow scripted(exactFigureReplies());
    QCOMPARE(scripted.window->compute().end, RunEnd::Complete);
  }

  /// Regression of 2026-12: after a stopped run the fields it did not reach
  /// showed the previous figure's results as if they were this one's.
  void fieldsAStoppedRunDidNotReachAreMuted() {
    std::vector<std::string> replies = exactFigureReplies();
    const std::vector<std::string> stopping = repliesTyping(coincidentFigureTexts());
    replies.insert(replies.end(), stopping.begin(), stopping.end());
    const std::vector<std::string> complete = exactFigureReplies();
    replies.insert(replies.end(), complete.begin(), complete.end());
    ScriptedWindow scripted(replies);
    FigureForm& form = *scripted.window;

    QCOMPARE(form.compute().end, RunEnd::Complete);
    QCOMPARE(form.compute().end, RunEnd::CannotCompute);
    for (const char* reached : {"Text1", "Text4", "Text8", "Text11", "Text18"}) {
      const auto* field = form.findChild<FormField*>(reached);
      QVERIFY2(!field->isStale(), reached);
      QVERIFY2(!field->toolTip().contains(kEarlierRun), reached);
    }
    for (const char* earlier : {"Text12", "Text14", "Text19", "Text24", "Text26"}) {
      const auto* field = form.findChild<FormField*>(earlier);
      QVERIFY2(field->isStale(), earlier);
      QVERIFY2(field->toolTip().startsWith(kEarlierRun), earlier);
      QVERIFY2(field->palette().color(QPalette::Text) != QApplication::palette().color(QPalette::Text), earlier);
    }
    QCOMPARE(form.compute().end, RunEnd::Complete);
    for (const FormField* field : formFields(form)) QVERIFY(!field->isStale());
  }

  /// Regression of 2026-12: after 新建 the old results stayed and 打印 printed them.
  void newFigureDropsTheResults() {
    QuietMainWindow quiet;
    FigureForm& form = quiet.mainWindow->form();
    form.setFigure(coincidentFigureTexts());
    QCOMPARE(quiet.mainWindow->computeFromSheet()->end, RunEnd::CannotCompute);
    form.setFigure(exactFigureTexts());
    QCOMPARE(quiet.mainWindow->computeFromSheet()->end, RunEnd::Complete);
    QVERIFY(!reportRefusal(form.state()).has_value());
    watchdog_.expectDialog(
        [](QWidget& dialog) { qobject_cast<QMessageBox*>(&dialog)->button(QMessageBox::Discard)->click(); });
    quiet.mainWindow->files().newFigure();
    QVERIFY(reportRefusal(form.state()).has_value());
    for (const FormField* field : formFields(form)) {
      QVERIFY(field->wholeText().isEmpty());
      QVERIFY(!field->isStale());
    }
  }

  /// The form's fields show results: typing there changes nothing, copying still works.
  void fieldsOnlyShow() {
    ScriptedWindow scripted(exactFigureReplies());
    FigureForm& form = *scripted.window;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.compute().end, RunEnd::Complete);
    for (FormField* field : formFields(form)) {
      QVERIFY2(field->isReadOnly(), qPrintable(field->objectName()));
      QVERIFY(field->focusPolicy() != Qt::NoFocus);
    }
    auto* mb = form.findChild<FormField*>("Text14");
    const QString shown = mb->wholeText();
    mb->setFocus();
    press({"9", "Backspace", "Ctrl+A"});
    QCOMPARE(mb->wholeText(), shown);
    QCOMPARE(mb->selectedText(), shown);
    QTest::keyClick(mb, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), shown);
  }

 private:
  ModalWatchdog watchdog_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::WindowKeepsDataTest)
#include "window_keeps_data_test.moc"
