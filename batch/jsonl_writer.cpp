#include "batch/jsonl_writer.h"

#include <span>
#include <string_view>

#include "batch/result_columns.h"
#include "batch/shortest_number.h"
#include "batch/text_escaping.h"

namespace velmora {
namespace {

void key(std::string& out, std::string_view name) {
  out += ",\"";
  out += name;
  out += "\":";
}

template <typename Number>
void array(std::string& out, std::string_view name, std::span<const Number> values) {
  key(out, name);
  out += '[';
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out += ',';
    appendShortest(out, values[i]);
  }
  out += ']';
}

template <typename Number>
void number(std::string& out, std::string_view name, Number value) {
  key(out, name);
  appendShortest(out, value);
}

void openRecord(std::string& out, std::size_t line, const std::string* name) {
  out += "{\"line\":";
  appendWhole(out, line);
  if (name) {
    key(out, "name");
    appendJsonString(out, *name);
  }
}

void checkObject(std::string& out, const RigorousCheck& c) {
  out += "{\"xp\":";
  appendShortest(out, c.p.x);
  number(out, "yp", c.p.y);
  number(out, "m0", c.m0);
  number(out, "mx", c.mx);
  number(out, "my", c.my);
  number(out, "mp", c.mp);
  out += ",\"ellipse\":{\"a\":";
  appendShortest(out, c.ellipse.a);
  number(out, "b", c.ellipse.b);
  number(out, "azimuth", c.ellipse.azimuth);
  out += '}';
  array(out, "residuals", std::span<const double>(c.residuals));
  array(out, "redundancy", std::span<const double>(c.redundancy));
  array(out, "standardized", std::span<const double>(c.standardized));
  key(out, "flagged");
  out += '[';
  bool first = true;
  for (std::size_t i = 0; i < c.flagged.size(); ++i) {
    if (!c.flagged[i]) continue;
    if (!first) out += ',';
    appendWhole(out, i + 1);
    first = false;
  }
  out += ']';
  key(out, "iterations");
  appendWhole(out, static_cast<std::size_t>(c.iterations));
  out += '}';
}

}  // namespace

void JsonLinesWriter::begin(std::string& /*out*/) {}

void JsonLinesWriter::result(std::string& out, const FigureResult& figure) {
  openRecord(out, figure.line, &figure.name);
  for (const ResultColumn& column : resultColumns()) {
    key(out, column.name);
    if (column.count == 0) {
      appendResultNumber(out, column.value(figure, 0), "null");
      continue;
    }
    out += '[';
    for (std::size_t i = 0; i < column.count; ++i) {
      if (i > 0) out += ',';
      appendResultNumber(out, column.value(figure, i), "null");
    }
    out += ']';
  }
  if (parts_.check) {
    key(out, "check");
    if (figure.check) {
      checkObject(out, *figure.check);
    } else {
      out += "null";
    }
  }
  if (parts_.grade && figure.grade) appendGradeJson(out, *figure.grade);
  out += "}\n";
}

void JsonLinesWriter::failure(std::string& out, const FigureFailure& figure) {
  openRecord(out, figure.line, figure.name);
  out += ",\"error\":{\"field\":";
  if (figure.error.field) {
    appendJsonString(out, *figure.error.field);
  } else {
    out += "null";
  }
  out += ",\"message\":";
  appendJsonString(out, figure.error.message);
  out += "}}\n";
}

}  // namespace velmora
