// The recovery of an unsaved figure: the recovery text's round trip and its
// damaged forms, the recovery following the figure (kept while it is changed,
// gone once it is saved or dropped), the start-up offer and what 恢复 and 丢弃
// give, 结束 ending at once with the figure kept, and a window killed with
// SIGKILL whose figure the next start offers back. The killed window runs in a
// child process forked before this program makes its QApplication.
#include "ui/qt/figure_recovery.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "figure_factory.h"
#include "figure_file/figure_file.h"
#include "modal_watchdog.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/data_sheet_dialog.h"
#include "ui/qt/dialog_channel.h"
#include "ui/qt/main_window.h"
#include "window_test_support.h"

Q_DECLARE_METATYPE(velmora::RecoveredFigure)
Q_DECLARE_METATYPE(velmora::SheetTexts)

namespace velmora::qt_tests {
namespace {

constexpr int kChildSeconds = 60;

figures::Figure secondFigure() {
  return figures::measuredFigure("Q2", {2000, 1000}, {2900, 1600}, {2100, 2100}, {2300, 1550}, {2, -1, 0, 3, 0, -2});
}

SheetTexts textsOf(const figures::Figure& figure) {
  SheetTexts texts;
  texts[kPointNameEntry] = figure.name;
  for (std::size_t n = 0; n < figure.coordinateTexts.size(); ++n) texts[coordinateEntry(n)] = figure.coordinateTexts[n];
  for (std::size_t n = 0; n < figure.angleTexts.size(); ++n) texts[angleEntry(1, 0) + n] = figure.angleTexts[n];
  return texts;
}

/// A file of two figures: the exact one on line 2, Q2 on line 3.
std::string twoFigureFile() {
  const figures::Figure first = figures::measuredFigure("P", {1000, 1000}, {1900, 1500}, {1100, 2000}, {1300, 1500});
  return figures::csvHeader() + "\n" + figures::csvLine(first) + "\n" + figures::csvLine(secondFigure()) + "\n";
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray readBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The figure whose record starts on `line` in the figure file `path`.
std::optional<SheetTexts> figureOnLine(const QString& path, std::size_t line) {
  std::ifstream input(path.toStdString(), std::ios::binary);
  for (const FigureFileEntry& entry : readFigureFile(input).figures) {
    if (entry.line != line) continue;
    SheetTexts texts;
    for (std::size_t column = 0; column < kSheetEntries; ++column) texts[column] = entry.figure.columns[column];
    return texts;
  }
  return std::nullopt;
}

SheetTexts renamed(SheetTexts texts, const std::string& name) {
  texts[kPointNameEntry] = name;
  return texts;
}

QString slotFile(const QString& folder, int slot) {
  return QDir(folder).filePath(QStringLiteral("recovery-%1.json").arg(slot));
}

/// Answers the start-up offer with the button `answer` (or Escape when it is empty), keeping its text.
std::function<void(QWidget&)> answerOffer(const QString& answer, QString* offered) {
  return [answer, offered](QWidget& dialog) {
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    if (box == nullptr) {
      dialog.close();
      return;
    }
    *offered = box->text();
    if (answer.isEmpty()) {
      QTest::keyClick(box, Qt::Key_Escape);
      return;
    }
    for (QAbstractButton* button : box->buttons()) {
      if (button->text() == answer) button->click();
    }
  };
}

std::function<void(QWidget&)> answerQuestion(QMessageBox::StandardButton button) {
  return [button](QWidget& dialog) {
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    if (box == nullptr) {
      dialog.close();
      return;
    }
    box->button(button)->click();
  };
}

// --- The window killed with SIGKILL ---------------------------------------

/// A window of its own process that opens the second figure of a file,
/// changes it in the data sheet and is killed.
struct KilledWindow {
  std::string dataFolder;  ///< its XDG_DATA_HOME, where its recovery goes
  std::string file;        ///< the figure file, whose line 3 it opens
  SheetTexts figure;       ///< the figure it held when it was killed
  std::string failure;     ///< why it did not get as far as being killed; empty when it did
};

KilledWindow& killedWindow() {
  static KilledWindow window;
  return window;
}

/// What is typed into the data sheet's rows from the first: the point name and Xa.
const std::vector<QString> kTyped{QStringLiteral("Q2b"), QStringLiteral("2001.5")};

/// One key into the widget that has the focus, and the events it leads to, as between a person's keys.
void pressKey(Qt::Key key, const QString& text = QString()) {
  QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key, text, Qt::NoModifier);
  QTest::qWait(1);
}

/// In the open data sheet: each row's new text typed over its cell and
/// entered, then Enter to accept the sheet. Empty when it went so; otherwise what went wrong.
std::string typeIntoSheet(const std::vector<QString>& typed) {
  auto* sheet = qobject_cast<DataSheetDialog*>(QApplication::activeModalWidget());
  if (sheet == nullptr) return "the data sheet did not open";
  // The offscreen platform may still be activating the window behind it.
  sheet->activateWindow();
  if (!QTest::qWaitFor([sheet] { return QApplication::activeWindow() == sheet; }))
    return "the sheet never got the keys";
  for (const QString& text : typed) {
    for (const QChar character : text) pressKey(Qt::Key_unknown, QString(character));
    pressKey(Qt::Key_Return);
    pressKey(Qt::Key_Down);
  }
  pressKey(Qt::Key_Return);
  return {};
}

/// The child: the window changes its figure, keeps the recovery, says so on `ready` and waits for the kill.
[[noreturn]] void runUntilKilled(int argc, char** argv, const KilledWindow& window, int ready) {
  const auto fail = [ready](const std::string& why) {
    const std::string said = "F" + why;
    [[maybe_unused]] const ssize_t written = ::write(ready, said.data(), said.size());
    ::_exit(1);
  };
  ::setenv("XDG_DATA_HOME", window.dataFolder.c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (window.dataFolder + "/config").c_str(), 1);
  QApplication application(argc, argv);
  setUpApplication();
  MainWindow mainWindow(std::make_unique<DialogChannel>());
  mainWindow.show();
  if (!QTest::qWaitForWindowExposed(&mainWindow)) fail("the window was never shown");
  mainWindow.keepRecoveryIn(FigureRecovery::userFolder());
  if (!mainWindow.files().openPath(QString::fromStdString(window.file), 3)) fail("the figure file did not open");
  QTimer::singleShot(0, &mainWindow, [&fail] {
    if (const std::string problem = typeIntoSheet(kTyped); !problem.empty()) fail(problem);
  });
  if (!mainWindow.editDataSheet()) fail("the data sheet was not accepted");
  if (mainWindow.form().figure() != window.figure) {
    fail("the sheet gave the point name \"" + mainWindow.form().figure()[kPointNameEntry] + "\"");
  }
  if (!QFile::exists(mainWindow.recovery().filePath())) fail("no recovery was written");
  [[maybe_unused]] const ssize_t written = ::write(ready, "R", 1);
  QApplication::exec();
  ::_exit(2);
}

/// What the child said before it was killed: "R" when ready, "F…" when it failed, empty when silent.
std::string readUntilReady(int ready) {
  std::string said;
  pollfd watched{ready, POLLIN, 0};
  while (::poll(&watched, 1, kChildSeconds * 1000) > 0) {
    char buffer[512];
    const ssize_t got = ::read(ready, buffer, sizeof buffer);
    if (got <= 0) break;
    said.append(buffer, static_cast<std::size_t>(got));
    if (said == "R") break;
  }
  return said;
}

void killWhenReady(int argc, char** argv, KilledWindow& window) {
  int channel[2];
  if (::pipe(channel) != 0) {
    window.failure = "no pipe";
    return;
  }
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    runUntilKilled(argc, argv, window, channel[1]);
  }
  ::close(channel[1]);
  const std::string said = readUntilReady(channel[0]);
  ::close(channel[0]);
  if (child > 0) ::kill(child, SIGKILL);
  int status = 0;
  if (child > 0) ::waitpid(child, &status, 0);
  if (said != "R") {
    window.failure = said.empty() ? "the child said nothing within the time" : said.substr(1);
  } else if (!WIFSIGNALED(status) || WTERMSIG(status) != SIGKILL) {
    window.failure = "the child was not killed by SIGKILL";
  }
}

/// Runs the killed window with its data folder and its figure file under `root`.
void runKilledWindow(int argc, char** argv, const std::string& root) {
  KilledWindow& window = killedWindow();
  window.dataFolder = root + "/killed";
  window.file = root + "/two.csv";
  std::filesystem::create_directories(window.dataFolder);
  std::ofstream(window.file, std::ios::binary) << twoFigureFile();
  window.figure = renamed(textsOf(secondFigure()), kTyped[0].toStdString());
  window.figure[coordinateEntry(0)] = kTyped[1].toStdString();
  killWhenReady(argc, argv, window);
}

}  // namespace

class FigureRecoveryTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    isolateSettings();
    setUpApplication();
  }
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
  }
  void cleanup() {
    const QString faults = watchdog_.takeFaults();
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
  }

  void recoveryTextGivesTheFigureBack_data() {
    QTest::addColumn<RecoveredFigure>("figure");
    const SheetTexts exact = exactFigureTexts();
    QTest::newRow("new figure") << RecoveredFigure{exact, QString(), std::nullopt};
    QTest::newRow("name with commas and quotes") << RecoveredFigure{renamed(exact, "甲,\"乙\",'丙'"), {}, {}};
    QTest::newRow("name with line breaks and a tab") << RecoveredFigure{renamed(exact, "P\n7\r\n\t8"), {}, {}};
    QTest::newRow("name with a backslash and braces") << RecoveredFigure{renamed(exact, "C:\\P {7}"), {}, {}};
    QTest::newRow("CJK name with blanks") << RecoveredFigure{renamed(exact, "  中心点 甲 "), {}, {}};
    QTest::newRow("every text empty, with a file") << RecoveredFigure{SheetTexts{}, "/tmp/a.csv", 2};
    QTest::newRow("file with CJK, comma and quote")
        << RecoveredFigure{exact, QStringLiteral("/home/测量/网, \"A\".csv"), 12345};
    QTest::newRow("file without a record line") << RecoveredFigure{exact, QStringLiteral("/tmp/a.csv"), std::nullopt};
  }

  void recoveryTextGivesTheFigureBack() {
    QFETCH(RecoveredFigure, figure);
    const QByteArray text = recoveryText(figure);
    QVERIFY(QString::fromUtf8(text).toUtf8() == text);
    const std::optional<RecoveredFigure> back = recoveredFigureOf(text);
    QVERIFY(back.has_value());
    QVERIFY(*back == figure);
  }

  void damagedRecoveryTextIsRefused_data() {
    QTest::addColumn<QByteArray>("text");
    const QByteArray good = recoveryText(RecoveredFigure{exactFigureTexts(), QStringLiteral("/tmp/a.csv"), 3});
    const auto edited = [&good](const char* from, const char* to) { return QByteArray(good).replace(from, to); };
    QVERIFY(recoveredFigureOf(good).has_value());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("点名=P\n");
    QTest::newRow("cut short") << good.left(good.size() / 2);
    QTest::newRow("an array") << QByteArray("[1, 2]");
    QTest::newRow("another format") << edited("velmora-recovery", "velmora-settings");
    QTest::newRow("a later version") << edited("\"version\": 1", "\"version\": 2");
    QTest::newRow("a text missing") << edited("\"Xa\"", "\"Xz\"");
    QTest::newRow("a text not a string") << edited("\"点名\": \"P\"", "\"点名\": 7");
    QTest::newRow("record line zero") << edited("\"recordLine\": 3", "\"recordLine\": 0");
    QTest::newRow("record line fractional") << edited("\"recordLine\": 3", "\"recordLine\": 3.5");
    QTest::newRow("record line a text") << edited("\"recordLine\": 3", "\"recordLine\": \"3\"");
    QTest::newRow("record line without a file") << edited("\"/tmp/a.csv\"", "null");
    QTest::newRow("file not a text") << edited("\"/tmp/a.csv\"", "[]");
    QTest::newRow("invalid UTF-8") << edited("\"P\"", "\"P\xff\xfe\"");
  }

  void damagedRecoveryTextIsRefused() {
    QFETCH(QByteArray, text);
    QVERIFY(!recoveredFigureOf(text).has_value());
  }

  /// Kept while the figure is changed; gone once it is saved, back as saved or dropped.
  void recoveryFollowsTheChangedMark() {
    QuietMainWindow quiet;
    MainWindow& mainWindow = *quiet.mainWindow;
    mainWindow.keepRecoveryIn(folder());
    const QString kept = mainWindow.recovery().filePath();
    QCOMPARE(kept, slotFile(folder(), 1));
    QVERIFY(!QFile::exists(kept));

    mainWindow.form().setFigure(exactFigureTexts());
    QVERIFY(recoveredFigureOf(readBytes(kept)) == (RecoveredFigure{exactFigureTexts(), QString(), std::nullopt}));

    const QString path = inFolder("saved.csv");
    QVERIFY(mainWindow.files().saveTo(path));
    QVERIFY(!QFile::exists(kept));

    const SheetTexts changed = renamed(exactFigureTexts(), "P8");
    mainWindow.form().setFigure(changed);
    QVERIFY(recoveredFigureOf(readBytes(kept)) == (RecoveredFigure{changed, path, 2}));

    mainWindow.form().setFigure(exactFigureTexts());
    QVERIFY(!QFile::exists(kept));

    mainWindow.form().setFigure(changed);
    watchdog_.expectDialog(answerQuestion(QMessageBox::Discard));
    mainWindow.actions().quit->trigger();  // 退出 with 不保存
    QVERIFY(!QFile::exists(kept));
  }

  /// What 恢复, 丢弃 or closing the offer give, also when the figure's file or record is gone.
  void startUpOfferRestoresOrDrops_data() {
    QTest::addColumn<RecoveredFigure>("left");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("offerNames");
    QTest::addColumn<bool>("inItsFile");
    QTest::addColumn<SheetTexts>("figure");
    QTest::addColumn<int>("toldOnTheWay");  // message boxes besides the offer

    // The files are named as in the test's folder.
    const SheetTexts q2b = renamed(textsOf(secondFigure()), "Q2b");
    const RecoveredFigure inFile{q2b, QStringLiteral("two.csv"), 3};
    QTest::newRow("closing the offer restores") << inFile << QString() << QStringList{"Q2b"} << true << q2b << 0;
    QTest::newRow("恢复 when the file is gone") << RecoveredFigure{q2b, QStringLiteral("gone.csv"), 3} << "恢复"
                                                << QStringList{"gone.csv"} << false << q2b << 0;
    QTest::newRow("恢复 when the record moved") << RecoveredFigure{q2b, QStringLiteral("two.csv"), 7} << "恢复"
                                                << QStringList{"two.csv（第 7 行）"} << false << q2b << 1;
    QTest::newRow("丢弃") << inFile << "丢弃" << QStringList{"Q2b"} << false << SheetTexts{} << 0;
  }

  void startUpOfferRestoresOrDrops() {
    QFETCH(RecoveredFigure, left);
    QFETCH(QString, answer);
    QFETCH(QStringList, offerNames);
    QFETCH(bool, inItsFile);
    QFETCH(SheetTexts, figure);
    QFETCH(int, toldOnTheWay);
    if (!left.file.isEmpty()) left.file = inFolder(left.file);
    const QString file = inFolder("two.csv");
    writeFile(file, QByteArray::fromStdString(twoFigureFile()));
    writeFile(slotFile(folder(), 1), recoveryText(left));

    QuietMainWindow quiet;
    MainWindow& mainWindow = *quiet.mainWindow;
    QString offered;
    watchdog_.expectDialog(answerOffer(answer, &offered));
    for (int told = 0; told < toldOnTheWay; ++told) watchdog_.expectDialog([](QWidget& box) { box.close(); });
    mainWindow.keepRecoveryIn(folder());
    for (const QString& name : offerNames) QVERIFY2(offered.contains(name), qPrintable(offered));

    QCOMPARE(mainWindow.form().figure(), figure);
    const bool restored = answer != QStringLiteral("丢弃");
    QCOMPARE(mainWindow.files().changed(), restored);
    QCOMPARE(QFile::exists(slotFile(folder(), 1)), restored);
    QCOMPARE(mainWindow.files().path(), inItsFile ? file : QString());
    if (restored && !left.file.isEmpty() && !inItsFile) {
      QVERIFY2(mainWindow.statusBar()->currentMessage().contains(QStringLiteral("找不到")),
               qPrintable(mainWindow.statusBar()->currentMessage()));
    }
  }

  /// A recovery that cannot be read stops nothing: it is moved aside, told, and a new one is kept.
  void damagedRecoveryIsSetAside() {
    const QByteArray text = recoveryText(RecoveredFigure{exactFigureTexts(), {}, {}}).left(40);
    writeFile(slotFile(folder(), 1), text);
    QuietMainWindow quiet;
    quiet.mainWindow->keepRecoveryIn(folder());
    QCOMPARE(readBytes(inFolder("recovery-1.damaged.json")), text);
    const QString notice = quiet.mainWindow->statusBar()->currentMessage();
    QVERIFY(notice.contains(QStringLiteral("已损坏")));
    QVERIFY2(!notice.contains(QLatin1Char('/')), qPrintable(notice));
    quiet.mainWindow->form().setFigure(exactFigureTexts());
    QVERIFY(recoveredFigureOf(readBytes(slotFile(folder(), 1))).has_value());
  }

  void folderThatCannotBeWrittenIsToldOnce_data() {
    QTest::addColumn<bool>("goneAfterStart");
    QTest::newRow("a file where the folder would be") << false;
    QTest::newRow("the folder replaced by a file while working") << true;
  }

  void folderThatCannotBeWrittenIsToldOnce() {
    QFETCH(bool, goneAfterStart);
    const QString folder = inFolder("data");
    if (goneAfterStart) QVERIFY(QDir().mkpath(folder));
    if (!goneAfterStart) writeFile(folder, "not a folder");
    QuietMainWindow quiet;
    MainWindow& mainWindow = *quiet.mainWindow;
    QStringList notices;
    connect(&mainWindow.recovery(), &FigureRecovery::noticed, this,
            [&notices](const QString& notice) { notices << notice; });
    mainWindow.keepRecoveryIn(folder);
    if (goneAfterStart) {
      QVERIFY(QDir(folder).removeRecursively());
      writeFile(folder, "not a folder");
    }
    for (const std::string name : {"P1", "P2", "P3"}) mainWindow.form().setFigure(renamed(exactFigureTexts(), name));
    QCOMPARE(notices.size(), 1);
    QVERIFY2(notices.front().contains(QStringLiteral("无法在用户数据文件夹中保存恢复文件")),
             qPrintable(notices.front()));
    QVERIFY2(!notices.front().contains(QLatin1Char('/')), "the program's own folder is no path to show");
    QCOMPARE(mainWindow.statusBar()->currentMessage(), notices.front());
    QCOMPARE(mainWindow.form().figure()[kPointNameEntry], std::string("P3"));
  }

  /// Two windows at once: the second neither offers nor overwrites the first one's figure.
  void secondWindowKeepsARecoveryOfItsOwn() {
    QuietMainWindow first;
    first.mainWindow->keepRecoveryIn(folder());
    first.mainWindow->form().setFigure(renamed(exactFigureTexts(), "first"));
    QuietMainWindow second;
    second.mainWindow->keepRecoveryIn(folder());  // no offer: the watchdog would see it
    second.mainWindow->form().setFigure(renamed(exactFigureTexts(), "second"));
    QCOMPARE(first.mainWindow->recovery().filePath(), slotFile(folder(), 1));
    QCOMPARE(second.mainWindow->recovery().filePath(), slotFile(folder(), 2));
    QCOMPARE(recoveredFigureOf(readBytes(slotFile(folder(), 1)))->texts[kPointNameEntry], std::string("first"));
    QCOMPARE(recoveredFigureOf(readBytes(slotFile(folder(), 2)))->texts[kPointNameEntry], std::string("second"));
  }

  /// 结束 ends the program at once, without a question, and the changed figure stays kept.
  void exitButtonEndsAtOnceAndKeepsTheFigure() {
    QuietMainWindow quiet;
    MainWindow& mainWindow = *quiet.mainWindow;
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
    mainWindow.keepRecoveryIn(folder());
    mainWindow.form().setFigure(exactFigureTexts());
    QTimer::singleShot(0, &mainWindow, [&mainWindow] {
      QTest::mouseClick(mainWindow.form().findChild<QPushButton*>("Command2"), Qt::LeftButton);
    });
    bool timedOut = false;
    QTimer::singleShot(10000, qApp, [&timedOut] {
      timedOut = true;
      QApplication::exit(1);
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!timedOut);
    QVERIFY(!mainWindow.isVisible());
    QCOMPARE(recoveredFigureOf(readBytes(slotFile(folder(), 1)))->texts, exactFigureTexts());
  }

  /// The scripted mode changes the figure but keeps no recovery.
  void scriptedModeKeepsNoRecovery() {
    const QString replies = inFolder("replies.txt");
    writeFile(replies, QByteArray::fromStdString(replyFileText(sampleFigureReplies())));
    const QString dataHome = inFolder("home");
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), inFolder("config"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELMORA_WINDOW_PROGRAM), {QStringLiteral("--replies"), replies});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(!QFileInfo::exists(dataHome + QStringLiteral("/Velmora")), qPrintable(dataHome));
  }

  /// The figure of a window killed with SIGKILL comes back at the next start, onto its own record.
  void killedWindowsFigureIsOfferedAtTheNextStart() {
    const KilledWindow& killed = killedWindow();
    QVERIFY2(killed.failure.empty(), killed.failure.c_str());
    const QByteArray ownDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(killed.dataFolder));
    QuietMainWindow next;
    QString offered;
    watchdog_.expectDialog(answerOffer(QStringLiteral("恢复"), &offered));
    next.mainWindow->keepRecoveryIn(FigureRecovery::userFolder());
    qputenv("XDG_DATA_HOME", ownDataHome);
    QVERIFY2(offered.contains(QStringLiteral("Q2b")) && offered.contains(QStringLiteral("two.csv（第 3 行）")),
             qPrintable(offered));
    QCOMPARE(next.mainWindow->form().figure(), killed.figure);
    QVERIFY(next.mainWindow->files().changed());
    QCOMPARE(next.mainWindow->files().path(), QString::fromStdString(killed.file));
    // 保存 writes it back over its own record and keeps the other one.
    QVERIFY(next.mainWindow->files().save());
    QCOMPARE(next.mainWindow->files().recordLine(), std::size_t{3});
    QCOMPARE(figureOnLine(QString::fromStdString(killed.file), 3), std::optional<SheetTexts>(killed.figure));
    QCOMPARE(figureOnLine(QString::fromStdString(killed.file), 2), std::optional<SheetTexts>(exactFigureTexts()));
    QVERIFY(!QFile::exists(next.mainWindow->recovery().filePath()));
  }

 private:
  QString folder() const { return folder_->path(); }
  QString inFolder(const QString& name) const { return folder_->filePath(name); }

  std::unique_ptr<QTemporaryDir> folder_;  ///< a fresh one for each test
  ModalWatchdog watchdog_;
};

}  // namespace velmora::qt_tests

int main(int argc, char** argv) {
  std::string root = (std::filesystem::temp_directory_path() / "velmora-recovery-XXXXXX").string();
  if (::mkdtemp(root.data()) == nullptr) return 1;
  // The killed window first, while this process has no QApplication to fork.
  velmora::qt_tests::runKilledWindow(argc, argv, root);
  // Keeps this program's recoveries away from the user's.
  ::setenv("XDG_DATA_HOME", (root + "/own").c_str(), 1);

  QApplication application(argc, argv);
  QApplication::setAttribute(Qt::AA_Use96Dpi, true);
  velmora::qt_tests::FigureRecoveryTest test;
  const int status = QTest::qExec(&test, argc, argv);
  std::filesystem::remove_all(root);
  return status;
}

#include "figure_recovery_test.moc"
