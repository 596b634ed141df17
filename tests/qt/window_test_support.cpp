#include "window_test_support.h"

#include <sys/resource.h>

#include <QApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
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

bool activated(QWidget& window) {
  window.activateWindow();
  return QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; });
}

std::function<void(QWidget&)> typePath(const QString& path, QString* offered) {
  return [path, offered](QWidget& dialog) {
    auto* files = qobject_cast<QFileDialog*>(&dialog);
    if (files == nullptr || !activated(dialog)) {
      dialog.close();
      return;
    }
    if (offered != nullptr) *offered = files->selectedNameFilter();
    QTest::keyClicks(QApplication::focusWidget(), path);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  };
}

std::function<void(QWidget&)> readMessage(QString& text) {
  return [&text](QWidget& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) text = box->text();
    dialog.close();
  };
}

void withFileSizeLimit(unsigned long long bytes, const std::function<void()>& write) {
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit lowered = old;
  lowered.rlim_cur = static_cast<rlim_t>(bytes);
  setrlimit(RLIMIT_FSIZE, &lowered);
  write();
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
}

}  // namespace velmora::qt_tests
