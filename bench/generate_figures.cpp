// Writes a CSV file of random figures for batch benchmarks: the header, then
// COUNT figures (A, B, C clockwise with sides of about a kilometre, P inside,
// angles disturbed by normal noise of NOISE arc seconds, written to 0.1").
//   velmora_generate_figures COUNT [SEED] [NOISE] > figures.csv
#include <cstdio>
#include <cstdlib>
#include <string>

#include "figure_factory.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: velmora_generate_figures COUNT [SEED] [NOISE]\n");
    return 64;
  }
  const unsigned long long count = std::strtoull(argv[1], nullptr, 10);
  const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  const double noise = argc > 3 ? std::strtod(argv[3], nullptr) : 1.5;
  std::mt19937_64 random(seed);
  const velmora::figures::FigureOptions options{.noiseSeconds = noise, .secondDecimals = 1};
  std::string out = velmora::figures::csvHeader() + "\n";
  for (unsigned long long n = 1; n <= count; ++n) {
    out += velmora::figures::csvLine(velmora::figures::randomFigure(random, options, "P" + std::to_string(n)));
    out += '\n';
    if (out.size() > (1U << 16)) {
      std::fwrite(out.data(), 1, out.size(), stdout);
      out.clear();
    }
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
