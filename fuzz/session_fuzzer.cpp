// Fuzz target: one session of arbitrary replies driving compute, print and
// check commands against one adjustment state, as the window's buttons would.
// The first byte chooses the commands; the rest is the reply file, one reply
// a line. The same input also runs through the console front end, traced and
// for a person, which must end with the same exit status and show the same fields.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli_arguments.h"
#include "console_session.h"
#include "fuzz_failure.h"
#include "session_checks.h"
#include "ui/line_reply_source.h"

namespace velmora::fuzz {
namespace {

/// Up to three commands from one byte: the two low bits give how many less
/// one (a fourth value also means three), then two bits per command.
std::vector<CliCommand> commandsOf(std::uint8_t choice) {
  constexpr CliCommand kByCode[] = {CliCommand::Compute, CliCommand::Print, CliCommand::Check, CliCommand::Compute};
  const int count = std::min(3, (choice & 3) + 1);
  std::vector<CliCommand> commands;
  for (int i = 0; i < count; ++i) commands.push_back(kByCode[(choice >> (2 + 2 * i)) & 3]);
  return commands;
}

/// The replies as the console reads them, by its own reader: one a line, the
/// line ending and a leading byte order mark removed, GB18030 turned into UTF-8.
std::vector<std::string> splitReplies(std::string_view text) {
  std::istringstream input{std::string(text)};
  LineReplySource source(input);
  std::vector<std::string> replies;
  while (std::optional<std::string> reply = source.next()) replies.push_back(std::move(*reply));
  return replies;
}

/// The trace lines of the fields and labels set, as the console writes them.
std::string fieldAndLabelLines(const std::string& trace) {
  std::istringstream lines(trace);
  std::string kept;
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("field\t") || line.starts_with("label\t")) kept += line + '\n';
  }
  return kept;
}

/// The console's output and exit status for the same replies, traced or for a person.
struct ConsoleRun {
  int status = 0;
  std::string out;
};

ConsoleRun runConsole(const std::vector<CliCommand>& commands, std::string_view replyText, bool trace) {
  CliArguments cli;
  cli.trace = trace;
  cli.commands = commands;
  std::istringstream replies{std::string(replyText)};
  std::ostringstream out, err;
  const int status = runConsoleSession(cli, replies, false, out, err);
  return {status, out.str()};
}

void checkConsoleAgrees(const std::vector<CliCommand>& commands, std::string_view replyText,
                        const SessionRecord& expected) {
  const ConsoleRun traced = runConsole(commands, replyText, true);
  require(traced.status == expected.exitStatus, "the console ends with the session's exit status", traced.out);
  require(fieldAndLabelLines(traced.out) == expected.traceLines, "the console shows the session's fields", traced.out);
  const ConsoleRun person = runConsole(commands, replyText, false);
  require(person.status == expected.exitStatus, "the person's console ends with the same status", person.out);
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora::fuzz;
  if (size == 0) return 0;
  const std::vector<velmora::CliCommand> commands = commandsOf(data[0]);
  const std::string_view replyText(reinterpret_cast<const char*>(data + 1), size - 1);
  const SessionRecord record = runCheckedSession(commands, splitReplies(replyText));
  checkConsoleAgrees(commands, replyText, record);
  return 0;
}
