// Texts placed into machine-readable output, always valid UTF-8 (a byte that
// is not is replaced by U+FFFD): a JSON string (quoted, escaped) and a CSV
// field (quoted as RFC 4180 asks when it holds a comma, a quote or a line
// break, and also a semicolon or TAB, so that any reader's separator is safe),
// and an XML or HTML text or attribute value (&, <, >, " as entities; a
// control character XML cannot hold as U+FFFD).
#pragma once

#include <string>
#include <string_view>

namespace velmora {

void appendJsonString(std::string& out, std::string_view text);

void appendCsvField(std::string& out, std::string_view text);

std::string xmlText(std::string_view text);

}  // namespace velmora
