#include "batch/result_columns.h"

#include "batch/shortest_number.h"

namespace velmora {
namespace {

using F = const FigureResult&;

constexpr ResultColumn kResultColumns[] = {
    {"w", kTriangles, [](F f, std::size_t i) -> ResultNumber { return f.results.w[i + 1]; }},
    {"secondGroupW", kConditions, [](F f, std::size_t i) -> ResultNumber { return f.results.secondGroupW[i + 1]; }},
    {"k", kConditions, [](F f, std::size_t i) -> ResultNumber { return f.results.k[i + 1]; }},
    {"invPb", 0, [](F f, std::size_t) -> ResultNumber { return f.results.invPb; }},
    {"invPs", 0, [](F f, std::size_t) -> ResultNumber { return f.results.invPs; }},
    {"mb", 0, [](F f, std::size_t) -> ResultNumber { return f.results.mb; }},
    {"md", 0, [](F f, std::size_t) -> ResultNumber { return f.results.md; }},
    {"m", 0, [](F f, std::size_t) { return f.results.m ? ResultNumber(*f.results.m) : ResultNumber(); }},
    {"xp1", 0, [](F f, std::size_t) -> ResultNumber { return f.results.xp1; }},
    {"yp1", 0, [](F f, std::size_t) -> ResultNumber { return f.results.yp1; }},
    {"xp2", 0, [](F f, std::size_t) -> ResultNumber { return f.results.xp2; }},
    {"yp2", 0, [](F f, std::size_t) -> ResultNumber { return f.results.yp2; }},
    {"xp3", 0, [](F f, std::size_t) -> ResultNumber { return f.results.xp3; }},
    {"yp3", 0, [](F f, std::size_t) -> ResultNumber { return f.results.yp3; }},
    {"distanceAngle", kTriangles, [](F f, std::size_t i) -> ResultNumber { return f.results.distanceAngle[i + 1]; }},
    {"advanceAngle", kTriangles, [](F f, std::size_t i) -> ResultNumber { return f.results.advanceAngle[i + 1]; }},
    {"centralAngle", kTriangles, [](F f, std::size_t i) -> ResultNumber { return f.results.centralAngle[i + 1]; }},
};

}  // namespace

std::span<const ResultColumn> resultColumns() { return kResultColumns; }

void appendResultNumber(std::string& out, const ResultNumber& number, std::string_view none) {
  if (const float* single = std::get_if<float>(&number)) {
    appendShortest(out, *single);
  } else if (const double* wide = std::get_if<double>(&number)) {
    appendShortest(out, *wide);
  } else {
    out += none;
  }
}

}  // namespace velmora
