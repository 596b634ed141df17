// velmora-cli: the console front end. Runs compute, print and check commands
// in the order given against one adjustment state, with replies from a file or
// from standard input, as a trace or for a person to read; or, as velmora-cli
// batch, adjusts every figure of a CSV file.
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "batch_command.h"
#include "cli_arguments.h"
#include "console_session.h"
#include "input_file.h"

namespace {

int runConsole(const velmora::CliArguments& cli) {
  std::ifstream repliesFile;
  if (cli.repliesFile) {
    if (const std::string problem = velmora::openForReading(*cli.repliesFile, repliesFile); !problem.empty()) {
      std::cerr << "velmora-cli: 回答文件 " << *cli.repliesFile << " " << problem << '\n';
      return velmora::kExitCannotRead;
    }
  }
  std::istream& replies = cli.repliesFile ? static_cast<std::istream&>(repliesFile) : std::cin;
  const bool repliesFromTerminal = !cli.repliesFile && isatty(STDIN_FILENO) != 0;
  return velmora::runConsoleSession(cli, replies, repliesFromTerminal, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const velmora::ParsedArguments parsed = velmora::parseCliArguments(arguments);
  if (!parsed.arguments) {
    std::cerr << "velmora-cli: " << parsed.error << '\n' << velmora::kCliUsage << '\n';
    return velmora::kExitUsage;
  }
  const velmora::CliArguments& cli = *parsed.arguments;
  int status = velmora::kExitCompleted;
  if (cli.information != velmora::CliInformation::None) {
    std::cout << (cli.information == velmora::CliInformation::Help ? velmora::kCliHelp
                                                                   : velmora::cliVersionText() + "\n");
  } else if (cli.batch) {
    status = velmora::runBatchCommand(*cli.batch, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
  } else {
    status = runConsole(cli);
  }
  if (!std::cout.flush() && status != velmora::kExitCannotWrite) {
    std::cerr << "velmora-cli: 标准输出不能写出\n";
    return velmora::kExitCannotWrite;
  }
  return status;
}
