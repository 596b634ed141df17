// The yardstick of the window program's start-up: a bare Qt main window with a
// menu bar, a status bar and a CJK label on the form's pale yellow, nothing
// else. bench/window_startup.sh times it side by side with velmora.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("文件(&F)"))->addAction(QStringLiteral("打开(&O)…"));
  auto* label = new QLabel(QStringLiteral("中点多边形平差"));
  label->setAutoFillBackground(true);
  label->setStyleSheet(QStringLiteral("background: #ffffc0"));
  window.setCentralWidget(label);
  window.statusBar()->showMessage(QStringLiteral("就绪"));
  window.resize(985, 771);
  window.show();
  return QApplication::exec();
}
