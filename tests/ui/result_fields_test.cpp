// The display texts of the results: each row writes one value to its field
// and expects the exact text the window shows (blanks, digits, unit).
#include "ui/result_fields.h"

#include <gtest/gtest.h>

#include <functional>

#include "ui/recording_window.h"

namespace velmora {
namespace {

struct FieldTextCase {
  const char* name;
  std::function<void(WindowOperations&)> show;
  const char* field;
  const char* text;
};

void PrintTo(const FieldTextCase& row, std::ostream* out) { *out << row.name; }

class ResultFieldTexts : public testing::TestWithParam<FieldTextCase> {};

TEST_P(ResultFieldTexts, ShowTheValueInItsFieldAndPattern) {
  RecordingWindow window;
  GetParam().show(window);
  EXPECT_EQ(window.lastText(GetParam().field), GetParam().text);
}

ConditionArray<float> secondGroup(float w1, float w2, float w3, float w4) { return {{w1, w2, w3, w4}}; }

INSTANTIATE_TEST_SUITE_P(
    Rows, ResultFieldTexts,
    testing::Values(
        FieldTextCase{"TriangleMisclosureCaption", [](auto& w) { showTriangleMisclosure(w, 2, 6.0); }, "Label17",
                      "w(2)"},
        FieldTextCase{"TriangleMisclosureZero", [](auto& w) { showTriangleMisclosure(w, 1, 0.0); }, "Text11", "  0 秒"},
        FieldTextCase{"TriangleMisclosureRoundedPlain", [](auto& w) { showTriangleMisclosure(w, 1, -3.456); }, "Text11",
                      "  -3.46 秒"},
        FieldTextCase{"FixedAngleAtSinglePrecision",
                      [](auto& w) { showSecondGroupMisclosures(w, secondGroup(-2.4F, 0, 0, 0)); }, "Text12",
                      "  -2.4 秒"},
        FieldTextCase{"CircleMisclosure", [](auto& w) { showSecondGroupMisclosures(w, secondGroup(0, 0, 7.2F, 0)); },
                      "Text21", "  7.2 秒"},
        FieldTextCase{"SideConditionInUnits",
                      [](auto& w) { showSecondGroupMisclosures(w, secondGroup(0, 0, 0, 5.796207F)); }, "Text25",
                      " 5.8 单位"},
        FieldTextCase{"AzimuthWeightReciprocal", [](auto& w) { showWeightReciprocal(w, 5, 0.12309475781926127); },
                      "Text15", " 0.123095"},
        FieldTextCase{"SideWeightReciprocal", [](auto& w) { showWeightReciprocal(w, 6, 0.5); }, "Text16", " 0.5"},
        FieldTextCase{"UnitWeightError", [](auto& w) { showUnitWeightError(w, 2.0F); }, "Text14", "  2.00 秒"},
        FieldTextCase{"PositionError", [](auto& w) { showPositionError(w, 10.733127F); }, "Text17", "  10.73 毫米"},
        FieldTextCase{"RelativeError", [](auto& w) { showRelativeError(w, 93169.0F); }, "Text26", " 1/93169"},
        FieldTextCase{"RelativeErrorWithoutANumber", [](auto& w) { showRelativeError(w, std::nullopt); }, "Text26",
                      " 1/∞"},
        FieldTextCase{"PointNameAfterTheResults", [](auto& w) { showPointNameWithResults(w, "P7"); }, "Text18",
                      "   P7"},
        FieldTextCase{"FirstCoordinate", [](auto& w) { showCoordinateOfP(w, 0, 1288.6754); }, "Text19", " 1288.675"},
        FieldTextCase{"EastFromB", [](auto& w) { showCoordinateOfP(w, 3, 5840.26654); }, "Text22", " 5840.267"},
        FieldTextCase{"LastCoordinate", [](auto& w) { showCoordinateOfP(w, 5, -0.0001); }, "Text24", " 0.000"}),
    [](const testing::TestParamInfo<FieldTextCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace velmora
