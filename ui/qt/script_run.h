// The window's scripted mode for demonstrations and tests: it presses 计算
// with replies from a file, then prints the report into a PDF file, writes
// the worksheet (PDF or HTML) and saves a picture of the window when asked,
// and opens no dialog box. Its exit
// statuses are the console program's.
#pragma once

#include <ostream>
#include <string>

#include "ui/exit_status.h"

namespace velmora {

struct ScriptOptions {
  std::string repliesFile;
  std::string pdfFile;         ///< empty: no report is printed
  std::string worksheetFile;   ///< empty: no worksheet is written; .pdf or .html
  std::string screenshotFile;  ///< empty: no picture is saved
};

/// Runs the script on a new window shown on the current platform (offscreen
/// works); messages go to `messages`. Returns the status of the first step
/// that failed.
int runScript(const ScriptOptions& options, std::ostream& messages);

}  // namespace velmora
