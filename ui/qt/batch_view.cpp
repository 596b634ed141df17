#include "ui/qt/batch_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

#include "export/figure_rows_export.h"
#include "ui/qt/figure_file_commands.h"
#include "ui/qt/figure_form.h"
#include "ui/qt/figure_row_model.h"
#include "ui/qt/main_window_settings.h"
#include "ui/qt/picture_export.h"
#include "ui/qt/screen_fit.h"

namespace velmora {
namespace {

/// Records adjusted between two looks at the event loop, and the time a slice may take.
constexpr std::size_t kChunkFigures = 64;
constexpr qint64 kSliceMilliseconds = 15;
constexpr int kProgressSteps = 1000;
constexpr int kViewWidthPixels = 980;
constexpr int kViewHeightPixels = 620;
constexpr int kRowPaddingPixels = 8;

const QString kExportFilter = QStringLiteral("Excel 工作簿 (*.xlsx);;CSV 文件 (*.csv)");

/// A text as wide as each column's usual content, so that no column is measured over every row.
constexpr std::array<const char*, kFigureRowColumns> kWidthSamples{
    "000000",     "点名点名点名", "0000000.0000000", "0000000.0000000", "00.0000000",
    "00.0000000", "0000000",      "最高等级",        "出错列",          "错误错误错误错误错误错误"};

QString fileNameOf(const QString& path) { return QFileInfo(path).fileName(); }

}  // namespace

BatchView::BatchView(const QString& path, std::unique_ptr<FigureRowReader> reader, MainWindowSettings& settings,
                     QWidget* parent)
    : QDialog(parent),
      path_(path),
      settings_(settings),
      reader_(std::move(reader)),
      model_(new FigureRowModel(this)),
      shown_(new FigureRowOrder(*model_, this)),
      status_(new QLabel(this)),
      filter_(new QLineEdit(this)),
      table_(new QTableView(this)),
      progress_(new QProgressBar(this)),
      cancel_(new QPushButton(QStringLiteral("取消"), this)),
      export_(new QPushButton(QStringLiteral("导出…"), this)) {
  setWindowTitle(QStringLiteral("批量计算 — %1").arg(fileNameOf(path)));
  setAttribute(Qt::WA_DeleteOnClose);
  status_->setTextFormat(Qt::PlainText);
  filter_->setPlaceholderText(QStringLiteral("按点名筛选（Ctrl+F）"));
  filter_->setClearButtonEnabled(true);
  table_->setModel(shown_);
  table_->setSortingEnabled(true);
  table_->sortByColumn(static_cast<int>(FigureRowColumn::Line), Qt::AscendingOrder);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setWordWrap(false);
  table_->setTabKeyNavigation(false);  // Tab goes on to the buttons, the arrows move between cells
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPaddingPixels);
  table_->horizontalHeader()->setStretchLastSection(true);
  for (int column = 0; column < kFigureRowColumns; ++column) {
    const QString sample = QString::fromUtf8(kWidthSamples[static_cast<std::size_t>(column)]);
    const QString title = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    table_->setColumnWidth(column, fontMetrics().horizontalAdvance(sample.size() > title.size() ? sample : title) + 24);
  }
  progress_->setRange(0, kProgressSteps);
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  for (QPushButton* button : {cancel_, export_, close}) button->setAutoDefault(false);  // Return opens a row

  connect(filter_, &QLineEdit::textChanged, this, [this](const QString& typed) {
    shown_->setFilterFixedString(typed.trimmed());
    showCount();
  });
  connect(table_, &QTableView::activated, this, &BatchView::open);  // a double click, or Return
  auto* find = new QShortcut(QKeySequence::Find, this);
  connect(find, &QShortcut::activated, filter_, [this] { filter_->setFocus(Qt::ShortcutFocusReason); });
  connect(cancel_, &QPushButton::clicked, this, [this] { stop(true); });
  connect(export_, &QPushButton::clicked, this, &BatchView::exportRows);
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(progress_, 1);
  buttons->addWidget(cancel_);
  buttons->addWidget(export_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_);
  layout->addWidget(filter_);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
  resize(kViewWidthPixels, kViewHeightPixels);
  boundToScreen(*this, parent);
  table_->setFocus();
  showCount();
  QTimer::singleShot(0, this, &BatchView::computeSlice);
}

BatchView::~BatchView() = default;

