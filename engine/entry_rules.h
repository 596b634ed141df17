// The rules a typed entry must meet before the adjustment uses it: a
// coordinate must read as a number; an observed angle (d.mmss) must also be
// one a surveyor can have observed. The rule broken is data; its words are in
// texts/entry_rule_texts.h.
#pragma once

#include <optional>
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

}  // namespace velmora
