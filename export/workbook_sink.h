// A batch's records also into a result workbook, in the order of the file.
#pragma once

#include "batch/batch_run.h"
#include "export/result_workbook.h"

namespace velmora {

class WorkbookSink : public RecordSink {
 public:
  explicit WorkbookSink(ResultWorkbook& book) : book_(book) {}
  void result(const FigureResult& figure) override;
  void failure(const FigureFailure& figure) override;

 private:
  ResultWorkbook& book_;
};

}  // namespace velmora
