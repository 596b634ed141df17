#include "worksheet/worksheet_numbers.h"
#include "worksheet/worksheet_sections.h"

namespace velmora::sheet {
namespace {

constexpr std::size_t kCorrelates = 4;
constexpr std::size_t kAzimuth = 5;
constexpr std::size_t kSide = 6;

std::vector<std::string> matrixHeader(std::string first, std::vector<std::string> sums) {
  std::vector<std::string> header{std::move(first), "k1", "k2", "k3", "k4", "w", "fb", "fs"};
  for (std::string& sum : sums) header.push_back(std::move(sum));
  return header;
}

/// The formed row i (1..6): its four correlate terms, w (rows 1..4), the two function terms; blank where none.
std::array<std::optional<double>, 7> formedRow(const WorksheetInputs& inputs, std::size_t i) {
  const NormalMatrix& n = inputs.tables.normalsAsFormed;
  std::array<std::optional<double>, 7> row{};
  for (std::size_t j = 1; j <= kCorrelates; ++j) row[j - 1] = n[i][j];
  if (i <= kCorrelates) row[4] = static_cast<double>(inputs.state.secondGroupW[i]);
  row[5] = n[i][kAzimuth];
  row[6] = n[i][kSide];
  return row;
}

/// The sum of the condition matrix's six rows, column by column: the s of the check [a s].
std::array<double, 10> columnSums(const ConditionMatrix& a) {
  std::array<double, 10> s{};
  for (std::size_t c = 1; c <= 9; ++c) {
    for (std::size_t i = 1; i <= 6; ++i) s[c] += a[i][c];
  }
  return s;
}

/// Each formed row's sum over its values (the sum column carried into the reduction).
std::array<double, 7> formedSums(const WorksheetInputs& inputs) {
  std::array<double, 7> sums{};
  for (std::size_t i = 1; i <= 6; ++i) {
    for (const std::optional<double>& value : formedRow(inputs, i)) sums[i] += value.value_or(0.0);
  }
  return sums;
}

Table formedTable(const WorksheetInputs& inputs) {
  Table rows = table("法方程式系数 N = A·Aᵀ（组成时，以两个权函数加边）；检核：和数 = [a s] + w，s 为系数表各列之和",
                     matrixHeader("行", {"和数", "[a s]+w"}));
  const ConditionMatrix& a = inputs.tables.conditionMatrix;
  const std::array<double, 10> s = columnSums(a);
  const std::array<double, 7> sums = formedSums(inputs);
  for (std::size_t i = 1; i <= 6; ++i) {
    std::vector<std::string> row{conditionRowNames()[i]};
    for (const std::optional<double>& value : formedRow(inputs, i)) row.push_back(value ? coefficientText(*value) : "");
    double as = i <= kCorrelates ? static_cast<double>(inputs.state.secondGroupW[i]) : 0.0;
    for (std::size_t c = 1; c <= 9; ++c) as += a[i][c] * s[c];
    row.push_back(coefficientText(sums[i]));
    row.push_back(coefficientText(as));
    rows.rows.push_back(std::move(row));
  }
  return rows;
}

Table reductionTable(const WorksheetInputs& inputs) {
  Table rows = table("法方程式的约化：第 i 行减去 N'(p,i)/N'(p,p) 乘约化后的第 p 行（p < i）；和数同样约化，须等于行和",
                     matrixHeader("约化行", {"和数（约化）", "行和"}));
  const ReducedNormals& r = inputs.tables.reduced;
  const NormalMatrix& n = r.correlates;
  const std::array<double, 7> formed = formedSums(inputs);
  std::array<double, 5> carried{};
  for (std::size_t i = 1; i <= kCorrelates; ++i) {
    carried[i] = formed[i];
    for (std::size_t p = 1; p < i; ++p) carried[i] -= n[p][i] * carried[p] / n[p][p];
    std::vector<std::string> row{"第 " + std::to_string(i) + " 行"};
    double rowSum = 0.0;
    for (std::size_t j = 1; j <= kCorrelates; ++j) {
      row.push_back(j >= i ? coefficientText(n[i][j]) : "");
      if (j >= i) rowSum += n[i][j];
    }
    for (const double value : {n[i][5], r.azimuthFunction[i], r.sideFunction[i]}) {
      row.push_back(coefficientText(value));
      rowSum += value;
    }
    row.push_back(coefficientText(carried[i]));
    row.push_back(coefficientText(rowSum));
    rows.rows.push_back(std::move(row));
  }
  return rows;
}

Table correlateTable(const AdjustmentResults& results) {
  Table rows = table("联系数（回代）：k(i) = −(w'(i) + Σ N'(i,j)·k(j), j > i) / N'(i,i)", {"联系数", "值"});
  for (std::size_t i = 1; i <= kCorrelates; ++i)
    rows.rows.push_back({"k" + std::to_string(i), coefficientText(results.k[i])});
  return rows;
}

Table reciprocalTable(const WorksheetInputs& inputs) {
  const NormalMatrix& n = inputs.tables.normalsAsFormed;
  Table rows =
      table("权倒数：1/p = [ff] + Σ x(i)·[a(i) f]，x 为 N x = −[a f] 的解（约化后回代）", {"权函数", "[ff]", "1/p"});
  rows.rows = {{"fb 方位角：1/pb", coefficientText(n[kAzimuth][kAzimuth]), coefficientText(inputs.state.invPb)},
               {"fs 边长对数：1/ps", coefficientText(n[kSide][kSide]), coefficientText(inputs.state.invPs)}};
  return rows;
}

}  // namespace

Section normalEquationSection(const WorksheetInputs& inputs) {
  return {"五、法方程式",
          {formedTable(inputs), reductionTable(inputs), correlateTable(inputs.state), reciprocalTable(inputs)}};
}

}  // namespace velmora::sheet
