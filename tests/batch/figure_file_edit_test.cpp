// Saving one figure into its file: for files as Excel, Notepad and Velmora
// write them, the saved file equals the old one byte for byte except the
// changed fields of the edited figure, and it reads back with the new texts.
// The window's tests add a UTF-8 file with a byte order mark and a quoted name.
#include "figure_file/figure_file_edit.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "figure_file/figure_file.h"

namespace velmora {
namespace {

using namespace std::string_literals;

constexpr std::size_t kName = 0, kXa = 1, kA1 = 7, kC3 = 15;

// GB18030 bytes of 甲, 乙, 丙丁, 备注 and 第一.
const std::string kGbJia = "\xBC\xD7", kGbYi = "\xD2\xD2", kGbBingDing = "\xB1\xFB\xB6\xA1";
const std::string kGbRemark = "\xB1\xB8\xD7\xA2", kGbFirst = "\xB5\xDA\xD2\xBB";

/// The fifteen values of a figure after its name, each led by `separator`.
std::string values(char separator, const std::string& a1 = "29.13491", const std::string& c3 = "126.53511") {
  const std::string texts[] = {"3146.231",  "5218.774", "4208.517", "5762.130", "3312.684", "6542.895", a1, "33.57492",
                               "116.48233", "34.11555", "29.30193", "116.1745", "26.35117", "26.3056",  c3};
  std::string line;
  for (const std::string& text : texts) line += separator + text;
  return line;
}

std::string header(char separator) { return figureHeaderLine(separator); }

/// A file in which "@" marks the edited field: `before` is there on disk, `after` once saved.
struct EditCase {
  std::string name;
  std::string layout;
  std::string before;
  std::string after;
  std::size_t line;    ///< the edited figure's record
  std::size_t column;  ///< the figure column changed
  std::string text;    ///< its new text
};

void PrintTo(const EditCase& row, std::ostream* out) { *out << row.name; }

std::string filled(const std::string& layout, const std::string& field) {
  std::string file = layout;
  file.replace(file.find('@'), 1, field);
  return file;
}

/// The figure on `line` of `file` as read, with `column` typed anew.
FigureRecord editedFigure(const std::string& file, std::size_t line, std::size_t column, const std::string& text) {
  const FigureFileContents read = readFigureFileBytes(file);
  const auto entry = std::find_if(read.figures.begin(), read.figures.end(),
                                  [line](const FigureFileEntry& figure) { return figure.line == line; });
  EXPECT_NE(entry, read.figures.end()) << "no figure on line " << line;
  if (entry == read.figures.end()) return {};
  FigureRecord figure = entry->figure;
  figure.columns[column] = text;
  return figure;
}

class FigureFileEditTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(FigureFileEditTest, OnlyTheChangedFieldDiffers) {
  const EditCase& edit = GetParam();
  const std::string file = filled(edit.layout, edit.before);
  const FigureFileEdit saved = editFigureInFile(file, edit.line, editedFigure(file, edit.line, edit.column, edit.text));
  ASSERT_EQ(saved.problem, "");
  EXPECT_EQ(saved.bytes, filled(edit.layout, edit.after));
  EXPECT_EQ(saved.line, edit.line);
  EXPECT_EQ(editedFigure(saved.bytes, saved.line, edit.column, edit.text).columns[edit.column], edit.text);
}

TEST_P(FigureFileEditTest, AnUnchangedFigureLeavesTheFileAsItWas) {
  const EditCase& edit = GetParam();
  const std::string file = filled(edit.layout, edit.before);
  const FigureRecord asRead = readFigureFileBytes(file).figures.back().figure;
  const FigureFileEdit saved = editFigureInFile(file, readFigureFileBytes(file).figures.back().line, asRead);
  ASSERT_EQ(saved.problem, "");
  EXPECT_EQ(saved.bytes, file);
}

const EditCase kEditCases[] = {
    {"gb18030_semicolons_crlf_remark_blank_rows_unreadable_record",
     "\r\n" + header(';') + ";" + kGbRemark + "\r\n" + kGbJia + values(';') + ";" + kGbFirst + "\r\n" +
         ";;;;;;;;;;;;;;;;\r\n" + "P2;1;2\r\n" + "@" + values(';') + ";" + kGbRemark + kGbYi + "\r\n" + "\r\n" + "Q3" +
         values(';') + ";\r\n",
     kGbYi, kGbBingDing, 6, kName, "丙丁"},
    {"name_with_the_separator_is_quoted", header(',') + "\n" + "@" + values(',') + "\n", "P7", "\"P,7\"", 2, kName,
     "P,7"},
    {"name_with_another_separator_is_not", header(';') + "\n" + "@" + values(';') + "\n", "P7", "P,7", 2, kName, "P,7"},
    {"quotes_are_doubled", header(',') + "\n" + "@" + values(',') + "\n", "P7", "\"say \"\"hi\"\"\"", 2, kName,
     "say \"hi\""},
    {"a_line_break_makes_the_record_two_lines",
     header(',') + "\r\n" + "@" + values(',') + "\r\n" + "Q" + values(',') + "\r\n", "P7", "\"P\n7\"", 2, kName,
     "P\n7"},
    {"record_after_a_name_over_two_lines",
     header(',') + "\n" + "\"two\nlines\"" + values(',') + "\n" + "@" + values(',') + "\n", "P3", "P4", 4, kName, "P4"},
    {"columns_in_another_order",
     "remark;c3;c2;c1;b3;b2;b1;a3;a2;a1;yc;xc;yb;xb;ya;xa;name\r\n" + "ok;1;2;3;4;5;6;7;8;9;10;11;12;13;14;@;P\r\n"s,
     "15", "3146.231", 2, kXa, "3146.231"},
    {"tab_crlf_last_field_keeps_its_cr", header('\t') + "\r\n" + "P" + values('\t', "29.13491", "@") + "\r\n",
     "126.53511", "126.53522", 2, kC3, "126.53522"},
    {"last_record_without_line_end", header(',') + "\n" + "P" + values(',', "29.13491", "@"), "126.53511", "1.1", 2,
     kC3, "1.1"},
    {"every_field_quoted_stays_quoted",
     "\"name\",\"xa\",\"ya\",\"xb\",\"yb\",\"xc\",\"yc\",\"a1\",\"b1\",\"c1\",\"a2\",\"b2\",\"c2\",\"a3\",\"b3\","
     "\"c3\"\r\n"
     "@,\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\",\"10\",\"11\",\"12\",\"13\",\"14\",\"15\"\r\n",
     "\"P1\"", "\"P2\"", 2, kName, "P2"},
};

INSTANTIATE_TEST_SUITE_P(Files, FigureFileEditTest, ::testing::ValuesIn(kEditCases),
                         [](const ::testing::TestParamInfo<EditCase>& row) { return row.param.name; });
/// Regression: a figure whose every field was emptied was written as a line of
/// separators, which reads as a blank line: the figure was gone on reopening.
TEST(FigureFileEdit, AnEmptiedFigureStaysARecord) {
  const std::string file = header(',') + "\n" + "P7" + values(',') + "\n";
  const FigureFileEdit saved = editFigureInFile(file, 2, FigureRecord{});
  ASSERT_EQ(saved.problem, "");
  EXPECT_EQ(saved.bytes, header(',') + "\n\"\",,,,,,,,,,,,,,,\n");
  const FigureFileContents read = readFigureFileBytes(saved.bytes);
  ASSERT_EQ(read.figures.size(), 1U);
  EXPECT_EQ(read.figures[0].figure.columns, FigureRecord{}.columns);
}

struct Refusal {
  std::string name;
  std::string file;
  std::size_t line;
  std::string text;  ///< the new name
  std::string told;  ///< what the reason says
};

void PrintTo(const Refusal& row, std::ostream* out) { *out << row.name; }

class FigureFileEditRefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(FigureFileEditRefusalTest, NothingIsWrittenAndTheReasonIsGiven) {
  const Refusal& refusal = GetParam();
  FigureRecord figure = readFigureFileBytes(refusal.file).figures.front().figure;
  figure.columns[kName] = refusal.text;
  const FigureFileEdit saved = editFigureInFile(refusal.file, refusal.line, figure);
  EXPECT_EQ(saved.bytes, "");
  EXPECT_NE(saved.problem.find(refusal.told), std::string::npos) << saved.problem;
}

const std::string kThreeRecords = header(',') + "\n" + "P1" + values(',') + "\n\nP2,1\n" + "P3" + values(',') + "\n";

INSTANTIATE_TEST_SUITE_P(Files, FigureFileEditRefusalTest,
                         ::testing::Values(Refusal{"blank_line", kThreeRecords, 3, "Q", "第 3 行没有图形"},
                                           Refusal{"unreadable_record", kThreeRecords, 4, "Q", "第 4 行没有图形"},
                                           Refusal{"past_the_end", kThreeRecords, 9, "Q", "第 9 行没有图形"},
                                           Refusal{"not_utf8_into_gb18030",
                                                   header(',') + "\n" + kGbJia + values(',') + "\n", 2, "\xFF",
                                                   "字段 name 的文字不能按 GB18030 写入"}),
                         [](const ::testing::TestParamInfo<Refusal>& row) { return row.param.name; });

}  // namespace
}  // namespace velmora
