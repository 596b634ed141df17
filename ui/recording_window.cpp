#include "ui/recording_window.h"

#include <utility>

namespace velmora {

RecordingWindow::RecordingWindow(std::vector<std::string> replies) : replies_(std::move(replies)) {}

std::optional<std::string> RecordingWindow::askOperator(const std::string& prompt) {
  if (nextReply_ >= replies_.size()) return std::nullopt;
  const std::string& reply = replies_[nextReply_++];
  operations_.push_back({WindowOperation::Kind::Ask, "", prompt, reply});
  return reply;
}

void RecordingWindow::setFieldText(FieldId field, const std::string& text) {
  operations_.push_back({WindowOperation::Kind::Field, std::string(controlName(field)), text, ""});
  lastTexts_.insert_or_assign(std::string(controlName(field)), text);
}

void RecordingWindow::setLabelCaption(LabelId label, const std::string& text) {
  operations_.push_back({WindowOperation::Kind::Label, std::string(controlName(label)), text, ""});
  lastTexts_.insert_or_assign(std::string(controlName(label)), text);
}

std::string RecordingWindow::lastText(const std::string& control) const {
  const auto found = lastTexts_.find(control);
  return found == lastTexts_.end() ? std::string() : found->second;
}

}  // namespace velmora
