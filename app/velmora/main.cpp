// velmora: the window program. Without arguments it opens the main window for
// a person; with --replies it runs the scripted mode and exits with the
// console program's statuses.
#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

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

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  velmora::setUpApplication();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmora/velmora.png")));

  const velmora::ParsedWindowArguments parsed = velmora::parseWindowArguments(programArguments());
  if (!parsed.arguments) {
    std::cerr << "velmora: " << parsed.error << '\n' << velmora::kWindowUsage << '\n';
    return velmora::kExitUsage;
  }
  if (parsed.arguments->help) {
    std::cout << velmora::kWindowUsage << '\n';
    return velmora::kExitCompleted;
  }
  if (parsed.arguments->script) return velmora::runScript(*parsed.arguments->script, std::cerr);

  velmora::MainWindow window(std::make_unique<velmora::DialogChannel>());
  window.show();
  return QApplication::exec();
}
