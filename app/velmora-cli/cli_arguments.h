// The console front end's command line:
//   velmora-cli [--replies FILE] [--trace] [--report FILE] [COMMAND ...]
// COMMAND is compute or print; no command means compute.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmora {

enum class CliCommand { Compute, Print };

struct CliArguments {
  std::optional<std::string> repliesFile;
  std::optional<std::string> reportFile;
  bool trace = false;
  std::vector<CliCommand> commands;
};

/// The parsed arguments, or the usage error's text.
struct ParsedArguments {
  std::optional<CliArguments> arguments;
  std::string error;
};

ParsedArguments parseCliArguments(const std::vector<std::string>& arguments);

inline constexpr const char* kCliUsage =
    "usage: velmora-cli [--replies FILE] [--trace] [--report FILE] [compute|print ...]";

}  // namespace velmora
