// Fuzz target: one session of arbitrary replies driving compute, print and
// check commands against one adjustment state, as the window's buttons would,
// through the console's own session code. The first byte chooses the commands;
// the rest is the reply file, one reply a line. The traced session is checked
// after every command; the same input for a person must end with the same status.
#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli_arguments.h"
#include "console_session.h"
#include "fuzz_failure.h"
#include "session_checks.h"

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

/// The console for a person, with the same commands and replies: its exit status.
int personConsoleStatus(const std::vector<CliCommand>& commands, std::string_view replyText) {
  CliArguments cli;
  cli.commands = commands;
  std::istringstream replies{std::string(replyText)};
  std::ostringstream out, err;
  return runConsoleSession(cli, replies, false, out, err);
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora::fuzz;
  if (size == 0) return 0;
  const std::vector<velmora::CliCommand> commands = commandsOf(data[0]);
  const std::string_view replyText(reinterpret_cast<const char*>(data + 1), size - 1);
  const int status = runCheckedSession(commands, replyText);
  require(personConsoleStatus(commands, replyText) == status, "the person's console ends with the same status");
  return 0;
}
