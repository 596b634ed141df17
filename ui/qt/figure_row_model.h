// The batch view's table: one row per record of the figure file, held as a
// vector of rows (batch/figure_rows.h) and formatted only when shown, so that a
// file of 100,000 figures takes no more than its rows. Columns: line, name, P
// (x, y from A, metres), mb (seconds), md (millimetres), m of 1/m, the highest
// grade met, and an error record's column and message. A value shows as batch's
// CSV writes it; rows order by numbers as numbers (the grades strictest first),
// an empty value after every other.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <deque>
#include <vector>

#include "batch/figure_rows.h"
#include "output/result_columns.h"

namespace velmora {

enum class FigureRowColumn { Line, Name, Px, Py, Mb, Md, M, Highest, ErrorField, ErrorMessage };

inline constexpr int kFigureRowColumns = 10;

class FigureRowModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit FigureRowModel(QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  /// Appends `more`'s rows (left empty).
  void append(std::vector<FigureRow>& more);

  const FigureRow& row(int at) const { return rows_[static_cast<std::size_t>(at)]; }
  /// Whether row `left` comes before row `right` in `column`'s ascending order.
  bool sortsBefore(int left, int right, FigureRowColumn column) const;
  /// How many rows are error records.
  std::size_t failures() const { return failures_; }

 private:
  /// The value of a result column of `row`'s result; none for an error record.
  ResultValue valueOf(const FigureRow& row, FigureRowColumn column) const;

  std::deque<FigureRow> rows_;  ///< grows without moving the rows already held
  std::size_t failures_ = 0;
  std::vector<const ResultColumn*> valueColumns_;  ///< by FigureRowColumn, null for a column of the row's own
  mutable RunReview review_;                       ///< lends a row's grade to the result columns
};

/// The rows shown: those whose name holds the filter's text (case ignored), in
/// the order of the column sorted by, compared without a text being made.
class FigureRowOrder final : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  FigureRowOrder(FigureRowModel& rows, QObject* parent);

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  const FigureRowModel& rows_;
};

}  // namespace velmora