BatchView* BatchView::openFor(FigureFileCommands& files, FigureForm& form, MainWindowSettings& settings,
                              QWidget& parent) {
  const QString path = files.path();
  if (path.isEmpty()) {
    form.channel().tell(form, "批量计算的是一个图形文件中的所有图形：请先用“文件 › 打开”打开一个图形文件。");
    return nullptr;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    form.channel().tell(form, QStringLiteral("无法读取文件「%1」").arg(fileNameOf(path)).toStdString());
    return nullptr;
  }
  auto reader = std::make_unique<FigureRowReader>(file.readAll().toStdString());
  if (!reader->problem().empty()) {
    form.channel().tell(
        form, QStringLiteral("文件「%1」不是图形文件：").arg(fileNameOf(path)).toStdString() + reader->problem());
    return nullptr;
  }
  for (BatchView* earlier : parent.findChildren<BatchView*>(Qt::FindDirectChildrenOnly)) delete earlier;
  auto* view = new BatchView(path, std::move(reader), settings, &parent);
  connect(view, &BatchView::figureChosen, &files, [&files, path](std::size_t line) {
    if (files.keepChangesOrDrop()) files.openPath(path, line);
  });
  view->show();
  return view;
}

bool BatchView::computing() const { return reader_ != nullptr; }

QString BatchView::statusText() const { return status_->text(); }

void BatchView::computeSlice() {
  if (!reader_) return;
  QElapsedTimer clock;
  clock.start();
  bool more = true;
  while (more && clock.elapsed() < kSliceMilliseconds) more = reader_->adjustNext(kChunkFigures, slice_);
  model_->append(slice_);
  progress_->setValue(static_cast<int>(reader_->fractionRead() * kProgressSteps));
  if (!more) return stop(false);
  showCount();
  QTimer::singleShot(0, this, &BatchView::computeSlice);
}

void BatchView::stop(bool cancelled) {
  if (!reader_) return;
  reader_.reset();
  cancelled_ = cancelled;
  if (!cancelled) progress_->setValue(kProgressSteps);
  cancel_->setEnabled(false);
  showCount();
}

void BatchView::showCount() {
  const auto figures = static_cast<qsizetype>(model_->rowCount());
  const auto failures = static_cast<qsizetype>(model_->failures());
  QString text = computing()  ? QStringLiteral("正在计算：已计算 %1 个图形，其中 %2 个不能计算")
                 : cancelled_ ? QStringLiteral("已取消：已计算 %1 个图形，其中 %2 个不能计算")
                              : QStringLiteral("共 %1 个图形，其中 %2 个不能计算");
  text = text.arg(figures).arg(failures);
  if (!filter_->text().trimmed().isEmpty()) text += QStringLiteral("；筛选出 %1 个").arg(shown_->rowCount());
  if (!exported_.isEmpty()) text += QStringLiteral("；已导出「%1」").arg(exported_);
  status_->setText(text);
}

void BatchView::open(const QModelIndex& shown) {
  const FigureRow& row = model_->row(shown_->mapToSource(shown).row());
  if (!row.figureRead) {
    QMessageBox::warning(this, QStringLiteral("Velmora"),
                         QStringLiteral("第 %1 行的记录读不出图形，不能打开：%2")
                             .arg(row.line)
                             .arg(QString::fromStdString(row.errorMessage)));
    return;
  }
  emit figureChosen(row.line);
}

void BatchView::exportRows() {
  QString chosen;
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出批量计算结果"), settings_.lastFolder(),
                                              kExportFilter, &chosen);
  if (path.isEmpty()) return;
  path = withChosenSuffix(path, chosen);
  QApplication::setOverrideCursor(Qt::WaitCursor);  // a workbook of 100,000 rows takes seconds
  const QString failure = exportTo(path);
  QApplication::restoreOverrideCursor();
  if (!failure.isEmpty()) {
    QMessageBox::warning(this, QStringLiteral("Velmora"), failure);
    return;
  }
  exported_ = fileNameOf(path);
  showCount();
}

QString BatchView::exportTo(const QString& path) const {
  std::vector<const FigureRow*> rows;
  rows.reserve(static_cast<std::size_t>(shown_->rowCount()));
  for (int at = 0; at < shown_->rowCount(); ++at) {
    rows.push_back(&model_->row(shown_->mapToSource(shown_->index(at, 0)).row()));
  }
  const std::string problem = writeFigureRows(QFile::encodeName(path).toStdString(), rows);
  if (problem.empty()) return {};
  return QStringLiteral("无法导出文件「%1」：%2").arg(fileNameOf(path), QString::fromStdString(problem));
}

}  // namespace velmora
