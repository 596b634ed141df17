// How a fuzz target reports a broken invariant: a line on standard error
// naming the invariant and the text at fault, then abort(), which libFuzzer
// records as a crash with its reproducer (and the corpus replay as a failure).
#pragma once

#include <string_view>

namespace velmora::fuzz {

[[noreturn]] void invariantBroken(std::string_view invariant, std::string_view detail);

/// Calls invariantBroken when `holds` is false.
inline void require(bool holds, std::string_view invariant, std::string_view detail = {}) {
  if (!holds) invariantBroken(invariant, detail);
}

}  // namespace velmora::fuzz
