#include "batch/record_writer.h"

#include "batch/csv_writer.h"
#include "batch/jsonl_writer.h"

namespace velmora {

std::unique_ptr<RecordWriter> makeRecordWriter(BatchFormat format, ResultParts parts) {
  if (format == BatchFormat::Csv) return std::make_unique<CsvWriter>(parts);
  return std::make_unique<JsonLinesWriter>(parts);
}

}  // namespace velmora
