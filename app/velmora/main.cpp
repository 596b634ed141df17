// velmora: the window program. Without arguments it opens the window for a
// person, which keeps an unsaved figure in the user's data folder and offers it
// back at the next start; with --replies it runs the scripted mode (which keeps
// nothing) and exits with the console program's statuses. --help and --version
// are answered before Qt starts.
#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QStringList>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ui/qt/after_first_frame.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/dialog_channel.h"
#include "ui/qt/main_window.h"
#include "ui/qt/script_run.h"
#include "window_arguments.h"

namespace {

std::vector<std::string> programArguments() {
  QStringList all = QApplication::arguments();
  all.removeFirst();
  std::vector<std::string> arguments;
  for (const QString& argument : all) arguments.push_back(argument.toStdString());
  return arguments;
}

/// Answers --help and --version; false when neither was asked.
bool answerInformation(int argc, char** argv) {
  const velmora::InformationRequest request =
      velmora::informationRequest(std::vector<std::string>(argv + 1, argv + argc));
  if (request == velmora::InformationRequest::None) return false;
  std::cout << (request == velmora::InformationRequest::Help ? velmora::windowHelp() : velmora::windowVersion())
            << std::flush;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (answerInformation(argc, argv)) return std::cout ? velmora::kExitCompleted : velmora::kExitCannotWrite;

  // Fontconfig reads its configuration and its font caches, some ten
  // milliseconds, while Qt connects to the display; the window's fonts need it next.
  std::thread fontConfiguration([] { FcInit(); });
  QApplication application(argc, argv);
  fontConfiguration.join();
  velmora::setUpApplication();

  const velmora::ParsedWindowArguments parsed = velmora::parseWindowArguments(programArguments());
  if (!parsed.arguments) {
    std::cerr << "velmora: " << parsed.error << '\n' << velmora::windowUsage() << '\n';
    return velmora::kExitUsage;
  }
  if (parsed.arguments->script) {
    velmora::setProgramIcon();
    return velmora::runScript(*parsed.arguments->script, std::cerr);
  }

  velmora::MainWindow window(std::make_unique<velmora::DialogChannel>());
  window.restoreSavedGeometry();
  window.show();
  const QString figureFile = QString::fromStdString(parsed.arguments->figureFile);
  velmora::runAfterFirstFrame(window, [&window, figureFile] {
    velmora::setProgramIcon();
    window.keepRecoveryIn(velmora::FigureRecovery::userFolder());
    if (!figureFile.isEmpty()) window.openOnStart(figureFile);
  });
  return QApplication::exec();
}
