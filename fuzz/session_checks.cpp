#include "session_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <sstream>
#include <string_view>
#include <vector>

#include "check/check_text.h"
#include "console_session.h"
#include "engine/dms_angle.h"
#include "engine/figure_plausibility.h"
#include "engine/number_reader.h"
#include "engine/number_text.h"
#include "fuzz_failure.h"
#include "grade/grade_text.h"
#include "input/utf8_text.h"
#include "text_checks.h"
#include "texts/fault_messages.h"
#include "ui/line_reply_source.h"
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

/// The last text the operations set on a field, or the empty text.
std::string lastFieldText(const std::vector<WindowOperation>& operations, std::string_view field) {
  for (auto operation = operations.rbegin(); operation != operations.rend(); ++operation) {
    if (operation->kind == WindowOperation::Kind::Field && operation->control == field) return operation->text;
  }
  return "";
}

void checkCompleteRun(const RunOutcome& outcome, const std::vector<WindowOperation>& operations,
                      const AdjustmentState& state) {
  require(outcome.message.empty() && !outcome.fault, "a complete run has no message", outcome.message);
  require(state.lastRunComplete, "a complete run is marked complete");
  require(resultsFinite(state), "a complete run stores finite results");
  checkPlausibleFigure(state);
  require(operations.size() >= kClosingFields.size(), "a complete run writes its result fields");
  const auto closing = operations.end() - static_cast<std::ptrdiff_t>(kClosingFields.size());
  for (std::size_t i = 0; i < kClosingFields.size(); ++i) {
    const WindowOperation& operation = closing[static_cast<std::ptrdiff_t>(i)];
    require(operation.kind == WindowOperation::Kind::Field && operation.control == kClosingFields[i],
            "a complete run writes every result field in order", kClosingFields[i]);
  }
  require(lastFieldText(operations, kNameField) == "   " + state.pointName, "Text18 ends with the point name");
}

void checkStoppedRun(const RunOutcome& outcome, const AdjustmentState& state, std::span<const std::string> typed,
                     bool repliesLeft) {
  require(!outcome.message.empty(), "a stopped run has a message");
  require(!state.lastRunComplete, "a stopped run is not marked complete", outcome.message);
  if (outcome.end == RunEnd::RepliesRanOut) {
    require(!repliesLeft, "a run stops for want of replies only when they are used up", outcome.message);
    return;
  }
  require(outcome.fault && outcome.message == cannotComputeMessage(*outcome.fault),
          "a run that cannot compute tells its fault's step and value", outcome.message);
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

/// "\\", "\\t", "\\r", "\\n" back into the characters the trace escaped.
std::string unescapedTraceText(std::string_view text) {
  std::string plain;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '\\' || at + 1 == text.size()) {
      plain += text[at];
      continue;
    }
    const char code = text[++at];
    plain += code == 't' ? '\t' : code == 'r' ? '\r' : code == 'n' ? '\n' : code;
  }
  return plain;
}

/// The window operations of trace lines ("ask", "field", "label"; a "stop" line is the outcome's).
std::vector<WindowOperation> traceOperations(std::string_view trace) {
  std::vector<WindowOperation> operations;
  while (!trace.empty()) {
    const std::size_t end = std::min(trace.find('\n'), trace.size());
    const std::string_view line = trace.substr(0, end);
    trace.remove_prefix(std::min(end + 1, trace.size()));
    const std::size_t kindEnd = line.find('\t');
    const std::size_t firstEnd = line.find('\t', kindEnd + 1);
    const std::string_view kind = line.substr(0, kindEnd);
    if (kind == "stop") continue;
    require(kindEnd != std::string_view::npos && firstEnd != std::string_view::npos, "a trace line has its fields",
            line);
    const std::string first = unescapedTraceText(line.substr(kindEnd + 1, firstEnd - kindEnd - 1));
    const std::string second = unescapedTraceText(line.substr(firstEnd + 1));
    if (kind == "ask") {
      operations.push_back({WindowOperation::Kind::Ask, "", first, second});
    } else {
      require(kind == "field" || kind == "label", "a trace line is ask, field, label or stop", line);
      const auto opKind = kind == "field" ? WindowOperation::Kind::Field : WindowOperation::Kind::Label;
      operations.push_back({opKind, first, second, ""});
    }
  }
  return operations;
}

std::vector<std::string> typedReplies(const std::vector<WindowOperation>& operations) {
  std::vector<std::string> typed;
  for (const WindowOperation& operation : operations) {
    if (operation.kind == WindowOperation::Kind::Ask) typed.push_back(operation.reply);
  }
  return typed;
}

