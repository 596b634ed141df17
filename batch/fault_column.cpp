#include "batch/fault_column.h"

#include <array>
#include <utility>

namespace velmora {
namespace {

/// The engine's names of the typed values, each with its column.
constexpr std::array<std::pair<std::string_view, std::string_view>, 15> kValueNames{{
    {"A(1)", "a1"},
    {"B(1)", "b1"},
    {"C(1)", "c1"},
    {"A(2)", "a2"},
    {"B(2)", "b2"},
    {"C(2)", "c2"},
    {"A(3)", "a3"},
    {"B(3)", "b3"},
    {"C(3)", "c3"},
    {"A 点的纵座标", "xa"},
    {"A 点的横座标", "ya"},
    {"B 点的纵座标", "xb"},
    {"B 点的横座标", "yb"},
    {"C 点的纵座标", "xc"},
    {"C 点的横座标", "yc"},
}};

}  // namespace

std::optional<std::string_view> faultColumn(const CannotCompute& fault) {
  for (const auto& [name, column] : kValueNames) {
    if (fault.reason.find(name) != std::string::npos) return column;
  }
  return std::nullopt;
}

}  // namespace velmora
