// Whether a typed entry can be used by the Compute run, checked as it is
// typed: a coordinate must read as a number, an observed angle must also be
// one a surveyor can have observed; a point name is any text. The text is
// judged in the form the window keeps (windowEntryText: full-width digits
// taken as ASCII). The reason is a short Chinese phrase without the entry's
// name; a decimal comma is told to be a point.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/sheet_entries.h"

namespace velmora {

/// Why `typed` cannot be used as an entry of that kind, or nothing.
std::optional<std::string> entryProblem(DisplayKind kind, std::string_view typed);

/// The first entry of `figure` that breaks its rules, as "Xa：不是数字", or nothing.
std::optional<std::string> firstFigureProblem(const SheetTexts& figure);

}  // namespace velmora
