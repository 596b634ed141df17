#include "ui/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>

#include "ui/entry_problem.h"
#include "ui/qt/batch_view.h"
#include "ui/qt/check_dialog.h"
#include "ui/qt/data_sheet_dialog.h"
#include "ui/qt/manual_window.h"
#include "ui/qt/picture_export.h"
#include "ui/qt/plot_painter.h"
#include "ui/qt/program_texts.h"
#include "ui/qt/report_printing.h"
#include "ui/qt/screen_fit.h"
#include "ui/qt/status_texts.h"

namespace velmora {
namespace {

constexpr int kNoticeMilliseconds = 10000;

QLabel* addStatusField(QStatusBar& bar, bool permanent) {
  auto* label = new QLabel(&bar);
  label->setTextFormat(Qt::PlainText);
  if (permanent) {
    bar.addPermanentWidget(label);
  } else {
    bar.addWidget(label, 1);
  }
  return label;
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<OperatorChannel> channel, QWidget* parent)
    : QMainWindow(parent), form_(new FigureForm(std::move(channel), this)) {
  setWindowTitle(form_->windowTitle());
  auto* scroller = new QScrollArea(this);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  scroller->setWidget(form_);
  setCentralWidget(scroller);
  setAcceptDrops(true);
  actions_ = addMainWindowMenus(*this);
  files_ = new FigureFileCommands(*form_, settings_, *this);
  recovery_ = new FigureRecovery(*files_, *form_, *this);
  exports_ = new ResultExportCommands(*form_, settings_, *this);
  worksheets_ = new WorksheetCommands(*form_, *files_, settings_, *this);
  runStatus_ = addStatusField(*statusBar(), false);
  verdictStatus_ = addStatusField(*statusBar(), true);
  fileStatus_ = addStatusField(*statusBar(), true);
  statusBar()->setSizeGripEnabled(false);
  connectActions();
  fillRecentFiles();
  showFileState();
  resize(naturalSize());
}

void MainWindow::restoreSavedGeometry() {
  keepFrameOnScreen_ = true;
  if (restoreGeometry(settings_.geometry()) && fitsInside(frameGeometry(), availableArea())) return;
  fitToScreen();
}

void MainWindow::fitToScreen() {
  keepFrameOnScreen_ = true;
  setGeometry(fittedGeometry(naturalSize(), frameAround(), availableArea(), frameGeometry().topLeft()));
}

QSize MainWindow::naturalSize() const {
  return form_->sizeHint() + QSize(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

void MainWindow::openOnStart(const QString& path) { files_->openRecent(QFileInfo(path).absoluteFilePath()); }

namespace {

/// The one local file a drag carries, or an empty text.
QString droppedFile(const QMimeData& data) {
  const QList<QUrl> urls = data.urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
  return urls.front().toLocalFile();
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedFile(*event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = droppedFile(*event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  files_->openRecent(path);
}

QMargins MainWindow::frameAround() const {
  const QRect frame = frameGeometry();
  const QRect inner = geometry();
  if (frame == inner) return kGuessedFrame;
  return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
          frame.bottom() - inner.bottom()};
}

QRect MainWindow::availableArea() const { return screen()->availableGeometry(); }

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!keepFrameOnScreen_) return;
  // The window manager frames the window after it is shown: then its real frame counts.
  QTimer::singleShot(0, this, [this] {
    if (!fitsInside(frameGeometry(), availableArea())) {
      setGeometry(fittedGeometry(size(), frameAround(), availableArea(), frameGeometry().topLeft()));
    }
  });
}

void MainWindow::keepRecoveryIn(const QString& folder) { recovery_->start(folder); }

void MainWindow::connectActions() {
  connect(actions_.newFigure, &QAction::triggered, files_, &FigureFileCommands::newFigure);
  connect(actions_.open, &QAction::triggered, files_, &FigureFileCommands::open);
  connect(actions_.save, &QAction::triggered, files_, &FigureFileCommands::save);
  connect(actions_.saveAs, &QAction::triggered, files_, &FigureFileCommands::saveAs);
  connect(actions_.exportReport, &QAction::triggered, this, &MainWindow::exportReport);
  connect(actions_.exportFigure, &QAction::triggered, this, &MainWindow::exportFigure);
  connect(actions_.exportWorksheet, &QAction::triggered, worksheets_, &WorksheetCommands::exportWorksheet);
  connect(actions_.worksheet, &QAction::triggered, worksheets_, &WorksheetCommands::showWorksheet);
  connect(actions_.print, &QAction::triggered, form_, [this] { form_->print(); });
  connect(actions_.quit, &QAction::triggered, this, &MainWindow::quit);
  connect(actions_.dataSheet, &QAction::triggered, this, &MainWindow::editDataSheet);
  connect(actions_.compute, &QAction::triggered, form_, [this] { form_->compute(); });
  connect(actions_.computeSheet, &QAction::triggered, this, [this] { computeFromSheet(); });
  connect(actions_.check, &QAction::triggered, this, &MainWindow::showCheck);
  connect(actions_.batch, &QAction::triggered, this, [this] { BatchView::openFor(*files_, *form_, settings_, *this); });
  connect(actions_.manual, &QAction::triggered, this, &MainWindow::showManual);
  connect(actions_.about, &QAction::triggered, this, &MainWindow::showAbout);
  connect(files_, &FigureFileCommands::fileStateChanged, this, [this] {
    fillRecentFiles();
    showFileState();
  });
  connect(files_, &FigureFileCommands::noticed, this,
          [this](const QString& notice) { statusBar()->showMessage(notice, kNoticeMilliseconds); });
  exports_->connectTo(actions_);
  connect(exports_, &ResultExportCommands::exported, this,
          [this](const QString& notice) { statusBar()->showMessage(notice, kNoticeMilliseconds); });
  connect(recovery_, &FigureRecovery::noticed, this,
          [this](const QString& notice) { statusBar()->showMessage(notice); });
  connect(form_, &FigureForm::figureChanged, this, &MainWindow::showFileState);
  connect(form_, &FigureForm::computeEnded, this, [this](const RunOutcome& outcome) {
    runStatus_->setText(runStatusText(outcome));
    showVerdict(QString());
  });
}

bool MainWindow::editDataSheet() {
  DataSheetDialog sheet(form_->figure(), this);
  if (sheet.exec() != QDialog::Accepted) return false;
  form_->setFigure(sheet.texts());
  return true;
}

std::optional<RunOutcome> MainWindow::computeFromSheet() {
  if (const auto problem = firstFigureProblem(form_->figure())) {
    form_->channel().tell(*form_, "数据表中的数据不能计算：" + *problem + "。");
    return std::nullopt;
  }
  return form_->computeSheet();
}

void MainWindow::showCheck() {
  const CheckReport report = makeCheckReport(form_->state());
  if (!report.text) {
    form_->channel().tell(*form_, report.refusal);
    return;
  }
  CheckDialog dialog(form_->state(), report, settings_, this);
  connect(&dialog, &CheckDialog::verdictChanged, this, &MainWindow::showVerdict);
  showVerdict(gradeVerdictText(dialog.assessment()));
  dialog.exec();
}

void MainWindow::exportReport() {
  if (const auto refusal = reportRefusal(form_->state())) {
    form_->channel().tell(*form_, *refusal);
    return;
  }
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出报告为 PDF"), settings_.lastFolder(),
                                              QStringLiteral("PDF 文件 (*.pdf)"));
  if (path.isEmpty()) return;
  path = withChosenSuffix(path, QStringLiteral("PDF 文件 (*.pdf)"));
  const PrintOutcome outcome = exportReportTo(path);
  if (!outcome.printed) form_->channel().tell(*form_, outcome.message);
}

PrintOutcome MainWindow::exportReportTo(const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageSize(QPageSize(QPageSize::A4));
  return printReportOn(printer, form_->state());
}

void MainWindow::exportFigure() {
  const CheckReport report = makeCheckReport(form_->state());
  if (!report.check) {
    form_->channel().tell(*form_, report.refusal);
    return;
  }
  QString chosen;
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出图形"), settings_.lastFolder(),
                                              pictureFileFilter(), &chosen);
  if (path.isEmpty()) return;
  path = withChosenSuffix(path, chosen);
  // The picture of the check already made: the rigorous adjustment runs once per export.
  const PlotScene scene = buildPlotScene(form_->state(), *report.check);
  const QSizeF size(scene.width, scene.height);
  const QString failure = exportPicture(path, size.toSize(), [&scene, size](QPainter& painter) {
    paintPlotScene(painter, scene, QRectF(QPointF(), size));
  });
  if (!failure.isEmpty()) form_->channel().tell(*form_, failure.toStdString());
}

QString MainWindow::exportFigureTo(const QString& path) {
  const CheckReport report = makeCheckReport(form_->state());
  if (!report.check) return QString::fromStdString(report.refusal);
  const PlotScene scene = buildPlotScene(form_->state(), *report.check);
  const QSizeF size(scene.width, scene.height);
  return exportPicture(path, size.toSize(),
                       [&scene, size](QPainter& painter) { paintPlotScene(painter, scene, QRectF(QPointF(), size)); });
}

void MainWindow::quit() {
  if (!files_->keepChangesOrDrop()) return;
  recovery_->stop();
  close();
}

QStringList MainWindow::statusTexts() const {
  return {runStatus_->text(), verdictStatus_->text(), fileStatus_->text()};
}

void MainWindow::showVerdict(const QString& verdict) {
  verdictStatus_->setText(verdict);
  verdictStatus_->setVisible(!verdict.isEmpty());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The window's own close control quits like 退出; 结束 and 退出 close it
  // themselves, 结束 at once as it always has (its unsaved figure stays in the recovery).
  if (event->spontaneous() && !files_->keepChangesOrDrop()) {
    event->ignore();
    return;
  }
  if (event->spontaneous()) recovery_->stop();
  if (fitsInside(frameGeometry(), availableArea())) settings_.setGeometry(saveGeometry());
  event->accept();
}

void MainWindow::fillRecentFiles() {
  QMenu& menu = *actions_.recentFiles;
  menu.clear();
  const QStringList files = settings_.recentFiles();
  for (int at = 0; at < files.size(); ++at) {
    const QString path = files[at];
    QAction* action = menu.addAction(QStringLiteral("&%1 %2").arg(at + 1).arg(QFileInfo(path).fileName()));
    action->setToolTip(path);
    connect(action, &QAction::triggered, files_, [this, path] { files_->openRecent(path); });
  }
  menu.setEnabled(!files.isEmpty());
}

void MainWindow::showFileState() { fileStatus_->setText(fileStatusText(files_->path(), files_->changed())); }

void MainWindow::showManual() { ManualWindow::showFor(*this); }

void MainWindow::showAbout() { QMessageBox::about(this, QStringLiteral("关于 Velmora"), aboutText()); }

}  // namespace velmora
