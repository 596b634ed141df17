#include "export/workbook_sink.h"

namespace velmora {

void WorkbookSink::result(const FigureResult& figure) {
  book_.addResult({figure.line, figure.name, figure.results, figure.review});
}

void WorkbookSink::failure(const FigureFailure& figure) {
  book_.addFailure(figure.line, figure.name, figure.field, figure.message);
}

}  // namespace velmora
