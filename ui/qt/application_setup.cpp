#include "ui/qt/application_setup.h"

#include <QApplication>
#include <QStyleFactory>

namespace velmora {

void setUpApplication() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setApplicationName(QStringLiteral("velmora"));
  QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));
  // The installed desktop entry's name, so that a desktop shows the window under its entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Velmora"));
}

}  // namespace velmora
