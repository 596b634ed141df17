// CSV output: a header line, then one line per figure with the same values as
// the JSON Lines keys, arrays spread over numbered columns (w1 .. w3). A failed
// record fills only line, name, error_field and error_message; m is empty for
// 1/∞; check_flagged lists the flagged angles' 1-based indices, blank-separated;
// the grade columns follow the check's (batch/grade_fields.h).
#pragma once

#include "batch/record_writer.h"

namespace velmora {

class CsvWriter : public RecordWriter {
 public:
  explicit CsvWriter(ResultParts parts) : parts_(parts) {}
  void begin(std::string& out) override;
  void result(std::string& out, const FigureResult& figure) override;
  void failure(std::string& out, const FigureFailure& figure) override;

 private:
  ResultParts parts_;
};

}  // namespace velmora
