#include "ui/window_typing.h"

#include <array>
#include <utility>

namespace velmora {
namespace {

/// The UTF-8 forms an input method gives and the ASCII character each stands for.
constexpr std::array<std::pair<std::string_view, char>, 16> kWideForms{{
    {"０", '0'},
    {"１", '1'},
    {"２", '2'},
    {"３", '3'},
    {"４", '4'},
    {"５", '5'},
    {"６", '6'},
    {"７", '7'},
    {"８", '8'},
    {"９", '9'},
    {"．", '.'},
    {"－", '-'},
    {"＋", '+'},
    {"Ｅ", 'E'},
    {"ｅ", 'e'},
    {"−", '-'},
}};

/// The ASCII character that the wide form at the start of `rest` stands for,
/// with the form's length in bytes; 0 when `rest` starts with none.
std::pair<char, std::size_t> wideFormAt(std::string_view rest) {
  for (const auto& [form, ascii] : kWideForms) {
    if (rest.starts_with(form)) return {ascii, form.size()};
  }
  return {0, 0};
}

std::string withAsciiForms(std::string_view typed) {
  std::string text;
  text.reserve(typed.size());
  for (std::size_t at = 0; at < typed.size();) {
    const auto [ascii, length] = wideFormAt(typed.substr(at));
    if (length == 0) {
      text += typed[at++];
    } else {
      text += ascii;
      at += length;
    }
  }
  return text;
}

}  // namespace

std::string windowEntryText(DisplayKind kind, std::string_view typed) {
  if (kind == DisplayKind::Name) return std::string(typed);
  return withAsciiForms(typed);
}

}  // namespace velmora
