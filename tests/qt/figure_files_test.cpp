// Figure files in the window: a file opens into the figure and computes as
// the prompts do, saving and reopening gives the same figure, a file of
// several figures lets the operator pick one and keeps the others on saving,
// saving changes only the edited figure's fields and never leaves a broken
// file, a changed figure is asked about, and the recent files follow what was
// opened.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "figure_factory.h"
#include "figure_file/figure_file.h"
#include "modal_watchdog.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/data_sheet_dialog.h"
#include "ui/qt/figure_chooser.h"
#include "ui/qt/form_field.h"
#include "ui/qt/main_window.h"
#include "ui/qt/script_channel.h"
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

std::string twoFigureFile() {
  const figures::Figure first = figures::measuredFigure("P", {1000, 1000}, {1900, 1500}, {1100, 2000}, {1300, 1500});
  return figures::csvHeader() + "\n" + figures::csvLine(first) + "\n" + figures::csvLine(secondFigure()) + "\n";
}

/// Picks the row that starts with `startOfLabel` in the figure chooser and
/// takes it with Enter, as a person does after moving to it.
std::function<void(QWidget&)> pickFigure(const QString& startOfLabel, QStringList* offered = nullptr) {
  return [startOfLabel, offered](QWidget& dialog) {
    auto* chooser = qobject_cast<FigureChooser*>(&dialog);
    if (chooser == nullptr) {
      dialog.close();
      return;
    }
    QAbstractItemModel& rows = *chooser->list().model();
    QStringList items;
    for (int row = 0; row < rows.rowCount(); ++row) items << rows.index(row, 0).data().toString();
    if (offered != nullptr) *offered = items;
    for (int row = 0; row < rows.rowCount(); ++row) {
      if (items[row].startsWith(startOfLabel)) chooser->list().setCurrentIndex(rows.index(row, 0));
    }
    chooser->list().setFocus();
    QTest::keyClick(&chooser->list(), Qt::Key_Return);
  };
}

QByteArray bytesOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The exact figure's fifteen values after its name, each led by `separator`.
std::string exactValues(char separator) {
  std::string line;
  for (std::size_t entry = kPointNameEntry + 1; entry < kSheetEntries; ++entry) {
    line += separator + exactFigureTexts()[entry];
  }
  return line;
}

QByteArray filled(QByteArray layout, const QByteArray& field) { return layout.replace('@', field); }

/// Key presses that give `text`, one character each, as an input method
/// hands Chinese text over (QTest::keyClicks takes ASCII only).
void typeText(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
  }
}

/// Types `name` over the point name in the data sheet and accepts it, all by keys.
std::function<void(QWidget&)> typeNameInSheet(const QString& name) {
  return [name](QWidget& dialog) {
    auto* sheet = qobject_cast<DataSheetDialog*>(&dialog);
    if (sheet == nullptr) {
      dialog.close();
      return;
    }
    if (!activated(*sheet)) return sheet->reject();
    sheet->table().setCurrentCell(static_cast<int>(kPointNameEntry), 0);
    sheet->table().setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    typeText(QApplication::focusWidget(), name);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // ends the cell's editing, once events run
    if (!QTest::qWaitFor([sheet] { return QApplication::focusWidget() == &sheet->table(); })) return sheet->reject();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // 确定
  };
}

