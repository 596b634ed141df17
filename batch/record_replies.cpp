#include "batch/record_replies.h"

#include <array>

namespace velmora {
namespace {

/// The record column answering the n-th value prompt: the run asks the
/// coordinates before the name, the file lists the name first.
constexpr std::array<std::size_t, kFigureColumns> kColumnOfPrompt = {1, 2, 3,  4,  5,  6,  0,  7,
                                                                     8, 9, 10, 11, 12, 13, 14, 15};

}  // namespace

std::optional<std::string> RecordReplies::askOperator(const std::string& /*prompt*/) {
  if (asked_ >= kReplies) return std::nullopt;
  const std::size_t n = asked_++;
  if (n % 2 == 1) return std::string();
  return record_.columns[kColumnOfPrompt[n / 2]];
}

void RecordReplies::setFieldText(std::string_view /*field*/, const std::string& /*text*/) {}

void RecordReplies::setLabelCaption(std::string_view /*label*/, const std::string& /*text*/) {}

}  // namespace velmora
