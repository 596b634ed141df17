// The velmora program in its scripted mode, run as a separate process on the
// offscreen platform: its exit statuses, and the PDF and the picture it writes.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "window_test_support.h"

namespace velmora::qt_tests {
namespace {

enum class Replies { None, ExactFigure, EndInTriangle2, NotANumber };

std::vector<std::string> repliesOf(Replies kind) {
  std::vector<std::string> replies = exactFigureReplies();
  if (kind == Replies::EndInTriangle2) replies.resize(22);
  if (kind == Replies::NotANumber) replies[2] = "x";
  return replies;
}

}  // namespace
}  // namespace velmora::qt_tests

Q_DECLARE_METATYPE(velmora::qt_tests::Replies)

namespace velmora::qt_tests {

class VelmoraProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void exitStatusAndFiles_data() {
    QTest::addColumn<Replies>("replies");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("writesPdf");
    QTest::addColumn<bool>("writesPicture");
    const QStringList script{"--replies", "replies.txt"};
    const QStringList both = script + QStringList{"--pdf", "out.pdf", "--screenshot", "out.png"};
    QTest::newRow("complete run") << Replies::ExactFigure << both << 0 << true << true;
    QTest::newRow("complete run, no output") << Replies::ExactFigure << script << 0 << false << false;
    QTest::newRow("cannot compute") << Replies::NotANumber << both << 1 << false << true;
    QTest::newRow("replies run out") << Replies::EndInTriangle2 << both << 2 << false << true;
    QTest::newRow("empty reply file") << Replies::None << both << 2 << false << true;
    QTest::newRow("no replies file") << Replies::None << QStringList{"--replies", "absent.txt"} << 66 << false << false;
    QTest::newRow("replies file is a folder") << Replies::None << QStringList{"--replies", "."} << 66 << false << false;
    QTest::newRow("pdf without replies") << Replies::None << QStringList{"--pdf", "out.pdf"} << 64 << false << false;
    QTest::newRow("unknown option") << Replies::ExactFigure << script + QStringList{"--print"} << 64 << false << false;
    QTest::newRow("two figure files") << Replies::None << QStringList{"a.csv", "b.csv"} << 64 << false << false;
    QTest::newRow("figure file in the scripted mode")
        << Replies::ExactFigure << script + QStringList{"a.csv"} << 64 << false << false;
    QTest::newRow("option without its file")
        << Replies::ExactFigure << script + QStringList{"--pdf"} << 64 << false << false;
    QTest::newRow("picture in a missing folder")
        << Replies::ExactFigure << script + QStringList{"--screenshot", "no/such/out.png"} << 74 << false << false;
  }

  void exitStatusAndFiles() {
    QFETCH(Replies, replies);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(bool, writesPdf);
    QFETCH(bool, writesPicture);
    QTemporaryDir dir;
    QFile file(dir.filePath("replies.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    if (replies != Replies::None) file.write(QByteArray::fromStdString(replyFileText(repliesOf(replies))));
    file.close();

    QProcess program;
    program.setWorkingDirectory(dir.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", dir.path());  // away from the user's settings
    program.setProcessEnvironment(environment);
    program.start(VELMORA_WINDOW_PROGRAM, arguments);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == status, program.readAllStandardError().constData());
    QCOMPARE(QFileInfo::exists(dir.filePath("out.pdf")), writesPdf);
    QCOMPARE(QFileInfo::exists(dir.filePath("out.png")), writesPicture);
    if (writesPicture) {
      const QImage picture(dir.filePath("out.png"));
      // The form at its own size, with the menus above it and the status bar below.
      QCOMPARE(picture.width(), 985);
      QVERIFY(picture.height() > 728 + 20);
    }
  }

  /// Help and version need no display: no platform is named and none is reachable.
  void informationWithoutADisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("begins");
    QTest::newRow("--help") << QStringList{"--help"} << QByteArray("用法：velmora");
    QTest::newRow("-h") << QStringList{"-h"} << QByteArray("用法：velmora");
    QTest::newRow("--version") << QStringList{"--version"} << QByteArray("velmora 1.");
    QTest::newRow("after a script option")
        << QStringList{"--replies", "r.txt", "--help"} << QByteArray("用法：velmora");
  }

  void informationWithoutADisplay() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, begins);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
    program.setProcessEnvironment(environment);
    program.start(VELMORA_WINDOW_PROGRAM, arguments);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(program.readAllStandardOutput().startsWith(begins));
    QCOMPARE(program.readAllStandardError(), QByteArray());
  }

  /// The help names every option and every exit status, so a manual page can be made from it.
  void helpIsComplete() {
    QProcess program;
    program.start(VELMORA_WINDOW_PROGRAM, {"--help"});
    QVERIFY(program.waitForFinished(60000));
    const QString help = QString::fromUtf8(program.readAllStandardOutput());
    for (const char* option : {"--replies", "--pdf", "--screenshot", "--help", "--version"}) {
      QVERIFY2(help.contains(QLatin1String(option)), option);
    }
    for (int status : {0, 1, 2, 3, 64, 66, 74}) {
      QVERIFY2(help.contains(QRegularExpression(QStringLiteral("\\n  %1 +\\S").arg(status))),
               qPrintable(QString::number(status)));
    }
  }
};

}  // namespace velmora::qt_tests

QTEST_GUILESS_MAIN(velmora::qt_tests::VelmoraProgramTest)
#include "velmora_program_test.moc"
