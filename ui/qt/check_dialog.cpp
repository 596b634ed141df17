#include "ui/qt/check_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "check/check_text.h"
#include "grade/grade_text.h"
#include "grade/survey_grades.h"
#include "review/run_review.h"
#include "ui/qt/font_faces.h"
#include "ui/qt/main_window_settings.h"
#include "ui/qt/picture_export.h"
#include "ui/qt/plot_painter.h"
#include "ui/qt/screen_fit.h"

namespace velmora {
namespace {

constexpr int kDocumentMarginPixels = 24;

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QFont documentFont() {
  QFont font;
  font.setFamilies(monoFaces());
  font.setPointSize(10);
  return font;
}

QColor verdictColour(Verdict verdict) {
  switch (verdict) {
    case Verdict::Pass: return {200, 240, 200};
    case Verdict::Exceeds: return {255, 190, 190};
    case Verdict::Note: return {255, 235, 180};
  }
  return Qt::white;
}

/// Draws a scene in a widget, scaled to fit.
class PlotPicture final : public QWidget {
 public:
  PlotPicture(const PlotScene& scene, QWidget* parent) : QWidget(parent), scene_(scene) {
    setMinimumSize(320, 320);
    setObjectName(QStringLiteral("plot"));
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintPlotScene(painter, scene_, QRectF(rect()));
  }

 private:
  const PlotScene& scene_;
};

}  // namespace

CheckReport makeCheckReport(const AdjustmentState& state) {
  RunReview review = reviewRun(state, {.rigorous = true});
  if (!review.check) return {std::nullopt, std::nullopt, std::move(review.refusal)};
  return {review.check, checkText(state, *review.check), ""};
}

QString gradeVerdictText(const GradeAssessment& assessment) {
  return fromView(assessment.grade->name) + QStringLiteral("：") +
         (assessment.passes ? QStringLiteral("合格") : QStringLiteral("超限"));
}

CheckDialog::CheckDialog(const AdjustmentState& state, const CheckReport& report, MainWindowSettings& settings,
                         QWidget* parent)
    : QDialog(parent),
      state_(state),
      settings_(settings),
      checkText_(QString::fromStdString(report.text.value())),
      scene_(buildPlotScene(state, report.check.value())),
      inputs_(gradeInputs(state)),
      grades_(new QComboBox(this)),
      table_(new QTableWidget(0, 5, this)),
      highest_(new QLabel(this)),
      verdict_(new QLabel(this)) {
  setWindowTitle(QStringLiteral("严密平差与限差检核"));
  for (const SurveyGrade& grade : kSurveyGrades) grades_->addItem(fromView(grade.name));
  table_->setHorizontalHeaderLabels({QStringLiteral("检核项"), QStringLiteral("数值"), QStringLiteral("限差"),
                                     QStringLiteral("结论"), QStringLiteral("说明")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  highest_->setObjectName(QStringLiteral("highestGrade"));

  auto* checkView = new QPlainTextEdit(this);
  checkView->setReadOnly(true);
  checkView->setFont(documentFont());
  checkView->setLineWrapMode(QPlainTextEdit::NoWrap);
  checkView->setPlainText(checkText_);

  auto* gradeRow = new QHBoxLayout;
  gradeRow->addWidget(new QLabel(QStringLiteral("等级："), this));
  gradeRow->addWidget(grades_);
  gradeRow->addWidget(verdict_);
  gradeRow->addStretch();
  gradeRow->addWidget(highest_);

  auto* tabs = new QTabWidget(this);
  tabs->addTab(table_, QStringLiteral("限差检核"));
  tabs->addTab(checkView, QStringLiteral("严密平差"));
  auto* splitter = new QSplitter(this);
  splitter->addWidget(tabs);
  splitter->addWidget(new PlotPicture(scene_, this));
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* print = buttons->addButton(QStringLiteral("打印…"), QDialogButtonBox::ActionRole);
  QPushButton* exportButton = buttons->addButton(QStringLiteral("导出…"), QDialogButtonBox::ActionRole);
  connect(print, &QPushButton::clicked, this, &CheckDialog::printDocument);
  connect(exportButton, &QPushButton::clicked, this, &CheckDialog::exportDocument);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(gradeRow);
  layout->addWidget(splitter, 1);
  layout->addWidget(buttons);
  resize(1100, 620);
  boundToScreen(*this, parent);

  const SurveyGrade* highest = highestGradeMet(inputs_);
  highest_->setText(QString::fromStdString(highestGradeLine(highest)).trimmed());
  grades_->setCurrentText(fromView(settings_.surveyGrade().name));
  chooseGrade(grades_->currentText());
  connect(grades_, &QComboBox::currentTextChanged, this, &CheckDialog::chooseGrade);
}

void CheckDialog::chooseGrade(const QString& name) {
  const SurveyGrade* grade = findSurveyGrade(name.toStdString());
  if (grade == nullptr) return;
  if (grades_->currentText() != name) grades_->setCurrentText(name);
  assessment_ = assessGrade(inputs_, *grade);
  settings_.setGrade(name);
  fillTable();
  const QString verdict = gradeVerdictText(assessment_);
  verdict_->setText(QStringLiteral("结论：") + verdict);
  emit verdictChanged(verdict);
}

QString CheckDialog::highestGradeText() const { return highest_->text(); }

void CheckDialog::fillTable() {
  table_->setRowCount(static_cast<int>(assessment_.checks.size()));
  int row = 0;
  for (const GradeCheck& check : assessment_.checks) {
    const QString unit = QStringLiteral(" ") + fromView(check.unit);
    const QString limit = (check.lowerLimit ? QStringLiteral("≥ ") : QStringLiteral("≤ ")) +
                          QString::fromStdString(checkLimitText(check));
    const QStringList cells{QString::fromUtf8(check.name.data(), static_cast<qsizetype>(check.name.size())),
                            QString::fromStdString(checkValueText(check)) + unit, limit + unit,
                            fromView(verdictText(check.verdict)), fromView(check.remark)};
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column == 3) item->setBackground(verdictColour(check.verdict));
      table_->setItem(row, column, item);
    }
    ++row;
  }
  table_->resizeColumnsToContents();
}

QString CheckDialog::documentText() const {
  const SurveyGrade* highest = highestGradeMet(inputs_);
  return QString::fromStdString(gradeText(assessment_, highest)) + QStringLiteral("\n") + checkText_;
}

QString CheckDialog::exportTo(const QString& path) const {
  return exportPicture(path, documentSize(), [this](QPainter& painter) { paintDocument(painter); });
}

void CheckDialog::printDocument() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter;
  if (!painter.begin(&printer)) {
    QMessageBox::warning(this, windowTitle(), QStringLiteral("无法打开打印机「%1」").arg(printer.printerName()));
    return;
  }
  const QSize size = documentSize();
  const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
  const double scale =
      std::min(page.width() / static_cast<double>(size.width()), page.height() / static_cast<double>(size.height()));
  painter.scale(scale, scale);
  paintDocument(painter);
}

