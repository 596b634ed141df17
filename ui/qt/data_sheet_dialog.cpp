#include "ui/qt/data_sheet_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/entry_problem.h"
#include "ui/qt/screen_fit.h"
#include "ui/window_typing.h"

namespace velmora {
namespace {

const QColor kBrokenCell(255, 200, 200);
constexpr int kValueColumn = 0;

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

/// The reason a typed text breaks its entry's rules, or nothing.
std::optional<std::string> problemOf(int row, const QString& typed) {
  return entryProblem(sheetEntries()[static_cast<std::size_t>(row)].kind, typed.toStdString());
}

QString keptText(int row, const QString& typed) {
  return QString::fromStdString(
      windowEntryText(sheetEntries()[static_cast<std::size_t>(row)].kind, typed.toStdString()));
}

/// The line being typed in shows the same mark as its cell.
void markEditor(QLineEdit& line, const std::optional<std::string>& problem) {
  line.setToolTip(problem ? QString::fromStdString(*problem) : QString());
  QPalette colours = line.palette();
  colours.setColor(QPalette::Base, problem ? kBrokenCell : line.style()->standardPalette().color(QPalette::Base));
  line.setPalette(colours);
}

/// Edits a cell in a line whose every keystroke re-checks the cell.
class CheckingDelegate final : public QStyledItemDelegate {
 public:
  explicit CheckingDelegate(DataSheetDialog& sheet) : QStyledItemDelegate(&sheet), sheet_(sheet) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
      const int row = index.row();
      connect(line, &QLineEdit::textEdited, this, [this, line, row](const QString& typed) {
        markEditor(*line, problemOf(row, typed));
        sheet_.markCell(row, typed);
      });
    }
    return editor;
  }

  /// A value goes into its cell in the form the window keeps (full-width digits as ASCII).
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line == nullptr) return QStyledItemDelegate::setModelData(editor, model, index);
    model->setData(index, keptText(index.row(), line->text()), Qt::EditRole);
  }

  /// The view hands the cell's text back to its open editor whenever the cell
  /// changes, its mark included; once the operator has typed in the editor,
  /// the editor's text is the one that counts.
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line != nullptr && line->isModified()) return;
    QStyledItemDelegate::setEditorData(editor, index);
    if (line != nullptr) markEditor(*line, problemOf(index.row(), line->text()));
  }

 private:
  DataSheetDialog& sheet_;
};

}  // namespace

DataSheetDialog::DataSheetDialog(const SheetTexts& figure, QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(static_cast<int>(kSheetEntries), 1, this)) {
  setWindowTitle(QStringLiteral("数据表"));
  table_->setHorizontalHeaderLabels({QStringLiteral("输入值")});
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->setItemDelegate(new CheckingDelegate(*this));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const auto entry = static_cast<std::size_t>(row);
    table_->setVerticalHeaderItem(row, new QTableWidgetItem(fromView(sheetEntries()[entry].label)));
    table_->setItem(row, kValueColumn, new QTableWidgetItem(QString::fromStdString(figure[entry])));
    markCell(row, table_->item(row, kValueColumn)->text());
  }
  connect(table_, &QTableWidget::itemChanged, this,
          [this](QTableWidgetItem* item) { markCell(item->row(), item->text()); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(buttons);
  resize(360, 560);
  boundToScreen(*this, parent);
}

DataSheetDialog::~DataSheetDialog() { table_->blockSignals(true); }

SheetTexts DataSheetDialog::texts() const {
  SheetTexts figure;
  for (int row = 0; row < table_->rowCount(); ++row) {
    figure[static_cast<std::size_t>(row)] = keptText(row, table_->item(row, kValueColumn)->text()).toStdString();
  }
  return figure;
}

void DataSheetDialog::markCell(int row, const QString& typed) {
  QTableWidgetItem* item = table_->item(row, kValueColumn);
  if (item == nullptr) return;
  const auto problem = problemOf(row, typed);
  const QSignalBlocker quiet(table_);
  item->setToolTip(problem ? QString::fromStdString(*problem) : QString());
  item->setBackground(problem ? QBrush(kBrokenCell) : QBrush());
}

}  // namespace velmora
