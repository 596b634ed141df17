// The worksheet as plain text for a terminal or a printer: UTF-8, no line
// wider than kTextColumns (a wide CJK character counts two columns), tables
// too wide for a line split into column groups that repeat the name columns,
// and the picture left out with one line saying so.
#pragma once

#include <cstddef>
#include <string>

#include "worksheet/worksheet_document.h"

namespace velmora {

inline constexpr std::size_t kTextColumns = 100;

std::string worksheetText(const WorksheetDocument& document);

}  // namespace velmora
