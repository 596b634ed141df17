// Window operations that answer a Compute run's prompts from one figure record:
// each value as typed, then the empty reply that confirms it, in the run's fixed
// order (xa, ya, xb, yb, xc, yc, name, then a, b, c of triangles 1..3). Field
// texts and captions are not kept: the results are read from the state.
#pragma once

#include <cstddef>

#include "batch/figure_record.h"
#include "ui/window_operations.h"

namespace velmora {

class RecordReplies : public WindowOperations {
 public:
  /// Entry and confirmation of every value, when each is confirmed at once.
  static constexpr std::size_t kReplies = 2 * kFigureColumns;

  explicit RecordReplies(const FigureRecord& record) : record_(record) {}

  /// The next reply; none after all kReplies have been given.
  std::optional<std::string> askOperator(const std::string& prompt) override;
  void setFieldText(std::string_view field, const std::string& text) override;
  void setLabelCaption(std::string_view label, const std::string& text) override;
  /// The results are read from the state: the run need not format field texts.
  bool showsTexts() const override { return false; }

 private:
  const FigureRecord& record_;
  std::size_t asked_ = 0;
};

}  // namespace velmora
