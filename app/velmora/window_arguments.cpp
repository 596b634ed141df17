#include "window_arguments.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "ui/exit_status.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, 4> kFileOptions = {"--replies", "--pdf", "--worksheet", "--screenshot"};

bool takesFile(std::string_view option) {
  for (const std::string_view fileOption : kFileOptions) {
    if (option == fileOption) return true;
  }
  return false;
}

ParsedWindowArguments usageError(std::string error) { return ParsedWindowArguments{std::nullopt, std::move(error)}; }

std::string statusLine(int status, std::string_view meaning) {
  std::string line = "  " + std::to_string(status);
  line.resize(8, ' ');
  return line + std::string(meaning) + "\n";
}

}  // namespace

ParsedWindowArguments parseWindowArguments(const std::vector<std::string>& arguments) {
  WindowArguments parsed;
  ScriptOptions script;
  bool scripted = false;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string& option = arguments[at];
    std::string* target = option == "--replies"      ? &script.repliesFile
                          : option == "--pdf"        ? &script.pdfFile
                          : option == "--worksheet"  ? &script.worksheetFile
                          : option == "--screenshot" ? &script.screenshotFile
                                                     : nullptr;
    if (target == nullptr && !option.starts_with('-')) {
      if (!parsed.figureFile.empty()) return usageError("只能打开一个图形文件");
      parsed.figureFile = option;
      continue;
    }
    if (target == nullptr) return usageError("未知的参数「" + option + "」");
    if (at + 1 == arguments.size() || arguments[at + 1].empty()) return usageError(option + " 后面缺少文件名");
    if (!target->empty()) return usageError(option + " 给了两次");
    *target = arguments[++at];
    scripted = true;
  }
  if (scripted && script.repliesFile.empty())
    return usageError("--pdf、--worksheet 和 --screenshot 需要与 --replies 一起使用");
  if (scripted && !parsed.figureFile.empty()) return usageError("脚本方式（--replies）不打开图形文件");
  if (scripted) parsed.script = script;
  return ParsedWindowArguments{parsed, ""};
}

InformationRequest informationRequest(const std::vector<std::string>& arguments) {
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string& argument = arguments[at];
    if (argument == "--help" || argument == "-h") return InformationRequest::Help;
    if (argument == "--version") return InformationRequest::Version;
    if (takesFile(argument)) ++at;
  }
  return InformationRequest::None;
}

std::string windowUsage() {
  return "用法：velmora [图形文件.csv] | --replies 回答文件 [--pdf 报告.pdf] [--worksheet 计算表.pdf] "
         "[--screenshot 图片.png]";
}

std::string windowHelp() {
  std::string help = windowUsage() + "\n";
  help +=
      "\n"
      "Velmora：三角形内插一点（中点多边形）的条件平差。不带参数时打开窗口：按“计算”逐项输入\n"
      "A、B、C 三点座标、待定点点名和九个观测角（度.分秒），窗口显示闭合差、精度评定和待定点座标；\n"
      "文件菜单打开和保存图形文件（与 velmora-cli batch 相同的 CSV 格式），“打 印”打印报告。\n"
      "\n"
      "  图形文件.csv             打开窗口并打开这个图形文件（文件中有多个图形时先选择一个）\n"
      "\n"
      "选项：\n"
      "  --replies 回答文件       脚本方式：不打开任何对话框，按一次“计算”，回答从文件中逐行读取\n"
      "                           （每行一个回答，与 velmora-cli 的回答文件相同）\n"
      "  --pdf 报告.pdf           脚本方式：计算之后把报告打印到这个 PDF 文件（需要 --replies）\n"
      "  --worksheet 计算表.pdf   脚本方式：计算之后把平差计算表写到这个文件，扩展名 .pdf 为 PDF，\n"
      "                           .html 或 .htm 为 HTML（需要 --replies）\n"
      "  --screenshot 图片.png    脚本方式：最后把窗口（连同菜单和状态栏）存为 PNG 图片（需要 --replies）\n"
      "  -h, --help               显示本帮助并退出（不需要显示器）\n"
      "  --version                显示版本并退出（不需要显示器）\n"
      "\n"
      "Qt 的参数也可使用，例如 -platform offscreen（无显示器时运行脚本方式）。\n"
      "\n"
      "退出状态：\n";
  help += statusLine(kExitCompleted, "完成");
  help += statusLine(kExitCannotCompute, "图形无法计算（计算在某一步中止）");
  help += statusLine(kExitRepliesRanOut, "回答文件中的回答用完");
  help += statusLine(kExitPrintRefused, "打印或计算表被拒绝（没有完整的计算结果，或无法输出）");
  help += statusLine(kExitUsage, "用法错误（参数不对）");
  help += statusLine(kExitCannotRead, "输入文件无法读取（不存在、无权限或是目录）");
  help += statusLine(kExitCannotWrite, "输出文件无法写入");
  return help;
}

std::string windowVersion() { return std::string("velmora ") + VELMORA_VERSION + "\n许可证：MIT\n"; }

}  // namespace velmora
