// What an adjustment stage reports back: done, or cannot compute. A stage that
// cannot compute says, as data, in which step it stopped, which value it could
// not have, what is wrong with that value, the typed entry it concerns (if
// one) and the offending value. The operator's words for all of it are made
// outside the engine (texts/fault_messages.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "engine/entry_rules.h"
#include "engine/figure_entry.h"

namespace velmora {

/// The step a run stopped in; the two triangle steps carry their triangle.
enum class ComputeStep : std::uint8_t {
  AngleConversion,         ///< triangle i's typed angles into degrees
  TriangleClosure,         ///< triangle i's misclosure and first-group correction
  KnownSides,              ///< the known points read, their sides and azimuths
  SecondGroupMisclosures,  ///< w1..w4
  ProvisionalDistances,    ///< PA, PB, PC by the sine rule
  NormalReduction,         ///< the normals reduced for 1/pb and 1/ps
  Correlates,              ///< the normals solved for k
  Corrections,             ///< v and its sum of squares
  Precision,               ///< mb, md, m
  CoordinatesOfP,          ///< the adjusted sides to P and P's coordinates
};

/// The value a stage could not have. `FaultSubject::index` tells which one
/// where there are several: a triangle 1..3, a side 1..3 (AB, BC, CA or PA,
/// PB, PC), a misclosure w1..w4, a pivot 1..4, a weight function's normal
/// column (5, 6) or a coordinate of P 0..5 (xp1 .. yp3).
enum class FaultQuantity : std::uint8_t {
  DistanceAngle,             ///< A(i)
  AdvanceAngle,              ///< B(i)
  CentralAngle,              ///< C(i)
  TriangleMisclosure,        ///< w(i)
  FirstGroupVv,              ///< the first group's sum of squared misclosures
  KnownCoordinate,           ///< the typed coordinate `FaultSubject::entry`
  KnownSide,                 ///< AB, BC, CA
  ThreeKnownPoints,          ///< A, B and C together
  SecondGroupMisclosure,     ///< w1..w4
  ProvisionalDistance,       ///< PA, PB, PC
  Pivot,                     ///< the normals' pivot 1..4
  ReducedCoefficient,        ///< a coefficient of the reduced normals
  NormalSolution,            ///< a solution of the reduced normals
  WeightReciprocal,          ///< 1/pb (column 5) or 1/ps (column 6)
  WeightQuadraticTerm,       ///< a weight function's quadratic term
  Correction,                ///< a correction v
  CorrectionVv,              ///< the second group's sum of squared corrections
  VvPerCondition,            ///< [vv] / 7
  PositionWeightSum,         ///< 5.3/ps + 23.5/pb
  UnitWeightError,           ///< mb
  PositionError,             ///< md
  RelativeErrorDenominator,  ///< m
  AdjustedSideToP,           ///< PA, PB, PC from the adjusted angles
  CoordinateOfP,             ///< xp1 .. yp3
};

/// What of the value is meant: the value itself or a function of it.
enum class QuantityFunction : std::uint8_t { Itself, Tangent, LogSineCoefficient, Sine, Length };

struct FaultSubject {
  FaultQuantity quantity;
  std::uint8_t index = 0;
  QuantityFunction function = QuantityFunction::Itself;
  std::optional<FigureEntry> entry{};  ///< the typed value it comes from, when there is one
};

/// What is wrong with the value.
enum class FaultKind : std::uint8_t {
  BrokenEntry,        ///< the typed text breaks `CannotCompute::rule`
  Undefined,          ///< not a number (0/0, ∞ − ∞)
  Overflow,           ///< beyond the double range
  ZeroDivisor,        ///< zero where it divides
  NotPositiveForLog,  ///< zero or less under a logarithm
  NegativeForRoot,    ///< negative under a square root
  BeyondSingle,       ///< beyond the single range it is stored in
  GrossMisclosure,    ///< a misclosure beyond what a surveyor can have measured
  CoincidentPoints,   ///< two known points at one place (the side `subject.index`)
  CollinearPoints,    ///< A, B, C on one line
  CounterClockwise,   ///< A, B, C numbered counter-clockwise on the map
};

struct CannotCompute {
  ComputeStep step;
  std::uint8_t triangle = 0;  ///< of AngleConversion and TriangleClosure, 1..3
  FaultKind kind;
  FaultSubject subject;
  EntryRule rule = EntryRule::NotANumber;  ///< of a BrokenEntry
  std::string value{};                     ///< the offending value as typed or computed; may be empty
  std::optional<FigureEntry> entry{};      ///< the typed value at fault; none when several or none are
};

/// Empty when the stage is done.
using StageOutcome = std::optional<CannotCompute>;

inline StageOutcome done() { return std::nullopt; }

/// Where a stage is: its step and, for the triangle steps, the triangle.
struct StepAt {
  ComputeStep step;
  std::uint8_t triangle = 0;
};

inline StageOutcome cannotCompute(StepAt at, FaultKind kind, const FaultSubject& subject, std::string value = {}) {
  return CannotCompute{at.step, at.triangle, kind, subject, EntryRule::NotANumber, std::move(value), subject.entry};
}

}  // namespace velmora
