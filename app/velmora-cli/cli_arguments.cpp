#include "cli_arguments.h"

#include <algorithm>

namespace velmora {
namespace {

/// The grade named after --grade at arguments[at], advancing `at`; the usage error when there is none.
std::string readGrade(const std::vector<std::string>& arguments, std::size_t& at, const SurveyGrade*& grade) {
  const std::string names = surveyGradeNames("、");
  if (at + 1 >= arguments.size()) return "--grade 需要一个等级名称（" + names + "）";
  const std::string& name = arguments[++at];
  grade = findSurveyGrade(name);
  return grade ? "" : "未知的等级：" + name + "（可用的等级：" + names + "）";
}

ParsedArguments parseBatchArguments(const std::vector<std::string>& arguments) {
  BatchArguments batch;
  std::optional<std::string> file;
  for (std::size_t at = 1; at < arguments.size(); ++at) {
    const std::string& argument = arguments[at];
    if (argument == "--check") {
      batch.check = true;
    } else if (argument == "--grade") {
      if (std::string error = readGrade(arguments, at, batch.grade); !error.empty()) return {std::nullopt, error};
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
    } else if (argument == "--grade") {
      if (std::string error = readGrade(arguments, at, parsed.grade); !error.empty()) return {std::nullopt, error};
    } else if (argument == "--plot") {
      if (at + 1 >= arguments.size()) return {std::nullopt, "--plot 需要一个文件名"};
      parsed.plotFile = arguments[++at];
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
  if (parsed.plotFile && std::ranges::find(parsed.commands, CliCommand::Check) == parsed.commands.end()) {
    return {std::nullopt, "--plot 只能与 check 命令一起使用：图由严密平差检核绘出"};
  }
  return {parsed, ""};
}

}  // namespace velmora
