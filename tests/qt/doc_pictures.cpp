// Makes the check dialog's picture for the documentation: the sample figure
// computed through the window, the check dialog opened on it and saved as PNG.
// (The window's own picture comes from `velmora --replies … --screenshot …`.)
//   velmora_doc_pictures SAMPLE_REPLIES OUT.png
#include <QApplication>
#include <QPixmap>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "ui/qt/application_setup.h"
#include "ui/qt/check_dialog.h"
#include "ui/qt/main_window.h"
#include "ui/qt/script_channel.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: velmora_doc_pictures SAMPLE_REPLIES OUT.png\n";
    return 64;
  }
  velmora::setUpApplication();
  std::ifstream replies(argv[1], std::ios::binary);
  std::ostringstream messages;
  velmora::MainWindow mainWindow(std::make_unique<velmora::ScriptChannel>(replies, messages, std::string()));
  if (mainWindow.form().compute().end != velmora::RunEnd::Complete) {
    std::cerr << messages.str();
    return 1;
  }
  const velmora::CheckReport report = velmora::makeCheckReport(mainWindow.form().state());
  if (!report.check) {
    std::cerr << report.refusal << '\n';
    return 1;
  }
  velmora::CheckDialog dialog(mainWindow.form().state(), report, mainWindow.settings(), &mainWindow);
  dialog.chooseGrade(QStringLiteral("四等"));
  dialog.show();
  QApplication::processEvents();
  return dialog.grab().save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 74;
}
