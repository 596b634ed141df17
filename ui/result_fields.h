// Where the results of a Compute run show in the window and in which text:
// the field ids, captions and display texts belong here, not to the engine.
// Each function writes the fields of one value as the run comes to it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "engine/adjustment_results.h"
#include "ui/window_operations.h"

namespace velmora {

/// Label17 "w(i)" and Text11: wd rounded to two decimals, plain, in seconds.
void showTriangleMisclosure(WindowOperations& window, int i, double misclosureSeconds);

/// Text12, Text13, Text21 (seconds) and Text25 (sixth-decimal units): each
/// stored single rounded to two decimals, written at single precision.
void showSecondGroupMisclosures(WindowOperations& window, const ConditionArray<float>& w);

/// Text15 (column 5, 1/pb) or Text16 (column 6, 1/ps), rounded to six decimals.
void showWeightReciprocal(WindowOperations& window, int functionColumn, double reciprocal);

void showUnitWeightError(WindowOperations& window, float mb);              ///< Text14
void showPositionError(WindowOperations& window, float md);                ///< Text17
void showRelativeError(WindowOperations& window, std::optional<float> m);  ///< Text26, " 1/∞" without a number

/// Text18 again, now with three blanks before the name as typed.
void showPointNameWithResults(WindowOperations& window, const std::string& pointName);

/// The n-th coordinate of P (0: xp1 .. 5: yp3) in its field, "0.000".
void showCoordinateOfP(WindowOperations& window, std::size_t n, double metres);

}  // namespace velmora
