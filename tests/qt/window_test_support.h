// Shared pieces of the window tests: the test figure's replies, a window
// driven by scripted replies, and the label captions as given.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/adjustment_state.h"
#include "ui/qt/figure_form.h"
#include "ui/qt/main_window.h"
#include "ui/sheet_entries.h"

class QLabel;
class QWidget;

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

/// Makes `window` the active one, as a click on it would: the offscreen
/// platform activates no window of its own when a dialog closes.
bool activated(QWidget& window);

/// A dialog handler that types `path` into the file dialog's name and presses
/// Enter, noting the filter the dialog offered in `offered` when given.
std::function<void(QWidget&)> typePath(const QString& path, QString* offered = nullptr);

/// A dialog handler that takes the text of the message shown and closes it.
std::function<void(QWidget&)> readMessage(QString& text);

/// Runs `write` while no file of this process may grow past `bytes`: a write
/// beyond fails with EFBIG (SIGXFSZ ignored, or it would end the test).
void withFileSizeLimit(unsigned long long bytes, const std::function<void()>& write);

}  // namespace velmora::qt_tests
