// The operator's names of the per-triangle values and steps, fixed texts
// indexed by triangle number 1..3 (index 0 unused), so that naming a value
// for a possible message costs nothing while the run goes well.
#pragma once

#include <array>
#include <string_view>

namespace velmora {

using TriangleTexts = std::array<std::string_view, 4>;

inline constexpr TriangleTexts kDistanceAngleNames{"", "求距角 A(1)", "求距角 A(2)", "求距角 A(3)"};
inline constexpr TriangleTexts kAdvanceAngleNames{"", "前进角 B(1)", "前进角 B(2)", "前进角 B(3)"};
inline constexpr TriangleTexts kCentralAngleNames{"", "中心角 C(1)", "中心角 C(2)", "中心角 C(3)"};
inline constexpr TriangleTexts kMisclosureNames{"", "闭合差 w(1)", "闭合差 w(2)", "闭合差 w(3)"};
inline constexpr TriangleTexts kTriangleAngleChecks{"", "三角形 1 的三个观测角", "三角形 2 的三个观测角",
                                                    "三角形 3 的三个观测角"};
inline constexpr TriangleTexts kConversionSteps{"", "三角形 1 的角度换算", "三角形 2 的角度换算",
                                                "三角形 3 的角度换算"};
inline constexpr TriangleTexts kTriangleSteps{"", "三角形 1 的闭合差与改正", "三角形 2 的闭合差与改正",
                                              "三角形 3 的闭合差与改正"};

}  // namespace velmora
