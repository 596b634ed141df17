// Compute through the window: the window shows exactly what the compute flow
// writes through the three window operations (the texts the console trace
// shows), for complete runs, corrected entries and runs that stop. Prompts
// go through the real modal input box as well.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <iterator>

#include "modal_watchdog.h"
#include "ui/compute_run.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/dialog_channel.h"
#include "ui/recording_window.h"
#include "window_test_support.h"

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace velmora::qt_tests {
namespace {

std::vector<std::string> firstReplies(std::vector<std::string> replies, std::size_t count) {
  replies.resize(count);
  return replies;
}

std::vector<std::string> joined(std::vector<std::string> first, const std::vector<std::string>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

/// Every field's text and every label's caption in the window and in the
/// recording of the same runs must be the same.
void compareWithRecording(const FigureForm& window, const RecordingWindow& recording) {
  for (int n = 1; n <= 26; ++n) {
    const QString name = "Text" + QString::number(n);
    const auto* field = window.findChild<QLineEdit*>(name);
    QCOMPARE(field->text().toStdString(), recording.lastText(name.toStdString()));
  }
  for (int n = 1; n <= 60; ++n) {
    const QString name = "Label" + QString::number(n);
    const auto* label = window.findChild<QLabel*>(name);
    const std::string recorded = recording.lastText(name.toStdString());
    if (!recorded.empty()) QCOMPARE(captionOf(*label).toStdString(), recorded);
  }
}

/// Types `reply` into a prompt box and presses Enter; returns the prompt it
/// showed (with a note when its reply line was not empty). Any other dialog
/// is closed and noted.
std::string answerPrompt(QWidget& dialog, const std::string& reply) {
  auto* line = dialog.findChild<QLineEdit*>();
  auto* text = dialog.findChild<QLabel*>();
  if (line == nullptr || text == nullptr) {
    dialog.close();
    return "(not a prompt box)";
  }
  const std::string shown = text->text().toStdString() + (line->text().isEmpty() ? "" : " (reply line not empty)");
  QTest::keyClicks(line, QString::fromStdString(reply));
  QTest::keyClick(line, Qt::Key_Return);
  return shown;
}

}  // namespace

class ScriptedRunTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { setUpApplication(); }
  void cleanup() {
    const QString faults = watchdog_.takeFaults();
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
  }

  void windowShowsWhatTheRunWrote_data() {
    QTest::addColumn<std::vector<std::string>>("replies");
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("lastEnd");
    const auto complete = static_cast<int>(RunEnd::Complete);
    const auto stopped = static_cast<int>(RunEnd::CannotCompute);
    const auto ranOut = static_cast<int>(RunEnd::RepliesRanOut);
    std::vector<std::string> corrected = exactFigureReplies();
    corrected.insert(corrected.begin() + 15, {"0", "29.58", "0", "29.58539"});
    std::vector<std::string> notANumber = exactFigureReplies();
    notANumber[0] = "1000,5";

    QTest::newRow("exact figure") << exactFigureReplies() << 1 << complete;
    QTest::newRow("sample figure") << sampleFigureReplies() << 1 << complete;
    QTest::newRow("distance angle corrected twice") << corrected << 1 << complete;
    QTest::newRow("xa not a number") << notANumber << 1 << stopped;
    QTest::newRow("replies end in triangle 2") << firstReplies(exactFigureReplies(), 22) << 1 << ranOut;
    QTest::newRow("stopped run keeps earlier results")
        << joined(sampleFigureReplies(), firstReplies(exactFigureReplies(), 22)) << 2 << ranOut;
  }

  void windowShowsWhatTheRunWrote() {
    QFETCH(std::vector<std::string>, replies);
    QFETCH(int, runs);
    QFETCH(int, lastEnd);
    ScriptedWindow scripted(replies);
    RecordingWindow recording(replies);
    AdjustmentState recordedState;
    RunOutcome outcome;
    for (int run = 0; run < runs; ++run) {
      outcome = scripted.window->compute();
      QCOMPARE(computeRun(recordedState, recording).end, outcome.end);
    }
    QCOMPARE(static_cast<int>(outcome.end), lastEnd);
    compareWithRecording(*scripted.window, recording);
    const std::string told = scripted.messages.str();
    QCOMPARE(told.empty(), outcome.end == RunEnd::Complete);
    if (!told.empty()) QCOMPARE(told, outcome.message + "\n");
  }

  /// The run's own texts, worked out by hand for the exact figure.
  void exactFigureResults_data() {
    QTest::addColumn<QString>("shown");
    QTest::newRow("Text1") << " 1000.000";
    QTest::newRow("Text10") << " 2000.000";
    QTest::newRow("Text18") << "   P";
    QTest::newRow("Text19") << " 1300.000";
    QTest::newRow("Text20") << " 1500.000";
    QTest::newRow("Text23") << " 1300.000";
    QTest::newRow("Text24") << " 1500.000";
    QTest::newRow("Label12") << "A(3)";
    QTest::newRow("Label17") << "w(3)";
  }

  void exactFigureResults() {
    QFETCH(QString, shown);
    ScriptedWindow scripted(exactFigureReplies());
    QCOMPARE(scripted.window->compute().end, RunEnd::Complete);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    if (auto* field = scripted.window->findChild<QLineEdit*>(name)) QCOMPARE(field->text(), shown);
    if (auto* label = scripted.window->findChild<QLabel*>(name)) QCOMPARE(label->text(), shown);
  }

  /// Computing by the buttons with the modal input box: every prompt is shown
  /// in turn, and the typed replies end in the same fields as a scripted run.
  void computeButtonAsksThroughModalInputBoxes() {
    const std::vector<std::string> replies = exactFigureReplies();
    RecordingWindow recording(replies);
    AdjustmentState state;
    QCOMPARE(computeRun(state, recording).end, RunEnd::Complete);
    std::vector<std::string> prompts;
    for (const WindowOperation& operation : recording.operations()) {
      if (operation.kind == WindowOperation::Kind::Ask) prompts.push_back(operation.text);
    }
    QCOMPARE(prompts.size(), replies.size());

    FigureForm window(std::make_unique<DialogChannel>());
    std::vector<std::string> shownPrompts;
    for (const std::string& reply : replies) {
      watchdog_.expectDialog(
          [&shownPrompts, reply](QWidget& dialog) { shownPrompts.push_back(answerPrompt(dialog, reply)); });
    }
    QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(shownPrompts, prompts);
    compareWithRecording(window, recording);
  }

  /// A number too large for the geometry passes the prompt's checks; the run stops.
  void stoppedRunIsToldInAMessageBox() {
    std::vector<std::string> replies = exactFigureReplies();
    replies[0] = "1e300";
    FigureForm window(std::make_unique<DialogChannel>());
    for (const std::string& reply : replies) {
      watchdog_.expectDialog([reply](QWidget& dialog) { answerPrompt(dialog, reply); });
    }
    QString told;
    watchdog_.expectDialog([&told](QWidget& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) told = box->text();
      dialog.close();
    });
    const RunOutcome outcome = window.compute();
    QCOMPARE(outcome.end, RunEnd::CannotCompute);
    QCOMPARE(told.toStdString(), outcome.message);
    QVERIFY(!told.isEmpty());
  }

 private:
  ModalWatchdog watchdog_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::ScriptedRunTest)
#include "scripted_run_test.moc"
