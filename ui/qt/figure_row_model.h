// The batch view's table: one row per record of the figure file, held as a
// vector of rows (batch/figure_rows.h) and formatted only when shown, so that a
// file of 100,000 figures takes no more than its rows. Columns: line, name, P
// (x, y from A, metres), mb (seconds), md (millimetres), m of 1/m, the highest
// grade met, and an error record's column and message. A value shows as batch's
// CSV writes it; the sort role gives numbers as numbers (the grades strictest
// first), an empty value sorting after every other.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "batch/figure_rows.h"

namespace velmora {

struct ResultColumn;

enum class FigureRowColumn { Line, Name, Px, Py, Mb, Md, M, Highest, ErrorField, ErrorMessage };

inline constexpr int kFigureRowColumns = 10;
/// The role a sorting proxy sorts by.
inline constexpr int kFigureRowSortRole = Qt::UserRole;

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
  /// How many rows are error records.
  std::size_t failures() const { return failures_; }

 private:
  /// The value of a result column of row `at`'s result; none for an error record.
  QVariant valueOf(const FigureRow& row, FigureRowColumn column, int role) const;

  std::vector<FigureRow> rows_;
  std::size_t failures_ = 0;
  std::vector<const ResultColumn*> valueColumns_;  ///< by FigureRowColumn, null for a column of the row's own
  mutable RunReview review_;                       ///< lends a row's grade to the result columns
};

}  // namespace velmora
