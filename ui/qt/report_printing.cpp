#include "ui/qt/report_printing.h"

#include <QPrinter>

#include "ui/qt/qt_printer.h"

namespace velmora {
namespace {

/// A printer that drops everything, to learn the report's outcome.
class DiscardingPrinter final : public Printer {
 public:
  void setPrintPosition(int /*xTwips*/, int /*yTwips*/) override {}
  void setPrintFontName(const std::string& /*faceName*/) override {}
  void setPrintFontSize(int /*points*/) override {}
  void printLine(const std::vector<PrintItem>& /*items*/) override {}
  void endPrintDocument() override {}
};

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

std::optional<std::string> reportRefusal(const AdjustmentState& state) {
  DiscardingPrinter discard;
  PrintOutcome outcome = printReport(state, discard);
  if (outcome.printed) return std::nullopt;
  return outcome.message;
}

}  // namespace velmora
