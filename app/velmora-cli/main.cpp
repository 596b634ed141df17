// velmora-cli: the console front end. Runs compute, print and check commands
// in the order given against one adjustment state, with replies from a file or
// from standard input, as a trace or for a person to read; or, as velmora-cli
// batch, adjusts every figure of a CSV file.
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "batch_command.h"
#include "cli_arguments.h"
#include "console_session.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const velmora::ParsedArguments parsed = velmora::parseCliArguments(arguments);
  if (!parsed.arguments) {
    std::cerr << "velmora-cli: " << parsed.error << '\n' << velmora::kCliUsage << '\n';
    return velmora::kExitUsage;
  }
  const velmora::CliArguments& cli = *parsed.arguments;
  if (cli.batch) return velmora::runBatchCommand(*cli.batch, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);

  std::ifstream repliesFile;
  if (cli.repliesFile) {
    repliesFile.open(*cli.repliesFile, std::ios::binary);
    if (!repliesFile) {
      std::cerr << "velmora-cli: cannot read the replies file " << *cli.repliesFile << '\n';
      return velmora::kExitUsage;
    }
  }
  std::istream& replies = cli.repliesFile ? static_cast<std::istream&>(repliesFile) : std::cin;
  const bool repliesFromTerminal = !cli.repliesFile && isatty(STDIN_FILENO) != 0;
  return velmora::runConsoleSession(cli, replies, repliesFromTerminal, std::cout, std::cerr);
}
