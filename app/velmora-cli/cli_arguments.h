// The console front end's command line:
//   velmora-cli [--replies FILE] [--trace] [--report FILE] [--grade G] [--plot FILE.svg] [COMMAND ...]
// COMMAND is compute, print or check; no command means compute; --plot needs check.
//   velmora-cli batch FILE [--format jsonl|csv] [--check] [--grade G]   (FILE "-": standard input)
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/record_writer.h"
#include "grade/survey_grades.h"

namespace velmora {

enum class CliCommand { Compute, Print, Check };

/// Batch mode: the figures of FILE adjusted one by one, results to standard output.
struct BatchArguments {
  std::string file;  ///< "-" for standard input
  BatchFormat format = BatchFormat::JsonLines;
  bool check = false;
  const SurveyGrade* grade = nullptr;  ///< --grade: each check for this grade in every result
};

struct CliArguments {
  std::optional<std::string> repliesFile;
  std::optional<std::string> reportFile;
  bool trace = false;
  std::vector<CliCommand> commands;
  const SurveyGrade* grade = nullptr;   ///< --grade: the grade check judges against
  std::optional<std::string> plotFile;  ///< --plot: check writes the figure's SVG here
  std::optional<BatchArguments> batch;  ///< set in batch mode, which takes no other argument
};

/// The parsed arguments, or the usage error's text.
struct ParsedArguments {
  std::optional<CliArguments> arguments;
  std::string error;
};

ParsedArguments parseCliArguments(const std::vector<std::string>& arguments);

inline constexpr const char* kCliUsage =
    "usage: velmora-cli [--replies FILE] [--trace] [--report FILE] [--grade G] [--plot FILE.svg] "
    "[compute|print|check ...]\n"
    "       velmora-cli batch FILE [--format jsonl|csv] [--check] [--grade G]";

}  // namespace velmora
