#include "figure_file/figure_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

FigureRecord figureNamed(const std::string& name, const std::string& a1 = "29.13491") {
  FigureRecord figure;
  figure.columns = {name,       "3146.231",  "5218.774", "4208.517", "5762.130", "3312.684", "6542.895", a1,
                    "33.57492", "116.48233", "34.11555", "29.30193", "116.1745", "26.35117", "26.3056",  "126.53511"};
  return figure;
}

TEST(FigureFile, NewFileReadsBackAsTyped) {
  const std::vector<FigureRecord> figures = {
      figureNamed("P7"),
      figureNamed("中心点甲"),
      figureNamed("P,7"),
      figureNamed("say \"hi\""),
      figureNamed("two\nlines"),
      figureNamed("a;b\tc"),
      figureNamed(" blank around "),
      figureNamed("\"quoted\""),
      figureNamed("", "29.3O193"),  // no name, a typo kept for the data sheet to mark
      figureNamed("P9", ""),
      FigureRecord{},  // every text empty: still a record, not a blank line
  };
  const std::string saved = newFigureFile(figures);
  EXPECT_TRUE(saved.starts_with("\xEF\xBB\xBFname,xa,ya,xb,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3,c3\r\nP7,3146.231,"));
  EXPECT_TRUE(saved.ends_with("\r\n\"\",,,,,,,,,,,,,,,\r\n"));
  const FigureFileContents read = readFigureFileBytes(saved);
  EXPECT_EQ(read.problem, "");
  EXPECT_TRUE(read.errors.empty()) << read.errors.front().message;
  ASSERT_EQ(read.figures.size(), figures.size());
  std::size_t line = 2;
  for (std::size_t i = 0; i < figures.size(); ++i) {
    EXPECT_EQ(read.figures[i].figure.columns, figures[i].columns) << i;
    EXPECT_EQ(read.figures[i].line, line) << i;
    line += i == 4 ? 2 : 1;  // the name with a line break takes two lines
  }
}

TEST(FigureFile, ReadsWhatBatchReadsAndSaysWhatItFound) {
  const std::string gbName = "\xD6\xD0\xD0\xC4\xB5\xE3\xBC\xD7";  // 中心点甲 in GB18030
  const std::string values =
      ";3146.231;5218.774;4208.517;5762.130;3312.684;6542.895;29.13491;33.57492;116.48233;"
      "34.11555;29.30193;116.1745;26.35117;26.3056;126.53511";
  std::istringstream input("NAME;xa;ya;xb;yb;xc;yc;a1;b1;c1;a2;b2;c2;a3;b3;c3;remark\r\n" + gbName + values +
                           ";ok\r\n;;;;;;;;;;;;;;;;\r\nP2;1;2\r\n\"P3" + values + "\r\n");
  const FigureFileContents read = readFigureFile(input);
  EXPECT_EQ(read.problem, "");
  EXPECT_EQ(read.encoding, TextEncoding::Gb18030);
  ASSERT_EQ(read.figures.size(), 1U);
  EXPECT_EQ(read.figures[0].figure.name(), "中心点甲");
  EXPECT_EQ(read.figures[0].figure.columns[15], "126.53511");
  EXPECT_EQ(read.skippedLines, 1U);
  ASSERT_EQ(read.errors.size(), 2U);
  EXPECT_EQ(read.errors[0].line, 4U);
  EXPECT_EQ(read.errors[0].field, "xb");
  EXPECT_EQ(read.errors[0].name, "P2");
  EXPECT_NE(read.errors[0].message.find("缺少 xb"), std::string::npos) << read.errors[0].message;
  EXPECT_EQ(read.errors[1].line, 5U);
  EXPECT_EQ(read.errors[1].field, "name");
  ASSERT_EQ(read.notices.size(), 2U);
  EXPECT_NE(read.notices[0].find("remark"), std::string::npos);
  EXPECT_NE(read.notices[1].find("GB18030"), std::string::npos);
}

TEST(FigureFile, WithoutItsHeaderNothingIsRead) {
  std::istringstream input("P7,3146.231\n");
  const FigureFileContents read = readFigureFile(input);
  EXPECT_NE(read.problem.find("第 1 行应为表头 name,xa,"), std::string::npos) << read.problem;
  EXPECT_TRUE(read.figures.empty());
}

}  // namespace
}  // namespace velmora