/// Clicks the question's button named `button`, noting the question and its default button.
std::function<void(QWidget&)> clickButton(const QString& button, QString& asked, QString& byDefault) {
  return [button, &asked, &byDefault](QWidget& dialog) {
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    asked = box != nullptr ? box->text() : QString();
    byDefault = box != nullptr && box->defaultButton() != nullptr ? box->defaultButton()->text() : QString();
    for (QAbstractButton* candidate : box != nullptr ? box->buttons() : QList<QAbstractButton*>()) {
      if (candidate->text() == button) return candidate->click();
    }
    dialog.close();
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
    const QString faults = watchdog_.takeFaults();
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
  }

  /// Open → compute gives the fields of the replies path; the figure is unchanged by the run.
  void openedFileComputesAsThePromptsDo() {
    const QString path = folder_.filePath("one.csv");
    const figures::Figure figure = figures::measuredFigure("P", {1000, 1000}, {1900, 1500}, {1100, 2000}, {1300, 1500});
    writeFile(path, figures::csvHeader() + "\r\n" + figures::csvLine(figure) + "\r\n");
    QuietMainWindow quiet;
    QVERIFY(quiet.mainWindow->files().openPath(path));
    QCOMPARE(quiet.mainWindow->form().figure(), exactFigureTexts());
    QCOMPARE(quiet.mainWindow->statusTexts().at(2), QStringLiteral("one.csv"));

    ScriptedWindow prompted(exactFigureReplies());
    QCOMPARE(prompted.window->compute().end, RunEnd::Complete);
    QCOMPARE(quiet.mainWindow->computeFromSheet()->end, RunEnd::Complete);
    for (int n = 1; n <= 26; ++n) {
      const QString name = "Text" + QString::number(n);
      QCOMPARE(quiet.mainWindow->form().findChild<FormField*>(name)->wholeText(),
               prompted.window->findChild<FormField*>(name)->wholeText());
    }
    QVERIFY(!quiet.mainWindow->files().changed());
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
      QuietMainWindow quiet;
      quiet.mainWindow->form().setFigure(texts);
      QVERIFY(quiet.mainWindow->files().changed());
      QVERIFY(quiet.mainWindow->files().saveTo(path));
      QVERIFY(!quiet.mainWindow->files().changed());
      QCOMPARE(quiet.mainWindow->statusTexts().at(2), QStringLiteral("saved.csv"));
    }
    QVERIFY(bytesOf(path).startsWith("\xEF\xBB\xBFname,xa,ya,xb,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3,c3\r\n"));
    QuietMainWindow reopened;
    QVERIFY(reopened.mainWindow->files().openPath(path));
    QCOMPARE(reopened.mainWindow->form().figure(), texts);
  }

  /// Typing into the chooser's filter box narrows the list to the names that hold it.
  void theChooserNarrowsByName() {
    std::vector<FigureFileName> figures;
    for (const char* name : {"P1", "测站7", "Q17", "p2", "R"}) figures.push_back({figures.size() + 2, name});
    FigureChooser chooser(figures, QStringLiteral("net.csv"), nullptr);
    chooser.show();
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    QCOMPARE(chooser.list().model()->rowCount(), 5);
    QVERIFY(chooser.width() >= chooser.fontMetrics().horizontalAdvance(chooser.windowTitle()));
    QTest::keyClicks(QApplication::focusWidget(), "p");
    QCOMPARE(chooser.list().model()->rowCount(), 2);  // P1 and p2: case ignored
    QCOMPARE(chooser.list().model()->index(1, 0).data().toString(), QStringLiteral("p2（第 5 行）"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QTest::keyClicks(QApplication::focusWidget(), "7");
    QCOMPARE(chooser.list().model()->rowCount(), 2);  // 测站7 and Q17
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QTest::keyClicks(&chooser.filter(), "x");
    QCOMPARE(chooser.list().model()->rowCount(), 0);
  }

  /// The chooser offers every figure by name; saving replaces only the picked one.
  void severalFiguresPickOneAndKeepTheOthers() {
    const QString path = folder_.filePath("two.csv");
    writeFile(path, twoFigureFile());
    QuietMainWindow quiet;
    QStringList offered;
    watchdog_.expectDialog(pickFigure(QStringLiteral("Q2"), &offered));
    QVERIFY(quiet.mainWindow->files().openPath(path));
    QCOMPARE(offered, QStringList({QStringLiteral("P（第 2 行）"), QStringLiteral("Q2（第 3 行）")}));
    QCOMPARE(quiet.mainWindow->form().figure()[kPointNameEntry], std::string("Q2"));

    SheetTexts changed = quiet.mainWindow->form().figure();
    changed[kPointNameEntry] = "Q2b";
    quiet.mainWindow->form().setFigure(changed);
    QCOMPARE(quiet.mainWindow->statusTexts().at(2), QStringLiteral("two.csv *"));
    QVERIFY(quiet.mainWindow->files().save());
    std::ifstream saved(path.toStdString(), std::ios::binary);
    const FigureFileContents contents = readFigureFile(saved);
    QCOMPARE(contents.figures.size(), std::size_t{2});
    QCOMPARE(contents.figures[0].figure.name(), std::string("P"));
    QCOMPARE(contents.figures[1].figure.name(), std::string("Q2b"));
    QCOMPARE(contents.figures[1].figure.columns[1], changed[coordinateEntry(0)]);
  }

  /// Open, rename the figure in the data sheet, Ctrl+S: every byte but the
  /// name's stays, and so do the file's permissions (0640).
  void savingChangesOnlyTheEditedFigure_data() {
    const QByteArray gbJia = "\xBC\xD7", gbYi = "\xD2\xD2", gbBingDing = "\xB1\xFB\xB6\xA1";
    const QByteArray gbRemark = "\xB1\xB8\xD7\xA2";
    const QByteArray semicolonValues = QByteArray::fromStdString(exactValues(';'));
    const QByteArray commaValues = QByteArray::fromStdString(exactValues(','));
    QTest::addColumn<QByteArray>("layout");  // '@' marks the name
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pick");  // the chooser's label, when the file has several figures
    QTest::addColumn<bool>("skipsRecords");
    QTest::newRow("GB18030, semicolons, CRLF, remark, blank rows, unreadable record")
        << "\r\n" + QByteArray::fromStdString(figureHeaderLine(';')) + ";" + gbRemark + "\r\n" + gbJia +
               semicolonValues + ";ok\r\n;;;;;;;;;;;;;;;;\r\nP2;1;2\r\n@" + semicolonValues + ";" + gbRemark + gbYi +
               "\r\n\r\n"
        << gbYi << gbBingDing << QStringLiteral("丙丁") << QStringLiteral("乙（第 6 行）") << true;
    QTest::newRow("UTF-8 with byte order mark, commas, LF")
        << "\xEF\xBB\xBF" + QByteArray::fromStdString(figureHeaderLine(',')) + "\n@" + commaValues + "\n"
        << QByteArray("P7") << QByteArray("P8") << QStringLiteral("P8") << QString() << false;
    QTest::newRow("quoted name with the separator inside")
        << QByteArray::fromStdString(figureHeaderLine(',')) + ",remark\n@" + commaValues + ",\"x, y\"\n"
        << QByteArray("\"甲,乙\"") << QByteArray("\"甲,丙\"") << QStringLiteral("甲,丙") << QString() << false;
  }

  void savingChangesOnlyTheEditedFigure() {
    QFETCH(QByteArray, layout);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QString, typed);
    QFETCH(QString, pick);
    QFETCH(bool, skipsRecords);
    namespace fs = std::filesystem;
    const QString path = folder_.filePath("edited.csv");
    writeFile(path, filled(layout, before).toStdString());
    const auto groupReadable = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path.toStdString(), groupReadable);
    QuietMainWindow quiet;
    if (skipsRecords) watchdog_.expectDialog([](QWidget& dialog) { dialog.close(); });
    if (!pick.isEmpty()) watchdog_.expectDialog(pickFigure(pick));
    QVERIFY(quiet.mainWindow->files().openPath(path));
    renameInSheet(*quiet.mainWindow, typed);
    QVERIFY(quiet.mainWindow->files().changed());
    press(*quiet.mainWindow, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(bytesOf(path), filled(layout, after));
    QVERIFY(!quiet.mainWindow->files().changed());
    QCOMPARE(fs::status(path.toStdString()).permissions(), groupReadable);
  }

  /// A write that fails part way (the file may not grow past 16 bytes) leaves
  /// the old file whole, names the system's reason and keeps the figure changed.
  void failedWriteKeepsTheFileAndSaysWhy() {
    const QString path = folder_.filePath("limited.csv");
    writeFile(path, figures::csvHeader() + "\n" + "P7" + exactValues(',') + "\n");
    const QByteArray original = bytesOf(path);
    QuietMainWindow quiet;
    QVERIFY(quiet.mainWindow->files().openPath(path));
    renameInSheet(*quiet.mainWindow, QStringLiteral("P8"));
    const QStringList filesBefore = QDir(folder_.path()).entryList(QDir::Files);
    QString told;
    watchdog_.expectDialog(readMessage(told));
    withFileSizeLimit(16, [&quiet] { press(*quiet.mainWindow, Qt::Key_S, Qt::ControlModifier); });
    QCOMPARE(bytesOf(path), original);
    QVERIFY2(told.startsWith(QStringLiteral("无法保存文件「limited.csv」：")), qPrintable(told));
    QVERIFY2(told.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(told));
    QVERIFY(quiet.mainWindow->files().changed());
    QCOMPARE(QDir(folder_.path()).entryList(QDir::Files), filesBefore);  // no half-written file left beside it
  }

  void fileChangedOnDiskIsAskedAbout_data() {
    QTest::addColumn<bool>("overwrite");
    QTest::newRow("取消 leaves the other program's file") << false;
    QTest::newRow("覆盖 saves") << true;
  }

  void fileChangedOnDiskIsAskedAbout() {
    QFETCH(bool, overwrite);
    const QString path = folder_.filePath("shared.csv");
    const std::string header = figures::csvHeader() + "\n";
    writeFile(path, header + "P7" + exactValues(',') + "\n");
    QuietMainWindow quiet;
    QVERIFY(quiet.mainWindow->files().openPath(path));
    renameInSheet(*quiet.mainWindow, QStringLiteral("P8"));
    const std::string changedElsewhere = header + "P7" + exactValues(',') + "\n" + "Q9" + exactValues(',') + "\n";
    writeFile(path, changedElsewhere);
    QString asked, byDefault;
    watchdog_.expectDialog(clickButton(overwrite ? QStringLiteral("覆盖") : QStringLiteral("取消"), asked, byDefault));
    press(*quiet.mainWindow, Qt::Key_S, Qt::ControlModifier);
    QVERIFY2(asked.contains(QStringLiteral("「shared.csv」")) && asked.contains(QStringLiteral("已被改动")),
             qPrintable(asked));
    QCOMPARE(byDefault, QStringLiteral("取消"));
    const std::string saved = overwrite ? header + "P8" + exactValues(',') + "\n" : changedElsewhere;
    QCOMPARE(bytesOf(path), QByteArray::fromStdString(saved));
    QCOMPARE(quiet.mainWindow->files().changed(), !overwrite);
  }

  /// 另存为 writes a new file as Excel's CSV UTF-8 does and leaves the old one;
  /// the next 保存 goes into the new file.
  void saveAsWritesANewUtf8File() {
    const QString opened = folder_.filePath("excel.csv");
    const std::string gbFile = figureHeaderLine(';') + "\r\n\xBC\xD7" + exactValues(';') + ";\r\n";
    writeFile(opened, gbFile);
    QuietMainWindow quiet;
    QVERIFY(quiet.mainWindow->files().openPath(opened));
    renameInSheet(*quiet.mainWindow, QStringLiteral("乙"));
    const QString copy = folder_.filePath("copy.csv");
    watchdog_.expectDialog(typePath(copy));
    press(*quiet.mainWindow, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    const std::string newHeader = "\xEF\xBB\xBF" + figureHeaderLine(',') + "\r\n";
    QCOMPARE(bytesOf(copy), QByteArray::fromStdString(newHeader + "乙" + exactValues(',') + "\r\n"));
    QCOMPARE(bytesOf(opened), QByteArray::fromStdString(gbFile));
    QCOMPARE(quiet.mainWindow->files().path(), copy);
    QCOMPARE(quiet.mainWindow->files().recordLine(), kFirstRecordLine);

    renameInSheet(*quiet.mainWindow, QStringLiteral("丙,丁"));
    press(*quiet.mainWindow, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(bytesOf(copy), QByteArray::fromStdString(newHeader + "\"丙,丁\"" + exactValues(',') + "\r\n"));
  }

  /// A recovery reopens the figure it was at by its record's line, without asking.
  void aRecordLinePicksItsFigure() {
    const QString path = folder_.filePath("two.csv");
    writeFile(path, twoFigureFile());
    QuietMainWindow quiet;
    QVERIFY(quiet.mainWindow->files().openPath(path, 3));
    QCOMPARE(quiet.mainWindow->form().figure()[kPointNameEntry], std::string("Q2"));
    QCOMPARE(quiet.mainWindow->files().recordLine(), std::size_t{3});

    QuietMainWindow other;
    QString told;
    watchdog_.expectDialog([&told](QWidget& box) {
      told = qobject_cast<QMessageBox*>(&box)->text();
      box.close();
    });
    QVERIFY(!other.mainWindow->files().openPath(path, 7));  // no record starts there: never another figure
    QVERIFY2(told.contains(QStringLiteral("第 7 行")), qPrintable(told));
    QCOMPARE(other.mainWindow->files().recordLine(), std::size_t{0});
  }

  void choosingNoFigureOpensNothing() {
    const QString path = folder_.filePath("two.csv");
    writeFile(path, twoFigureFile());
    QuietMainWindow quiet;
    watchdog_.expectDialog([](QWidget& dialog) { qobject_cast<QDialog*>(&dialog)->reject(); });
    QVERIFY(!quiet.mainWindow->files().openPath(path));
    QCOMPARE(quiet.mainWindow->form().figure(), SheetTexts{});
    QVERIFY(quiet.mainWindow->files().path().isEmpty());
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
    QuietMainWindow quiet;
    QString message;
    watchdog_.expectDialog([&message](QWidget& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) message = box->text();
      dialog.close();
    });
    QVERIFY(!quiet.mainWindow->files().openPath(path));
    QVERIFY2(message.contains(told), qPrintable(message));
    QVERIFY(quiet.mainWindow->files().path().isEmpty());
  }

  /// A file Excel saved on a Chinese Windows system: GB18030, semicolons, CRLF.
  void excelFileInGb18030Opens() {
    const QString path = folder_.filePath("excel.csv");
    const std::string name = "\xD6\xD0\xD0\xC4\xB5\xE3\xBC\xD7";  // 中心点甲
    SheetTexts expected = exactFigureTexts();
    std::string line = name;
    for (std::size_t entry = 1; entry < kSheetEntries; ++entry) line += ";" + expected[entry];
    writeFile(path, "name;xa;ya;xb;yb;xc;yc;a1;b1;c1;a2;b2;c2;a3;b3;c3\r\n" + line + "\r\n");
    QuietMainWindow quiet;
    QStringList notices;
    connect(&quiet.mainWindow->files(), &FigureFileCommands::noticed, this,
            [&notices](const QString& notice) { notices << notice; });
    QVERIFY(quiet.mainWindow->files().openPath(path));
    expected[kPointNameEntry] = "中心点甲";
    QCOMPARE(quiet.mainWindow->form().figure(), expected);
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
    QuietMainWindow quiet;
    quiet.mainWindow->form().setFigure(exactFigureTexts());
    QString asked;
    watchdog_.expectDialog(answerQuestion(static_cast<QMessageBox::StandardButton>(answer), &asked));
    quiet.mainWindow->files().newFigure();
    QVERIFY(asked.contains(QStringLiteral("保存")));
    QCOMPARE(quiet.mainWindow->form().figure() == SheetTexts{}, cleared);
  }

  /// 退出 asks about a changed figure; 取消 keeps the window open.
  void quitAsksAboutAChangedFigure() {
    QuietMainWindow quiet;
    quiet.mainWindow->show();
    quiet.mainWindow->form().setFigure(exactFigureTexts());
    watchdog_.expectDialog(answerQuestion(QMessageBox::Cancel));
    quiet.mainWindow->actions().quit->trigger();
    QVERIFY(quiet.mainWindow->isVisible());
    watchdog_.expectDialog(answerQuestion(QMessageBox::Discard));
    quiet.mainWindow->actions().quit->trigger();
    QVERIFY(!quiet.mainWindow->isVisible());
  }

  /// The sheet's accepted texts become the figure, which the next prompts offer.
  void acceptedSheetBecomesTheFigure() {
    QuietMainWindow quiet;
    watchdog_.expectDialog([](QWidget& dialog) {
      auto* sheet = qobject_cast<DataSheetDialog*>(&dialog);
      if (sheet == nullptr) {
        dialog.close();
        return;
      }
      sheet->table().item(static_cast<int>(kPointNameEntry), 0)->setText(QStringLiteral("P9"));
      sheet->accept();
    });
    QVERIFY(quiet.mainWindow->editDataSheet());
    QCOMPARE(quiet.mainWindow->form().figure()[kPointNameEntry], std::string("P9"));
    QCOMPARE(quiet.mainWindow->statusTexts().at(2), QStringLiteral("未保存的图形 *"));
  }

  void unchangedFigureIsNotAskedAbout() {
    QuietMainWindow quiet;
    quiet.mainWindow->files().newFigure();
    QCOMPARE(quiet.mainWindow->form().figure(), SheetTexts{});
  }

  void recentFilesFollowWhatWasOpened() {
    QuietMainWindow quiet;
    QStringList paths;
    for (int n = 1; n <= 6; ++n) {
      paths << folder_.filePath(QStringLiteral("r%1.csv").arg(n));
      quiet.mainWindow->form().setFigure(exactFigureTexts());
      QVERIFY(quiet.mainWindow->files().saveTo(paths.back()));
    }
    QVERIFY(quiet.mainWindow->files().openRecent(paths[1]));
    const QStringList recent = quiet.mainWindow->settings().recentFiles();
    QCOMPARE(recent, QStringList({paths[1], paths[5], paths[4], paths[3], paths[2]}));
    const QList<QAction*> shown = quiet.mainWindow->actions().recentFiles->actions();
    QCOMPARE(shown.size(), 5);
    QCOMPARE(shown.front()->text(), QStringLiteral("&1 r2.csv"));

    QFile::remove(paths[5]);
    watchdog_.expectDialog([](QWidget& dialog) { dialog.close(); });
    QVERIFY(!quiet.mainWindow->files().openRecent(paths[5]));
    QVERIFY(!quiet.mainWindow->settings().recentFiles().contains(paths[5]));
  }

 private:
  /// The key into the window's focus widget, the window shown and active so that its shortcuts take it.
  static void press(MainWindow& mainWindow, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    mainWindow.show();
    QVERIFY(activated(mainWindow));
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }

  /// 数据表… from the 编辑 menu, the point name typed over.
  void renameInSheet(MainWindow& mainWindow, const QString& name) {
    watchdog_.expectDialog(typeNameInSheet(name));
    QVERIFY(mainWindow.editDataSheet());
    QCOMPARE(QString::fromStdString(mainWindow.form().figure()[kPointNameEntry]), name);
  }

  QTemporaryDir folder_;
  ModalWatchdog watchdog_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::FigureFilesTest)
#include "figure_files_test.moc"
