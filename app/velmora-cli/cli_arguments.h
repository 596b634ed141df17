// The console front end's command line:
//   velmora-cli [--replies FILE] [--encoding E] [--trace] [--report FILE] [--grade G] [--plot FILE.svg]
//               [--worksheet FILE.html] [COMMAND ...]
//               [--export OUT ...] [COMMAND ...]
// COMMAND is compute, print, check, export or worksheet; no command means
// compute; --plot needs check, --worksheet needs worksheet, --export needs
// export and export needs --export.
//   velmora-cli batch FILE [--format jsonl|csv] [--check] [--grade G] [--encoding E] [--jobs N]
//               [--xlsx OUT.xlsx] [--tables]
// (FILE "-": standard input). --help and --version anywhere show the help or
// the version and nothing else runs.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch_run.h"
#include "input/text_encoding.h"

namespace velmora {

enum class CliCommand { Compute, Print, Check, Export, Worksheet };

/// Batch mode: the figures of FILE adjusted one by one, results to standard output.
struct BatchArguments {
  std::string file;  ///< "-" for standard input
  /// --format, --check, --grade, --encoding, --jobs; without --jobs one thread per core.
  BatchOptions options{.jobs = 0};
  std::optional<std::string> workbookFile{};  ///< --xlsx: every record also into this workbook
};

/// What the program is asked to show instead of running.
enum class CliInformation { None, Help, Version };

struct CliArguments {
  std::optional<std::string> repliesFile;
  std::optional<std::string> reportFile;
  TextEncoding encoding = TextEncoding::Automatic;  ///< of the replies
  bool trace = false;
  std::vector<CliCommand> commands;
  const SurveyGrade* grade = nullptr;        ///< --grade: the grade check judges against
  std::optional<std::string> plotFile;       ///< --plot: check writes the figure's SVG here
  std::optional<std::string> worksheetFile;  ///< --worksheet: worksheet writes HTML here, not text to standard output
  std::vector<std::string> exportFiles{};    ///< --export: export writes each, its extension picking the format
  std::optional<BatchArguments> batch;       ///< set in batch mode, which takes no other argument
  CliInformation information = CliInformation::None;
};

/// The parsed arguments, or the usage error's text (in Chinese).
struct ParsedArguments {
  std::optional<CliArguments> arguments;
  std::string error;
};

ParsedArguments parseCliArguments(const std::vector<std::string>& arguments);

/// The short usage shown after a usage error.
extern const char* const kCliUsage;

/// The whole help: every command, option and exit status, with examples.
extern const char* const kCliHelp;

/// "velmora-cli VERSION".
std::string cliVersionText();

}  // namespace velmora
