// The numeric constants the adjustment shares. pi is the ten-decimal value the
// method has always used, not the full-precision one: every azimuth and angle
// function inherits its tiny offset, and the displayed digits depend on it.
#pragma once

namespace velmora {

inline constexpr double kPi = 3.1415926535;
/// Degrees times this factor gives radians; computed from the ten-decimal pi.
inline constexpr double kDegreeFactor = kPi / 180.0;
/// Divided by tan(angle), the change of log10 sin(angle) per arc second, in
/// units of the sixth decimal of a common logarithm.
inline constexpr double kLogSineFactor = 2.1055;
/// Divides a natural logarithm to give a common logarithm.
inline constexpr double kLn10 = 2.302585093;
inline constexpr int kTriangles = 3;
inline constexpr int kConditions = 4;
inline constexpr int kObservedAngles = 9;  ///< three per triangle: a1, b1, c1, a2, …, c3
inline constexpr double kSecondsPerDegree = 3600.0;
/// A misclosure in seconds divided by this is its third in degrees: the
/// first-group correction of each angle of a triangle.
inline constexpr double kThirdsOfSecondsPerDegree = 10800.0;
/// A common logarithm times this is in units of its sixth decimal.
inline constexpr double kSixthDecimalUnits = 1000000.0;

}  // namespace velmora
