#include "ui/qt/result_export.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <array>

#include "check/check_observations.h"
#include "export/figure_export.h"
#include "report/report_writer.h"
#include "review/run_review.h"
#include "ui/qt/figure_form.h"
#include "ui/qt/main_window_menus.h"
#include "ui/qt/main_window_settings.h"

namespace velmora {
namespace {

/// How each format is offered: the dialog's title, its filter, its extension.
struct ExportChoice {
  ExportFormat format;
  const char* title;
  const char* filter;
  const char* extension;
};

constexpr std::array<ExportChoice, 4> kExportChoices{{
    {ExportFormat::Workbook, "导出成果表 (Excel)", "Excel 工作簿 (*.xlsx)", ".xlsx"},
    {ExportFormat::GamaLocal, "导出 GNU Gama 局部网", "GNU Gama 局部网 (*.xml)", ".xml"},
    {ExportFormat::Drawing, "导出 DXF 图形", "DXF 图形 (*.dxf)", ".dxf"},
    {ExportFormat::CassCoordinates, "导出 CASS 坐标文件", "CASS 坐标文件 (*.dat)", ".dat"},
}};

const ExportChoice& choiceOf(ExportFormat format) {
  for (const ExportChoice& choice : kExportChoices) {
    if (choice.format == format) return choice;
  }
  return kExportChoices.front();
}

}  // namespace

QString withExportExtension(const QString& path, ExportFormat format) {
  const QString extension = QString::fromUtf8(choiceOf(format).extension);
  const QString name = QFileInfo(path).fileName();
  if (name.size() > extension.size() && name.endsWith(extension, Qt::CaseInsensitive)) return path;
  return path + extension;
}

ResultExportCommands::ResultExportCommands(FigureForm& form, MainWindowSettings& settings, QMainWindow& window)
    : QObject(&window), form_(form), settings_(settings), window_(window) {}

void ResultExportCommands::connectTo(const MainWindowActions& actions) {
  const std::array<std::pair<QAction*, ExportFormat>, 4> items{{
      {actions.exportXlsx, ExportFormat::Workbook},
      {actions.exportGama, ExportFormat::GamaLocal},
      {actions.exportDxf, ExportFormat::Drawing},
      {actions.exportCass, ExportFormat::CassCoordinates},
  }};
  for (const auto& [action, format] : items) {
    connect(action, &QAction::triggered, this, [this, format = format] { exportAs(format); });
  }
}

void ResultExportCommands::exportAs(ExportFormat format) {
  if (const std::optional<std::string> refusal = reportRefusal(form_.state())) return tell(*refusal);
  const ExportChoice& choice = choiceOf(format);
  const QString path = QFileDialog::getSaveFileName(&window_, QString::fromUtf8(choice.title), settings_.lastFolder(),
                                                    QString::fromUtf8(choice.filter));
  if (!path.isEmpty()) exportTo(path, format);
}

bool ResultExportCommands::exportTo(const QString& path, ExportFormat format) {
  const AdjustmentState& state = form_.state();
  if (const std::optional<std::string> refusal = reportRefusal(state)) {
    tell(*refusal);
    return false;
  }
  const CheckObservations observations = checkObservations(state);
  // The run's one review: the rigorous adjustment runs once per export.
  const SurveyGrade& grade = settings_.surveyGrade();
  const RunReview review =
      reviewRun(state, {.rigorous = true, .highestGrade = true, .gradeChecks = true, .grade = &grade});
  const QString target = withExportExtension(path, format);
  const std::string problem = writeFigureExport(QFile::encodeName(target).toStdString(),
                                                {state, observations, review, &grade}, TextEncoding::Gb18030);
  const QString fileName = QFileInfo(target).fileName();
  if (!problem.empty()) {
    tell(QStringLiteral("无法导出文件「%1」：%2").arg(fileName, QString::fromStdString(problem)).toStdString());
    return false;
  }
  settings_.setLastFolder(QFileInfo(target).absolutePath());
  emit exported(QStringLiteral("已导出「%1」").arg(fileName));
  return true;
}

void ResultExportCommands::tell(const std::string& message) { form_.channel().tell(form_, message); }

}  // namespace velmora
