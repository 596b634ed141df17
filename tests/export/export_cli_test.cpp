// The exported files read back by independent readers and compared with the
// JSON Lines output of the same figure at the precision each file writes; and
// bad input (an unknown extension, no complete run, a name CASS cannot hold,
// a full disk) refused with a message and nothing half written.
#include <dxflib/dl_dxf.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "../batch/json_fields.h"
#include "export_files.h"
#include "input/gb18030_converter.h"

namespace velmora {
namespace {

const std::string kCli = VELMORA_CLI;
const std::string kSource = VELMORA_SOURCE_DIR;

/// The JSON Lines record of P7, the sample figure, with its check and the 四等 checks.
std::string sampleJson(const ScratchDirectory& dir) {
  const std::string out = dir.file("p7.jsonl");
  shellStatus(kCli + " batch " + kSource + "/examples/figures.csv --check --grade 四等 > " + out + " 2>/dev/null");
  std::istringstream lines(fileText(out));
  std::string line;
  std::getline(lines, line);
  return line;
}

/// Runs the sample figure's replies with `options`; the exit status.
int exportSample(const std::string& options, const std::string& errors = "/dev/null") {
  return shellStatus(kCli + " --replies " + kSource + "/examples/sample-figure.txt " + options +
                     " compute export > /dev/null 2> " + errors);
}

/// The number format code of each cell style index.
std::vector<std::string> styleFormats(const std::string& workbook) {
  const std::string unpacked = workbook + ".styles.xml";
  shellStatus("unzip -p " + quoted(workbook) + " xl/styles.xml > " + quoted(unpacked));
  const XmlDocument xml(fileText(unpacked), "http://schemas.openxmlformats.org/spreadsheetml/2006/main");
  std::map<std::string, std::string> codes{{"0", "General"}, {"1", "0"}, {"2", "0.00"}};
  for (const auto& format : xml.nodes("//n:numFmts/n:numFmt")) codes[format.at("numFmtId")] = format.at("formatCode");
  std::vector<std::string> formats;
  for (const auto& xf : xml.nodes("//n:cellXfs/n:xf")) formats.push_back(codes[xf.at("numFmtId")]);
  return formats;
}

class SampleExport : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new ScratchDirectory("sample");
    json_ = new std::string(sampleJson(*dir_));
    status_ = exportSample("--grade 四等 --export " + dir_->file("p7.xlsx") + " --export " + dir_->file("p7.xml") +
                           " --export " + dir_->file("p7.dxf") + " --export " + dir_->file("p7.dat"));
  }
  static void TearDownTestSuite() {
    delete json_;
    delete dir_;
  }
  static ScratchDirectory* dir_;
  static std::string* json_;
  static int status_;
};
ScratchDirectory* SampleExport::dir_ = nullptr;
std::string* SampleExport::json_ = nullptr;
int SampleExport::status_ = -1;

/// A workbook column against a JSON value, at the decimals its number format shows.
struct WorkbookColumn {
  std::string cell;
  std::string key;  ///< JSON key; "key[i]" for an array's element
  std::string format;
};
void PrintTo(const WorkbookColumn& row, std::ostream* out) { *out << row.cell << " " << row.key; }

double jsonValue(const std::string& json, const std::string& key) {
  const std::size_t bracket = key.find('[');
  if (bracket == std::string::npos) return jsonNumber<double>(json, key);
  return jsonArray<double>(json, key.substr(0, bracket)).at(std::stoul(key.substr(bracket + 1)));
}

int decimalsOf(const std::string& format) {
  const std::size_t point = format.find('.');
  return point == std::string::npos ? 0 : static_cast<int>(format.size() - point - 1);
}

class WorkbookColumns : public SampleExport, public ::testing::WithParamInterface<WorkbookColumn> {};

