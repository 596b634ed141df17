// The check dialog (检核): the rigorous least-squares check of the last
// complete run, the checks against the survey grade the operator chooses
// (remembered), the highest grade the run meets, and the picture of the
// adjusted figure; the whole can be printed and exported (PDF, SVG, PNG).
#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <string>

#include "check/rigorous_adjustment.h"
#include "engine/adjustment_state.h"
#include "grade/grade_checks.h"
#include "plot/plot_scene.h"

class QComboBox;
class QLabel;
class QPainter;
class QTableWidget;

namespace velmora {

class MainWindowSettings;

/// The check of a complete run, or why there is none (no complete run, or
/// the check cannot be computed), in Chinese.
struct CheckReport {
  std::optional<RigorousCheck> check;
  std::optional<std::string> text;  ///< the check as the console shows it
  std::string refusal;
};
CheckReport makeCheckReport(const AdjustmentState& state);

/// "四等：合格" or "四等：超限": the verdict of `assessment` for the status bar.
QString gradeVerdictText(const GradeAssessment& assessment);

class CheckDialog final : public QDialog {
  Q_OBJECT

 public:
  /// `report` must hold a check of `state`, which outlives the dialog.
  CheckDialog(const AdjustmentState& state, const CheckReport& report, MainWindowSettings& settings, QWidget* parent);

  /// Judges the run against the grade of that name (one of the survey grades).
  void chooseGrade(const QString& name);
  const GradeAssessment& assessment() const { return assessment_; }
  /// The table of checks, one row per check: name, value, limit, verdict, remark.
  QTableWidget& checksTable() const { return *table_; }
  /// "满足的最高等级：…"
  QString highestGradeText() const;

  /// The document printed and exported: the grade table, the check, the picture.
  QString documentText() const;
  /// Writes the document to `path` (.pdf, .svg or .png); the reason when it could not.
  QString exportTo(const QString& path) const;

 signals:
  /// The verdict against the chosen grade, whenever the grade changes.
  void verdictChanged(const QString& verdict);

 private:
  void fillTable();
  void printDocument();
  void exportDocument();
  QSize documentSize() const;
  void paintDocument(QPainter& painter) const;

  const AdjustmentState& state_;
  MainWindowSettings& settings_;
  QString checkText_;
  PlotScene scene_;
  GradeInputs inputs_;
  GradeAssessment assessment_;
  QComboBox* grades_;
  QTableWidget* table_;
  QLabel* highest_;
  QLabel* verdict_;
};

}  // namespace velmora
