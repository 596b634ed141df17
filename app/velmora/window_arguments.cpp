#include "window_arguments.h"

#include <cstddef>
#include <utility>

namespace velmora {
namespace {

ParsedWindowArguments usageError(std::string error) { return ParsedWindowArguments{std::nullopt, std::move(error)}; }

}  // namespace

ParsedWindowArguments parseWindowArguments(const std::vector<std::string>& arguments) {
  WindowArguments parsed;
  ScriptOptions script;
  bool scripted = false;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string& option = arguments[at];
    if (option == "--help" || option == "-h") {
      parsed.help = true;
      continue;
    }
    std::string* target = option == "--replies"      ? &script.repliesFile
                          : option == "--pdf"        ? &script.pdfFile
                          : option == "--screenshot" ? &script.screenshotFile
                                                     : nullptr;
    if (target == nullptr) return usageError("unknown argument " + option);
    if (at + 1 == arguments.size() || arguments[at + 1].empty()) return usageError(option + " needs a file name");
    if (!target->empty()) return usageError(option + " given twice");
    *target = arguments[++at];
    scripted = true;
  }
  if (scripted && script.repliesFile.empty()) return usageError("--pdf and --screenshot need --replies");
  if (scripted) parsed.script = script;
  return ParsedWindowArguments{parsed, ""};
}

}  // namespace velmora
