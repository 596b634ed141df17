#include "ui/qt/figure_row_model.h"

#include <array>
#include <optional>
#include <string_view>

#include "output/result_columns.h"
#include "output/result_value_text.h"

namespace velmora {
namespace {

struct ColumnShown {
  FigureRowColumn column;
  const char* title;
  std::string_view csvName;  ///< the result column it shows; empty for the row's own
};

constexpr std::array<ColumnShown, kFigureRowColumns> kColumns{{
    {FigureRowColumn::Line, "行", ""},
    {FigureRowColumn::Name, "点名", ""},
    {FigureRowColumn::Px, "P 的 x（米）", "xp1"},
    {FigureRowColumn::Py, "P 的 y（米）", "yp1"},
    {FigureRowColumn::Mb, "mb（秒）", "mb"},
    {FigureRowColumn::Md, "md（毫米）", "md"},
    {FigureRowColumn::M, "1/m 的 m", "m"},
    {FigureRowColumn::Highest, "最高等级", "grade_highest"},
    {FigureRowColumn::ErrorField, "出错列", ""},
    {FigureRowColumn::ErrorMessage, "错误", ""},
}};

const ResultColumn* resultColumnNamed(std::string_view csvName) {
  for (const ResultColumn& column : resultColumns()) {
    if (column.csvName == csvName) return &column;
  }
  return nullptr;
}

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

/// A value's number for ordering: none for no value; a grade by its strictness (0 the strictest).
std::optional<double> orderNumber(const ResultValue& value) {
  if (const float* single = std::get_if<float>(&value)) return *single;
  if (const double* wide = std::get_if<double>(&value)) return *wide;
  if (const ProgramText* text = std::get_if<ProgramText>(&value)) {
    if (const SurveyGrade* grade = findSurveyGrade(text->text))
      return static_cast<double>(grade - kSurveyGrades.data());
  }
  return std::nullopt;
}

/// Ascending, an empty text or no value after every other.
template <typename Value>
bool before(const std::optional<Value>& left, const std::optional<Value>& right) {
  if (!left || !right) return left.has_value() && !right.has_value();
  return *left < *right;
}

std::optional<std::string_view> textOf(const std::string& text) {
  if (text.empty()) return std::nullopt;
  return text;
}

std::optional<std::string_view> textOf(const std::optional<std::string>& text) {
  return text ? textOf(*text) : std::nullopt;
}

}  // namespace

FigureRowModel::FigureRowModel(QObject* parent) : QAbstractTableModel(parent) {
  for (const ColumnShown& shown : kColumns) {
    valueColumns_.push_back(shown.csvName.empty() ? nullptr : resultColumnNamed(shown.csvName));
  }
}

int FigureRowModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FigureRowModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kFigureRowColumns; }

QVariant FigureRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kFigureRowColumns) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return QString::fromUtf8(kColumns[static_cast<std::size_t>(section)].title);
}

QVariant FigureRowModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const FigureRow& shown = row(index.row());
  const auto column = static_cast<FigureRowColumn>(index.column());
  const bool number =
      valueColumns_[static_cast<std::size_t>(index.column())] != nullptr && column != FigureRowColumn::Highest;
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue((number || column == FigureRowColumn::Line ? Qt::AlignRight : Qt::AlignLeft) |
                               Qt::AlignVCenter);
  }
  if (role == Qt::ToolTipRole && column == FigureRowColumn::ErrorMessage && !shown.errorMessage.empty()) {
    return fromStd(shown.errorMessage);  // a long message shows whole
  }
  if (role != Qt::DisplayRole) return {};
  switch (column) {
    case FigureRowColumn::Line: return QString::number(shown.line);
    case FigureRowColumn::Name: return shown.name ? fromStd(*shown.name) : QString();
    case FigureRowColumn::ErrorField: return shown.errorField ? fromStd(*shown.errorField) : QString();
    case FigureRowColumn::ErrorMessage: return fromStd(shown.errorMessage);
    default: break;
  }
  std::string text;
  appendValueText(text, valueOf(shown, column));
  return fromStd(text);
}

ResultValue FigureRowModel::valueOf(const FigureRow& row, FigureRowColumn column) const {
  if (!row.results) return {};
  const ResultColumn& result = *valueColumns_[static_cast<std::size_t>(column)];
  review_.highest = row.highest;
  return result.value({row.line, *row.name, *row.results, review_}, result, 0);
}

bool FigureRowModel::sortsBefore(int left, int right, FigureRowColumn column) const {
  const FigureRow& a = row(left);
  const FigureRow& b = row(right);
  switch (column) {
    case FigureRowColumn::Line: return a.line < b.line;
    case FigureRowColumn::Name: return before(textOf(a.name), textOf(b.name));
    case FigureRowColumn::ErrorField: return before(textOf(a.errorField), textOf(b.errorField));
    case FigureRowColumn::ErrorMessage: return before(textOf(a.errorMessage), textOf(b.errorMessage));
    default: return before(orderNumber(valueOf(a, column)), orderNumber(valueOf(b, column)));
  }
}

void FigureRowModel::append(std::vector<FigureRow>& more) {
  if (more.empty()) return;
  beginInsertRows({}, rowCount(), rowCount() + static_cast<int>(more.size()) - 1);
  for (FigureRow& row : more) {
    if (!row.results) ++failures_;
    rows_.push_back(std::move(row));
  }
  endInsertRows();
  more.clear();
}

FigureRowOrder::FigureRowOrder(FigureRowModel& rows, QObject* parent) : QSortFilterProxyModel(parent), rows_(rows) {
  setSourceModel(&rows);
  setFilterKeyColumn(static_cast<int>(FigureRowColumn::Name));
  setFilterCaseSensitivity(Qt::CaseInsensitive);
}

bool FigureRowOrder::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  return rows_.sortsBefore(left.row(), right.row(), static_cast<FigureRowColumn>(left.column()));
}

}  // namespace velmora
