#include "ui/qt/script_channel.h"

#include <QPageSize>
#include <QPrinter>
#include <string>
#include <utility>

namespace velmora {

ScriptChannel::ScriptChannel(std::istream& replies, std::ostream& messages, std::string pdfFile)
    : replies_(replies), messages_(messages), pdfFile_(std::move(pdfFile)) {}

std::optional<std::string> ScriptChannel::ask(QWidget& /*window*/, const std::string& /*prompt*/,
                                              const PromptOffer& /*offer*/) {
  return replies_.next();
}

void ScriptChannel::tell(QWidget& /*window*/, const std::string& message) { messages_ << message << '\n'; }

bool ScriptChannel::print(QWidget& /*window*/, const std::function<void(QPrinter&)>& render) {
  if (pdfFile_.empty()) return false;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdfFile_));
  printer.setPageSize(QPageSize(QPageSize::A4));
  render(printer);
  return true;
}

}  // namespace velmora
