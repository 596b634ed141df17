#include "ui/qt/worksheet_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QTextDocument>

#include "ui/qt/figure_file_commands.h"
#include "ui/qt/figure_form.h"
#include "ui/qt/main_window_settings.h"
#include "ui/qt/picture_export.h"
#include "ui/qt/program_texts.h"
#include "ui/qt/worksheet_pages.h"
#include "ui/qt/worksheet_window.h"
#include "worksheet/worksheet.h"

namespace velmora {
namespace {

const QString kPdfFilter = QStringLiteral("PDF 文件 (*.pdf)");
const QString kHtmlFilter = QStringLiteral("HTML 文件 (*.html *.htm)");

}  // namespace

WorksheetCommands::WorksheetCommands(FigureForm& form, FigureFileCommands& files, MainWindowSettings& settings,
                                     QWidget& dialogParent)
    : QObject(&dialogParent), form_(form), files_(files), settings_(settings), dialogParent_(dialogParent) {}

std::optional<WorksheetPage> WorksheetCommands::page(QString& refusal) const {
  const AdjustmentState& state = form_.state();
  if (const std::optional<std::string> refused = worksheetRefusal(state, form_.tables())) {
    refusal = QString::fromStdString(*refused);
    return std::nullopt;
  }
  const RunReview review = worksheetReview(state, findSurveyGrade(settings_.grade().toStdString()));
  const bool fromFile = !files_.path().isEmpty() && files_.recordLine() > 0;
  const WorksheetContext context{fromFile ? files_.path().toStdString() : "", fromFile ? files_.recordLine() : 0,
                                 form_.computedAt().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString(),
                                 programVersion().toStdString()};
  WorksheetPage page{buildWorksheet({state, form_.tables(), review, context}), std::nullopt};
  if (review.check) page.plot = buildPlotScene(state, *review.check);
  return page;
}

std::optional<WorksheetPage> WorksheetCommands::pageOrTell() {
  QString refusal;
  std::optional<WorksheetPage> made = page(refusal);
  if (!made) form_.channel().tell(dialogParent_, refusal.toStdString());
  return made;
}

void WorksheetCommands::exportWorksheet() {
  if (!pageOrTell()) return;
  QString chosen;
  QString path = QFileDialog::getSaveFileName(&dialogParent_, QStringLiteral("导出计算表"), settings_.lastFolder(),
                                              kPdfFilter + QStringLiteral(";;") + kHtmlFilter, &chosen);
  if (path.isEmpty()) return;
  path = withChosenSuffix(path, chosen);
  if (const QString failure = exportWorksheetTo(path); !failure.isEmpty()) {
    form_.channel().tell(dialogParent_, failure.toStdString());
  }
}

QString WorksheetCommands::exportWorksheetTo(const QString& path) {
  QString refusal;
  const std::optional<WorksheetPage> made = page(refusal);
  if (!made) return refusal;
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != QStringLiteral("pdf") && suffix != QStringLiteral("html") && suffix != QStringLiteral("htm")) {
    return QStringLiteral("计算表只能导出为 PDF（.pdf）或 HTML（.html、.htm）文件：%1").arg(path);
  }
  const QString failure = writeWorksheetFile(path, made->document, made->plot ? &*made->plot : nullptr);
  return failure.isEmpty() ? QString() : QStringLiteral("计算表不能写到 %1：%2").arg(path, failure);
}

WorksheetWindow* WorksheetCommands::showWorksheet() {
  const std::optional<WorksheetPage> made = pageOrTell();
  if (!made) return nullptr;
  auto* window = new WorksheetWindow(worksheetTextDocument(made->document, made->plot ? &*made->plot : nullptr),
                                     QStringLiteral("计算表 — %1").arg(QString::fromStdString(form_.state().pointName)),
                                     &dialogParent_);
  window->show();
  return window;
}

}  // namespace velmora
