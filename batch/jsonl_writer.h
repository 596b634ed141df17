// JSON Lines: one object per figure. A result has the keys line, name, w,
// secondGroupW, k, invPb, invPs, mb, md, m (null for 1/∞), xp1 .. yp3,
// distanceAngle, advanceAngle, centralAngle and, with the check, check, and
// with a grade, grade (batch/grade_fields.h); a failure has line, name (when
// there is one) and error {field, message}.
#pragma once

#include "batch/record_writer.h"

namespace velmora {

class JsonLinesWriter : public RecordWriter {
 public:
  explicit JsonLinesWriter(ResultParts parts) : parts_(parts) {}
  void begin(std::string& out) override;
  void result(std::string& out, const FigureResult& figure) override;
  void failure(std::string& out, const FigureFailure& figure) override;

 private:
  ResultParts parts_;
};

}  // namespace velmora
