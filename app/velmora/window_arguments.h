// The window program's command line:
//   velmora                                      the window, for a person
//   velmora --replies FILE [--pdf OUT.pdf] [--screenshot OUT.png]
//                                                the scripted mode
// Qt's own options (-platform, -style, ...) are removed before parsing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/qt/script_run.h"

namespace velmora {

struct WindowArguments {
  std::optional<ScriptOptions> script;  ///< none: the interactive window
  bool help = false;
};

struct ParsedWindowArguments {
  std::optional<WindowArguments> arguments;
  std::string error;  ///< why the arguments are not usable
};

/// `arguments` excludes the program name.
ParsedWindowArguments parseWindowArguments(const std::vector<std::string>& arguments);

inline constexpr const char* kWindowUsage = "usage: velmora [--replies FILE [--pdf OUT.pdf] [--screenshot OUT.png]]";

}  // namespace velmora
