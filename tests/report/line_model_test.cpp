#include "report/line_model.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace velmora {
namespace {

/// One string per placed line: "column:text" items joined by "|".
std::vector<std::string> describe(const std::vector<PlacedLine>& lines) {
  std::vector<std::string> described;
  for (const PlacedLine& line : lines) {
    std::ostringstream text;
    for (const PlacedItem& item : line.items) {
      if (&item != &line.items.front()) text << '|';
      text << item.column << ':' << item.text;
    }
    described.push_back(text.str());
  }
  return described;
}

struct LayoutCase {
  const char* name;
  std::vector<PrintItem> items;
  double startColumn;
  std::vector<std::string> lines;
};

void PrintTo(const LayoutCase& row, std::ostream* out) { *out << row.name; }

class LineModel : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LineModel, PlacesItemsOnColumnsAndFurtherLines) {
  // One column per byte: the cases use ASCII texts.
  const auto width = [](std::string_view text) { return static_cast<double>(text.size()); };
  EXPECT_EQ(describe(layOutLine(GetParam().items, GetParam().startColumn, width)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineModel,
    ::testing::Values(
        LayoutCase{"NoItemsIsOneEmptyLine", {}, 1.0, {""}},
        LayoutCase{"ColumnAfterTheStart", {{"abc", 24}}, 14.9, {"24:abc"}},
        LayoutCase{"FirstItemWithoutColumnStartsAtTheStart", {{"x", {}}}, 14.5, {"14.5:x"}},
        LayoutCase{"ItemWithoutColumnFollowsDirectly",
                   {{"abc", 24}, {"de", {}}, {"f", {}}},
                   1.0,
                   {"24:abc|27:de|29:f"}},
        LayoutCase{"ColumnExactlyAtTheNextFreeColumnStays", {{"abc", 1}, {"d", 4}}, 1.0, {"1:abc|4:d"}},
        LayoutCase{"PassedColumnMovesToTheNextLine",
                   {{"xa=", 24}, {" 3456.780", {}}, {"ya=", 30}, {" 1.000", {}}},
                   1.0,
                   {"24:xa=|27: 3456.780", "30:ya=|33: 1.000"}},
        LayoutCase{"PassedByAFractionMoves", {{"abc", {}}, {"d", 4}}, 1.5, {"1.5:abc", "4:d"}},
        LayoutCase{"LaterColumnsCountOnTheNewLine",
                   {{"abcdef", 1}, {"g", 3}, {"h", 5}},
                   1.0,
                   {"1:abcdef", "3:g|5:h"}},
        LayoutCase{"StartPastTheFirstColumnLeavesAnEmptyLine", {{"x", 24}}, 30.0, {"", "24:x"}}),
    [](const ::testing::TestParamInfo<LayoutCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace velmora
