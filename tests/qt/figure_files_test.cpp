// Figure files in the window: a file opens into the figure and computes as
// the prompts do, saving and reopening gives the same figure, a file of
// several figures lets the operator pick one and keeps the others on saving,
// a changed figure is asked about, and the recent files follow what was opened.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "figure_factory.h"
#include "figure_file/figure_file.h"
#include "modal_watchdog.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/data_sheet_dialog.h"
#include "ui/qt/form_field.h"
#include "ui/qt/script_channel.h"
#include "ui/qt/workbench.h"
#include "window_test_support.h"

namespace velmora::qt_tests {
namespace {

figures::Figure secondFigure() {
  return figures::measuredFigure("Q2", {2000, 1000}, {2900, 1600}, {2100, 2100}, {2300, 1550}, {2, -1, 0, 3, 0, -2});
}

void writeFile(const QString& path, const std::string& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(QByteArray::fromStdString(text));
}

QString readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

std::string twoFigureFile() {
  const figures::Figure first = figures::measuredFigure("P", {1000, 1000}, {1900, 1500}, {1100, 2000}, {1300, 1500});
  return figures::csvHeader() + "\n" + figures::csvLine(first) + "\n" + figures::csvLine(secondFigure()) + "\n";
}

/// Picks `label`'s item in the figure chooser and accepts it.
std::function<void(QWidget&)> pickFigure(const QString& startOfLabel, QStringList* offered = nullptr) {
  return [startOfLabel, offered](QWidget& dialog) {
    auto* input = qobject_cast<QInputDialog*>(&dialog);
    if (input == nullptr) {
      dialog.close();
      return;
    }
    const QStringList items = input->comboBoxItems();
    if (offered != nullptr) *offered = items;
    for (const QString& item : items) {
      if (item.startsWith(startOfLabel)) input->setTextValue(item);
    }
    input->accept();
  };
}

std::function<void(QWidget&)> answerQuestion(QMessageBox::StandardButton button, QString* asked = nullptr) {
  return [button, asked](QWidget& dialog) {
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    if (box == nullptr) {
      dialog.close();
      return;
    }
    if (asked != nullptr) *asked = box->text();
    box->button(button)->click();
  };
}

}  // namespace

class FigureFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    isolateSettings();
    setUpApplication();
  }
  void init() { QVERIFY(folder_.isValid()); }
  void cleanup() {
    QVERIFY2(watchdog_.unexpectedDialogs().isEmpty(), qPrintable(watchdog_.unexpectedDialogs().join('\n')));
    QCOMPARE(watchdog_.pendingHandlers(), std::size_t{0});
    watchdog_.reset();
  }

  /// Open → compute gives the fields of the replies path; the figure is unchanged by the run.
  void openedFileComputesAsThePromptsDo() {
    const QString path = folder_.filePath("one.csv");
    const figures::Figure figure = figures::measuredFigure("P", {1000, 1000}, {1900, 1500}, {1100, 2000}, {1300, 1500});
    writeFile(path, figures::csvHeader() + "\r\n" + figures::csvLine(figure) + "\r\n");
    QuietWorkbench quiet;
    QVERIFY(quiet.workbench->files().openPath(path));
    QCOMPARE(quiet.workbench->form().figure(), exactFigureTexts());
    QCOMPARE(quiet.workbench->statusTexts().at(2), QStringLiteral("one.csv"));

    ScriptedWindow prompted(exactFigureReplies());
    QCOMPARE(prompted.window->compute().end, RunEnd::Complete);
    QCOMPARE(quiet.workbench->computeFromSheet()->end, RunEnd::Complete);
    for (int n = 1; n <= 26; ++n) {
      const QString name = "Text" + QString::number(n);
      QCOMPARE(quiet.workbench->form().findChild<FormField*>(name)->wholeText(),
               prompted.window->findChild<FormField*>(name)->wholeText());
    }
    QVERIFY(!quiet.workbench->files().changed());
  }

  void savedFigureReopensEqual_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "P7";
    QTest::newRow("comma and quote") << "甲,\"乙\"";
    QTest::newRow("blanks kept") << "  Q 1 ";
  }

  void savedFigureReopensEqual() {
    QFETCH(QString, name);
    SheetTexts texts = exactFigureTexts();
    texts[kPointNameEntry] = name.toStdString();
    texts[coordinateEntry(0)] = " 1000.0 ";
    const QString path = folder_.filePath("saved.csv");
    {
      QuietWorkbench quiet;
      quiet.workbench->form().setFigure(texts);
      QVERIFY(quiet.workbench->files().changed());
      QVERIFY(quiet.workbench->files().saveTo(path));
      QVERIFY(!quiet.workbench->files().changed());
      QCOMPARE(quiet.workbench->statusTexts().at(2), QStringLiteral("saved.csv"));
    }
    QVERIFY(readFile(path).startsWith("name,xa,ya,xb,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3,c3\n"));
    QuietWorkbench reopened;
    QVERIFY(reopened.workbench->files().openPath(path));
    QCOMPARE(reopened.workbench->form().figure(), texts);
  }

  /// The chooser offers every figure by name; saving replaces only the picked one.
  void severalFiguresPickOneAndKeepTheOthers() {
    const QString path = folder_.filePath("two.csv");
    writeFile(path, twoFigureFile());
    QuietWorkbench quiet;
    QStringList offered;
    watchdog_.expectDialog(pickFigure(QStringLiteral("Q2"), &offered));
    QVERIFY(quiet.workbench->files().openPath(path));
    QCOMPARE(offered, QStringList({QStringLiteral("P（第 2 行）"), QStringLiteral("Q2（第 3 行）")}));
    QCOMPARE(quiet.workbench->form().figure()[kPointNameEntry], std::string("Q2"));

    SheetTexts changed = quiet.workbench->form().figure();
    changed[kPointNameEntry] = "Q2b";
    quiet.workbench->form().setFigure(changed);
    QCOMPARE(quiet.workbench->statusTexts().at(2), QStringLiteral("two.csv *"));
    QVERIFY(quiet.workbench->files().save());
    std::ifstream saved(path.toStdString(), std::ios::binary);
    const FigureFileContents contents = readFigureFile(saved);
    QCOMPARE(contents.figures.size(), std::size_t{2});
    QCOMPARE(contents.figures[0].figure.name(), std::string("P"));
    QCOMPARE(contents.figures[1].figure.name(), std::string("Q2b"));
    QCOMPARE(contents.figures[1].figure.columns[1], changed[coordinateEntry(0)]);
  }

  void choosingNoFigureOpensNothing() {
    const QString path = folder_.filePath("two.csv");
    writeFile(path, twoFigureFile());
    QuietWorkbench quiet;
    watchdog_.expectDialog([](QWidget& dialog) { qobject_cast<QDialog*>(&dialog)->reject(); });
    QVERIFY(!quiet.workbench->files().openPath(path));
    QCOMPARE(quiet.workbench->form().figure(), SheetTexts{});
    QVERIFY(quiet.workbench->files().path().isEmpty());
  }

  void unreadableFilesAreToldAndOpenNothing_data() {
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("told");
    QTest::newRow("missing") << QString() << "无法读取";
    QTest::newRow("empty") << ""
                           << "空";
    QTest::newRow("wrong header") << "a,b\n1,2\n"
                                  << "表头";
    QTest::newRow("no whole record") << "name,xa,ya,xb,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3,c3\nP,1,2\n"
                                     << "没有可读的图形";
  }

  void unreadableFilesAreToldAndOpenNothing() {
    QFETCH(QString, content);
    QFETCH(QString, told);
    const QString path = folder_.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".csv");
    if (!content.isNull()) writeFile(path, content.toStdString());
    QuietWorkbench quiet;
    QString message;
    watchdog_.expectDialog([&message](QWidget& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) message = box->text();
      dialog.close();
    });
    QVERIFY(!quiet.workbench->files().openPath(path));
    QVERIFY2(message.contains(told), qPrintable(message));
    QVERIFY(quiet.workbench->files().path().isEmpty());
  }

  /// A file Excel saved on a Chinese Windows system: GB18030, semicolons, CRLF.
  void excelFileInGb18030Opens() {
    const QString path = folder_.filePath("excel.csv");
    const std::string name = "\xD6\xD0\xD0\xC4\xB5\xE3\xBC\xD7";  // 中心点甲
    SheetTexts expected = exactFigureTexts();
    std::string line = name;
    for (std::size_t entry = 1; entry < kSheetEntries; ++entry) line += ";" + expected[entry];
    writeFile(path, "name;xa;ya;xb;yb;xc;yc;a1;b1;c1;a2;b2;c2;a3;b3;c3\r\n" + line + "\r\n");
    QuietWorkbench quiet;
    QStringList notices;
    connect(&quiet.workbench->files(), &FigureFileCommands::noticed, this,
            [&notices](const QString& notice) { notices << notice; });
    QVERIFY(quiet.workbench->files().openPath(path));
    expected[kPointNameEntry] = "中心点甲";
    QCOMPARE(quiet.workbench->form().figure(), expected);
    QVERIFY2(notices.join(' ').contains(QStringLiteral("GB18030")), qPrintable(notices.join(' ')));
  }

  void changedFigureIsAskedAboutBeforeNew_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("cancel keeps it") << static_cast<int>(QMessageBox::Cancel) << false;
    QTest::newRow("discard drops it") << static_cast<int>(QMessageBox::Discard) << true;
  }

  void changedFigureIsAskedAboutBeforeNew() {
    QFETCH(int, answer);
    QFETCH(bool, cleared);
    QuietWorkbench quiet;
    quiet.workbench->form().setFigure(exactFigureTexts());
    QString asked;
    watchdog_.expectDialog(answerQuestion(static_cast<QMessageBox::StandardButton>(answer), &asked));
    quiet.workbench->files().newFigure();
    QVERIFY(asked.contains(QStringLiteral("保存")));
    QCOMPARE(quiet.workbench->form().figure() == SheetTexts{}, cleared);
  }

  /// 退出 asks about a changed figure; 取消 keeps the window open.
  void quitAsksAboutAChangedFigure() {
    QuietWorkbench quiet;
    quiet.workbench->show();
    quiet.workbench->form().setFigure(exactFigureTexts());
    watchdog_.expectDialog(answerQuestion(QMessageBox::Cancel));
    quiet.workbench->actions().quit->trigger();
    QVERIFY(quiet.workbench->isVisible());
    watchdog_.expectDialog(answerQuestion(QMessageBox::Discard));
    quiet.workbench->actions().quit->trigger();
    QVERIFY(!quiet.workbench->isVisible());
  }

  /// The sheet's accepted texts become the figure, which the next prompts offer.
  void acceptedSheetBecomesTheFigure() {
    QuietWorkbench quiet;
    watchdog_.expectDialog([](QWidget& dialog) {
      auto* sheet = qobject_cast<DataSheetDialog*>(&dialog);
      if (sheet == nullptr) {
        dialog.close();
        return;
      }
      sheet->table().item(static_cast<int>(kPointNameEntry), 0)->setText(QStringLiteral("P9"));
      sheet->accept();
    });
    QVERIFY(quiet.workbench->editDataSheet());
    QCOMPARE(quiet.workbench->form().figure()[kPointNameEntry], std::string("P9"));
    QCOMPARE(quiet.workbench->statusTexts().at(2), QStringLiteral("未保存的图形 *"));
  }

  void unchangedFigureIsNotAskedAbout() {
    QuietWorkbench quiet;
    quiet.workbench->files().newFigure();
    QCOMPARE(quiet.workbench->form().figure(), SheetTexts{});
  }

  void recentFilesFollowWhatWasOpened() {
    QuietWorkbench quiet;
    QStringList paths;
    for (int n = 1; n <= 6; ++n) {
      paths << folder_.filePath(QStringLiteral("r%1.csv").arg(n));
      quiet.workbench->form().setFigure(exactFigureTexts());
      QVERIFY(quiet.workbench->files().saveTo(paths.back()));
    }
    QVERIFY(quiet.workbench->files().openRecent(paths[1]));
    const QStringList recent = quiet.workbench->settings().recentFiles();
    QCOMPARE(recent, QStringList({paths[1], paths[5], paths[4], paths[3], paths[2]}));
    const QList<QAction*> shown = quiet.workbench->actions().recentFiles->actions();
    QCOMPARE(shown.size(), 5);
    QCOMPARE(shown.front()->text(), QStringLiteral("&1 r2.csv"));

    QFile::remove(paths[5]);
    watchdog_.expectDialog([](QWidget& dialog) { dialog.close(); });
    QVERIFY(!quiet.workbench->files().openRecent(paths[5]));
    QVERIFY(!quiet.workbench->settings().recentFiles().contains(paths[5]));
  }

 private:
  QTemporaryDir folder_;
  ModalWatchdog watchdog_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::FigureFilesTest)
#include "figure_files_test.moc"
