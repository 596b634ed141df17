#include "batch/csv_writer.h"

#include <algorithm>
#include <string_view>

#include "batch/result_columns.h"
#include "batch/shortest_number.h"
#include "batch/text_escaping.h"

namespace velmora {
namespace {

/// Each name with its count; a count of 0 is a single unnumbered column.
struct ColumnGroup {
  std::string_view name;
  std::size_t count;
};

constexpr ColumnGroup kCheckColumns[] = {{"check_xp", 0},        {"check_yp", 0},         {"check_m0", 0},
                                         {"check_mx", 0},        {"check_my", 0},         {"check_mp", 0},
                                         {"check_ellipse_a", 0}, {"check_ellipse_b", 0},  {"check_ellipse_azimuth", 0},
                                         {"check_residual", 9},  {"check_redundancy", 9}, {"check_standardized", 9},
                                         {"check_flagged", 0},   {"check_iterations", 0}};

/// How many columns the groups make: each name once, an array's numbered 1..n.
/// `Groups` is a range of entries with a `name` and a `count` (0: one unnumbered column).
template <typename Groups>
std::size_t columnCount(const Groups& groups) {
  std::size_t count = 0;
  for (const auto& group : groups) count += group.count == 0 ? 1 : group.count;
  return count;
}

template <typename Groups>
void headerColumns(std::string& out, const Groups& groups) {
  for (const auto& group : groups) {
    if (group.count == 0) {
      out += ',';
      out += group.name;
    }
    for (std::size_t i = 1; i <= group.count; ++i) {
      out += ',';
      out += group.name;
      appendWhole(out, i);
    }
  }
}

void emptyColumns(std::string& out, std::size_t count) { out.append(count, ','); }

void resultValues(std::string& out, const FigureResult& figure) {
  for (const ResultColumn& column : resultColumns()) {
    for (std::size_t i = 0; i < std::max<std::size_t>(column.count, 1); ++i) {
      out += ',';
      appendResultNumber(out, column.value(figure, i), "");
    }
  }
}

template <typename Number>
void value(std::string& out, Number number) {
  out += ',';
  appendShortest(out, number);
}

template <typename Number, std::size_t N>
void all(std::string& out, const std::array<Number, N>& values) {
  for (const Number number : values) value(out, number);
}

void checkColumns(std::string& out, const RigorousCheck& c) {
  for (const double number : {c.p.x, c.p.y, c.m0, c.mx, c.my, c.mp, c.ellipse.a, c.ellipse.b, c.ellipse.azimuth}) {
    value(out, number);
  }
  all(out, c.residuals);
  all(out, c.redundancy);
  all(out, c.standardized);
  out += ',';
  bool first = true;
  for (std::size_t i = 0; i < c.flagged.size(); ++i) {
    if (!c.flagged[i]) continue;
    if (!first) out += ' ';
    appendWhole(out, i + 1);
    first = false;
  }
  out += ',';
  appendWhole(out, static_cast<std::size_t>(c.iterations));
}

void leadingColumns(std::string& out, std::size_t line, const std::string* name) {
  appendWhole(out, line);
  out += ',';
  if (name) appendCsvField(out, *name);
}

}  // namespace

void CsvWriter::begin(std::string& out) {
  out += "line,name,error_field,error_message";
  headerColumns(out, resultColumns());
  if (parts_.check) headerColumns(out, kCheckColumns);
  if (parts_.grade) appendGradeCsvHeader(out, parts_.gradeChecks);
  out += '\n';
}

void CsvWriter::result(std::string& out, const FigureResult& figure) {
  leadingColumns(out, figure.line, &figure.name);
  out += ",,";
  resultValues(out, figure);
  if (parts_.check) {
    if (figure.check) {
      checkColumns(out, *figure.check);
    } else {
      emptyColumns(out, columnCount(kCheckColumns));
    }
  }
  if (parts_.grade) {
    if (figure.grade) {
      appendGradeCsv(out, *figure.grade);
    } else {
      emptyColumns(out, gradeCsvColumnCount(parts_.gradeChecks));
    }
  }
  out += '\n';
}

void CsvWriter::failure(std::string& out, const FigureFailure& figure) {
  leadingColumns(out, figure.line, figure.name);
  out += ',';
  if (figure.error.field) out += *figure.error.field;
  out += ',';
  appendCsvField(out, figure.error.message);
  emptyColumns(out, columnCount(resultColumns()));
  if (parts_.check) emptyColumns(out, columnCount(kCheckColumns));
  if (parts_.grade) emptyColumns(out, gradeCsvColumnCount(parts_.gradeChecks));
  out += '\n';
}

}  // namespace velmora
