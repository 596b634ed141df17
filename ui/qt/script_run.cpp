#include "ui/qt/script_run.h"

#include <QApplication>
#include <QPixmap>
#include <filesystem>
#include <fstream>
#include <memory>

#include "ui/qt/main_window.h"
#include "ui/qt/script_channel.h"

namespace velmora {
namespace {

/// The worksheet into `path`; the status after it: refused like print without a complete run, 74 when unwritable.
int writeWorksheet(MainWindow& window, const std::string& path, std::ostream& messages, int status) {
  const QString failure = window.worksheets().exportWorksheetTo(QString::fromStdString(path));
  if (failure.isEmpty()) return status;
  messages << "velmora: " << failure.toStdString() << "\n";
  if (status != kExitCompleted) return status;
  return window.form().state().lastRunComplete ? kExitCannotWrite : kExitPrintRefused;
}

}  // namespace

int runScript(const ScriptOptions& options, std::ostream& messages) {
  std::ifstream replies(options.repliesFile, std::ios::binary);
  if (!replies || std::filesystem::is_directory(options.repliesFile)) {
    messages << "velmora: 无法读取回答文件「" << options.repliesFile << "」\n";
    return kExitCannotRead;
  }
  MainWindow window(std::make_unique<ScriptChannel>(replies, messages, options.pdfFile));
  window.show();
  QApplication::processEvents();

  int status = exitStatusOf(window.form().compute().end);
  if (!options.pdfFile.empty() && !window.form().print().printed && status == kExitCompleted) {
    status = kExitPrintRefused;
  }
  if (!options.worksheetFile.empty()) status = writeWorksheet(window, options.worksheetFile, messages, status);
  QApplication::processEvents();
  if (!options.screenshotFile.empty() && !window.grab().save(QString::fromStdString(options.screenshotFile), "PNG")) {
    messages << "velmora: 无法写入图片「" << options.screenshotFile << "」\n";
    if (status == kExitCompleted) status = kExitCannotWrite;
  }
  return status;
}

}  // namespace velmora
