#include "person_console.h"

#include <array>
#include <utility>

namespace velmora {
namespace {

/// The result fields and how a person reads them.
constexpr std::array<std::pair<FieldId, std::string_view>, 15> kResultNames{{
    {FieldId::Text12, "固定角闭合差 w1"},
    {FieldId::Text13, "固定角闭合差 w2"},
    {FieldId::Text21, "圆周角闭合差 w3"},
    {FieldId::Text25, "极条件闭合差 w4"},
    {FieldId::Text15, "最弱点方位角权倒数 1/Pb"},
    {FieldId::Text16, "最弱点边长权倒数 1/Ps"},
    {FieldId::Text14, "测角中误差 mb"},
    {FieldId::Text17, "最弱点点位中误差 md"},
    {FieldId::Text26, "最弱点相对中误差 1/m"},
    {FieldId::Text19, "由A点推算 Xp1"},
    {FieldId::Text20, "由A点推算 Yp1"},
    {FieldId::Text5, "由B点推算 Xp2"},
    {FieldId::Text22, "由B点推算 Yp2"},
    {FieldId::Text23, "由C点推算 Xp3"},
    {FieldId::Text24, "由C点推算 Yp3"},
}};

std::string_view resultName(FieldId field) {
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

void PersonConsole::setFieldText(FieldId field, const std::string& text) {
  if (field == FieldId::Text11 && !text.empty()) {
    out_ << "三角形闭合差 " << misclosureCaption_ << ":" << text << '\n';
  } else if (field == FieldId::Text18 && precisionShown_) {
    out_ << "待定点 :" << text << '\n';
  } else if (const std::string_view name = resultName(field); !name.empty()) {
    out_ << name << " :" << text << '\n';
    if (field == FieldId::Text26) precisionShown_ = true;
  }
}

void PersonConsole::setLabelCaption(LabelId label, const std::string& text) {
  if (label == LabelId::Label17) misclosureCaption_ = text;
}

}  // namespace velmora
