#include "ui/qt/figure_form.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <utility>

#include "ui/compute_run.h"
#include "ui/entry_problem.h"
#include "ui/entry_sources.h"
#include "ui/qt/form_field.h"
#include "ui/qt/form_layout.h"
#include "ui/qt/form_lines.h"
#include "ui/qt/report_printing.h"
#include "ui/window_typing.h"

namespace velmora {
namespace {

/// The client area shows the whole layout with a margin on the right and at the bottom.
constexpr int kMarginTwips = 600;

PromptOffer offerFor(const SheetTexts& figure, std::size_t entry) {
  const DisplayKind kind = sheetEntries()[entry].kind;
  return PromptOffer{figure[entry], [kind](std::string_view typed) { return entryProblem(kind, typed); }};
}

}  // namespace

FigureForm::FigureForm(std::unique_ptr<OperatorChannel> channel, QWidget* parent)
    : QWidget(parent), channel_(std::move(channel)), controls_(*this) {
  setWindowTitle(QString::fromUtf8(kFormCaption.data(), static_cast<qsizetype>(kFormCaption.size())));
  QPalette background = palette();
  background.setColor(QPalette::Window, QColor(kFormBackground.red, kFormBackground.green, kFormBackground.blue));
  setPalette(background);
  setAutoFillBackground(true);

  // The 3-pixel frame lines are centred on the layout's last row and column.
  setMinimumSize(twipsToPixels(kLayoutWidthTwips) + 2, twipsToPixels(kLayoutHeightTwips) + 2);
  resize(sizeHint());

  connect(&controls_.button("Command1"), &QPushButton::clicked, this, [this] { compute(); });
  connect(&controls_.button("Command2"), &QPushButton::clicked, this, [this] { window()->close(); });
  connect(&controls_.button("Command3"), &QPushButton::clicked, this, [this] { print(); });
  controls_.firstField().setFocus();
}

QSize FigureForm::sizeHint() const {
  return {twipsToPixels(kLayoutWidthTwips + kMarginTwips), twipsToPixels(kLayoutHeightTwips + kMarginTwips)};
}

std::optional<std::string> FigureForm::askOperator(const std::string& prompt) {
  return channel_->ask(*this, prompt, PromptOffer{});
}

std::optional<std::string> FigureForm::askOperatorAbout(const std::string& prompt, EntryPrompt about) {
  if (about.confirmation) return askOperator(prompt);
  std::optional<std::string> reply = channel_->ask(*this, prompt, offerFor(figure_, about.entry));
  if (reply) *reply = windowEntryText(sheetEntries()[about.entry].kind, *reply);
  if (reply && *reply != figure_.at(about.entry)) {
    figure_.at(about.entry) = *reply;
    emit figureChanged();
  }
  return reply;
}

bool FigureForm::operatorCancelled() const { return channel_->lastPromptCancelled(); }

void FigureForm::setFieldText(FieldId field, const std::string& text) {
  FormField& shown = controls_.field(controlName(field));
  shown.showWholeText(QString::fromStdString(text));
  shown.setStale(false);
  writtenThisRun_.insert(&shown);
}

void FigureForm::setLabelCaption(LabelId label, const std::string& text) {
  FormControls::showCaption(controls_.label(controlName(label)), QString::fromStdString(text));
}

RunOutcome FigureForm::compute() {
  return runAndTell([this] { return computeRun(state_, *this, &recorder_); });
}

RunOutcome FigureForm::computeSheet() {
  return runAndTell([this] { return computeSheetRun(state_, *this, figure_, &recorder_); });
}

void FigureForm::setFigure(const SheetTexts& figure) {
  if (figure == figure_) return;
  figure_ = figure;
  emit figureChanged();
}

void FigureForm::startFigure(const SheetTexts& figure) {
  state_ = AdjustmentState{};
  for (FormField* field : controls_.fields()) {
    field->showWholeText(QString());
    field->setStale(false);
  }
  if (figure != SheetTexts{}) showFigureEntries(*this, figure);
  setFigure(figure);
}

template <typename Run>
RunOutcome FigureForm::runAndTell(Run run) {
  const SheetTexts figureBefore = figure_;
  writtenThisRun_.clear();
  RunOutcome outcome = run();
  if (outcome.end == RunEnd::Cancelled) setFigure(figureBefore);
  if (outcome.end != RunEnd::Complete) markFieldsNotWrittenAsStale();
  if (outcome.end == RunEnd::Complete) {
    tables_ = recorder_.tables();
    computedAt_ = QDateTime::currentDateTime();
  }
  emit computeEnded(outcome);
  if (outcome.end == RunEnd::CannotCompute || outcome.end == RunEnd::RepliesRanOut) {
    channel_->tell(*this, outcome.message);
  }
  return outcome;
}

void FigureForm::markFieldsNotWrittenAsStale() {
  for (FormField* field : controls_.fields()) {
    if (!writtenThisRun_.contains(field) && !field->wholeText().trimmed().isEmpty()) field->setStale(true);
  }
}

PrintOutcome FigureForm::print() {
  if (const auto refusal = reportRefusal(state_)) {
    channel_->tell(*this, *refusal);
    return PrintOutcome{false, *refusal};
  }
  PrintOutcome outcome{false, ""};
  const bool chosen =
      channel_->print(*this, [this, &outcome](QPrinter& printer) { outcome = printReportOn(printer, state_); });
  if (!chosen) return PrintOutcome{false, ""};
  if (!outcome.printed && !outcome.message.empty()) channel_->tell(*this, outcome.message);
  return outcome;
}

void FigureForm::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  paintFormLines(painter);
}

}  // namespace velmora