TEST_P(WorkbookColumns, HoldTheJsonNumberInFullShownAtItsFormat) {
  ASSERT_EQ(status_, 0);
  const WorkbookColumn& column = GetParam();
  const std::map<std::string, Cell> cells =
      sheetCells(dir_->file("p7.xlsx"), column.cell.starts_with("检核") ? "sheet2" : "sheet1");
  const std::string ref = column.cell.substr(column.cell.find(' ') + 1);
  ASSERT_TRUE(cells.contains(ref));
  const Cell& cell = cells.at(ref);
  EXPECT_FALSE(cell.isText);
  const double json = jsonValue(*json_, column.key);
  EXPECT_NEAR(std::stod(cell.text), json, std::abs(json) * 1e-15)
      << "kept to 16 significant digits, as libxlsxwriter writes them";
  EXPECT_EQ(styleFormats(dir_->file("p7.xlsx")).at(static_cast<std::size_t>(cell.style)), column.format);
  const double scale = std::pow(10.0, decimalsOf(column.format));
  EXPECT_EQ(std::round(std::stod(cell.text) * scale), std::round(json * scale)) << "the same at the shown decimals";
}

INSTANTIATE_TEST_SUITE_P(
    Sample, WorkbookColumns,
    ::testing::Values(WorkbookColumn{"成果 C2", "xp1", "0.000"}, WorkbookColumn{"成果 D2", "yp1", "0.000"},
                      WorkbookColumn{"成果 E2", "mb", "0.00"}, WorkbookColumn{"成果 F2", "md", "0.00"},
                      WorkbookColumn{"成果 G2", "m", "0"}, WorkbookColumn{"成果 H2", "invPb", "General"},
                      WorkbookColumn{"成果 I2", "invPs", "General"}, WorkbookColumn{"成果 J2", "w[0]", "0.00"},
                      WorkbookColumn{"成果 L2", "w[2]", "0.00"}, WorkbookColumn{"成果 M2", "secondGroupW[0]", "0.00"},
                      WorkbookColumn{"成果 P2", "secondGroupW[3]", "0.00"}, WorkbookColumn{"检核 C2", "xp", "0.000"},
                      WorkbookColumn{"检核 D2", "yp", "0.000"}, WorkbookColumn{"检核 E2", "m0", "0.00"},
                      WorkbookColumn{"检核 H2", "mp", "0.00"}),
    [](const auto& row) {
      const std::string& cell = row.param.cell;
      return (cell.starts_with("检核") ? "Check" : "Results") + cell.substr(cell.find(' ') + 1);
    });

TEST_F(SampleExport, WorkbookHasChineseTitlesAFrozenRowAndTheGradeVerdict) {
  ASSERT_EQ(status_, 0);
  const std::map<std::string, Cell> cells = sheetCells(dir_->file("p7.xlsx"), "sheet1");
  EXPECT_EQ(cells.at("B1").text, "点名");
  EXPECT_EQ(cells.at("C1").text, "P 的 x（米）");
  EXPECT_EQ(cells.at("B2").text, "P7");
  EXPECT_EQ(cells.at("R2").text, "四等");
  EXPECT_EQ(cells.at("S2").text, jsonValueText(*json_, "passes") == "true" ? "合格" : "超限");
  EXPECT_NE(fileText(dir_->file("p7.xlsx.sheet1.xml")).find("state=\"frozen\""), std::string::npos);
}

/// "d-mm-ss.ssssss" as decimal degrees.
double gamaValue(const std::string& text) {
  const std::size_t first = text.find('-');
  const std::size_t second = text.find('-', first + 1);
  const bool shaped = first != std::string::npos && second == first + 3 && text.find('.', second) == second + 3 &&
                      text.find_first_not_of("0123456789-.") == std::string::npos;
  EXPECT_TRUE(shaped) << text;
  if (!shaped) return 0.0;
  return std::stod(text.substr(0, first)) + std::stod(text.substr(first + 1, 2)) / 60 +
         std::stod(text.substr(second + 1)) / 3600;
}

