#include "fuzz_failure.h"

#include <cstdlib>
#include <iostream>

namespace velmora::fuzz {

void invariantBroken(std::string_view invariant, std::string_view detail) {
  constexpr std::size_t kShownBytes = 2000;
  std::cerr << "invariant broken: " << invariant << "\n  at: «" << detail.substr(0, kShownBytes)
            << (detail.size() > kShownBytes ? "…" : "") << "»" << std::endl;
  std::abort();
}

}  // namespace velmora::fuzz
