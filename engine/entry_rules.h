// The rules a typed entry must meet before the adjustment uses it: a
// coordinate must read as a number; an observed angle (d.mmss) must also be
// one a surveyor can have observed. The reasons are short Chinese phrases
// without the entry's name; the compute run's stop messages quote them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

/// The rule a typed entry breaks, in the order the rules are checked.
enum class EntryRule {
  NotANumber,       ///< not written as a number
  OutOfRange,       ///< written as a number, beyond what a double holds
  NotPositive,      ///< an angle of 0 or less
  MinutesTooLarge,  ///< the two digits after the point read 60 or more
  SecondsTooLarge,  ///< the next digits read 60 seconds or more
  NotBelow180,      ///< the converted angle is 180 degrees or more
};

/// "不是数字", "分必须小于 60", …
std::string_view entryRuleText(EntryRule rule);

/// A typed coordinate's value (metres), or the rule it breaks.
struct CoordinateEntry {
  std::optional<EntryRule> broken;
  double value = 0.0;  ///< meaningful only when no rule is broken
};
CoordinateEntry readCoordinateEntry(std::string_view typed);

/// A typed observed angle's value in decimal degrees, or the rule it breaks.
struct ObservedAngleEntry {
  std::optional<EntryRule> broken;
  double degrees = 0.0;  ///< meaningful only when no rule is broken
};
ObservedAngleEntry readObservedAngleEntry(std::string_view typed);

/// Why a typed coordinate cannot be used (the program's number rules), or nothing.
std::optional<std::string> coordinateEntryProblem(std::string_view typed);
/// Why a typed observed angle (d.mmss) cannot be a surveyor's observation, or nothing:
/// not a number, not greater than 0, minutes of 60 or more, seconds of 60 or more, 180° or more.
std::optional<std::string> observedAngleEntryProblem(std::string_view typed);

}  // namespace velmora
