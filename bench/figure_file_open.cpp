// Opens a large figure file in the window as a person does (文件 › 打开, the
// chooser, the last figure taken) and prints the seconds it took and the
// process's peak memory, offscreen:
//   QT_QPA_PLATFORM=offscreen velmora_figure_file_open FILE.csv
// Make FILE.csv with velmora_generate_figures (350000 figures are about 50 MB).
#include <sys/resource.h>

#include <QApplication>
#include <QListView>
#include <QTimer>
#include <chrono>
#include <iostream>

#include "ui/qt/application_setup.h"
#include "ui/qt/dialog_channel.h"
#include "ui/qt/figure_chooser.h"
#include "ui/qt/main_window.h"

namespace {

/// Takes the chooser's last figure as soon as it shows.
void takeTheLastFigureWhenAsked() {
  QTimer::singleShot(0, [] {
    auto* chooser = qobject_cast<velmora::FigureChooser*>(QApplication::activeModalWidget());
    if (chooser == nullptr) return takeTheLastFigureWhenAsked();
    QAbstractItemModel& rows = *chooser->list().model();
    chooser->list().setCurrentIndex(rows.index(rows.rowCount() - 1, 0));
    chooser->accept();
  });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: velmora_figure_file_open FILE.csv\n";
    return 64;
  }
  velmora::setUpApplication();
  velmora::MainWindow window(std::make_unique<velmora::DialogChannel>());
  takeTheLastFigureWhenAsked();
  const auto start = std::chrono::steady_clock::now();
  const bool opened = window.files().openPath(QString::fromLocal8Bit(argv[1]));
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::cout << (opened ? "opened " : "not opened ") << window.form().figure()[0] << " in " << took.count()
            << " s, peak memory " << usage.ru_maxrss / 1024 << " MB\n";
  return opened ? 0 : 1;
}
