#include "worksheet/worksheet_numbers.h"
#include "worksheet/worksheet_sections.h"

namespace velmora::sheet {
namespace {

struct ConditionWords {
  const char* name;
  const char* formula;
  const char* unit;
};

constexpr ConditionArray<ConditionWords> kConditionWords{{{
    {"w1 固定角条件（A 点）", "A(1) + B(3) − ∠A", "秒"},
    {"w2 固定角条件（B 点）", "B(1) + A(2) − ∠B", "秒"},
    {"w3 圆周角条件", "C(1) + C(2) + C(3) − 360°", "秒"},
    {"w4 极条件（边长条件）", "Σ lg sin A(i) − Σ lg sin B(i)", "对数第六位"},
}}};

Table misclosureTable(const AdjustmentResults& results) {
  Table rows = table("闭合差（用第一组改正后的角计算）", {"条件", "公式", "闭合差", "单位"}, 2);
  rows.noteColumns = 1;
  for (std::size_t j = 1; j <= 4; ++j) {
    const ConditionWords& words = kConditionWords[j];
    rows.rows.push_back({words.name, words.formula, secondsText(results.secondGroupW[j]), words.unit});
  }
  return rows;
}

Table coefficientTable(const ConditionMatrix& a) {
  std::vector<std::string> header{"行"};
  for (const std::string& name : angleNames()) header.push_back(name);
  header.push_back("和数");
  Table rows = table("条件方程式与权函数式的系数（改正数 v1 … v9 的系数，第一组改正已化入）", header);
  for (std::size_t i = 1; i <= 6; ++i) {
    std::vector<std::string> row{conditionRowNames()[i]};
    double sum = 0.0;
    for (std::size_t c = 1; c <= 9; ++c) {
      row.push_back(coefficientText(a[i][c]));
      sum += a[i][c];
    }
    row.push_back(coefficientText(sum));
    rows.rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace

Section conditionSection(const WorksheetInputs& inputs) {
  Paragraph functions{"权函数：fb 为最长边方位角的权函数，fs 为最长边边长对数的权函数（三角形 " +
                      std::to_string(inputs.tables.provisional.chosenTriangle) + "）。"};
  return {"四、第二组条件",
          {misclosureTable(inputs.state), coefficientTable(inputs.tables.conditionMatrix), functions}};
}

}  // namespace velmora::sheet