TEST_F(SampleExport, GamaNetworkHoldsTheFourPointsAndNineAnglesThatFitThem) {
  ASSERT_EQ(status_, 0);
  const XmlDocument xml(fileText(dir_->file("p7.xml")), "http://www.gnu.org/software/gama/gama-local");
  ASSERT_TRUE(xml.parsed());
  EXPECT_EQ(xml.nodes("/n:gama-local/n:network[@axes-xy='ne'][@angles='left-handed']").size(), 1U);
  std::map<std::string, std::pair<double, double>> points;
  for (const auto& point : xml.nodes("//n:points-observations/n:point")) {
    points[point.at("id")] = {std::stod(point.at("x")), std::stod(point.at("y"))};
    EXPECT_EQ(point.contains("fix") ? point.at("fix") : point.at("adj"), "xy");
  }
  ASSERT_EQ(points.size(), 4U);
  EXPECT_NEAR(points.at("P7").first, jsonNumber<double>(*json_, "xp1"), 1e-9);
  EXPECT_NEAR(points.at("P7").second, jsonNumber<double>(*json_, "yp1"), 1e-9);
  const auto angles = xml.nodes("//n:obs/n:angle");
  ASSERT_EQ(angles.size(), 9U);
  const std::vector<std::string> typed{"29.13491", "33.57492", "116.48233", "34.11555", "29.30193",
                                       "116.1745", "26.35117", "26.3056",   "126.53511"};
  const auto azimuth = [&](const std::string& from, const std::string& to) {
    const auto [x0, y0] = points.at(from);
    const auto [x1, y1] = points.at(to);
    return std::atan2(y1 - y0, x1 - x0) * 180 / std::numbers::pi;
  };
  for (std::size_t i = 0; i < angles.size(); ++i) {
    const auto& angle = angles[i];
    const double written = gamaValue(angle.at("val"));
    const std::string& dms = typed[i];
    const std::size_t point = dms.find('.');
    const std::string fraction = (dms.substr(point + 1) + "0000").substr(0, 4);
    const double observed = std::stod(dms.substr(0, point)) + std::stod(fraction.substr(0, 2)) / 60 +
                            std::stod(fraction.substr(2, 2) + "." + (dms.substr(point + 1) + "00000").substr(4)) / 3600;
    EXPECT_NEAR(written, observed, 1e-9) << "angle " << i + 1;
    double geometric = azimuth(angle.at("from"), angle.at("fs")) - azimuth(angle.at("from"), angle.at("bs"));
    geometric = std::fmod(geometric + 720, 360);
    EXPECT_NEAR(geometric, written, 10.0 / 3600) << "angle " << i + 1 << " fits fs - bs from the written points";
    EXPECT_EQ(angle.at("stdev"), "2.5");
  }
}

TEST_F(SampleExport, DrawingReadByDxflibHasEveryLayerAndPointAtTruePosition) {
  ASSERT_EQ(status_, 0);
  DrawingContent content;
  DL_Dxf dxf;
  ASSERT_TRUE(dxf.in(dir_->file("p7.dxf"), &content));
  // 已知点 待定点 边 方向 误差椭圆 注记, as \U+ escapes.
  for (const char* layer : {"\\U+5DF2\\U+77E5\\U+70B9", "\\U+5F85\\U+5B9A\\U+70B9", "\\U+8FB9", "\\U+65B9\\U+5411",
                            "\\U+8BEF\\U+5DEE\\U+692D\\U+5706", "\\U+6CE8\\U+8BB0"}) {
    EXPECT_NE(std::find(content.layers.begin(), content.layers.end(), layer), content.layers.end()) << layer;
  }
  const auto& p = content.points["\\U+5F85\\U+5B9A\\U+70B9"];
  ASSERT_EQ(p.size(), 1U);
  EXPECT_NEAR(p[0].first, jsonNumber<double>(*json_, "yp1"), 1e-6) << "east is the drawing's X";
  EXPECT_NEAR(p[0].second, jsonNumber<double>(*json_, "xp1"), 1e-6) << "north is the drawing's Y";
  const auto& known = content.points["\\U+5DF2\\U+77E5\\U+70B9"];
  ASSERT_EQ(known.size(), 3U);
  EXPECT_NEAR(known[0].first, 5218.774, 1e-9);
  EXPECT_NEAR(known[0].second, 3146.231, 1e-9);
  EXPECT_EQ(content.lines["\\U+8FB9"], 3);
  EXPECT_EQ(content.lines["\\U+65B9\\U+5411"], 3);
  EXPECT_EQ(content.ellipses, 1);
  const auto& notes = content.texts["\\U+6CE8\\U+8BB0"];
  EXPECT_NE(std::find(notes.begin(), notes.end(), "P7"), notes.end());
  // 误差椭圆 ×50000: the factor the plot of P7 shows, beside the ellipse.
  EXPECT_NE(std::find(notes.begin(), notes.end(), "\\U+8BEF\\U+5DEE\\U+692D\\U+5706 \\U+00D750000"), notes.end());
}

