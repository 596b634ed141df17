#include "ui/qt/report_printing.h"

#include <QPrinter>

#include "ui/qt/qt_printer.h"

namespace velmora {
namespace {

std::string cannotOpenMessage(const QPrinter& printer) {
  const QString target = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
  return "打印失败：无法打开打印机或输出文件「" + target.toStdString() + "」。";
}

}  // namespace

PrintOutcome printReportOn(QPrinter& printer, const AdjustmentState& state) {
  QtPrinter sink(printer);
  PrintOutcome outcome = printReport(state, sink);
  if (outcome.printed && sink.failed()) return PrintOutcome{false, cannotOpenMessage(printer)};
  return outcome;
}

}  // namespace velmora
