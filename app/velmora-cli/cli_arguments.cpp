#include "cli_arguments.h"

namespace velmora {
namespace {

ParsedArguments parseBatchArguments(const std::vector<std::string>& arguments) {
  BatchArguments batch;
  std::optional<std::string> file;
  for (std::size_t at = 1; at < arguments.size(); ++at) {
    const std::string& argument = arguments[at];
    if (argument == "--check") {
      batch.check = true;
    } else if (argument == "--format") {
      if (at + 1 >= arguments.size()) return {std::nullopt, "--format needs jsonl or csv"};
      const std::string& format = arguments[++at];
      if (format != "jsonl" && format != "csv") return {std::nullopt, "unknown batch format: " + format};
      batch.format = format == "csv" ? BatchFormat::Csv : BatchFormat::JsonLines;
    } else if (!file && (argument == "-" || !argument.starts_with("-"))) {
      file = argument;
    } else {
      return {std::nullopt, "unknown batch argument: " + argument};
    }
  }
  if (!file) return {std::nullopt, "batch needs a file name (- for standard input)"};
  batch.file = *file;
  CliArguments parsed;
  parsed.batch = batch;
  return {parsed, ""};
}

}  // namespace

ParsedArguments parseCliArguments(const std::vector<std::string>& arguments) {
  if (!arguments.empty() && arguments.front() == "batch") return parseBatchArguments(arguments);
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
    } else if (argument == "check") {
      parsed.commands.push_back(CliCommand::Check);
    } else {
      return {std::nullopt, "unknown argument: " + argument};
    }
  }
  if (parsed.commands.empty()) parsed.commands.push_back(CliCommand::Compute);
  return {parsed, ""};
}

}  // namespace velmora
