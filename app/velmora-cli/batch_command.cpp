#include "batch_command.h"

#include <iostream>

#include "batch/batch_run.h"
#include "batch/terminal_progress.h"
#include "export/workbook_sink.h"
#include "input_file.h"
#include "ui/exit_status.h"

namespace velmora {
namespace {

void writeSummary(const BatchSummary& summary, std::ostream& err) {
  err << "velmora-cli: 共 " << summary.figures << " 条记录：" << summary.figures - summary.failed << " 条有结果，"
      << summary.failed << " 条为错误记录";
  if (summary.skippedLines > 0) err << "；跳过 " << summary.skippedLines << " 个空行";
  err << '\n';
}

}  // namespace

int runBatchCommand(const BatchArguments& batch, std::ostream& out, std::ostream& err, bool progressOnTerminal) {
  std::ifstream file;
  if (batch.file != "-") {
    if (const std::string problem = openForReading(batch.file, file); !problem.empty()) {
      err << "velmora-cli: 批量文件 " << batch.file << " " << problem << '\n';
      return kExitCannotRead;
    }
  }
  std::istream& input = batch.file == "-" ? std::cin : file;
  TerminalProgress progress(err);
  std::optional<ResultWorkbook> workbook;
  std::optional<WorkbookSink> sink;
  BatchOptions options = batch.options;
  if (batch.workbookFile) {
    sink.emplace(workbook.emplace(*batch.workbookFile, WorkbookParts{options.check, options.grade != nullptr}));
    options.sink = &*sink;
  }
  const BatchSummary summary = runBatch(input, out, options, progressOnTerminal ? &progress : nullptr);
  for (const std::string& notice : summary.notices) err << "velmora-cli: " << batch.file << ": " << notice << '\n';
  if (input.bad()) {
    err << "velmora-cli: 批量文件 " << batch.file << " 读取出错\n";
    return kExitCannotRead;
  }
  if (!summary.inputProblem.empty()) {
    err << "velmora-cli: " << batch.file << ": " << summary.inputProblem << '\n';
    return kExitUsage;
  }
  if (summary.outputFailed) {
    err << "velmora-cli: 批量结果不能写出\n";
    return kExitCannotWrite;
  }
  if (workbook) {
    if (const std::string problem = workbook->close(); !problem.empty()) {
      err << "velmora-cli: 工作簿不能写到 " << *batch.workbookFile << "：" << problem << '\n';
      return kExitCannotWrite;
    }
  }
  writeSummary(summary, err);
  return summary.failed > 0 ? kExitRecordFailed : kExitCompleted;
}

}  // namespace velmora
