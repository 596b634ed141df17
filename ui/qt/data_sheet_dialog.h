// The data sheet: the point name and the fifteen values of a figure in one
// table, one row per entry under the form's own names (点名, Xa … Yc,
// A(1) … C(3)). Every cell is checked as it is typed with the rules of the
// Compute run; a cell that breaks them is marked, with the reason in its
// tooltip, and every keystroke is kept whatever the mark does meanwhile.
#pragma once

#include <QDialog>

#include "ui/sheet_entries.h"

class QTableWidget;

namespace velmora {

class DataSheetDialog final : public QDialog {
  Q_OBJECT

 public:
  DataSheetDialog(const SheetTexts& figure, QWidget* parent);
  /// An editor still open commits its text while the table goes: it marks no
  /// cell of a sheet that is no longer there.
  ~DataSheetDialog() override;

  /// The texts as they stand in the table.
  SheetTexts texts() const;
  /// The table, whose row n holds entry n.
  QTableWidget& table() const { return *table_; }

  /// Marks row `row` by `typed`: the reason in the tooltip and a coloured
  /// cell when it breaks its rules, an unmarked cell otherwise.
  void markCell(int row, const QString& typed);

 private:
  QTableWidget* table_;
};

}  // namespace velmora
