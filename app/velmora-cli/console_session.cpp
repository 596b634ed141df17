#include "console_session.h"

#include <ctime>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "check/check_text.h"
#include "export/atomic_file.h"
#include "export/figure_export.h"
#include "grade/grade_text.h"
#include "person_console.h"
#include "plot/plot_scene.h"
#include "plot/svg_plot.h"
#include "report/text_sink.h"
#include "trace_window.h"
#include "ui/compute_run.h"
#include "ui/line_reply_source.h"
#include "worksheet/html_form.h"
#include "worksheet/text_form.h"
#include "worksheet/worksheet.h"

namespace velmora {
namespace {

/// The local date and time now, "2026-12-09 08:53:10".
std::string localTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  return std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local) > 0 ? text : "";
}

class ConsoleSession {
 public:
  ConsoleSession(const CliArguments& cli, std::istream& replies, bool repliesFromTerminal, std::ostream& out,
                 std::ostream& err, SessionWatcher* watcher)
      : cli_(cli),
        replies_(replies, cli.encoding, &err),
        out_(out),
        err_(err),
        trace_(replies_, out),
        person_(replies_, out, !repliesFromTerminal),
        watcher_(watcher) {}

  int run() {
    int status = kExitCompleted;
    for (const CliCommand command : cli_.commands) {
      const int commandStatus = runCommand(command);
      if (!outputWritten()) return kExitCannotWrite;
      if (status == kExitCompleted) status = commandStatus;
    }
    return status;
  }

 private:
  int runCommand(CliCommand command) {
    switch (command) {
      case CliCommand::Compute: return compute();
      case CliCommand::Print: return print();
      case CliCommand::Check: return check();
      case CliCommand::Export: return exportFiles();
      case CliCommand::Worksheet: return worksheet();
    }
    return kExitUsage;
  }

  int compute() {
    StageTableRecorder recorder;
    RunOutcome outcome = computeRun(state_, window(), &recorder);
    if (outcome.end == RunEnd::Complete) {
      tables_ = recorder.tables();
      worksheetContext_.computedAt = localTimeNow();
    }
    if (outcome.end == RunEnd::RepliesRanOut && replies_.refusal()) {
      // The replies did not run out: one was too long to be taken.
      outcome.end = RunEnd::CannotCompute;
      outcome.message = "计算中止：" + *replies_.refusal() + "。";
    }
    if (outcome.end != RunEnd::Complete) {
      if (cli_.trace) {
        trace_.writeStop(outcome.message);
      } else {
        out_ << outcome.message << '\n';
        err_ << "velmora-cli: " << outcome.message << '\n';
      }
    } else if (!cli_.trace) {
      out_ << "计算完成。\n";
    }
    if (watcher_) watcher_->computed(outcome, state_);
    return exitStatusOf(outcome.end);
  }

  /// Standard output took everything written to it so far.
  bool outputWritten() {
    if (out_.flush()) return true;
    err_ << "velmora-cli: 标准输出不能写出\n";
    return false;
  }

  int print() {
    std::ostringstream document;
    TextSink sink(document);
    const PrintOutcome outcome = printReport(state_, sink);
    if (watcher_) watcher_->printed(outcome, document.str(), state_);
    if (!outcome.printed) {
      err_ << "velmora-cli: " << outcome.message << '\n';
      return kExitPrintRefused;
    }
    return writeReport(document.str());
  }

  /// The rigorous least-squares check of the last complete run, refused like print without one, then
  /// the checks for --grade's grade (else the highest met, else the loosest) and the highest grade met.
  int check() {
    const RunReview review =
        reviewRun(state_, {.rigorous = true, .highestGrade = true, .gradeChecks = true, .grade = cli_.grade});
    if (watcher_) watcher_->checked(review, state_);
    if (review.end != ReviewEnd::Reviewed) {
      err_ << "velmora-cli: " << review.refusal << '\n';
      return review.end == ReviewEnd::NoCompleteRun ? kExitPrintRefused : kExitCannotCompute;
    }
    out_ << checkText(state_, *review.check) << '\n' << gradeText(*review.assessment, review.highest) << std::flush;
    return cli_.plotFile ? writePlot(*review.check) : kExitCompleted;
  }

