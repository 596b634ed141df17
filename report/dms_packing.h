// Packing of an adjusted angle (decimal degrees) back into the d.mmss notation
// of the report's adjusted-angle column: degrees, two digits of minutes, two
// digits of seconds and one tenth of a second, as the text "d.mmsss".
#pragma once

#include <string>

namespace velmora {

/// The packed d.mmss text of `angleDegrees` (finite) under the pattern "0.00000".
/// The classical rule D = trunc(a + 0.1), M = (a - D) * 60, Mw = trunc(M + 0.1),
/// packed = (D + Mw / 100) + (M - Mw) * 6 / 1000 is used wherever it leaves
/// M and M - Mw non-negative. Where it does not (a fraction of a degree or of a
/// minute of 0.9 or more, or a negative angle), the angle is rounded to the
/// nearest tenth of an arc second and split into degrees, minutes and seconds
/// with carries, so 59 deg 59' 59.96" prints "60.00000"; negative angles mirror
/// positive ones. Minutes and seconds never print as 60.
std::string packedDmsText(double angleDegrees);

}  // namespace velmora
