// The manual behind F1: it opens from the main window, once, with its
// contents list; its links are followed from the keyboard and back again; and
// every page is well formed, with every link, anchor, style sheet and picture
// found in the program's resources.
#include "ui/qt/manual_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QXmlStreamReader>

#include "modal_watchdog.h"
#include "ui/qt/application_setup.h"
#include "window_test_support.h"

namespace velmora::qt_tests {
namespace {

const QString kManualFolder = QStringLiteral(":/velmora/manual");

QStringList manualPages() { return QDir(kManualFolder).entryList({QStringLiteral("*.html")}, QDir::Files); }

QUrl pageUrl(const QString& page) { return QUrl(QStringLiteral("qrc:/velmora/manual/") + page); }

/// What a page refers to, as written: links (to pages and to its style sheet) and pictures.
struct PageReferences {
  QStringList links;
  QStringList pictures;
  QString parseError;
};

PageReferences readReferences(const QString& page) {
  QFile file(kManualFolder + QLatin1Char('/') + page);
  if (!file.open(QIODevice::ReadOnly)) return {{}, {}, QStringLiteral("cannot be read")};
  PageReferences found;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes attributes = xml.attributes();
    if (xml.name() == QLatin1String("img")) {
      found.pictures << attributes.value(QLatin1String("src")).toString();
    } else if (attributes.hasAttribute(QLatin1String("href"))) {
      found.links << attributes.value(QLatin1String("href")).toString();
    }
  }
  if (xml.hasError()) found.parseError = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
  return found;
}

/// The character format of every fragment of the page the browser shows.
QList<QTextCharFormat> fragmentFormats(const QTextBrowser& browser) {
  QList<QTextCharFormat> formats;
  for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) formats << fragment.fragment().charFormat();
  }
  return formats;
}

/// The anchor names the browser found in a page: what a link's #fragment can reach.
QStringList anchorNames(const QUrl& page) {
  QTextBrowser browser;
  browser.setSource(page);
  QStringList names;
  for (const QTextCharFormat& format : fragmentFormats(browser)) names << format.anchorNames();
  return names;
}

/// The link targets in the page the browser shows, in their order.
QStringList shownLinks(const QTextBrowser& browser) {
  QStringList links;
  for (const QTextCharFormat& format : fragmentFormats(browser)) {
    if (!format.anchorHref().isEmpty()) links << format.anchorHref();
  }
  return links;
}

QString resourcePath(const QUrl& url) { return QLatin1Char(':') + url.path(); }

void pressShortcut(const QKeySequence& keys) {
  QTest::keyClick(QApplication::focusWidget(), keys[0].key(), keys[0].keyboardModifiers());
}

}  // namespace

class ManualWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    isolateSettings();
    setUpApplication();
    QVERIFY(manualPages().contains(QStringLiteral("index.html")));
  }
  void cleanup() {
    QVERIFY2(watchdog_.unexpectedDialogs().isEmpty(), qPrintable(watchdog_.unexpectedDialogs().join('\n')));
    watchdog_.reset();
  }

  /// F1 on the main window opens one manual window at its contents, which link to every page;
  /// pressed again it brings back that window, not a second one.
  void f1OpensTheManualAtItsContents() {
    QuietMainWindow quiet;
    MainWindow& mainWindow = *quiet.mainWindow;
    QVERIFY(mainWindow.findChild<ManualWindow*>() == nullptr);  // start-up does not make it
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowActive(&mainWindow));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    auto* manual = mainWindow.findChild<ManualWindow*>();
    QVERIFY(manual != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(manual));
    QCOMPARE(manual->browser().source(), ManualWindow::contentsPage());
    QVERIFY(manual->browser().toPlainText().contains(QStringLiteral("目录")));
    const QStringList links = shownLinks(manual->browser());
    for (const QString& page : manualPages()) {
      if (page != QStringLiteral("index.html")) QVERIFY2(links.contains(page), qPrintable(page));
    }

    mainWindow.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&mainWindow));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QVERIFY(QTest::qWaitForWindowActive(manual));
    QCOMPARE(mainWindow.findChildren<ManualWindow*>().size(), 1);
  }

  /// Tab selects the first link, Enter follows it, Back returns and Forward goes again.
  void keyboardFollowsALinkAndComesBack() {
    ManualWindow manual;
    manual.show();
    QVERIFY(QTest::qWaitForWindowActive(&manual));
    QCOMPARE(QApplication::focusWidget(), &manual.browser());
    const QUrl firstLink = pageUrl(shownLinks(manual.browser()).value(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    const QUrl followed = manual.browser().source();
    QCOMPARE(followed, firstLink);
    QVERIFY(manual.windowTitle().endsWith(manual.browser().documentTitle()));
    pressShortcut(QKeySequence(QKeySequence::Back));
    QCOMPARE(manual.browser().source(), ManualWindow::contentsPage());
    pressShortcut(QKeySequence(QKeySequence::Forward));
    QCOMPARE(manual.browser().source(), followed);
  }

  void everyPageIsWellFormed_data() {
    QTest::addColumn<QString>("page");
    for (const QString& page : manualPages()) QTest::newRow(qPrintable(page)) << page;
  }

  void everyPageIsWellFormed() {
    QFETCH(QString, page);
    const PageReferences references = readReferences(page);
    QVERIFY2(references.parseError.isEmpty(), qPrintable(references.parseError));
    QTextBrowser browser;
    browser.setSource(pageUrl(page));
    QVERIFY2(!browser.documentTitle().isEmpty(), "no title");
  }

  void everyReferenceResolves_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<bool>("picture");
    for (const QString& page : manualPages()) {
      const PageReferences references = readReferences(page);
      for (const QString& link : references.links)
        QTest::addRow("%s → %s", qPrintable(page), qPrintable(link)) << page << link << false;
      for (const QString& picture : references.pictures)
        QTest::addRow("%s → %s", qPrintable(page), qPrintable(picture)) << page << picture << true;
    }
  }

  /// A link reaches a resource (a page, the style sheet) and, with a #fragment, an anchor the
  /// browser knows in that page; a picture loads. Nothing points outside the resources.
  void everyReferenceResolves() {
    QFETCH(QString, page);
    QFETCH(QString, reference);
    QFETCH(bool, picture);
    QVERIFY2(QUrl(reference).isRelative(), "points outside the program's resources");
    const QUrl target = pageUrl(page).resolved(QUrl(reference));
    QVERIFY2(QFile::exists(resourcePath(target)), qPrintable(resourcePath(target) + " is no resource"));
    if (picture) QVERIFY2(!QImage(resourcePath(target)).isNull(), "does not load as a picture");
    if (target.hasFragment()) {
      QUrl targetPage = target;
      targetPage.setFragment(QString());
      QVERIFY2(anchorNames(targetPage).contains(target.fragment()), qPrintable("no anchor " + target.fragment()));
    }
  }

 private:
  ModalWatchdog watchdog_;
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::ManualWindowTest)
#include "manual_window_test.moc"
