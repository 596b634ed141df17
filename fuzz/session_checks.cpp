#include "session_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <sstream>
#include <string_view>
#include <vector>

#include "check/check_observations.h"
#include "check/check_text.h"
#include "console_session.h"
#include "engine/dms_angle.h"
#include "engine/figure_plausibility.h"
#include "engine/number_reader.h"
#include "engine/number_text.h"
#include "fuzz_failure.h"
#include "input/utf8_text.h"
#include "report/report_writer.h"
#include "report/text_sink.h"
#include "text_checks.h"
#include "trace_window.h"
#include "ui/compute_run.h"
#include "ui/recording_window.h"

namespace velmora::fuzz {
namespace {

/// The fields a complete run writes after its last prompt, in the order it writes them.
constexpr std::array<std::string_view, 16> kClosingFields = {"Text12", "Text13", "Text21", "Text25", "Text15", "Text16",
                                                             "Text14", "Text17", "Text26", "Text18", "Text19", "Text20",
                                                             "Text5",  "Text22", "Text23", "Text24"};

/// Fields that echo a typed value: a number under its pattern, anything else as typed.
constexpr std::array<std::string_view, 9> kEntryFields = {"Text1", "Text2", "Text3", "Text4", "Text6",
                                                          "Text7", "Text8", "Text9", "Text10"};
constexpr std::string_view kNameField = "Text18";
constexpr std::array<std::string_view, 4> kUnits = {"", " 秒", " 毫米", " 单位"};
constexpr std::size_t kReportLines = 53;

bool isEntryField(std::string_view field) {
  return std::find(kEntryFields.begin(), kEntryFields.end(), field) != kEntryFields.end();
}

/// A result: blanks, the number (after "1/" in Text26, or "∞" there), a unit.
void checkResultText(std::string_view field, std::string_view text) {
  if (field == "Text11" && text.empty()) return;  // emptied by the next triangle's entry
  std::string_view rest = text.substr(std::min(text.find_first_not_of(' '), text.size()));
  if (field == "Text26") {
    require(rest.starts_with("1/"), "Text26 shows 1/m", text);
    rest.remove_prefix(2);
    if (rest == "∞") return;
  }
  const std::size_t numberEnd = std::min(rest.find(' '), rest.size());
  const std::string_view number = rest.substr(0, numberEnd);
  require(isPlainDecimal(number) && !isNegativeZero(number), "a result field shows a plain number", text);
  const std::string_view unit = rest.substr(numberEnd);
  require(std::find(kUnits.begin(), kUnits.end(), unit) != kUnits.end(), "a result field has its unit", text);
}

void checkEntryText(std::string_view text, std::span<const std::string> typed) {
  if (text.empty() || text == " ") return;  // a field emptied for the next value
  require(text.front() == ' ', "an entry field shows its value after a blank", text);
  const std::string shown(text.substr(1));
  if (readNumber(shown).reading == NumberReading::Number) {
    require(isPlainDecimal(shown) && !isNegativeZero(shown), "a typed number shows under its pattern", text);
    return;
  }
  require(std::find(typed.begin(), typed.end(), shown) != typed.end(), "a typed text shows as typed", text);
}

void checkFieldTexts(const std::vector<WindowOperation>& operations, std::span<const std::string> typed) {
  for (const WindowOperation& operation : operations) {
    if (operation.kind == WindowOperation::Kind::Ask || operation.control == kNameField) continue;
    if (operation.kind == WindowOperation::Kind::Label) {
      requireCleanText(operation.text, "a label caption");
    } else if (isEntryField(operation.control)) {
      checkEntryText(operation.text, typed);
    } else {
      checkResultText(operation.control, operation.text);
    }
  }
}

/// The message without the typed values it quotes (“…”, their beginning when
/// long), which may be any text, quotes included: the longest first, so that a
/// value quoting another goes whole.
std::string withoutQuotedReplies(std::string message, std::span<const std::string> typed) {
  std::vector<std::string> quotedLongestFirst;
  for (const std::string& reply : typed) quotedLongestFirst.push_back(quotedBeginning(reply));
  std::sort(quotedLongestFirst.begin(), quotedLongestFirst.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  for (const std::string& quoted : quotedLongestFirst) {
    for (std::size_t at = message.find(quoted); at != std::string::npos; at = message.find(quoted, at)) {
      message.erase(at, quoted.size());
    }
  }
  return message;
}

template <typename Number, std::size_t N>
bool allFinite(const std::array<Number, N>& values) {
  return std::all_of(values.begin(), values.end(), [](Number value) { return std::isfinite(value); });
}

bool resultsFinite(const AdjustmentState& s) {
  const std::array<double, 8> scalars = {s.invPb, s.invPs, s.xp1, s.yp1, s.xp2, s.yp2, s.xp3, s.yp3};
  const std::array<float, 3> singles = {s.mb, s.md, s.m.value_or(0.0F)};
  return allFinite(s.w) && allFinite(s.secondGroupW) && allFinite(s.k) && allFinite(s.distanceAngle) &&
         allFinite(s.advanceAngle) && allFinite(s.centralAngle) && allFinite(scalars) && allFinite(singles);
}

/// A complete run used only angles a surveyor can have observed, closed no
/// triangle by more than the gross limit, and had A, B, C clockwise on the map.
void checkPlausibleFigure(const AdjustmentState& s) {
  for (std::size_t t = 1; t <= kTriangles; ++t) {
    require(std::fabs(s.w[t]) <= kGrossMisclosureSeconds, "a complete run has no gross triangle misclosure");
    for (const std::string* typed : {&s.distanceAngleDms[t], &s.advanceAngleDms[t], &s.centralAngleDms[t]}) {
      const DmsParts parts = dmsParts(readNumber(*typed).value);
      require(parts.minutes < 60.0 && parts.seconds < 60.0, "a complete run's angles have minutes and seconds below 60",
              *typed);
    }
  }
  const PlanePoint a{readNumber(s.xa).value, readNumber(s.ya).value};
  const PlanePoint b{readNumber(s.xb).value, readNumber(s.yb).value};
  const PlanePoint c{readNumber(s.xc).value, readNumber(s.yc).value};
  require(doubleSignedArea(a, b, c) < 0.0, "a complete run's known points are numbered clockwise");
}

void checkCompleteRun(const RunOutcome& outcome, const RecordingWindow& window, const AdjustmentState& state) {
  require(outcome.message.empty() && !outcome.fault, "a complete run has no message", outcome.message);
  require(state.lastRunComplete, "a complete run is marked complete");
  require(resultsFinite(state), "a complete run stores finite results");
  checkPlausibleFigure(state);
  const std::vector<WindowOperation>& operations = window.operations();
  require(operations.size() >= kClosingFields.size(), "a complete run writes its result fields");
  const auto closing = operations.end() - static_cast<std::ptrdiff_t>(kClosingFields.size());
  for (std::size_t i = 0; i < kClosingFields.size(); ++i) {
    const WindowOperation& operation = closing[static_cast<std::ptrdiff_t>(i)];
    require(operation.kind == WindowOperation::Kind::Field && operation.control == kClosingFields[i],
            "a complete run writes every result field in order", kClosingFields[i]);
  }
  require(window.lastText(std::string(kNameField)) == "   " + state.pointName, "Text18 ends with the point name");
}

void checkStoppedRun(const RunOutcome& outcome, const AdjustmentState& state, std::span<const std::string> typed,
                     bool repliesLeft) {
  require(!outcome.message.empty(), "a stopped run has a message");
  require(!state.lastRunComplete, "a stopped run is not marked complete", outcome.message);
  if (outcome.end == RunEnd::RepliesRanOut) {
    require(!repliesLeft, "a run stops for want of replies only when they are used up", outcome.message);
    return;
  }
  require(outcome.fault && !outcome.fault->step.empty() && !outcome.fault->reason.empty(),
          "a run that cannot compute names its step and value", outcome.message);
  requireCleanText(withoutQuotedReplies(outcome.message, typed), "a stop message");
}

void requireFiniteCheck(const RigorousCheck& c) {
  const std::array<double, 9> scalars = {
      c.p.x, c.p.y, c.m0, c.mx, c.my, c.mp, c.ellipse.a, c.ellipse.b, c.ellipse.azimuth};
  require(allFinite(scalars) && allFinite(c.residuals) && allFinite(c.redundancy) && allFinite(c.standardized),
          "the check's results are finite");
}

/// The state with the texts the check echoes as typed (point name, d.mmss) put
/// as plain numbers, so that what remains of its text is the check's own.
AdjustmentState withoutTypedEchoes(AdjustmentState state) {
  state.pointName = "P";
  for (TriangleArray<std::string>* typed : {&state.distanceAngleDms, &state.advanceAngleDms, &state.centralAngleDms}) {
    for (std::string& angle : *typed) angle = fixedText(readNumber(angle).value, 5);
  }
  return state;
}

void appendTraceLines(std::string& lines, const std::vector<WindowOperation>& operations) {
  for (const WindowOperation& operation : operations) {
    if (operation.kind == WindowOperation::Kind::Ask) continue;
    lines += operation.kind == WindowOperation::Kind::Field ? "field\t" : "label\t";
    lines += escapeTraceText(operation.control) + '\t' + escapeTraceText(operation.text) + '\n';
  }
}

class CheckedSession {
 public:
  explicit CheckedSession(std::vector<std::string> replies) : replies_(std::move(replies)) {}

  SessionRecord run(const std::vector<CliCommand>& commands) {
    for (const CliCommand command : commands) {
      const int status = runCommand(command);
      if (record_.exitStatus == kExitCompleted) record_.exitStatus = status;
    }
    return record_;
  }

 private:
  int runCommand(CliCommand command) {
    switch (command) {
      case CliCommand::Compute: return compute();
      case CliCommand::Print: return print();
      case CliCommand::Check: return check();
    }
    return kExitUsage;
  }

  int compute() {
    const std::span<const std::string> offered = std::span<const std::string>(replies_).subspan(nextReply_);
    RecordingWindow window({offered.begin(), offered.end()});
    const RunOutcome outcome = computeRun(state_, window);
    nextReply_ += window.repliesUsed();
    const std::span<const std::string> typed = offered.first(window.repliesUsed());
    checkFieldTexts(window.operations(), typed);
    appendTraceLines(record_.traceLines, window.operations());
    switch (outcome.end) {
      case RunEnd::Complete: checkCompleteRun(outcome, window, state_); return kExitCompleted;
      case RunEnd::CannotCompute: checkStoppedRun(outcome, state_, typed, true); return kExitCannotCompute;
      case RunEnd::RepliesRanOut: checkStoppedRun(outcome, state_, typed, nextReply_ < replies_.size()); break;
      case RunEnd::Cancelled: invariantBroken("a reply source never cancels", outcome.message);
    }
    return kExitRepliesRanOut;
  }

  int print() {
    std::ostringstream document;
    TextSink sink(document);
    const PrintOutcome outcome = printReport(state_, sink);
    require(outcome.printed == state_.lastRunComplete, "print refuses exactly when the last run stopped");
    if (!outcome.printed) {
      require(document.str().empty() && !outcome.message.empty(), "a refused print prints nothing and says why");
      return kExitPrintRefused;
    }
    const std::string report = document.str();
    requireCleanText(report, "the printed report");
    require(static_cast<std::size_t>(std::count(report.begin(), report.end(), '\n')) >= kReportLines,
            "the report has all its lines", report);
    return kExitCompleted;
  }

  int check() {
    if (!state_.lastRunComplete) return kExitPrintRefused;
    const std::optional<CheckObservations> observations = checkObservations(state_);
    require(observations.has_value(), "a complete run's typed values all read as numbers");
    const CheckOutcome outcome = rigorousAdjustment(*observations);
    if (!outcome.check) {
      require(!outcome.failure.empty(), "a check that cannot compute says why");
      requireCleanText(outcome.failure, "the check's failure");
      return kExitCannotCompute;
    }
    requireFiniteCheck(*outcome.check);
    requireCleanText(checkText(withoutTypedEchoes(state_), *outcome.check), "the check's text");
    return kExitCompleted;
  }

  std::vector<std::string> replies_;
  std::size_t nextReply_ = 0;
  AdjustmentState state_;
  SessionRecord record_;
};

}  // namespace

SessionRecord runCheckedSession(const std::vector<CliCommand>& commands, std::vector<std::string> replies) {
  return CheckedSession(std::move(replies)).run(commands);
}

}  // namespace velmora::fuzz
