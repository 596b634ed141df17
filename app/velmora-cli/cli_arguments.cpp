#include "cli_arguments.h"

#include <algorithm>
#include <charconv>

#include "export/export_format.h"

namespace velmora {

const char* const kCliUsage =
    "用法：velmora-cli [--replies 文件] [--encoding 编码] [--trace] [--report 文件] [--grade 等级]\n"
    "                  [--plot 文件.svg] [--worksheet 文件.html] [--export 文件 ...]\n"
    "                  [compute|print|check|export|worksheet ...]\n"
    "      velmora-cli batch 文件 [--format jsonl|csv] [--check] [--grade 等级] [--encoding 编码] [--jobs N]\n"
    "                  [--xlsx 文件.xlsx] [--tables]\n"
    "      velmora-cli --help | --version";

const char* const kCliHelp =
    "用法：velmora-cli [--replies 文件] [--encoding 编码] [--trace] [--report 文件] [--grade 等级]\n"
    "                  [--plot 文件.svg] [--worksheet 文件.html] [--export 文件 ...] [命令 ...]\n"
    "      velmora-cli batch 文件 [--format jsonl|csv] [--check] [--grade 等级] [--encoding 编码] [--jobs N]\n"
    "                  [--xlsx 文件.xlsx] [--tables]\n"
    "      velmora-cli --help | --version\n"
    "\n"
    "Velmora 的控制台程序：中点多边形的条件平差（已知点 A、B、C 围成的三角形内一个待定点 P，\n"
    "九个观测角）。\n"
    "命令按给出的次序在同一个平差状态上执行；没有命令时执行 compute。\n"
    "\n"
    "命令：\n"
    "  compute        计算：按提示逐项读入回答（坐标、点名、九个角度，每项须确认），\n"
    "                 完成平差并显示结果\n"
    "  print          把最近一次完整计算的报告（53 行）写到标准输出或 --report 文件\n"
    "  check          对最近一次完整计算做严密平差检核（间接平差），列出与经典结果的差，\n"
    "                 再按测量等级检核闭合差与中误差，给出满足的最高等级\n"
    "  export         把最近一次完整计算导出到每个 --export 文件，格式由扩展名决定：\n"
    "                 .xlsx Excel 工作簿、.xml GNU Gama 平差网、.dxf 图形、.dat CASS 坐标文件\n"
    "  worksheet      把最近一次完整计算的平差计算表（各步的中间数值、检核与精度）以文本\n"
    "                 写到标准输出，或以 HTML 写到 --worksheet 文件；检核等级同 check\n"
    "  batch 文件     批量平差 CSV 文件中的每个图形（文件为 - 时读标准输入），\n"
    "                 每个图形一条结果或一条错误记录写到标准输出\n"
    "\n"
    "选项：\n"
    "  --replies 文件   从文件读回答，每行一个（默认：标准输入）\n"
    "  --encoding 编码  回答文件或批量文件的编码：auto（默认）、utf-8 或 gb18030；\n"
    "                   auto：有效的 UTF-8（有无 BOM 均可）按 UTF-8 读，否则按 GB18030\n"
    "                   读，并在标准错误上说明一次；输出总是 UTF-8\n"
    "  --trace          把每个窗口操作写成一行，字段以 TAB 分隔（ask、field、label、stop）\n"
    "  --report 文件    print 把报告追加到该文件，而不写到标准输出\n"
    "  --format 格式    batch 的输出格式：jsonl（默认，每行一个 JSON 对象）或 csv\n"
    "  --grade 等级     check 按该等级检核（默认：满足的最高等级，都不满足时为图根）；\n"
    "                   batch：每个结果附带该等级的各项检核（数值、限差、结论）；\n"
    "                   等级：二等、三等、四等、一级、二级、图根\n"
    "  --plot 文件.svg  check 把平差图形（含误差椭圆）写成 SVG 文件；须与 check 一起使用\n"
    "  --worksheet 文件.html  worksheet 把计算表写成 HTML 文件（整个替换）；须与 worksheet 一起使用\n"
    "  --export 文件    export 写出的文件，可给多次；.dat 按 GB18030 写出，\n"
    "                   --encoding utf-8 时按 UTF-8\n"
    "  --xlsx 文件.xlsx batch：另把每条记录写进 Excel 工作簿（与 --check、--grade 一致）\n"
    "  --check          batch：每个结果附带严密平差检核和满足的最高等级\n"
    "  --tables         batch：每个 JSON Lines 结果附带计算表的数值（tables 对象，全精度）：\n"
    "                   sides、azimuths、knownAngleA、knownAngleB、distances、longestSide、\n"
    "                   chosenTriangle、firstGroupVv、conditionRows、normals、corrections、\n"
    "                   secondGroupVv、wk；CSV 不带这些数值，--tables 与 --format csv 为用法错误\n"
    "  --jobs N         batch：用 N 个线程平差（默认：处理器核数；1 为单线程）；\n"
    "                   输出次序与输入相同，内容与 --jobs 1 逐字节一致\n"
    "  --help           显示本说明并退出\n"
    "  --version        显示版本并退出\n"
    "\n"
    "批量文件：CSV，第一行为表头 name,xa,ya,xb,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3,c3\n"
    "（列名不分大小写，次序不限，其他列忽略）；分隔符为逗号、分号或 TAB，由表头行判定；\n"
    "只含分隔符和空白的行跳过。回答或字段不得超过 4096 字节。\n"
    "\n"
    "退出状态：\n"
    "  0   完成\n"
    "  1   有图形不能计算（batch：至少有一条错误记录）\n"
    "  2   回答在计算中途用完\n"
    "  3   print、check、export 或 worksheet 被拒绝（没有完整的计算）\n"
    "  64  用法错误（batch：文件没有有效的表头）\n"
    "  66  输入文件不能读取或是目录\n"
    "  74  输出不能写出（包括标准输出）\n"
    "\n"
    "数据写到标准输出，所有诊断信息写到标准错误。\n"
    "\n"
    "示例：\n"
    "  velmora-cli --replies examples/sample-figure.txt compute print\n"
    "  velmora-cli --replies examples/sample-figure.txt --grade 四等 --plot p7.svg compute check\n"
    "  velmora-cli --replies examples/sample-figure.txt --export p7.xlsx --export p7.dxf compute export\n"
    "  velmora-cli batch examples/figures.csv --format csv --check > results.csv\n"
    "  velmora-cli --replies examples/sample-figure.txt --grade 四等 compute worksheet\n"
    "  velmora-cli --replies examples/sample-figure.txt --worksheet p7.html compute worksheet\n"
    "  velmora-cli batch examples/figures.csv --check --xlsx results.xlsx > results.jsonl\n"
    "  velmora-cli batch examples/figures.csv --tables > tables.jsonl\n";

std::string cliVersionText() { return std::string("velmora-cli ") + VELMORA_VERSION; }

namespace {

/// Takes the value of an option that needs one.
struct OptionValues {
  const std::vector<std::string>& arguments;
  std::size_t& at;
  std::optional<std::string> take() {
    if (at + 1 >= arguments.size()) return std::nullopt;
    return arguments[++at];
  }
};

std::optional<std::size_t> jobsNamed(const std::string& text) {
  constexpr std::size_t kMostJobs = 256;
  std::size_t jobs = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), jobs);
  if (error != std::errc() || end != text.data() + text.size() || jobs == 0 || jobs > kMostJobs) return std::nullopt;
  return jobs;
}

