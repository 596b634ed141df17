// Shared pieces of the window tests: the test figure's replies, a window
// driven by scripted replies, and the label captions as given.
#pragma once

#include <QString>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/adjustment_state.h"
#include "ui/qt/figure_form.h"
#include "ui/qt/main_window.h"
#include "ui/sheet_entries.h"

class QLabel;

namespace velmora::qt_tests {

/// A figure with exact angles from A=(1000,1000), B=(1900,1500), C=(1100,2000),
/// P=(1300,1500), every value confirmed at once: 32 replies.
std::vector<std::string> exactFigureReplies();

/// The replies of examples/sample-figure.txt, one per line of the file.
std::vector<std::string> sampleFigureReplies();

/// The state of a complete run of the sample figure.
AdjustmentState sampleFigureState();

/// The replies joined one per line, the way a reply file holds them.
std::string replyFileText(const std::vector<std::string>& replies);

/// A window whose operator is a script: replies from `replies`, messages into `messages`.
struct ScriptedWindow {
  explicit ScriptedWindow(const std::vector<std::string>& replies, std::string pdfFile = {});
  std::istringstream replies;
  std::ostringstream messages;
  std::unique_ptr<FigureForm> window;
};

/// A mainWindow whose operator is a script with no replies: it must never be asked.
struct QuietMainWindow {
  QuietMainWindow();
  std::istringstream noReplies;
  std::ostringstream messages;
  std::unique_ptr<MainWindow> mainWindow;
};

/// The caption a label was given, before any wrapping.
QString captionOf(const QLabel& label);

/// True when the CJK faces the window falls back to are installed.
bool fallbackFacesInstalled();

/// Keeps the application's settings in a fresh folder of their own for the
/// rest of the test program, away from the user's.
void isolateSettings();

/// The sixteen texts of the exact figure of exactFigureReplies(), as a file or the sheet holds them.
SheetTexts exactFigureTexts();

}  // namespace velmora::qt_tests
