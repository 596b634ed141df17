#include "window_test_support.h"

#include <QFontDatabase>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <fstream>

#include "figure_factory.h"
#include "ui/compute_run.h"
#include "ui/qt/script_channel.h"
#include "ui/recording_window.h"

namespace velmora::qt_tests {

namespace {

figures::Figure exactFigure() {
  return figures::measuredFigure("P", {1000, 1000}, {1900, 1500}, {1100, 2000}, {1300, 1500});
}

}  // namespace

std::vector<std::string> exactFigureReplies() { return figures::confirmedReplies(exactFigure()); }

SheetTexts exactFigureTexts() {
  const figures::Figure figure = exactFigure();
  SheetTexts texts;
  texts[kPointNameEntry] = figure.name;
  for (std::size_t n = 0; n < figure.coordinateTexts.size(); ++n) texts[coordinateEntry(n)] = figure.coordinateTexts[n];
  for (std::size_t n = 0; n < figure.angleTexts.size(); ++n) texts[angleEntry(1, 0) + n] = figure.angleTexts[n];
  return texts;
}

std::vector<std::string> sampleFigureReplies() {
  std::ifstream file(VELMORA_SAMPLE_FIGURE);
  std::vector<std::string> replies;
  for (std::string line; std::getline(file, line);) replies.push_back(line);
  return replies;
}

AdjustmentState sampleFigureState() {
  RecordingWindow window(sampleFigureReplies());
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
      window(std::make_unique<FigureForm>(std::make_unique<ScriptChannel>(replies, messages, std::move(pdfFile)))) {}

QuietMainWindow::QuietMainWindow()
    : mainWindow(std::make_unique<MainWindow>(std::make_unique<ScriptChannel>(noReplies, messages, std::string()))) {}

QString captionOf(const QLabel& label) { return label.accessibleName(); }

bool fallbackFacesInstalled() {
  const QStringList families = QFontDatabase::families();
  return families.contains(QStringLiteral("AR PL UMing CN")) && families.contains(QStringLiteral("WenQuanYi Zen Hei"));
}

void isolateSettings() {
  static QTemporaryDir folder;
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
}

}  // namespace velmora::qt_tests
