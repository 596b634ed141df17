#include "worksheet/worksheet_sections.h"

namespace velmora::sheet {

const AngleArray<std::string>& angleNames() {
  static const AngleArray<std::string> names{{"A(1)", "B(1)", "C(1)", "A(2)", "B(2)", "C(2)", "A(3)", "B(3)", "C(3)"}};
  return names;
}

const Numbered<std::string, 6>& conditionRowNames() {
  static const Numbered<std::string, 6> names{{"w1", "w2", "w3", "w4", "fb", "fs"}};
  return names;
}

Table table(std::string caption, std::vector<std::string> header, std::size_t labelColumns) {
  return Table{std::move(caption), std::move(header), {}, labelColumns, 0};
}

double angleOf(const AdjustmentResults& results, std::size_t n) {
  const std::size_t t = (n - 1) / 3 + 1;
  switch ((n - 1) % 3) {
    case 0: return results.distanceAngle[t];
    case 1: return results.advanceAngle[t];
    default: return results.centralAngle[t];
  }
}

}  // namespace velmora::sheet
