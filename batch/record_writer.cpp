#include "batch/record_writer.h"

#include "batch/csv_writer.h"
#include "batch/jsonl_writer.h"

namespace velmora {

std::unique_ptr<RecordWriter> makeRecordWriter(BatchFormat format, bool withCheck) {
  if (format == BatchFormat::Csv) return std::make_unique<CsvWriter>(withCheck);
  return std::make_unique<JsonLinesWriter>(withCheck);
}

}  // namespace velmora
