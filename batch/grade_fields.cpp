#include "batch/grade_fields.h"

#include "batch/shortest_number.h"
#include "batch/text_escaping.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, 3> kCheckParts = {"value", "limit", "verdict"};

/// A value that a single-precision member holds (w, mb) as that single's
/// shortest text, like the result's own keys; any other value as a double.
void appendCheckNumber(std::string& out, double value) {
  const auto single = static_cast<float>(value);
  if (static_cast<double>(single) == value) {
    appendShortest(out, single);
  } else {
    appendShortest(out, value);
  }
}

void appendCheckJson(std::string& out, const GradeCheck& check) {
  out += "{\"value\":";
  appendCheckNumber(out, check.value);
  out += ",\"limit\":";
  appendCheckNumber(out, check.limit);
  out += ",\"verdict\":";
  appendJsonString(out, verdictText(check.verdict));
  out += '}';
}

}  // namespace

void appendGradeJson(std::string& out, const FigureGrade& grade) {
  out += ",\"grade\":{\"highest\":";
  if (grade.highest) {
    appendJsonString(out, grade.highest->name);
  } else {
    out += "null";
  }
  if (grade.checks) {
    out += ",\"name\":";
    appendJsonString(out, grade.checks->grade->name);
    out += grade.checks->passes ? ",\"passes\":true" : ",\"passes\":false";
    out += ",\"checks\":{";
    for (const GradeCheck& check : grade.checks->checks) {
      if (&check != &grade.checks->checks.front()) out += ',';
      appendJsonString(out, check.key);
      out += ':';
      appendCheckJson(out, check);
    }
    out += '}';
  }
  out += '}';
}

void appendGradeCsvHeader(std::string& out, bool withChecks) {
  out += ",grade_highest";
  if (!withChecks) return;
  out += ",grade_name,grade_passes";
  for (const std::string_view key : kGradeCheckKeys) {
    for (const std::string_view part : kCheckParts) {
      out += ",grade_";
      out += key;
      out += '_';
      out += part;
    }
  }
}

void appendGradeCsv(std::string& out, const FigureGrade& grade) {
  out += ',';
  if (grade.highest) out += grade.highest->name;
  if (!grade.checks) return;
  out += ',';
  out += grade.checks->grade->name;
  out += grade.checks->passes ? ",true" : ",false";
  for (const GradeCheck& check : grade.checks->checks) {
    out += ',';
    appendCheckNumber(out, check.value);
    out += ',';
    appendCheckNumber(out, check.limit);
    out += ',';
    out += verdictText(check.verdict);
  }
}

std::size_t gradeCsvColumnCount(bool withChecks) {
  return 1 + (withChecks ? 2 + kCheckParts.size() * kGradeCheckCount : 0);
}

}  // namespace velmora
