// The dialogue tells a window which figure entry each prompt concerns, so that
// the window can offer the entry's text and check it as it is typed; and the
// entry rules the window checks with.
#include <gtest/gtest.h>

#include "figure_factory.h"
#include "ui/compute_run.h"
#include "ui/entry_problem.h"
#include "ui/recording_window.h"

namespace velmora {
namespace {

/// Records, for every prompt, the entry it named and whether it confirms.
class EntryRecordingWindow final : public RecordingWindow {
 public:
  using RecordingWindow::RecordingWindow;

  std::optional<std::string> askOperatorAbout(const std::string& prompt, EntryPrompt about) override {
    asked.push_back(about);
    return askOperator(prompt);
  }

  std::vector<EntryPrompt> asked;
};

std::vector<std::string> sampleReplies() {
  return figures::confirmedReplies(
      figures::measuredFigure("P7", {1000, 1000}, {1900, 1500}, {1100, 2000}, {1300, 1500}));
}

TEST(EntryPrompts, EveryPromptOfARunNamesItsEntryInTheDialoguesOrder) {
  std::vector<std::string> replies = sampleReplies();
  // The distance angle of triangle 2 is rejected once and typed again.
  replies.insert(replies.begin() + 21, {"0", replies[20]});
  EntryRecordingWindow window(replies);
  AdjustmentState state;
  ASSERT_EQ(computeRun(state, window).end, RunEnd::Complete);

  std::vector<std::size_t> valueEntries;
  for (std::size_t at = 0; at < window.asked.size(); ++at) {
    const EntryPrompt& about = window.asked[at];
    if (about.confirmation) {
      ASSERT_GT(at, 0U);
      EXPECT_EQ(about.entry, window.asked[at - 1].entry) << "a confirmation follows the value it confirms";
    } else {
      valueEntries.push_back(about.entry);
    }
  }
  const std::vector<std::size_t> expected{1, 2, 3, 4, 5, 6, kPointNameEntry, 7, 8, 9, 10, 10, 11, 12, 13, 14, 15};
  EXPECT_EQ(valueEntries, expected);
  EXPECT_EQ(window.asked.size(), replies.size());
}

TEST(EntryPrompts, EntriesCarryTheFormsNamesAndKinds) {
  ASSERT_EQ(sheetEntries().size(), kSheetEntries);
  EXPECT_EQ(sheetEntries()[kPointNameEntry].kind, DisplayKind::Name);
  EXPECT_EQ(sheetEntries()[coordinateEntry(0)].label, "Xa");
  EXPECT_EQ(sheetEntries()[coordinateEntry(5)].label, "Yc");
  EXPECT_EQ(sheetEntries()[angleEntry(1, 0)].label, "A(1)");
  EXPECT_EQ(sheetEntries()[angleEntry(2, 1)].label, "B(2)");
  EXPECT_EQ(sheetEntries()[angleEntry(3, 2)].label, "C(3)");
  EXPECT_EQ(sheetEntries()[angleEntry(3, 2)].kind, DisplayKind::Angle);
}

struct ProblemCase {
  const char* name;
  DisplayKind kind;
  const char* typed;
  bool refused;
};

void PrintTo(const ProblemCase& c, std::ostream* out) { *out << c.name; }

class EntryProblems : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(EntryProblems, TypedTextIsRefusedOnlyWhenTheRunCouldNotUseIt) {
  const ProblemCase& c = GetParam();
  const std::optional<std::string> problem = entryProblem(c.kind, c.typed);
  EXPECT_EQ(problem.has_value(), c.refused);
  if (problem) {
    EXPECT_FALSE(problem->empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, EntryProblems,
                         ::testing::Values(ProblemCase{"coordinate", DisplayKind::Coordinate, "3146.231", false},
                                           ProblemCase{"coordinate_with_blanks", DisplayKind::Coordinate, " 3146.231 ",
                                                       false},
                                           ProblemCase{"negative_coordinate", DisplayKind::Coordinate, "-12.5", false},
                                           ProblemCase{"full_width_digit_taken_as_ascii", DisplayKind::Coordinate,
                                                       "\xEF\xBC\x93"
                                                       "146.231",
                                                       false},
                                           ProblemCase{"decimal_comma", DisplayKind::Coordinate, "3146,231", true},
                                           ProblemCase{"empty_coordinate", DisplayKind::Coordinate, "", true},
                                           ProblemCase{"beyond_a_double", DisplayKind::Coordinate, "1e999", true},
                                           ProblemCase{"angle", DisplayKind::Angle, "29.13491", false},
                                           ProblemCase{"angle_letters", DisplayKind::Angle, "29.1x", true},
                                           ProblemCase{"empty_angle", DisplayKind::Angle, "", true},
                                           ProblemCase{"any_name", DisplayKind::Name, "测站 7,甲", false},
                                           ProblemCase{"empty_name", DisplayKind::Name, "", false}),
                         [](const ::testing::TestParamInfo<ProblemCase>& row) { return std::string(row.param.name); });

TEST(FigureProblems, TheFirstBrokenEntryIsNamedByItsLabel) {
  SheetTexts figure;
  for (std::size_t entry = 1; entry < kSheetEntries; ++entry) figure[entry] = "12.3";
  EXPECT_EQ(firstFigureProblem(figure), std::nullopt);
  figure[angleEntry(2, 1)] = "x";
  figure[angleEntry(3, 0)] = "";
  const std::optional<std::string> problem = firstFigureProblem(figure);
  ASSERT_TRUE(problem.has_value());
  EXPECT_TRUE(problem->starts_with("B(2)：")) << *problem;
}

}  // namespace
}  // namespace velmora