/// The replies as the console reads them, by its own reader: one a line, the
/// line ending and a leading byte order mark removed, GB18030 turned into UTF-8.
struct SessionReplies {
  std::vector<std::string> lines;
  bool refused = false;  ///< a line too long to take ended them
};

SessionReplies splitReplies(std::string_view text) {
  std::istringstream input{std::string(text)};
  LineReplySource source(input);
  SessionReplies replies;
  while (std::optional<std::string> reply = source.next()) replies.lines.push_back(std::move(*reply));
  replies.refused = source.refusal().has_value();
  return replies;
}

/// Watches the console's traced session command by command: what each left in
/// the trace, the state and the outcome must keep every invariant, and the
/// session must end with the status of its first command that failed.
class CheckingWatcher final : public SessionWatcher {
 public:
  CheckingWatcher(const std::ostringstream& trace, const SessionReplies& replies) : trace_(trace), replies_(replies) {}

  int expectedStatus() const { return status_; }

  void computed(const RunOutcome& outcome, const AdjustmentState& state) override {
    const std::string trace = trace_.str();
    const std::vector<WindowOperation> operations = traceOperations(std::string_view(trace).substr(traceRead_));
    traceRead_ = trace.size();
    const std::vector<std::string> typed = typedReplies(operations);
    repliesUsed_ += typed.size();
    checkFieldTexts(operations, typed);
    switch (outcome.end) {
      case RunEnd::Complete: checkCompleteRun(outcome, operations, state); return;
      case RunEnd::CannotCompute:
        if (!outcome.fault) {
          require(replies_.refused && repliesUsed_ == replies_.lines.size(),
                  "a run stops without a fault only at a reply too long to take", outcome.message);
        } else {
          checkStoppedRun(outcome, state, typed, true);
        }
        failed(kExitCannotCompute);
        return;
      case RunEnd::RepliesRanOut:
        checkStoppedRun(outcome, state, typed, repliesUsed_ < replies_.lines.size());
        failed(kExitRepliesRanOut);
        return;
      case RunEnd::Cancelled: invariantBroken("a reply source never cancels", outcome.message);
    }
  }

  void printed(const PrintOutcome& outcome, const std::string& document, const AdjustmentState& state) override {
    traceRead_ = trace_.str().size();
    require(outcome.printed == state.lastRunComplete, "print refuses exactly when the last run stopped");
    if (!outcome.printed) {
      require(document.empty() && !outcome.message.empty(), "a refused print prints nothing and says why");
      failed(kExitPrintRefused);
      return;
    }
    requireCleanText(document, "the printed report");
    require(static_cast<std::size_t>(std::count(document.begin(), document.end(), '\n')) >= kReportLines,
            "the report has all its lines", document);
  }

  void checked(const RunReview& review, const AdjustmentState& state) override {
    traceRead_ = trace_.str().size();
    if (!state.lastRunComplete) {
      require(review.end == ReviewEnd::NoCompleteRun && !review.refusal.empty(),
              "check refuses without a complete run and says why");
      failed(kExitPrintRefused);
      return;
    }
    require(review.end != ReviewEnd::NoCompleteRun, "a complete run's typed values all read as numbers");
    if (review.end == ReviewEnd::CannotCheck) {
      require(!review.check && !review.refusal.empty(), "a check that cannot compute says why");
      requireCleanText(review.refusal, "the check's failure");
      failed(kExitCannotCompute);
      return;
    }
    require(review.check && review.assessment, "a check shows the rigorous check and the grade's checks");
    requireFiniteCheck(*review.check);
    requireCleanText(checkText(withoutTypedEchoes(state), *review.check), "the check's text");
    requireCleanText(gradeText(*review.assessment, review.highest), "the grade's text");
  }

 private:
  void failed(int status) {
    if (status_ == kExitCompleted) status_ = status;
  }

  const std::ostringstream& trace_;
  const SessionReplies& replies_;
  std::size_t traceRead_ = 0;
  std::size_t repliesUsed_ = 0;
  int status_ = kExitCompleted;
};

}  // namespace

int runCheckedSession(const std::vector<CliCommand>& commands, std::string_view replyText) {
  const SessionReplies replies = splitReplies(replyText);
  CliArguments cli;
  cli.trace = true;
  cli.commands = commands;
  std::istringstream input{std::string(replyText)};
  std::ostringstream trace, err;
  CheckingWatcher watcher(trace, replies);
  const int status = runConsoleSession(cli, input, false, trace, err, &watcher);
  require(status == watcher.expectedStatus(), "the session ends with the status of its first failed command",
          trace.str());
  return status;
}

}  // namespace velmora::fuzz
