// 计算 › 批量计算…: every figure of the opened figure file adjusted as batch
// adjusts it, in a table that fills while the rest is computed (a slice of
// records at a time, so that the window answers throughout): a progress bar
// and 取消, which stops at once and keeps the rows done; sorting by any column
// (numbers as numbers), a filter box that narrows the rows by name, a double
// click or Return to open that figure in the form, and 导出… of the rows shown
// as an Excel workbook (.xlsx) or batch's CSV (.csv).
#pragma once

#include <QDialog>
#include <cstddef>
#include <memory>

#include "batch/figure_rows.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace velmora {

class FigureFileCommands;
class FigureForm;
class FigureRowModel;
class FigureRowOrder;
class MainWindowSettings;

class BatchView final : public QDialog {
  Q_OBJECT

 public:
  /// A view of the file `path` read by `reader` (past a valid header); it starts computing at once.
  BatchView(const QString& path, std::unique_ptr<FigureRowReader> reader, MainWindowSettings& settings,
            QWidget* parent);
  ~BatchView() override;

  /// Opens the view of the window's figure file, refused with a message without one.
  static BatchView* openFor(FigureFileCommands& files, FigureForm& form, MainWindowSettings& settings, QWidget& parent);

  /// Writes the rows shown, in the order shown, to `path` (.xlsx or .csv);
  /// the reason when it could not, or empty.
  QString exportTo(const QString& path) const;

  bool computing() const;
  const FigureRowModel& rows() const { return *model_; }
  QTableView& table() const { return *table_; }
  QLineEdit& filter() const { return *filter_; }
  QPushButton& cancelButton() const { return *cancel_; }
  QPushButton& exportButton() const { return *export_; }
  QProgressBar& progress() const { return *progress_; }
  QString statusText() const;

 signals:
  /// The operator asked to open the figure whose record starts on `line`.
  void figureChosen(std::size_t line);

 private:
  void computeSlice();
  void stop(bool cancelled);
  void open(const QModelIndex& shown);
  void exportRows();
  void showCount();

  QString path_;
  MainWindowSettings& settings_;
  std::unique_ptr<FigureRowReader> reader_;
  std::vector<FigureRow> slice_;
  QString exported_;  ///< the name of the file last exported, for the status line
  FigureRowModel* model_;
  FigureRowOrder* shown_;
  QLabel* status_;
  QLineEdit* filter_;
  QTableView* table_;
  QProgressBar* progress_;
  QPushButton* cancel_;
  QPushButton* export_;
  bool cancelled_ = false;
};

}  // namespace velmora
