// The worksheet's two forms: the sample figure's text against its golden
// file, no text line wider than 100 columns whatever the figure and its name,
// HTML that an XML parser reads back with every table's header row and the
// picture inline, and the number and width rules the forms rest on.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <fstream>
#include <memory>
#include <random>
#include <sstream>

#include "example_figures.h"
#include "worksheet/display_width.h"
#include "worksheet/html_form.h"
#include "worksheet/text_form.h"
#include "worksheet/worksheet_numbers.h"
#include "worksheet_runs.h"

namespace velmora {
namespace {

const std::string kGolden = VELMORA_SOURCE_DIR "/tests/worksheet/golden/sample-worksheet.txt";

std::string fileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

void expectNoLineWiderThanTheTerminal(const std::string& text) {
  for (const std::string& line : linesOf(text)) EXPECT_LE(displayWidth(line), kTextColumns) << line;
}

TEST(WorksheetText, SampleFigureMatchesItsGoldenFile) {
  const WorksheetRun run = worksheetRun(exampleFigure("P7"));
  ASSERT_EQ(run.outcome.end, RunEnd::Complete);
  const std::string text = worksheetText(worksheetOf(run));
  if (std::getenv("VELMORA_UPDATE_GOLDEN")) std::ofstream(kGolden, std::ios::binary) << text;
  EXPECT_EQ(text, fileText(kGolden)) << "VELMORA_UPDATE_GOLDEN=1 rewrites the golden file after a deliberate change";
  expectNoLineWiderThanTheTerminal(text);
}

struct WidthCase {
  const char* label;
  std::string pointName;
  double noiseSeconds;
  friend void PrintTo(const WidthCase& row, std::ostream* out) { *out << row.label; }
};

class WorksheetTextWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(WorksheetTextWidth, NoLineIsWiderThanOneHundredColumns) {
  std::mt19937_64 random(99);
  for (int i = 0; i < 20; ++i) {
    const WorksheetRun run =
        worksheetRun(figures::randomFigure(random, {.noiseSeconds = GetParam().noiseSeconds}, GetParam().pointName));
    ASSERT_EQ(run.outcome.end, RunEnd::Complete) << run.outcome.message;
    WorksheetContext context = fixedContext();
    context.figureFile = "/a/long/folder/name/that/goes/on/" + std::string(60, 'x') + "/figures.csv";
    expectNoLineWiderThanTheTerminal(worksheetText(worksheetOf(run, context)));
  }
}

INSTANTIATE_TEST_SUITE_P(Figures, WorksheetTextWidth,
                         ::testing::Values(WidthCase{"short_name", "P", 1.0}, WidthCase{"noisy_angles", "Q9", 8.0},
                                           WidthCase{"long_cjk_name",
                                                     std::string(70, 'N') + "测站中点多边形待定点测站中点多边形待定点",
                                                     1.0},
                                           WidthCase{"long_unbroken_cjk_name", "中" + std::string(150, 'x'), 1.0}),
                         [](const ::testing::TestParamInfo<WidthCase>& row) { return std::string(row.param.label); });

/// The XHTML namespace's nodes of an XPath query into the parsed page.
class ParsedPage {
 public:
  explicit ParsedPage(const std::string& html)
      : document_(xmlReadMemory(html.data(), static_cast<int>(html.size()), "worksheet.html", "UTF-8", XML_PARSE_NONET),
                  xmlFreeDoc) {}
  bool parsed() const { return document_ != nullptr; }
  int count(const char* query) const {
    std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> context(xmlXPathNewContext(document_.get()),
                                                                             xmlXPathFreeContext);
    xmlXPathRegisterNs(context.get(), reinterpret_cast<const xmlChar*>("h"),
                       reinterpret_cast<const xmlChar*>("http://www.w3.org/1999/xhtml"));
    xmlXPathRegisterNs(context.get(), reinterpret_cast<const xmlChar*>("s"),
                       reinterpret_cast<const xmlChar*>("http://www.w3.org/2000/svg"));
    xmlXPathObjectPtr result = xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(query), context.get());
    const int n = result && result->nodesetval ? result->nodesetval->nodeNr : -1;
    xmlXPathFreeObject(result);
    return n;
  }

