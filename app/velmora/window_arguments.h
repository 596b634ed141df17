// The window program's command line:
//   velmora [FILE.csv]                           the window, for a person,
//                                                with that figure file opened
//   velmora --replies FILE [--pdf OUT.pdf] [--worksheet OUT.pdf|OUT.html] [--screenshot OUT.png]
//                                                the scripted mode
//   velmora --help | --version                   a text on standard output
// Qt's own options (-platform, -style, ...) are removed before parsing; the
// help and the version are found before Qt starts, so they need no display.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/qt/script_run.h"

namespace velmora {

struct WindowArguments {
  std::optional<ScriptOptions> script;  ///< none: the interactive window
  std::string figureFile;               ///< the interactive window opens it; empty: none
};

struct ParsedWindowArguments {
  std::optional<WindowArguments> arguments;
  std::string error;  ///< why the arguments are not usable, in Chinese
};

/// `arguments` excludes the program name.
ParsedWindowArguments parseWindowArguments(const std::vector<std::string>& arguments);

enum class InformationRequest { None, Help, Version };

/// Whether the command line asks for the help or the version: an argument
/// --help, -h or --version that is not the file name of another option.
InformationRequest informationRequest(const std::vector<std::string>& arguments);

/// The one-line usage, for a usage error.
std::string windowUsage();
/// The whole help: usage, every option, Qt's options, the exit statuses.
std::string windowHelp();
/// "velmora 1.0.0" and the licence.
std::string windowVersion();

}  // namespace velmora
