// velmora-cli as a user runs it, on files as they come out of Excel and field
// books: for each file, the records that come out, the exit status and what
// standard error says. Output goes to a file, or to /dev/full where writing
// must fail.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "figure_factory.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::string readFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

struct ProgramRun {
  int status = -1;
  std::string out, err;
};

/// Runs velmora-cli with `arguments` (already quoted for the shell); standard
/// output to `output` or, when it is empty, to a file that is read back.
ProgramRun runProgram(const std::string& arguments, const std::string& output = "") {
  const fs::path dir = fs::path(::testing::TempDir());
  // ctest runs the rows as processes side by side: each has files of its own.
  const std::string own = std::to_string(getpid());
  const fs::path outFile = dir / ("velmora_out_" + own), errFile = dir / ("velmora_err_" + own);
  const std::string command = std::string("'") + VELMORA_CLI + "' " + arguments + " >'" +
                              (output.empty() ? outFile.string() : output) + "' 2>'" + errFile.string() + "'";
  const int raw = std::system(command.c_str());
  ProgramRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = output.empty() ? readFile(outFile) : "";
  run.err = readFile(errFile);
  fs::remove(outFile);
  fs::remove(errFile);
  return run;
}

fs::path writeTemp(const std::string& name, const std::string& content) {
  const fs::path path = fs::path(::testing::TempDir()) / (std::to_string(getpid()) + name);
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

std::string goodLine(int seed, const std::string& name) {
  std::mt19937_64 random(static_cast<std::uint64_t>(seed));
  return figures::csvLine(figures::randomFigure(random, {.noiseSeconds = 1.5}, name));
}

/// `line` with its separators changed to `separator`.
std::string separatedBy(std::string line, char separator) {
  for (char& c : line) c = c == ',' ? separator : c;
  return line;
}

/// The figure file of the examples with line `number` (1-based) changed by `change`.
std::string examplesWith(std::size_t number, const std::string& prefix) {
  std::istringstream file(readFile(fs::path(VELMORA_SOURCE_DIR) / "examples/figures.csv"));
  std::string text;
  std::size_t at = 0;
  for (std::string line; std::getline(file, line);) text += (++at == number ? prefix : "") + line + "\n";
  return text;
}

struct Records {
  std::size_t results = 0, errors = 0;
  std::size_t longestLine = 0;
};

Records recordsOf(const std::string& jsonLines) {
  Records records;
  std::istringstream lines(jsonLines);
  for (std::string line; std::getline(lines, line);) {
    ++(line.find("\"error\":{") != std::string::npos ? records.errors : records.results);
    records.longestLine = std::max(records.longestLine, line.size());
  }
  return records;
}

struct FileRow {
  const char* name;
  std::string content;
  std::size_t results, errors;
  int status;
  std::string errSays;  ///< in standard error
  std::string outHas;   ///< in standard output
  friend void PrintTo(const FileRow& row, std::ostream* out) { *out << row.name; }
};

const std::string kGbName = "\xD6\xD0\xD0\xC4\xB5\xE3\xBC\xD7";  // 中心点甲 in GB18030

std::vector<FileRow> fileRows() {
  const std::string header = figures::csvHeader();
  const std::string p1 = goodLine(1, "P1"), p2 = goodLine(2, "P2");
  const std::string valuesOfP1 = p1.substr(p1.find(','));
  const std::string big(5 << 20, '9');
  return {
      {"Plain", header + "\n" + p1 + "\n" + p2 + "\n", 2, 0, 0, "共 2 条记录", "\"name\":\"P2\""},
      {"ByteOrderMark", "\xEF\xBB\xBF" + header + "\n" + p1 + "\n", 1, 0, 0, "", "\"name\":\"P1\""},
      {"Crlf", header + "\r\n" + p1 + "\r\n" + p2 + "\r\n", 2, 0, 0, "", "\"line\":3"},
      {"Gb18030Names", header + "\r\n" + kGbName + valuesOfP1 + "\r\n", 1, 0, 0, "GB18030", "\"name\":\"中心点甲\""},
      {"Semicolons", separatedBy(header, ';') + "\n" + separatedBy(p1, ';') + "\n", 1, 0, 0, "", "\"name\":\"P1\""},
      {"Tabs", separatedBy(header, '\t') + "\n" + separatedBy(p1, '\t') + "\n", 1, 0, 0, "", "\"name\":\"P1\""},
      {"ReorderedCasedHeaderWithARemark",
       " Name ,XA,Ya,xB,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3,c3,Remark\n" + p1 + ",walked there\n", 1, 0, 0,
       "Remark 不是图形的列，已忽略", "\"name\":\"P1\""},
      {"ColumnsInAnotherOrder",
       "xa,name" + header.substr(7) + "\n" + p1.substr(3, p1.find(',', 3) - 3) + ",P1" + p1.substr(p1.find(',', 3)) +
           "\n",
       1, 0, 0, "", "\"name\":\"P1\""},
      {"ExcelEmptyRows", header + "\n" + p1 + "\n,,,,,,,,,,,,,,,\n   \n" + p2 + "\n\n", 2, 0, 0, "跳过 3 个空行",
       "\"line\":5"},
      {"StrayQuoteInTheMiddle", examplesWith(3, "\""), 5, 1, 1, "共 6 条记录：5 条有结果，1 条为错误记录",
       "\"line\":3,\"error\":{\"field\":\"name\""},
      {"QuotedNewline", header + "\n\"P,\n1\"" + valuesOfP1 + "\n" + p2 + "\n", 2, 0, 0, "", "\"line\":4"},
      {"TrailingSeparator", header + ",\n" + p1 + ",\n" + p2 + ",\n", 2, 0, 0, "", "\"name\":\"P2\""},
      {"TrailingSeparatorOnDataOnly", header + "\n" + p1 + ",\n", 1, 0, 0, "", "\"name\":\"P1\""},
      {"FiveMegabyteField",
       header + "\n" + p1 + "\nP3," + big + valuesOfP1.substr(valuesOfP1.find(',', 1)) + "\n" + p2 + "\n", 2, 1, 1, "",
       "字段 xa 长 5242880 字节，超过 4096 字节：“9999999999999999999999999999999999999999…”"},
      {"LongestFieldNotANumber",
       header + "\nP3," + std::string(4096, 'x') + valuesOfP1.substr(valuesOfP1.find(',', 1)) + "\n", 0, 1, 1, "",
       "的输入值 “xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…” 不是数字"},
      {"MissingColumn", "name,xa,ya,xb,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3\n" + p1 + "\n", 0, 0, 64, "缺少列 c3", ""},
      {"EmptyFile", "", 0, 0, 64, "文件是空的", ""},
  };
}

class RealWorldFile : public ::testing::TestWithParam<FileRow> {};

TEST_P(RealWorldFile, GivesItsRecordsAndStatus) {
  const FileRow& row = GetParam();
  const fs::path file = writeTemp(std::string("velmora_") + row.name + ".csv", row.content);
  const ProgramRun run = runProgram("batch '" + file.string() + "'");
  EXPECT_EQ(run.status, row.status) << run.err;
  const Records records = recordsOf(run.out);
  EXPECT_EQ(records.results, row.results) << run.out.substr(0, 2000);
  EXPECT_EQ(records.errors, row.errors) << run.out.substr(0, 2000);
  EXPECT_LT(records.longestLine, 2000U) << "no record quotes a whole long field";
  EXPECT_NE(run.err.find(row.errSays), std::string::npos) << run.err;
  EXPECT_NE(run.out.find(row.outHas), std::string::npos) << run.out.substr(0, 2000);
}

INSTANTIATE_TEST_SUITE_P(Files, RealWorldFile, ::testing::ValuesIn(fileRows()),
                         [](const ::testing::TestParamInfo<FileRow>& row) { return row.param.name; });

TEST(RealWorldFile, Gb18030GivesUtf8CsvOutput) {
  const std::string p1 = goodLine(1, "P1");
  const fs::path file = writeTemp("velmora_gb.csv", figures::csvHeader() + "\n" + kGbName + p1.substr(2) + "\n");
  const ProgramRun run = runProgram("batch '" + file.string() + "' --format csv");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\n2,中心点甲,,,"), std::string::npos) << run.out;
  const ProgramRun asUtf8 = runProgram("batch '" + file.string() + "' --format csv --encoding utf-8");
  EXPECT_EQ(asUtf8.out.find(kGbName), std::string::npos) << "the output is UTF-8 even so";
}

struct ProgramRow {
  const char* name;
  std::string arguments;  ///< {sample}: the sample's replies; {dir}: a folder
  std::string output;     ///< standard output's file; empty: captured
  int status;
  std::string outSays, errSays;
  friend void PrintTo(const ProgramRow& row, std::ostream* out) { *out << row.name; }
};

std::vector<ProgramRow> programRows() {
  return {
      {"BatchIntoAFullDevice", "batch {figures}", "/dev/full", 74, "", "不能写出"},
      {"PrintIntoAFullDevice", "--replies {sample} compute print", "/dev/full", 74, "", "标准输出不能写出"},
      {"CheckIntoAFullDevice", "--replies {sample} compute check", "/dev/full", 74, "", "标准输出不能写出"},
      {"BatchOfADirectory", "batch {dir}", "", 66, "", "是一个目录"},
      {"RepliesFromADirectory", "--replies {dir}", "", 66, "", "是一个目录"},
      {"BatchOfAMissingFile", "batch {dir}/none.csv", "", 66, "", "不存在"},
      {"RepliesWithAByteOrderMark", "--replies {marked}", "", 0, "计算完成", ""},
      {"Help", "--help", "", 0, "退出状态", ""},
      {"HelpInBatch", "batch x.csv --help", "", 0, "--jobs", ""},
      {"Version", "--version", "", 0, "velmora-cli 1.", ""},
      {"UnknownOptionInChinese", "--nonsense", "", 64, "", "不认识的参数：--nonsense"},
      {"StopMessageAlsoOnStandardError", "--replies {badangle}", "", 1, "不是数字", "不是数字"},
  };
}

class ProgramRunRow : public ::testing::TestWithParam<ProgramRow> {};

TEST_P(ProgramRunRow, EndsWithItsStatusAndMessages) {
  const ProgramRow& row = GetParam();
  const fs::path source = VELMORA_SOURCE_DIR;
  const std::string sample = readFile(source / "examples/sample-figure.txt");
  std::string arguments = row.arguments;
  const std::pair<std::string, std::string> places[] = {
      {"{sample}", (source / "examples/sample-figure.txt").string()},
      {"{figures}", (source / "examples/figures.csv").string()},
      {"{dir}", fs::path(::testing::TempDir()).string()},
      {"{marked}", writeTemp("velmora_marked.txt", "\xEF\xBB\xBF" + sample).string()},
      {"{badangle}", writeTemp("velmora_badangle.txt", sample.substr(0, sample.find("29.13491")) + "x" +
                                                           sample.substr(sample.find("29.13491") + 8))
                         .string()},
  };
  for (const auto& [place, path] : places) {
    if (const std::size_t at = arguments.find(place); at != std::string::npos)
      arguments.replace(at, place.size(), path);
  }
  const ProgramRun run = runProgram(arguments, row.output);
  EXPECT_EQ(run.status, row.status) << run.err;
  EXPECT_NE(run.out.find(row.outSays), std::string::npos) << run.out.substr(0, 2000);
  EXPECT_NE(run.err.find(row.errSays), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Runs, ProgramRunRow, ::testing::ValuesIn(programRows()),
                         [](const ::testing::TestParamInfo<ProgramRow>& row) { return row.param.name; });

}  // namespace
}  // namespace velmora
