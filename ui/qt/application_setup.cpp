#include "ui/qt/application_setup.h"

#include <QApplication>
#include <QStyleFactory>

namespace velmora {

void setUpApplication() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setApplicationName(QStringLiteral("velmora"));
  QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));
}

}  // namespace velmora
