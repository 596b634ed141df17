#include "ui/qt/workbench_settings.h"

#include <QDir>

namespace velmora {
namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kRecentFilesKey = QStringLiteral("files/recent");
const QString kLastFolderKey = QStringLiteral("files/lastFolder");
const QString kGradeKey = QStringLiteral("check/grade");

}  // namespace

QByteArray WorkbenchSettings::geometry() const { return settings_.value(kGeometryKey).toByteArray(); }

void WorkbenchSettings::setGeometry(const QByteArray& geometry) { settings_.setValue(kGeometryKey, geometry); }

QStringList WorkbenchSettings::recentFiles() const {
  QStringList files = settings_.value(kRecentFilesKey).toStringList();
  files.removeAll(QString());
  return files.mid(0, kRecentFiles);
}

void WorkbenchSettings::addRecentFile(const QString& path) {
  QStringList files = recentFiles();
  files.removeAll(path);
  files.prepend(path);
  settings_.setValue(kRecentFilesKey, files.mid(0, kRecentFiles));
}

void WorkbenchSettings::removeRecentFile(const QString& path) {
  QStringList files = recentFiles();
  files.removeAll(path);
  settings_.setValue(kRecentFilesKey, files);
}

QString WorkbenchSettings::lastFolder() const { return settings_.value(kLastFolderKey, QDir::homePath()).toString(); }

void WorkbenchSettings::setLastFolder(const QString& folder) { settings_.setValue(kLastFolderKey, folder); }

QString WorkbenchSettings::grade() const { return settings_.value(kGradeKey).toString(); }

void WorkbenchSettings::setGrade(const QString& grade) { settings_.setValue(kGradeKey, grade); }

}  // namespace velmora
