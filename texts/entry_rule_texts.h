// The rules a typed entry breaks, in the operator's words: short phrases
// without the entry's name ("不是数字", "分必须小于 60"), quoted by the
// window's entry checks and by a run's stop messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/entry_rules.h"

namespace velmora {

std::string_view entryRuleText(EntryRule rule);

/// Why a typed coordinate cannot be used (the program's number rules), or nothing.
std::optional<std::string> coordinateEntryProblem(std::string_view typed);
/// Why a typed observed angle (d.mmss) cannot be a surveyor's observation, or nothing:
/// not a number, not greater than 0, minutes of 60 or more, seconds of 60 or more, 180° or more.
std::optional<std::string> observedAngleEntryProblem(std::string_view typed);

}  // namespace velmora