void CheckDialog::exportDocument() {
  QString chosen;
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出检核"), settings_.lastFolder(),
                                              pictureFileFilter(), &chosen);
  if (path.isEmpty()) return;
  path = withChosenSuffix(path, chosen);
  if (const QString failure = exportTo(path); !failure.isEmpty()) QMessageBox::warning(this, windowTitle(), failure);
}

QSize CheckDialog::documentSize() const {
  const QFontMetrics metrics(documentFont());
  int width = static_cast<int>(scene_.width);
  const QStringList lines = documentText().split('\n');
  for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
  const int textHeight = static_cast<int>(lines.size()) * metrics.lineSpacing();
  return {width + 2 * kDocumentMarginPixels, textHeight + static_cast<int>(scene_.height) + 3 * kDocumentMarginPixels};
}

void CheckDialog::paintDocument(QPainter& painter) const {
  const QSize size = documentSize();
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  painter.setFont(documentFont());
  painter.setPen(Qt::black);
  const QFontMetrics metrics(documentFont());
  int baseline = kDocumentMarginPixels + metrics.ascent();
  for (const QString& line : documentText().split('\n')) {
    painter.drawText(kDocumentMarginPixels, baseline, line);
    baseline += metrics.lineSpacing();
  }
  const QRectF picture(kDocumentMarginPixels, baseline + kDocumentMarginPixels, scene_.width, scene_.height);
  paintPlotScene(painter, scene_, picture);
}

}  // namespace velmora