ParsedArguments usageError(std::string message) { return {std::nullopt, std::move(message)}; }

/// The value of an option naming an export file into `file`; the usage error's text when it names none.
std::string readExportFile(OptionValues values, const std::string& option, std::optional<ExportFormat> wanted,
                           std::string& file) {
  const std::optional<std::string> path = values.take();
  if (!path) return option + " 需要一个文件名";
  const std::optional<ExportFormat> format = exportFormatOf(*path);
  if (!format || (wanted && format != wanted)) {
    return option + " 的文件 " + *path + " 扩展名不对（可用 " +
           (wanted ? std::string(".xlsx") : knownExportExtensions()) + "）";
  }
  file = *path;
  return {};
}

/// --grade's value into `grade`; the usage error's text, listing the grades, when it names none.
std::string readGrade(OptionValues values, const SurveyGrade*& grade) {
  const std::string names = surveyGradeNames("、");
  const std::optional<std::string> name = values.take();
  if (!name) return "--grade 需要一个等级名称（" + names + "）";
  grade = findSurveyGrade(*name);
  return grade ? "" : "未知的等级：" + *name + "（可用的等级：" + names + "）";
}

/// --encoding's value into `encoding`; the usage error's text when it is none.
std::string readEncoding(OptionValues values, TextEncoding& encoding) {
  const std::optional<std::string> name = values.take();
  if (!name) return "--encoding 需要一个编码：auto、utf-8 或 gb18030";
  const std::optional<TextEncoding> named = encodingNamed(*name);
  if (!named) return "未知的编码：" + *name + "（可用 auto、utf-8 或 gb18030）";
  encoding = *named;
  return {};
}