 private:
  std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> document_;
};

TEST(WorksheetHtml, ReadsBackAsXmlWithHeaderRowsAndTheInlinePicture) {
  const WorksheetRun run = worksheetRun(exampleFigure("P7"));
  const WorksheetDocument document = worksheetOf(run);
  const ParsedPage page(worksheetHtml(document));
  ASSERT_TRUE(page.parsed());
  EXPECT_EQ(page.count("//h:h2"), static_cast<int>(document.sections.size()));
  EXPECT_GT(page.count("//h:table"), 15);
  EXPECT_EQ(page.count("//h:table[not(h:thead/h:tr/h:th)]"), 0);
  EXPECT_EQ(page.count("//h:div[@class='picture']/s:svg"), 1);
  EXPECT_EQ(page.count("//h:head/h:meta[@charset='utf-8']"), 1);
}

TEST(WorksheetHtml, TypedTextIsEscaped) {
  figures::Figure figure = exampleFigure("P7");
  figure.name = "P<7> & \"Q\"";
  const WorksheetRun run = worksheetRun(figure);
  ASSERT_EQ(run.outcome.end, RunEnd::Complete);
  const std::string html = worksheetHtml(worksheetOf(run));
  const ParsedPage page(html);
  ASSERT_TRUE(page.parsed());
  EXPECT_NE(html.find("P&lt;7&gt; &amp; &quot;Q&quot;"), std::string::npos);
}

TEST(WorksheetHtml, AnImageByNameStandsForThePictureWhenAsked) {
  const WorksheetRun run = worksheetRun(exampleFigure("P7"));
  const ParsedPage page(
      worksheetHtml(worksheetOf(run), {.pictureImage = "plot.png", .pictureWidth = 300, .pictureHeight = 200}));
  ASSERT_TRUE(page.parsed());
  EXPECT_EQ(page.count("//h:img[@src='plot.png'][@width='300'][@height='200']"), 1);
  EXPECT_EQ(page.count("//s:svg"), 0);
}

TEST(Worksheet, RefusedLikePrintWithoutACompleteRun) {
  const WorksheetRun run = worksheetRun(exampleFigure("P7"));
  EXPECT_FALSE(worksheetRefusal(run.state, run.tables));
  AdjustmentState stopped = run.state;
  stopped.lastRunComplete = false;
  EXPECT_TRUE(worksheetRefusal(stopped, run.tables));
  EXPECT_TRUE(worksheetRefusal(run.state, StageTables{})) << "tables of no complete run";
}

struct DmsCase {
  const char* label;
  double degrees;
  const char* text;
  friend void PrintTo(const DmsCase& row, std::ostream* out) { *out << row.label; }
};

class DmsText : public ::testing::TestWithParam<DmsCase> {};

TEST_P(DmsText, RoundsOnceThenSplits) { EXPECT_EQ(dmsText(GetParam().degrees), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Angles, DmsText,
    ::testing::Values(DmsCase{"plain", 29.0 + 13.0 / 60 + 49.1 / 3600, "29°13′49.10″"},
                      DmsCase{"seconds_carry_into_minutes", 10.0 + 59.0 / 60 + 59.996 / 3600, "11°00′00.00″"},
                      DmsCase{"minutes_carry_into_degrees", 359.0 + 59.0 / 60 + 59.9999 / 3600, "360°00′00.00″"},
                      DmsCase{"negative", -(1.0 + 2.0 / 60 + 3.04 / 3600), "-1°02′03.04″"},
                      DmsCase{"tiny_negative_is_zero", -1e-9, "0°00′00.00″"}, DmsCase{"zero", 0.0, "0°00′00.00″"}),
    [](const ::testing::TestParamInfo<DmsCase>& row) { return std::string(row.param.label); });

struct WidthOf {
  const char* label;
  const char* text;
  std::size_t columns;
  friend void PrintTo(const WidthOf& row, std::ostream* out) { *out << row.label; }
};

class DisplayWidth : public ::testing::TestWithParam<WidthOf> {};

TEST_P(DisplayWidth, CountsWideCharactersTwice) { EXPECT_EQ(displayWidth(GetParam().text), GetParam().columns); }

INSTANTIATE_TEST_SUITE_P(Texts, DisplayWidth,
                         ::testing::Values(WidthOf{"ascii", "w1 1.43", 7}, WidthOf{"ideographs", "闭合差", 6},
                                           WidthOf{"full_width_punctuation", "（：）、", 8},
                                           WidthOf{"degree_minute_second", "1°02′03″", 8},
                                           WidthOf{"mixed", "A(1) 求距角", 11},
                                           WidthOf{"truncated_sequence", "\xE4\xB8", 2}),
                         [](const ::testing::TestParamInfo<WidthOf>& row) { return std::string(row.param.label); });

}  // namespace
}  // namespace velmora
