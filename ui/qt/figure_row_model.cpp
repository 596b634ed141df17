#include "ui/qt/figure_row_model.h"

#include <array>
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

/// A value's number for sorting: none for no value; a grade by its strictness (0 the strictest).
QVariant sortNumber(const ResultValue& value) {
  if (const float* single = std::get_if<float>(&value)) return static_cast<double>(*single);
  if (const double* wide = std::get_if<double>(&value)) return *wide;
  if (const ProgramText* text = std::get_if<ProgramText>(&value)) {
    if (const SurveyGrade* grade = findSurveyGrade(text->text)) {
      return static_cast<int>(grade - kSurveyGrades.data());
    }
  }
  return {};
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
  if (role != Qt::DisplayRole && role != kFigureRowSortRole) return {};
  switch (column) {
    case FigureRowColumn::Line:
      return role == Qt::DisplayRole ? QVariant(QString::number(shown.line)) : QVariant(qulonglong{shown.line});
    case FigureRowColumn::Name: return shown.name ? fromStd(*shown.name) : QString();
    case FigureRowColumn::ErrorField: return shown.errorField ? fromStd(*shown.errorField) : QString();
    case FigureRowColumn::ErrorMessage: return fromStd(shown.errorMessage);
    default: return valueOf(shown, column, role);
  }
}

QVariant FigureRowModel::valueOf(const FigureRow& row, FigureRowColumn column, int role) const {
  if (!row.results) return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
  const ResultColumn& result = *valueColumns_[static_cast<std::size_t>(column)];
  review_.highest = row.highest;
  const ResultValue value = result.value({row.line, *row.name, *row.results, review_}, result, 0);
  if (role == kFigureRowSortRole) return sortNumber(value);
  std::string text;
  appendValueText(text, value);
  return fromStd(text);
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

}  // namespace velmora
