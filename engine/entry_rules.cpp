#include "engine/entry_rules.h"

#include "engine/dms_angle.h"
#include "engine/number_reader.h"

namespace velmora {
namespace {

constexpr double kMinutesPerDegree = 60.0;
constexpr double kSecondsPerMinute = 60.0;
constexpr double kStraightAngle = 180.0;

}  // namespace

CoordinateEntry readCoordinateEntry(std::string_view typed) {
  const ReadNumber number = readNumber(typed);
  switch (number.reading) {
    case NumberReading::Number: return {std::nullopt, number.value};
    case NumberReading::OutOfRange: return {EntryRule::OutOfRange};
    case NumberReading::NotANumber: break;
  }
  return {EntryRule::NotANumber};
}

ObservedAngleEntry readObservedAngleEntry(std::string_view typed) {
  const CoordinateEntry number = readCoordinateEntry(typed);
  if (number.broken) return {number.broken};
  if (!(number.value > 0.0)) return {EntryRule::NotPositive};
  const DmsParts parts = dmsParts(number.value);
  if (parts.minutes >= kMinutesPerDegree) return {EntryRule::MinutesTooLarge};
  if (parts.seconds >= kSecondsPerMinute) return {EntryRule::SecondsTooLarge};
  const double degrees = partsToDegrees(parts);
  // Written so that a value whose parts overflowed (no number) is refused too.
  if (!(degrees < kStraightAngle)) return {EntryRule::NotBelow180};
  return {std::nullopt, degrees};
}

}  // namespace velmora
