// The interactive operator's dialog boxes: the modal input box answers with
// the typed text, or with no reply when cancelled; a message box tells why a
// command did not complete, and Print offers the preview with the print
// dialog only when there is a report to print.
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTest>

#include "modal_watchdog.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/dialog_channel.h"
#include "ui/qt/figure_form.h"
#include "window_test_support.h"

namespace velmora::qt_tests {
namespace {

enum class Answer { EnterKey, OkButton, CancelButton, EscapeKey, CloseBox };

void answer(QWidget& dialog, const QString& typed, Answer how) {
  auto* line = dialog.findChild<QLineEdit*>();
  auto* buttons = dialog.findChild<QDialogButtonBox*>();
  if (line == nullptr || buttons == nullptr) {
    dialog.close();
    return;
  }
  line->insert(typed);  // as an input method would; key clicks carry ASCII only
  switch (how) {
    case Answer::EnterKey: QTest::keyClick(line, Qt::Key_Return); break;
    case Answer::OkButton: QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton); break;
    case Answer::CancelButton: QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton); break;
    case Answer::EscapeKey: QTest::keyClick(line, Qt::Key_Escape); break;
    case Answer::CloseBox: dialog.close(); break;
  }
}

}  // namespace
}  // namespace velmora::qt_tests

Q_DECLARE_METATYPE(velmora::qt_tests::Answer)

namespace velmora::qt_tests {

class OperatorDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { setUpApplication(); }
  void cleanup() {
    const QString faults = watchdog_.takeFaults();
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
  }

  void inputBoxReply_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Answer>("how");
    QTest::addColumn<QString>("reply");
    QTest::newRow("Enter gives the typed text") << "3456.78" << Answer::EnterKey << "3456.78";
    QTest::newRow("OK gives the typed text") << "45.3012" << Answer::OkButton << "45.3012";
    QTest::newRow("bare Enter gives the empty reply") << "" << Answer::EnterKey << "";
    QTest::newRow("blanks are kept") << " 0 " << Answer::EnterKey << " 0 ";
    QTest::newRow("Chinese point name") << "测站7" << Answer::EnterKey << "测站7";
    // A null reply: no reply, the operator cancelled (regression of 2026-12:
    // a cancel gave the empty reply, which confirms).
    QTest::newRow("Cancel gives no reply") << "12" << Answer::CancelButton << QString();
    QTest::newRow("Escape gives no reply") << "12" << Answer::EscapeKey << QString();
    QTest::newRow("closing gives no reply") << "12" << Answer::CloseBox << QString();
  }

  void inputBoxReply() {
    QFETCH(QString, typed);
    QFETCH(Answer, how);
    QFETCH(QString, reply);
    const std::string prompt = "确认 A 点的纵座标输入是否正确 ?  输入正确单击 Enter 键 ;  错误输入零 ( 即:0 )";
    QString shown;
    watchdog_.expectDialog([&](QWidget& dialog) {
      shown = dialog.findChild<QLabel*>()->text();
      answer(dialog, typed, how);
    });
    QWidget parent;
    DialogChannel channel;
    const std::optional<std::string> got = channel.ask(parent, prompt, PromptOffer{});
    QCOMPARE(got.has_value(), !reply.isNull());
    QCOMPARE(channel.lastPromptCancelled(), reply.isNull());
    if (got) QCOMPARE(QString::fromStdString(*got), reply);
    QCOMPARE(shown.toStdString(), prompt);
  }

  void printBeforeAnyRunIsRefusedInAMessageBox() {
    FigureForm window(std::make_unique<DialogChannel>());
    QString told;
    watchdog_.expectDialog([&told](QWidget& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) told = box->text();
      dialog.close();
    });
    QTest::mouseClick(window.findChild<QPushButton*>("Command3"), Qt::LeftButton);
    QVERIFY(told.contains(QStringLiteral("计算")));
  }

  void printAfterACompleteRunOpensThePreview() {
    FigureForm window(std::make_unique<DialogChannel>());
    for (const std::string& reply : exactFigureReplies()) {
      watchdog_.expectDialog(
          [reply](QWidget& dialog) { answer(dialog, QString::fromStdString(reply), Answer::EnterKey); });
    }
    QCOMPARE(window.compute().end, RunEnd::Complete);
    bool previewed = false;
    watchdog_.expectDialog([&previewed](QWidget& dialog) {
      previewed = qobject_cast<QPrintPreviewDialog*>(&dialog) != nullptr;
      dialog.close();
    });
    const PrintOutcome outcome = window.print();
    QVERIFY(previewed);
    QVERIFY2(!outcome.printed, "closing the preview prints nothing");
    QVERIFY(outcome.message.empty());
  }

 private:
  ModalWatchdog watchdog_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::OperatorDialogsTest)
#include "operator_dialogs_test.moc"
