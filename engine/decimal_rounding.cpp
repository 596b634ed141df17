#include "engine/decimal_rounding.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace velmora {
namespace {

__extension__ typedef unsigned __int128 Wide;  // room for a 53-bit mantissa times 10^9

constexpr int kMantissaBits = 53;
constexpr int kFractionBits = 52;
constexpr std::uint64_t kImplicitBit = std::uint64_t{1} << kFractionBits;
/// The exponent bias 1023 plus the 52 fraction bits: the power of two of the mantissa's last bit.
constexpr int kExponentOffset = 1075;
constexpr std::uint64_t kLimit = std::uint64_t{1} << kMantissaBits;

/// 10^0 .. 10^9, the scales a rounding to 0..9 decimals uses.
constexpr std::array<std::uint64_t, 10> kPowersOfTen{1,      10,      100,      1000,      10000,
                                                     100000, 1000000, 10000000, 100000000, 1000000000};

std::uint64_t powerOfTen(int exponent) { return kPowersOfTen[static_cast<std::size_t>(exponent)]; }

}  // namespace

std::optional<std::uint64_t> scaledHalfEven(double value, int decimals) {
  if (decimals < 0 || decimals > 9 || !std::isfinite(value)) return std::nullopt;
  // |value| = mantissa x 2^shift, read from the bits: biased exponent, then 52 fraction bits.
  const auto bits = std::bit_cast<std::uint64_t>(std::fabs(value));
  const int biasedExponent = static_cast<int>(bits >> kFractionBits);
  const std::uint64_t fraction = bits & (kImplicitBit - 1);
  const std::uint64_t mantissa = biasedExponent == 0 ? fraction : fraction | kImplicitBit;
  const int shift = std::max(biasedExponent, 1) - kExponentOffset;
  const Wide scaled = static_cast<Wide>(mantissa) * powerOfTen(decimals);  // |value| x 10^decimals = scaled x 2^shift
  if (shift >= 0) {
    if (shift >= 64 || (scaled << shift) >> shift != scaled || (scaled << shift) >= kLimit) return std::nullopt;
    return static_cast<std::uint64_t>(scaled << shift);
  }
  const int dropped = -shift;
  if (dropped >= 100) return std::uint64_t{0};  // below 2^-17: rounds to zero
  const Wide whole = scaled >> dropped;
  const Wide remainder = scaled - (whole << dropped);
  const Wide half = static_cast<Wide>(1) << (dropped - 1);
  const bool roundUp = remainder > half || (remainder == half && (whole & 1) != 0);
  const Wide rounded = whole + (roundUp ? 1 : 0);
  if (rounded >= kLimit) return std::nullopt;
  return static_cast<std::uint64_t>(rounded);
}

}  // namespace velmora
