#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "input/text_escaping.h"
#include "output/record_writer.h"
#include "output/result_columns.h"
#include "output/result_value_text.h"
#include "output/shortest_number.h"

namespace velmora {
namespace {

std::size_t widthOf(const ResultColumn& column) { return std::max<std::size_t>(column.count, 1); }

void emptyColumns(std::string& out, std::size_t count) { out.append(count, ','); }

void headerColumns(std::string& out, const ResultColumn& column) {
  if (column.count == 0) {
    out += ',';
    out += column.csvName;
  }
  for (std::size_t i = 1; i <= column.count; ++i) {
    out += ',';
    out += column.csvName;
    appendWhole(out, i);
  }
}

/// One field's text after its comma.
void appendField(std::string& out, const ResultValue& value) {
  out += ',';
  appendValueText(out, value);
}

void leadingColumns(std::string& out, std::size_t line, const std::string* name) {
  appendWhole(out, line);
  out += ',';
  if (name) appendCsvField(out, *name);
}

/// A header line, then one line per figure, one column per value of the table's columns asked for.
class CsvWriter final : public RecordWriter {
 public:
  explicit CsvWriter(ResultParts parts) {
    for (const ResultColumn& column : resultColumns()) {
      if (!includes(parts, column.part)) continue;
      columns_.push_back({&column, widthOf(column)});
      width_ += widthOf(column);
    }
  }

  void begin(std::string& out) override {
    out += "line,name,error_field,error_message";
    for (const Column& column : columns_) headerColumns(out, *column.column);
    out += '\n';
  }

  void result(std::string& out, const FigureResult& figure) override {
    leadingColumns(out, figure.line, &figure.name);
    out += ",,";
    const std::array<bool, kResultParts> present = partsPresent(figure);
    for (const auto& [column, width] : columns_) {
      if (!present[partIndex(column->part)]) {
        emptyColumns(out, width);
        continue;
      }
      for (std::size_t i = 0; i < width; ++i) appendField(out, column->value(figure, *column, i));
    }
    out += '\n';
  }

  void failure(std::string& out, const FigureFailure& figure) override {
    leadingColumns(out, figure.line, figure.name);
    out += ',';
    if (figure.field) out += *figure.field;
    out += ',';
    appendCsvField(out, figure.message);
    emptyColumns(out, width_);
    out += '\n';
  }

 private:
  struct Column {
    const ResultColumn* column;
    std::size_t width;  ///< its CSV columns
  };
  std::vector<Column> columns_;
  std::size_t width_ = 0;  ///< the result columns' count, numbered ones each
};

}  // namespace

std::unique_ptr<RecordWriter> makeCsvWriter(ResultParts parts) { return std::make_unique<CsvWriter>(parts); }

}  // namespace velmora
