#include "ui/qt/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include "ui/qt/font_faces.h"

namespace velmora {
namespace {

/// Qt's own Simplified Chinese texts; the program still runs, in English
/// buttons, where the translations are not installed.
void installQtChinese() {
  auto* translator = new QTranslator(qApp);
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (translator->load(QStringLiteral("qtbase_zh_CN"), folder)) {
    QApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace

void setUpApplication() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setOrganizationName(QStringLiteral("Velmora"));
  QApplication::setOrganizationDomain(QStringLiteral("velmora.example"));
  QApplication::setApplicationName(QStringLiteral("velmora"));
  QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));
  // The installed desktop entry's name, so that a desktop shows the window under its entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Velmora"));
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  installQtChinese();
  // The menus, the status bar and the dialogs speak Chinese: a face that has
  // the characters spares a search for a fallback face at start-up.
  QFont font = QApplication::font();
  font.setFamilies(sansFaces());
  QApplication::setFont(font);
}

void setProgramIcon() { QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmora/velmora.png"))); }

}  // namespace velmora
