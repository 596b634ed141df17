// Values numbered as the method numbers them, from 1: triangle 1..3,
// condition 1..4, angle 1..9 (a1, b1, c1, a2, …, c3), a normal-matrix row
// 1..6. `values[n]` is the n-th; iterating visits all N in order. The one
// indexing convention of the engine, the check and the outputs, so that an
// index is the number the report, the worksheet and the field names print.
// The sanitized build checks every index (VELMORA_CHECKED_NUMBERS).
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace velmora {

template <typename T, std::size_t N>
struct Numbered {
  std::array<T, N> values{};

#ifdef VELMORA_CHECKED_NUMBERS
  constexpr T& operator[](std::size_t n) { return values.at(n - 1); }
  constexpr const T& operator[](std::size_t n) const { return values.at(n - 1); }
#else
  constexpr T& operator[](std::size_t n) {
    assert(n >= 1 && n <= N);
    return values[n - 1];
  }
  constexpr const T& operator[](std::size_t n) const {
    assert(n >= 1 && n <= N);
    return values[n - 1];
  }
#endif
  /// The n-th, or std::out_of_range when there is none.
  constexpr T& at(std::size_t n) { return values.at(n - 1); }
  constexpr const T& at(std::size_t n) const { return values.at(n - 1); }
  static constexpr std::size_t size() { return N; }
  constexpr auto begin() { return values.begin(); }
  constexpr auto end() { return values.end(); }
  constexpr auto begin() const { return values.begin(); }
  constexpr auto end() const { return values.end(); }

  friend constexpr bool operator==(const Numbered&, const Numbered&) = default;
};

}  // namespace velmora
