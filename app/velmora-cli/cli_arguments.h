// The console front end's command line:
//   velmora-cli [--replies FILE] [--trace] [--report FILE] [COMMAND ...]
// COMMAND is compute, print or check; no command means compute.
//   velmora-cli batch FILE [--format jsonl|csv] [--check]   (FILE "-": standard input)
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/record_writer.h"

namespace velmora {

enum class CliCommand { Compute, Print, Check };

/// Batch mode: the figures of FILE adjusted one by one, results to standard output.
struct BatchArguments {
  std::string file;  ///< "-" for standard input
  BatchFormat format = BatchFormat::JsonLines;
  bool check = false;
};

struct CliArguments {
  std::optional<std::string> repliesFile;
  std::optional<std::string> reportFile;
  bool trace = false;
  std::vector<CliCommand> commands;
  std::optional<BatchArguments> batch;  ///< set in batch mode, which takes no other argument
};

/// The parsed arguments, or the usage error's text.
struct ParsedArguments {
  std::optional<CliArguments> arguments;
  std::string error;
};

ParsedArguments parseCliArguments(const std::vector<std::string>& arguments);

inline constexpr const char* kCliUsage =
    "usage: velmora-cli [--replies FILE] [--trace] [--report FILE] [compute|print|check ...]\n"
    "       velmora-cli batch FILE [--format jsonl|csv] [--check]";

}  // namespace velmora
