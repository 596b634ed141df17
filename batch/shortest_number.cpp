#include "batch/shortest_number.h"

#include <array>
#include <charconv>

namespace velmora {
namespace {

template <typename Number>
void appendChars(std::string& out, Number value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  out.append(buffer.data(), result.ptr);
}

}  // namespace

void appendShortest(std::string& out, double value) {
  if (value == 0.0) {
    out += '0';
    return;
  }
  appendChars(out, value);
}

void appendShortest(std::string& out, float value) {
  if (value == 0.0F) {
    out += '0';
    return;
  }
  appendChars(out, value);
}

void appendWhole(std::string& out, std::size_t value) { appendChars(out, value); }

}  // namespace velmora
