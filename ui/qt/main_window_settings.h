// What the window remembers between sessions, in the user's settings under
// the organisation and application names: the window's geometry, the five
// most recent figure files (newest first), the last folder a file was opened
// from or saved to, and the survey grade chosen for the check.
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

#include "grade/survey_grades.h"

namespace velmora {

class MainWindowSettings {
 public:
  static constexpr int kRecentFiles = 5;

  QByteArray geometry() const;
  void setGeometry(const QByteArray& geometry);

  QStringList recentFiles() const;
  /// Puts `path` first, removes an older mention of it, keeps five.
  void addRecentFile(const QString& path);
  void removeRecentFile(const QString& path);

  /// The folder of the last file opened or saved; the home folder at first.
  QString lastFolder() const;
  void setLastFolder(const QString& folder);

  QString grade() const;  ///< empty when none was ever chosen
  void setGrade(const QString& grade);
  /// The grade chosen for the check and the exports: the remembered one while
  /// it names a survey grade, else 四等.
  const SurveyGrade& surveyGrade() const;

 private:
  QSettings settings_;
};

}  // namespace velmora
