// The figure's entry table and the one row convention: the entry helpers land
// on the rows their names say, and the state keeps each row where the
// adjustment reads it.
#include "engine/figure_entry.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/adjustment_state.h"

namespace velmora {
namespace {

struct AngleRowCase {
  int triangle;
  FigureEntry (*entryOf)(int);
  const char* key;
  const char* label;
};

void PrintTo(const AngleRowCase& row, std::ostream* out) { *out << row.key; }

class AngleRows : public testing::TestWithParam<AngleRowCase> {};

TEST_P(AngleRows, EntryOfTriangleIsTheRowOfItsName) {
  const EntryRow& row = kFigureEntryRows[entryRow(GetParam().entryOf(GetParam().triangle))];
  EXPECT_EQ(row.key, GetParam().key);
  EXPECT_EQ(row.label, GetParam().label);
  EXPECT_EQ(row.kind, EntryKind::Angle);
}

INSTANTIATE_TEST_SUITE_P(Table, AngleRows,
                         testing::Values(AngleRowCase{1, distanceAngleEntry, "a1", "A(1)"},
                                         AngleRowCase{1, centralAngleEntry, "c1", "C(1)"},
                                         AngleRowCase{2, advanceAngleEntry, "b2", "B(2)"},
                                         AngleRowCase{3, distanceAngleEntry, "a3", "A(3)"},
                                         AngleRowCase{3, centralAngleEntry, "c3", "C(3)"}),
                         [](const testing::TestParamInfo<AngleRowCase>& row) { return std::string(row.param.key); });

TEST(FigureEntryRows, CoordinatesFollowThePointNameInPromptOrder) {
  EXPECT_EQ(kFigureEntryRows[kPointNameRow].kind, EntryKind::Name);
  EXPECT_EQ(kFigureEntryRows[entryRow(FigureEntry::xa)].key, "xa");
  EXPECT_EQ(kFigureEntryRows[entryRow(FigureEntry::yc)].key, "yc");
  EXPECT_EQ(entryRow(FigureEntry::c3), kEntryRows - 1);
}

// Each row written into the state is viewed by the adjustment at that row's entry, and no other.
TEST(FigureEntryRows, StateViewsEveryRowAtItsEntry) {
  AdjustmentState state;
  for (std::size_t row = 0; row < kEntryRows; ++row) state.typedText(row) = std::string(kFigureEntryRows[row].key);
  EXPECT_EQ(state.pointName, "name");
  const FigureTexts typed = state.typedFigure();
  const FigureTexts expected = figureTextsOf([](std::size_t row) { return kFigureEntryRows[row].key; });
  EXPECT_EQ(typed.xa, expected.xa);
  EXPECT_EQ(typed.ya, "ya");
  EXPECT_EQ(typed.yc, "yc");
  for (std::size_t t = 1; t <= kTriangles; ++t) {
    EXPECT_EQ(typed.distanceAngle[t], "a" + std::to_string(t));
    EXPECT_EQ(typed.advanceAngle[t], "b" + std::to_string(t));
    EXPECT_EQ(typed.centralAngle[t], "c" + std::to_string(t));
    EXPECT_EQ(state.centralAngleDms[t], expected.centralAngle[t]);
  }
}

}  // namespace
}  // namespace velmora
