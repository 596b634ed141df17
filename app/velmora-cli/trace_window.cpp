#include "trace_window.h"

namespace velmora {

std::string escapeTraceText(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\\': escaped += "\\\\"; break;
      case '\t': escaped += "\\t"; break;
      case '\r': escaped += "\\r"; break;
      case '\n': escaped += "\\n"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::optional<std::string> TraceWindow::askOperator(const std::string& prompt) {
  std::optional<std::string> reply = replies_.next();
  if (reply) writeLine("ask", prompt, *reply);
  return reply;
}

void TraceWindow::setFieldText(FieldId field, const std::string& text) { writeLine("field", controlName(field), text); }

void TraceWindow::setLabelCaption(LabelId label, const std::string& text) {
  writeLine("label", controlName(label), text);
}

void TraceWindow::writeStop(const std::string& message) { out_ << "stop\t" << escapeTraceText(message) << '\n'; }

void TraceWindow::writeLine(std::string_view kind, std::string_view first, std::string_view second) {
  out_ << kind << '\t' << escapeTraceText(first) << '\t' << escapeTraceText(second) << '\n';
}

}  // namespace velmora
