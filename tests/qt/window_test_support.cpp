#include "window_test_support.h"

#include <QFontDatabase>
#include <QLabel>
#include <fstream>

#include "figure_factory.h"
#include "ui/compute_run.h"
#include "ui/qt/script_channel.h"
#include "ui/recording_window.h"

namespace velmora::qt_tests {

std::vector<std::string> exactFigureReplies() {
  return figures::confirmedReplies(
      figures::measuredFigure("P", {1000, 1000}, {1900, 1500}, {1100, 2000}, {1300, 1500}));
}

AdjustmentState sampleFigureState() {
  std::ifstream file(VELMORA_SAMPLE_FIGURE);
  std::vector<std::string> replies;
  for (std::string line; std::getline(file, line);) replies.push_back(line);
  RecordingWindow window(replies);
  AdjustmentState state;
  computeRun(state, window);
  return state;
}

std::string replyFileText(const std::vector<std::string>& replies) {
  std::string text;
  for (const std::string& reply : replies) text += reply + "\n";
  return text;
}

ScriptedWindow::ScriptedWindow(const std::vector<std::string>& replyLines, std::string pdfFile)
    : replies(replyFileText(replyLines)),
      window(std::make_unique<MainWindow>(std::make_unique<ScriptChannel>(replies, messages, std::move(pdfFile)))) {}

QString captionOf(const QLabel& label) { return label.accessibleName(); }

bool fallbackFacesInstalled() {
  const QStringList families = QFontDatabase::families();
  return families.contains(QStringLiteral("AR PL UMing CN")) && families.contains(QStringLiteral("WenQuanYi Zen Hei"));
}

}  // namespace velmora::qt_tests
