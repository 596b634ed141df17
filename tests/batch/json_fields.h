// Reading numbers back out of one JSON Lines record in the tests: the value
// of a key, or of an array key, parsed as the type its member has.
#pragma once

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

/// The text after "key": up to the next ',', '}' or ']'.
inline std::string_view jsonValueText(std::string_view record, std::string_view key) {
  const std::string quoted = "\"" + std::string(key) + "\":";
  const std::size_t at = record.find(quoted);
  if (at == std::string_view::npos) return {};
  const std::size_t start = at + quoted.size();
  return record.substr(start, record.find_first_of(",}]", start) - start);
}

template <typename Number>
Number parsed(std::string_view text) {
  Number value{};
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

template <typename Number>
Number jsonNumber(std::string_view record, std::string_view key) {
  return parsed<Number>(jsonValueText(record, key));
}

/// The numbers of "key":[...].
template <typename Number>
std::vector<Number> jsonArray(std::string_view record, std::string_view key) {
  const std::string quoted = "\"" + std::string(key) + "\":[";
  std::size_t at = record.find(quoted);
  std::vector<Number> values;
  if (at == std::string_view::npos) return values;
  at += quoted.size();
  const std::size_t end = record.find(']', at);
  while (at < end) {
    const std::size_t next = std::min(record.find(',', at), end);
    values.push_back(parsed<Number>(record.substr(at, next - at)));
    at = next + 1;
  }
  return values;
}

}  // namespace velmora
