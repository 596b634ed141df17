#include "cli_arguments.h"

namespace velmora {

ParsedArguments parseCliArguments(const std::vector<std::string>& arguments) {
  CliArguments parsed;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string& argument = arguments[at];
    if (argument == "--trace") {
      parsed.trace = true;
    } else if (argument == "--replies" || argument == "--report") {
      if (at + 1 >= arguments.size()) return {std::nullopt, argument + " needs a file name"};
      (argument == "--replies" ? parsed.repliesFile : parsed.reportFile) = arguments[++at];
    } else if (argument == "compute") {
      parsed.commands.push_back(CliCommand::Compute);
    } else if (argument == "print") {
      parsed.commands.push_back(CliCommand::Print);
    } else {
      return {std::nullopt, "unknown argument: " + argument};
    }
  }
  if (parsed.commands.empty()) parsed.commands.push_back(CliCommand::Compute);
  return {parsed, ""};
}

}  // namespace velmora
