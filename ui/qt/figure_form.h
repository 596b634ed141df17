// Form1, the form of the program's window: the fixed layout of labels, fields,
// lines and buttons, and the three window operations through which a Compute
// run shows its values. The form owns the adjustment state for its lifetime
// and computes nothing itself: 计算 runs the compute flow, 打 印 the report
// writer, 结束 and the close control end the program. It also keeps the
// figure being worked on (the sixteen typed entries), which pre-fills the
// prompts and is the entries of the data sheet's run. A run the operator
// cancels leaves the figure as it was; the fields a run that did not complete
// left untouched are shown muted, as results of an earlier run.
#pragma once

#include <QDateTime>
#include <QWidget>
#include <memory>
#include <set>

#include "engine/adjustment_state.h"
#include "report/report_writer.h"
#include "ui/qt/form_controls.h"
#include "ui/qt/operator_channel.h"
#include "ui/run_outcome.h"
#include "ui/sheet_entries.h"
#include "ui/window_operations.h"
#include "worksheet/stage_tables.h"

namespace velmora {

class FigureForm final : public QWidget, public WindowOperations {
  Q_OBJECT

 public:
  explicit FigureForm(std::unique_ptr<OperatorChannel> channel, QWidget* parent = nullptr);

  std::optional<std::string> askOperator(const std::string& prompt) override;
  /// A value prompt starts with the entry's current text and checks a
  /// coordinate or an angle as it is typed; the reply becomes the entry's text.
  std::optional<std::string> askOperatorAbout(const std::string& prompt, EntryPrompt about) override;
  /// `field` is Text1..Text26, `label` Label1..Label60; another name is a
  /// programming error and throws std::out_of_range.
  bool operatorCancelled() const override;
  void setFieldText(FieldId field, const std::string& text) override;
  void setLabelCaption(LabelId label, const std::string& text) override;

  /// 计算 (Command1): one Compute run; a run that stops is told to the operator.
  RunOutcome compute();
  /// The data sheet's run (F5): the figure's texts are the entries, each
  /// echoed into its field as a confirmed reply is; no prompt is shown.
  RunOutcome computeSheet();
  /// 打 印 (Command3): one report of the last run on the printer the operator
  /// chooses; a refusal or a failure is told to the operator. Not printed,
  /// with no message, when the operator chose no printer.
  PrintOutcome print();

  /// The whole layout with a margin on the right and at the bottom.
  QSize sizeHint() const override;

  const AdjustmentState& state() const { return state_; }
  /// The worksheet's tables of the last complete run, and when it completed.
  const StageTables& tables() const { return tables_; }
  const QDateTime& computedAt() const { return computedAt_; }
  OperatorChannel& channel() { return *channel_; }

  /// The figure being worked on: the last replies, the sheet's or a file's texts.
  const SheetTexts& figure() const { return figure_; }
  void setFigure(const SheetTexts& figure);
  /// Another figure (新建, 打开): its texts, every result field emptied and
  /// the results of earlier runs dropped, so that print and check are refused
  /// until it has been computed; its entries shown as the prompts echo them.
  void startFigure(const SheetTexts& figure);

 signals:
  /// After every Compute run, complete or not.
  void computeEnded(const velmora::RunOutcome& outcome);
  /// A text of the figure changed (a reply, the sheet, a file).
  void figureChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  /// Runs `run` on the state and this window, then marks, signals and tells its outcome.
  template <typename Run>
  RunOutcome runAndTell(Run run);
  /// After a run that did not complete: every field it did not write, and
  /// that still shows a text, is marked as an earlier run's result.
  void markFieldsNotWrittenAsStale();

  std::unique_ptr<OperatorChannel> channel_;
  FormControls controls_;
  AdjustmentState state_;
  StageTableRecorder recorder_;
  StageTables tables_;
  QDateTime computedAt_;
  SheetTexts figure_;
  std::set<const FormField*> writtenThisRun_;
};

}  // namespace velmora
