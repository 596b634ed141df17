// Form1, the program's only window: the fixed layout of labels, fields, lines
// and buttons, and the three window operations through which a Compute run
// shows its values. The window owns the adjustment state for its lifetime and
// computes nothing itself: 计算 runs the compute flow, 打 印 the report writer,
// 结束 and the close control end the program.
#pragma once

#include <QWidget>
#include <memory>

#include "engine/adjustment_state.h"
#include "report/report_writer.h"
#include "ui/qt/form_controls.h"
#include "ui/qt/operator_channel.h"
#include "ui/run_outcome.h"
#include "ui/window_operations.h"

namespace velmora {

class MainWindow final : public QWidget, public WindowOperations {
  Q_OBJECT

 public:
  explicit MainWindow(std::unique_ptr<OperatorChannel> channel, QWidget* parent = nullptr);

  std::optional<std::string> askOperator(const std::string& prompt) override;
  /// `field` is Text1..Text26, `label` Label1..Label60; another name is a
  /// programming error and throws std::out_of_range.
  void setFieldText(std::string_view field, const std::string& text) override;
  void setLabelCaption(std::string_view label, const std::string& text) override;

  /// 计算 (Command1): one Compute run; a run that stops is told to the operator.
  RunOutcome compute();
  /// 打 印 (Command3): one report of the last run on the printer the operator
  /// chooses; a refusal or a failure is told to the operator. Not printed,
  /// with no message, when the operator chose no printer.
  PrintOutcome print();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::unique_ptr<OperatorChannel> channel_;
  FormControls controls_;
  AdjustmentState state_;
};

}  // namespace velmora
