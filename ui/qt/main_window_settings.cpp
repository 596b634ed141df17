#include "ui/qt/main_window_settings.h"

#include <QDir>

namespace velmora {
namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kRecentFilesKey = QStringLiteral("files/recent");
const QString kLastFolderKey = QStringLiteral("files/lastFolder");
const QString kGradeKey = QStringLiteral("check/grade");
constexpr std::string_view kDefaultGrade = "四等";

}  // namespace

QByteArray MainWindowSettings::geometry() const { return settings_.value(kGeometryKey).toByteArray(); }

void MainWindowSettings::setGeometry(const QByteArray& geometry) { settings_.setValue(kGeometryKey, geometry); }

QStringList MainWindowSettings::recentFiles() const {
  QStringList files = settings_.value(kRecentFilesKey).toStringList();
  files.removeAll(QString());
  return files.mid(0, kRecentFiles);
}

void MainWindowSettings::addRecentFile(const QString& path) {
  QStringList files = recentFiles();
  files.removeAll(path);
  files.prepend(path);
  settings_.setValue(kRecentFilesKey, files.mid(0, kRecentFiles));
}

void MainWindowSettings::removeRecentFile(const QString& path) {
  QStringList files = recentFiles();
  files.removeAll(path);
  settings_.setValue(kRecentFilesKey, files);
}

QString MainWindowSettings::lastFolder() const { return settings_.value(kLastFolderKey, QDir::homePath()).toString(); }

void MainWindowSettings::setLastFolder(const QString& folder) { settings_.setValue(kLastFolderKey, folder); }

QString MainWindowSettings::grade() const { return settings_.value(kGradeKey).toString(); }

void MainWindowSettings::setGrade(const QString& grade) { settings_.setValue(kGradeKey, grade); }

const SurveyGrade& MainWindowSettings::surveyGrade() const {
  if (const SurveyGrade* remembered = findSurveyGrade(grade().toStdString())) return *remembered;
  return *findSurveyGrade(kDefaultGrade);
}

}  // namespace velmora