TEST_F(SampleExport, CassFileIsGb18030WithEastBeforeNorthToTheMillimetre) {
  ASSERT_EQ(status_, 0);
  Gb18030Converter converter;
  const std::string text = converter.convertWhole(fileText(dir_->file("p7.dat")));
  char expected[64];
  std::snprintf(expected, sizeof expected, "P7,,%.3f,%.3f,\r\n", jsonNumber<double>(*json_, "yp1"),
                jsonNumber<double>(*json_, "xp1"));
  EXPECT_EQ(text,
            std::string("A,,5218.774,3146.231,\r\nB,,5762.130,4208.517,\r\nC,,6542.895,3312.684,\r\n") + expected);
}

TEST(CassExport, WritesAChineseNameInGb18030OrInUtf8WhenAsked) {
  const ScratchDirectory dir("cass-name");
  std::string replies = fileText(kSource + "/examples/sample-figure.txt");
  replies.replace(replies.find("P7"), 2, "中心点甲");
  std::ofstream(dir.file("replies.txt")) << replies;
  const std::string run = kCli + " --replies " + dir.file("replies.txt");
  ASSERT_EQ(shellStatus(run + " --export " + dir.file("gb.dat") + " compute export >/dev/null 2>&1"), 0);
  ASSERT_EQ(shellStatus(run + " --encoding utf-8 --export " + dir.file("u8.dat") + " compute export >/dev/null 2>&1"),
            0);
  EXPECT_NE(fileText(dir.file("gb.dat")).find("\xD6\xD0\xD0\xC4\xB5\xE3\xBC\xD7,,"), std::string::npos);
  EXPECT_NE(fileText(dir.file("u8.dat")).find("中心点甲,,"), std::string::npos);
}

TEST(BatchWorkbook, HasARowPerRecordWithErrorsAndFormulaLikeNamesAsText) {
  const ScratchDirectory dir("batch");
  std::string figures = fileText(kSource + "/examples/figures.csv");
  const std::string p7 =
      figures.substr(figures.find("\nP7") + 1, figures.find('\n', figures.find("\nP7") + 1) - figures.find("\nP7"));
  figures += "=1+1" + p7.substr(2);
  figures += "@bad,1,2,3\n";
  std::ofstream(dir.file("in.csv")) << figures;
  ASSERT_EQ(shellStatus(kCli + " batch " + dir.file("in.csv") + " --check --xlsx " + dir.file("out.xlsx") + " > " +
                        dir.file("out.jsonl") + " 2>/dev/null"),
            1);
  std::vector<std::string> records;
  std::istringstream lines(fileText(dir.file("out.jsonl")));
  for (std::string line; std::getline(lines, line);) records.push_back(line);
  const std::map<std::string, Cell> cells = sheetCells(dir.file("out.xlsx"), "sheet1");
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string row = std::to_string(i + 2);
    EXPECT_EQ(std::stod(cells.at("A" + row).text), jsonNumber<double>(records[i], "line"));
    if (records[i].find("\"error\"") == std::string::npos) {
      EXPECT_NEAR(std::stod(cells.at("C" + row).text), jsonNumber<double>(records[i], "xp1"), 1e-6);
    } else {
      const std::string message(jsonValueText(records[i], "message"));
      EXPECT_EQ("\"" + cells.at("S" + row).text + "\"", message);
    }
  }
  const std::string formulaRow = std::to_string(records.size());
  EXPECT_TRUE(cells.at("B" + formulaRow).isText);
  EXPECT_EQ(cells.at("B" + formulaRow).text, "=1+1");
  EXPECT_TRUE(cells.at("B" + std::to_string(records.size() + 1)).isText);
  EXPECT_EQ(fileText(dir.file("out.xlsx.sheet1.xml")).find("<f>"), std::string::npos) << "no formula anywhere";
}

