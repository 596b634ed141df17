#include "export/workbook_sink.h"

namespace velmora {

void WorkbookSink::result(const FigureResult& figure) {
  static const FigureGrade kNoGrade{};
  book_.addResult({figure.line, figure.name, figure.results, figure.check, figure.grade ? *figure.grade : kNoGrade});
}

void WorkbookSink::failure(const FigureFailure& figure) { book_.addFailure(figure.line, figure.name, figure.error); }

}  // namespace velmora
