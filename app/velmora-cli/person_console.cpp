#include "person_console.h"

#include <array>
#include <utility>

namespace velmora {
namespace {

/// The result fields and how a person reads them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 15> kResultNames{{
    {"Text12", "固定角闭合差 w1"},
    {"Text13", "固定角闭合差 w2"},
    {"Text21", "圆周角闭合差 w3"},
    {"Text25", "极条件闭合差 w4"},
    {"Text15", "最弱点方位角权倒数 1/Pb"},
    {"Text16", "最弱点边长权倒数 1/Ps"},
    {"Text14", "测角中误差 mb"},
    {"Text17", "最弱点点位中误差 md"},
    {"Text26", "最弱点相对中误差 1/m"},
    {"Text19", "由A点推算 Xp1"},
    {"Text20", "由A点推算 Yp1"},
    {"Text5", "由B点推算 Xp2"},
    {"Text22", "由B点推算 Yp2"},
    {"Text23", "由C点推算 Xp3"},
    {"Text24", "由C点推算 Yp3"},
}};

std::string_view resultName(std::string_view field) {
  for (const auto& [name, meaning] : kResultNames) {
    if (name == field) return meaning;
  }
  return {};
}

}  // namespace

std::optional<std::string> PersonConsole::askOperator(const std::string& prompt) {
  precisionShown_ = false;  // a prompt belongs to a run's entries, never to its results
  out_ << prompt << ' ' << std::flush;
  std::optional<std::string> reply = replies_.next();
  if (!reply) {
    out_ << '\n';
    return reply;
  }
  if (echoReplies_) out_ << *reply << '\n';
  return reply;
}

void PersonConsole::setFieldText(std::string_view field, const std::string& text) {
  if (field == "Text11" && !text.empty()) {
    out_ << "三角形闭合差 " << misclosureCaption_ << ":" << text << '\n';
  } else if (field == "Text18" && precisionShown_) {
    out_ << "待定点 :" << text << '\n';
  } else if (const std::string_view name = resultName(field); !name.empty()) {
    out_ << name << " :" << text << '\n';
    if (field == "Text26") precisionShown_ = true;
  }
}

void PersonConsole::setLabelCaption(std::string_view label, const std::string& text) {
  if (label == "Label17") misclosureCaption_ = text;
}

}  // namespace velmora
