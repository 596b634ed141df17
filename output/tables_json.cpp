#include "output/tables_json.h"

#include <initializer_list>
#include <span>
#include <string_view>

#include "output/shortest_number.h"

namespace velmora {
namespace {

void appendKey(std::string& out, std::string_view key, bool first = false) {
  if (!first) out += ',';
  out += '"';
  out += key;
  out += "\":";
}

void appendNumber(std::string& out, std::string_view key, double value) {
  appendKey(out, key);
  appendShortest(out, value);
}

/// {"AB":..,"BC":..,"CA":..} or {"PA":..,...}: three named numbers.
void appendThree(std::string& out, std::string_view key, std::initializer_list<std::string_view> names,
                 std::initializer_list<double> values, bool firstMember = false) {
  appendKey(out, key, firstMember);
  out += '{';
  const double* value = values.begin();
  bool first = true;
  for (const std::string_view name : names) {
    appendKey(out, name, first);
    appendShortest(out, *value++);
    first = false;
  }
  out += '}';
}

void appendArray(std::string& out, std::span<const double> values) {
  out += '[';
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out += ',';
    appendShortest(out, values[i]);
  }
  out += ']';
}

/// Rows 1..rows of a numbered matrix, columns 1..columns.
template <typename Matrix>
void appendRows(std::string& out, std::string_view key, const Matrix& matrix, std::size_t rows, std::size_t columns) {
  appendKey(out, key);
  out += '[';
  for (std::size_t i = 1; i <= rows; ++i) {
    if (i > 1) out += ',';
    appendArray(out, std::span<const double>(matrix[i].values.data(), columns));
  }
  out += ']';
}

}  // namespace

void appendTablesMember(std::string& out, const StageTables& tables) {
  const KnownSideGeometry& g = tables.geometry;
  const ProvisionalDistances& d = tables.provisional;
  appendKey(out, "tables");
  out += '{';
  appendThree(out, "sides", {"AB", "BC", "CA"}, {g.sideAB, g.sideBC, g.sideCA}, true);
  appendThree(out, "azimuths", {"AB", "BC", "CA"}, {g.azimuthAB, g.azimuthBC, g.azimuthCA});
  appendNumber(out, "knownAngleA", g.knownAngleA);
  appendNumber(out, "knownAngleB", g.knownAngleB);
  appendThree(out, "distances", {"PA", "PB", "PC"}, {d.distancePA, d.distancePB, d.distancePC});
  appendNumber(out, "longestSide", d.longestSide);
  appendKey(out, "chosenTriangle");
  appendWhole(out, static_cast<std::size_t>(d.chosenTriangle));
  appendNumber(out, "firstGroupVv", tables.firstGroupVv);
  appendRows(out, "conditionRows", tables.conditionMatrix, 6, 9);
  appendRows(out, "normals", tables.normalsAsFormed, 6, 6);
  appendKey(out, "corrections");
  appendArray(out, std::span<const double>(tables.v.values));
  appendNumber(out, "secondGroupVv", tables.secondGroupVv);
  appendNumber(out, "wk", misclosuresTimesCorrelates(tables.results));
  out += '}';
}

}  // namespace velmora
