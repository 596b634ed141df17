#include "ui/qt/script_run.h"

#include <QApplication>
#include <QPixmap>
#include <fstream>
#include <memory>

#include "ui/qt/main_window.h"
#include "ui/qt/script_channel.h"

namespace velmora {

int runScript(const ScriptOptions& options, std::ostream& messages) {
  std::ifstream replies(options.repliesFile, std::ios::binary);
  if (!replies) {
    messages << "velmora: cannot read the replies file " << options.repliesFile << '\n';
    return kExitUsage;
  }
  MainWindow window(std::make_unique<ScriptChannel>(replies, messages, options.pdfFile));
  window.show();
  QApplication::processEvents();

  int status = exitStatusOf(window.compute().end);
  if (!options.pdfFile.empty() && !window.print().printed && status == kExitCompleted) status = kExitPrintRefused;
  if (!options.screenshotFile.empty() && !window.grab().save(QString::fromStdString(options.screenshotFile), "PNG")) {
    messages << "velmora: cannot write the picture " << options.screenshotFile << '\n';
    if (status == kExitCompleted) status = kExitUsage;
  }
  return status;
}

}  // namespace velmora