/// A console export that must be refused: its arguments, exit status and message.
struct Refusal {
  std::string name;
  std::string replies;  ///< the sample's replies with "P7" replaced by this; empty: none at all
  std::string options;
  int status;
  std::string message;
};
void PrintTo(const Refusal& row, std::ostream* out) { *out << row.name; }

class RefusedExport : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedExport, SaysWhyAndLeavesNoFile) {
  const Refusal& refusal = GetParam();
  const ScratchDirectory dir("refused-" + refusal.name);
  std::string command = kCli;
  if (!refusal.replies.empty()) {
    std::string replies = fileText(kSource + "/examples/sample-figure.txt");
    replies.replace(replies.find("P7"), 2, refusal.replies);
    std::ofstream(dir.file("replies.txt")) << replies;
    command += " --replies " + dir.file("replies.txt") + " compute";
  } else {
    command += " --replies /dev/null";
  }
  std::string options = refusal.options;
  if (const std::size_t at = options.find("DIR"); at != std::string::npos) options.replace(at, 3, dir.file(""));
  const int status = shellStatus("cd " + dir.file("") + " && " + command + " " + options + " > /dev/null 2> " +
                                 dir.file("errors.txt"));
  EXPECT_EQ(status, refusal.status);
  EXPECT_NE(fileText(dir.file("errors.txt")).find(refusal.message), std::string::npos)
      << fileText(dir.file("errors.txt"));
  std::vector<std::string> left = dir.names();
  std::erase(left, "errors.txt");
  std::erase(left, "replies.txt");
  EXPECT_TRUE(left.empty()) << left.front();
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, RefusedExport,
    ::testing::Values(Refusal{"UnknownExtension", "P7", "--export DIRout.csv export", 64, ".xlsx、.xml、.dxf、.dat"},
                      Refusal{"ExportWithoutFile", "P7", "export", 64, "export 命令需要至少一个 --export 文件"},
                      Refusal{"NoCompleteRun", "", "--export DIRout.xlsx export", 3, "没有可导出的计算结果"},
                      Refusal{"CommaInCassName", "P,7", "--export DIRout.dat export", 74, "点名“P,7”含有逗号"},
                      Refusal{"QuoteInCassName", "P\"7", "--export DIRout.dat export", 74, "CASS 坐标文件没有引号规则"},
                      Refusal{"PNamedLikeAKnownPoint", "B", "--export DIRout.xml export", 74, "与已知点同名"},
                      Refusal{"UnwritableDirectory", "P7", "--export DIRmissing/out.xlsx export", 74, "不能导出到"}),
    [](const auto& row) { return row.param.name; });

/// A format written on a full disk: the shell's file size limit makes every write past 1 KiB fail.
class FullDisk : public ::testing::TestWithParam<std::string> {};

TEST_P(FullDisk, GivesStatus74AndLeavesNoHalfFile) {
  const ScratchDirectory dir("full-" + GetParam().substr(1));
  std::string replies = fileText(kSource + "/examples/sample-figure.txt");
  replies.replace(replies.find("P7"), 2, std::string(1500, 'P'));
  std::ofstream(dir.file("replies.txt")) << replies;
  const std::string out = dir.file("out" + GetParam());
  const int status = shellStatus("trap '' XFSZ; ulimit -f 1; " + kCli + " --replies " + dir.file("replies.txt") +
                                 " --export " + out + " compute export > /dev/null 2>&1");
  EXPECT_EQ(status, 74);
  EXPECT_EQ(dir.names(), std::vector<std::string>{"replies.txt"});
}

INSTANTIATE_TEST_SUITE_P(EachFormat, FullDisk, ::testing::Values(".xlsx", ".xml", ".dxf", ".dat"),
                         [](const auto& row) { return row.param.substr(1); });

TEST(BatchWorkbook, FullDiskGivesStatus74AndNoWorkbook) {
  const ScratchDirectory dir("full-batch");
  const int status = shellStatus("trap '' XFSZ; ulimit -f 2; " + kCli + " batch " + kSource +
                                 "/examples/figures.csv --check --xlsx " + dir.file("out.xlsx") + " > /dev/null 2>&1");
  EXPECT_EQ(status, 74);
  EXPECT_TRUE(dir.names().empty());
}

}  // namespace
}  // namespace velmora
