// The one table of a result's values as every output writes them: the
// adjustment's own values, then the rigorous check's, then the survey grade's
// (the highest grade met, then each check against the grade asked for). Each
// column has its place in a JSON Lines record, its CSV name, its order and its
// kind of value; the JSON Lines and CSV writers walk it, and so can any other
// export. Adding a value to the output is adding one entry here. Units as the
// values carry them: angles in decimal degrees, misclosures and residuals in
// arc seconds, coordinates in metres, the check's deviations in millimetres.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <variant>

#include "check/rigorous_adjustment.h"
#include "output/record_writer.h"

namespace velmora {

enum class ResultPart { Adjustment, Check, Grade, GradeChecks };

/// The angles the check flags, written as their 1-based numbers (a1 is 1 .. c3 is 9).
struct FlaggedAngles {
  const AngleArray<bool>* flags = nullptr;
};

/// A text of the program's own (a grade's name, a verdict): valid UTF-8 with
/// no quote, backslash, separator or line break, so written as it is (in
/// quotes in JSON) without escaping.
struct ProgramText {
  std::string_view text;
};

/// One value as the writers print it: none (JSON null, an empty CSV field), a
/// single or a double at full precision, a whole number, true or false, a
/// text of the program's own, or the flagged angles.
using ResultValue = std::variant<std::monostate, float, double, std::size_t, bool, ProgramText, FlaggedAngles>;

struct ResultColumn {
  ResultPart part = ResultPart::Adjustment;
  /// The object of a JSON Lines record that holds the value, dotted from the
  /// record ("" is the record itself, "check.ellipse", "grade.checks.w1"), and its key there.
  std::string_view jsonObject;
  std::string_view jsonKey;
  std::string_view csvName;  ///< an array's columns are numbered from 1: w1 .. w3
  std::size_t count = 0;     ///< 0: one value; n: n values, a JSON array and n CSV columns
  std::size_t row = 0;       ///< a grade check's row in the assessment
  /// The value, or the n-th of an array's values (n from 1, as the method numbers them).
  ResultValue (*value)(const FigureResult& figure, const ResultColumn& column, std::size_t index) = nullptr;
};

/// Every column in the order written: the parts in the order of ResultPart,
/// each part's columns together.
std::span<const ResultColumn> resultColumns();

inline constexpr std::size_t kResultParts = 4;

bool includes(ResultParts parts, ResultPart part);

constexpr std::size_t partIndex(ResultPart part) { return static_cast<std::size_t>(part); }

/// For each part (by partIndex), whether the figure has its values: the check's only when it could be computed.
inline std::array<bool, kResultParts> partsPresent(const FigureResult& figure) {
  return {true, figure.review.check.has_value(), true, figure.review.assessment.has_value()};
}

}  // namespace velmora