ParsedArguments parseBatchArguments(const std::vector<std::string>& arguments) {
  BatchArguments batch;
  std::optional<std::string> file;
  for (std::size_t at = 1; at < arguments.size(); ++at) {
    const std::string& argument = arguments[at];
    OptionValues values{arguments, at};
    if (argument == "--check") {
      batch.options.check = true;
    } else if (argument == "--grade") {
      if (std::string error = readGrade(values, batch.options.grade); !error.empty()) return usageError(error);
    } else if (argument == "--format") {
      const std::optional<std::string> format = values.take();
      if (!format) return usageError("--format 需要 jsonl 或 csv");
      if (*format != "jsonl" && *format != "csv")
        return usageError("未知的输出格式：" + *format + "（可用 jsonl 或 csv）");
      batch.options.format = *format == "csv" ? BatchFormat::Csv : BatchFormat::JsonLines;
    } else if (argument == "--encoding") {
      if (std::string error = readEncoding(values, batch.options.encoding); !error.empty()) return usageError(error);
    } else if (argument == "--jobs") {
      const std::optional<std::string> count = values.take();
      const std::optional<std::size_t> jobs = count ? jobsNamed(*count) : std::nullopt;
      if (!jobs) return usageError("--jobs 需要 1 到 256 之间的线程数");
      batch.options.jobs = *jobs;
    } else if (argument == "--tables") {
      batch.options.tables = true;
    } else if (argument == "--xlsx") {
      std::string path;
      if (std::string error = readExportFile(values, argument, ExportFormat::Workbook, path); !error.empty())
        return usageError(error);
      batch.workbookFile = path;
    } else if (!file && (argument == "-" || !argument.starts_with("-"))) {
      file = argument;
    } else {
      return usageError("batch 不认识的参数：" + argument);
    }
  }
  if (!file) return usageError("batch 需要一个文件名（- 表示标准输入）");
  if (batch.options.tables && batch.options.format == BatchFormat::Csv) {
    return usageError("--tables 只能用于 JSON Lines 输出：CSV 不带计算表的数值");
  }
  batch.file = *file;
  CliArguments parsed;
  parsed.batch = batch;
  return {parsed, ""};
}

std::optional<CliInformation> informationAsked(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") return CliInformation::Help;
    if (argument == "--version") return CliInformation::Version;
  }
  return std::nullopt;
}

}  // namespace

ParsedArguments parseCliArguments(const std::vector<std::string>& arguments) {
  if (const std::optional<CliInformation> information = informationAsked(arguments)) {
    CliArguments parsed;
    parsed.information = *information;
    return {parsed, ""};
  }
  if (!arguments.empty() && arguments.front() == "batch") return parseBatchArguments(arguments);
  CliArguments parsed;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string& argument = arguments[at];
    OptionValues values{arguments, at};
    if (argument == "--trace") {
      parsed.trace = true;
    } else if (argument == "--replies" || argument == "--report") {
      const std::optional<std::string> file = values.take();
      if (!file) return usageError(argument + " 需要一个文件名");
      (argument == "--replies" ? parsed.repliesFile : parsed.reportFile) = *file;
    } else if (argument == "--encoding") {
      if (std::string error = readEncoding(values, parsed.encoding); !error.empty()) return usageError(error);
    } else if (argument == "--grade") {
      if (std::string error = readGrade(values, parsed.grade); !error.empty()) return usageError(error);
    } else if (argument == "--plot") {
      const std::optional<std::string> file = values.take();
      if (!file) return usageError("--plot 需要一个文件名");
      parsed.plotFile = *file;
    } else if (argument == "--worksheet") {
      const std::optional<std::string> file = values.take();
      if (!file) return usageError("--worksheet 需要一个文件名");
      if (!file->ends_with(".html") && !file->ends_with(".htm")) {
        return usageError("--worksheet 的文件 " + *file + " 扩展名不对（可用 .html 或 .htm）");
      }
      parsed.worksheetFile = *file;
    } else if (argument == "--export") {
      std::string path;
      if (std::string error = readExportFile(values, argument, std::nullopt, path); !error.empty())
        return usageError(error);
      parsed.exportFiles.push_back(path);
    } else if (argument == "export") {
      parsed.commands.push_back(CliCommand::Export);
    } else if (argument == "compute") {
      parsed.commands.push_back(CliCommand::Compute);
    } else if (argument == "print") {
      parsed.commands.push_back(CliCommand::Print);
    } else if (argument == "check") {
      parsed.commands.push_back(CliCommand::Check);
    } else if (argument == "worksheet") {
      parsed.commands.push_back(CliCommand::Worksheet);
    } else {
      return usageError("不认识的参数：" + argument);
    }
  }
  if (parsed.commands.empty()) parsed.commands.push_back(CliCommand::Compute);
  if (parsed.plotFile && std::ranges::find(parsed.commands, CliCommand::Check) == parsed.commands.end()) {
    return usageError("--plot 只能与 check 命令一起使用：图由严密平差检核绘出");
  }
  if (parsed.worksheetFile && std::ranges::find(parsed.commands, CliCommand::Worksheet) == parsed.commands.end()) {
    return usageError("--worksheet 只能与 worksheet 命令一起使用");
  }
  const bool exports = std::ranges::find(parsed.commands, CliCommand::Export) != parsed.commands.end();
  if (exports != !parsed.exportFiles.empty()) {
    return usageError(exports ? "export 命令需要至少一个 --export 文件" : "--export 只能与 export 命令一起使用");
  }
  return {parsed, ""};
}

}  // namespace velmora
