// The small texts and numbers the export files are made of: the Gama angle
// with its carry, the DXF escapes, the ellipse's magnification and the
// format an extension picks.
#include <gtest/gtest.h>

#include "export/export_format.h"
#include "export/figure_drawing.h"
#include "export/gama_local_xml.h"

namespace velmora {
namespace {

struct TextCase {
  std::string name;
  double degrees;
  std::string text;
};
void PrintTo(const TextCase& row, std::ostream* out) { *out << row.name; }

class GamaDegreesTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(GamaDegreesTest, RoundsOnceThenSplits) { EXPECT_EQ(gamaDegrees(GetParam().degrees), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Angles, GamaDegreesTest,
                         ::testing::Values(TextCase{"Whole", 30.0, "30-00-00.000000"},
                                           TextCase{"Sample", 29.0 + 13.0 / 60 + 49.1 / 3600, "29-13-49.100000"},
                                           TextCase{"SecondsCarryIntoMinutes", 10.0 + 59.0 / 60 + 59.9999996 / 3600,
                                                    "11-00-00.000000"},
                                           TextCase{"Microsecond", 1.0 / 3600 / 1e6, "0-00-00.000001"}),
                         [](const auto& row) { return row.param.name; });

TEST(DxfText, EscapesEveryCharacterBeyondAscii) {
  EXPECT_EQ(dxfText("P7"), "P7");
  EXPECT_EQ(dxfText("点 A"), "\\U+70B9 A");
  EXPECT_EQ(dxfText("×10"), "\\U+00D710");
  EXPECT_EQ(dxfText("\xF0\x9F\x98\x80"), "\\U+FFFD") << "beyond U+FFFF the escape cannot hold it";
  EXPECT_EQ(dxfText("\xFF"), "\\U+FFFD") << "a byte that is not UTF-8";
}

TEST(ExportFormat, TheExtensionInAnyCasePicksTheFormat) {
  EXPECT_EQ(exportFormatOf("p7.xlsx"), ExportFormat::Workbook);
  EXPECT_EQ(exportFormatOf("DIR/P7.XML"), ExportFormat::GamaLocal);
  EXPECT_EQ(exportFormatOf("p7.Dxf"), ExportFormat::Drawing);
  EXPECT_EQ(exportFormatOf("p7.dat"), ExportFormat::CassCoordinates);
  EXPECT_EQ(exportFormatOf(".dat"), std::nullopt) << "an extension alone names no file";
  EXPECT_EQ(exportFormatOf("p7.xlsx.txt"), std::nullopt);
  EXPECT_EQ(exportFormatOf("p7"), std::nullopt);
}

}  // namespace
}  // namespace velmora
