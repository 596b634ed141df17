// Window operations for tests and scripted runs: replies come from a prepared
// list, and every operation is recorded in order together with the last text
// of each control. When the list is used up, askOperator has no reply.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/window_operations.h"

namespace velmora {

struct WindowOperation {
  enum class Kind { Ask, Field, Label };
  Kind kind = Kind::Ask;
  std::string control;  ///< field or label name; empty for Ask
  std::string text;     ///< the prompt, or the text set
  std::string reply;    ///< Ask only

  friend bool operator==(const WindowOperation&, const WindowOperation&) = default;
};

class RecordingWindow : public WindowOperations {
 public:
  explicit RecordingWindow(std::vector<std::string> replies = {});

  std::optional<std::string> askOperator(const std::string& prompt) override;
  void setFieldText(FieldId field, const std::string& text) override;
  void setLabelCaption(LabelId label, const std::string& text) override;

  const std::vector<WindowOperation>& operations() const { return operations_; }
  /// The last text set on a control, or the empty text when it was never set.
  std::string lastText(const std::string& control) const;
  std::size_t repliesUsed() const { return nextReply_; }
  void clearOperations() { operations_.clear(); }

 private:
  std::vector<std::string> replies_;
  std::size_t nextReply_ = 0;
  std::vector<WindowOperation> operations_;
  std::map<std::string, std::string, std::less<>> lastTexts_;
};

}  // namespace velmora
