// Shared pieces of the window tests: the test figure's replies, a window
// driven by scripted replies, and the label captions as given.
#pragma once

#include <QString>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/adjustment_state.h"
#include "ui/qt/main_window.h"

class QLabel;

namespace velmora::qt_tests {

/// A figure with exact angles from A=(1000,1000), B=(1900,1500), C=(1100,2000),
/// P=(1300,1500), every value confirmed at once: 32 replies.
std::vector<std::string> exactFigureReplies();

/// The state after a complete run of examples/sample-figure.txt.
AdjustmentState sampleFigureState();

/// The replies joined one per line, the way a reply file holds them.
std::string replyFileText(const std::vector<std::string>& replies);

/// A window whose operator is a script: replies from `replies`, messages into `messages`.
struct ScriptedWindow {
  explicit ScriptedWindow(const std::vector<std::string>& replies, std::string pdfFile = {});
  std::istringstream replies;
  std::ostringstream messages;
  std::unique_ptr<MainWindow> window;
};

/// The caption a label was given, before any wrapping.
QString captionOf(const QLabel& label);

/// True when the CJK faces the window falls back to are installed.
bool fallbackFacesInstalled();

}  // namespace velmora::qt_tests