  /// The last complete run into every --export file, refused like print without one;
  /// the check and the grade are the run's one review.
  int exportFiles() {
    const RunReview review = reviewRun(
        state_, {.rigorous = true, .highestGrade = true, .gradeChecks = cli_.grade != nullptr, .grade = cli_.grade});
    if (review.end == ReviewEnd::NoCompleteRun) {
      err_ << "velmora-cli: 没有可导出的计算结果：请先完成一次计算。\n";
      return kExitPrintRefused;
    }
    const CheckObservations observations = checkObservations(state_);
    const ExportFigure figure{state_, observations, review, cli_.grade};
    const TextEncoding encoding = cli_.encoding == TextEncoding::Utf8 ? TextEncoding::Utf8 : TextEncoding::Gb18030;
    int status = kExitCompleted;
    for (const std::string& path : cli_.exportFiles) {
      if (const std::string problem = writeFigureExport(path, figure, encoding); !problem.empty()) {
        err_ << "velmora-cli: 不能导出到 " << path << "：" << problem << '\n';
        status = kExitCannotWrite;
      }
    }
    return status;
  }

  /// The worksheet of the last complete run as text on standard output, or as HTML in the --worksheet
  /// file (replaced whole); refused like print without a complete run.
  int worksheet() {
    if (const std::optional<std::string> refusal = worksheetRefusal(state_, tables_)) {
      err_ << "velmora-cli: " << *refusal << '\n';
      return kExitPrintRefused;
    }
    const RunReview review = worksheetReview(state_, cli_.grade);
    const WorksheetDocument document = buildWorksheet({state_, tables_, review, worksheetContext_});
    if (!cli_.worksheetFile) {
      out_ << worksheetText(document) << std::flush;
      return kExitCompleted;
    }
    if (const std::string problem = writeFileAtomically(*cli_.worksheetFile, worksheetHtml(document));
        !problem.empty()) {
      err_ << "velmora-cli: 计算表不能写到 " << *cli_.worksheetFile << "：" << problem << '\n';
      return kExitCannotWrite;
    }
    return kExitCompleted;
  }

  /// The figure with its check as SVG in the --plot file, replaced whole.
  int writePlot(const RigorousCheck& check) {
    std::ofstream file(*cli_.plotFile, std::ios::binary | std::ios::trunc);
    if (!(file << plotSvg(buildPlotScene(state_, check)) << std::flush)) {
      err_ << "velmora-cli: 图不能写到 " << *cli_.plotFile << '\n';
      return kExitCannotWrite;
    }
    return kExitCompleted;
  }

  /// Appends one whole report to the --report file, or writes it to standard output.
  int writeReport(const std::string& document) {
    if (!cli_.reportFile) {
      out_ << document << std::flush;
      return kExitCompleted;
    }
    std::ofstream file(*cli_.reportFile, std::ios::binary | std::ios::app);
    if (!(file << document << std::flush)) {
      err_ << "velmora-cli: 报告不能写到 " << *cli_.reportFile << '\n';
      return kExitCannotWrite;
    }
    return kExitCompleted;
  }

  WindowOperations& window() { return cli_.trace ? static_cast<WindowOperations&>(trace_) : person_; }

  const CliArguments& cli_;
  LineReplySource replies_;
  std::ostream& out_;
  std::ostream& err_;
  TraceWindow trace_;
  PersonConsole person_;
  SessionWatcher* watcher_;
  AdjustmentState state_;
  StageTables tables_;  ///< of the last complete run
  WorksheetContext worksheetContext_{"", 0, "", VELMORA_VERSION};
};

}  // namespace

int runConsoleSession(const CliArguments& cli, std::istream& replies, bool repliesFromTerminal, std::ostream& out,
                      std::ostream& err, SessionWatcher* watcher) {
  return ConsoleSession(cli, replies, repliesFromTerminal, out, err, watcher).run();
}

}  // namespace velmora
