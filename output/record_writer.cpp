#include "output/record_writer.h"

namespace velmora {

std::unique_ptr<RecordWriter> makeRecordWriter(BatchFormat format, ResultParts parts) {
  return format == BatchFormat::Csv ? makeCsvWriter(parts) : makeJsonLinesWriter(parts);
}

}  // namespace velmora
