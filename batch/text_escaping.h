// Texts placed into machine-readable output: a JSON string (quoted, escaped,
// any byte that is not valid UTF-8 replaced by U+FFFD) and a CSV field (quoted
// as RFC 4180 asks when it holds a comma, a quote or a line break).
#pragma once

#include <string>
#include <string_view>

namespace velmora {

void appendJsonString(std::string& out, std::string_view text);

void appendCsvField(std::string& out, std::string_view text);

}  // namespace velmora
