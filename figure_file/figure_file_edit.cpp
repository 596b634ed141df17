#include "figure_file/figure_file_edit.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "figure_file/figure_file.h"
#include "input/gb18030_encoder.h"

namespace velmora {
namespace {

/// A field's bytes in the file, with its quotes when it has them.
struct RawField {
  std::size_t begin = 0;
  std::size_t end = 0;
  bool quoted = false;
};

/// What replaces a field: its text in the file's encoding, and the bytes written.
struct Replacement {
  RawField field;
  std::string text;
  std::string bytes;
};

FigureFileEdit refused(std::string problem) { return {{}, 0, std::move(problem)}; }

/// Where line `line` (1-based) begins: after the file's (line - 1)th LF.
std::optional<std::size_t> lineStart(std::string_view file, std::size_t line) {
  std::size_t at = 0;
  for (std::size_t n = 1; n < line; ++n) {
    at = file.find('\n', at);
    if (at == std::string_view::npos) return std::nullopt;
    ++at;
  }
  return at;
}

/// Just after the quote that closes a field whose text begins at `at`.
std::optional<std::size_t> afterClosingQuote(std::string_view file, std::size_t at) {
  while (at < file.size()) {
    if (file[at] != '"') {
      ++at;
    } else if (at + 1 < file.size() && file[at + 1] == '"') {
      at += 2;
    } else {
      return at + 1;
    }
  }
  return std::nullopt;
}

bool endsRecordOrField(std::string_view file, std::size_t at, char separator) {
  return at == file.size() || file[at] == separator || file[at] == '\n' || file.substr(at, 2) == "\r\n";
}

/// The fields of the well-formed record that begins at `at`, split as the
/// reader splits them: a field opening with a quote runs to its closing quote,
/// any other to the separator or the line end (a CR before LF is no part of it).
std::optional<std::vector<RawField>> rawFields(std::string_view file, std::size_t at, char separator) {
  std::vector<RawField> fields;
  for (;;) {
    RawField field{at, at, false};
    if (at < file.size() && file[at] == '"') {
      const std::optional<std::size_t> after = afterClosingQuote(file, at + 1);
      if (!after || !endsRecordOrField(file, *after, separator)) return std::nullopt;
      at = *after;
      field = {field.begin, at, true};
    } else {
      while (at < file.size() && file[at] != separator && file[at] != '\n') ++at;
      const bool crBeforeLf = at < file.size() && at > field.begin && file[at - 1] == '\r';
      field.end = crBeforeLf ? at - 1 : at;
    }
    fields.push_back(field);
    if (at == file.size() || file[at] != separator) return fields;
    ++at;
  }
}

bool needsQuotes(std::string_view text, char separator) {
  return text.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos;
}

std::string quoted(std::string_view text) {
  std::string bytes = "\"";
  for (const char c : text) {
    if (c == '"') bytes += '"';
    bytes += c;
  }
  return bytes + '"';
}

std::optional<std::string> inFileEncoding(const std::string& text, TextEncoding encoding) {
  if (encoding == TextEncoding::Gb18030) return utf8ToGb18030(text);
  return text;
}

/// The changed fields of the record, in the file's order.
std::optional<std::vector<Replacement>> replacements(const FigureFileContents& read, const FigureRecord& was,
                                                     const FigureRecord& figure, const std::vector<RawField>& fields,
                                                     std::string& problem) {
  std::vector<Replacement> changed;
  for (std::size_t column = 0; column < kFigureColumns; ++column) {
    if (figure.columns[column] == was.columns[column]) continue;
    std::optional<std::string> text = inFileEncoding(figure.columns[column], read.encoding);
    if (!text) {
      problem = "字段 " + std::string(kFigureColumnNames[column]) + " 的文字不能按 GB18030 写入";
      return std::nullopt;
    }
    const RawField field = fields[read.header.fileColumn[column]];
    std::string bytes = field.quoted || needsQuotes(*text, read.separator) ? quoted(*text) : *text;
    changed.push_back({field, std::move(*text), std::move(bytes)});
  }
  std::sort(changed.begin(), changed.end(),
            [](const Replacement& a, const Replacement& b) { return a.field.begin < b.field.begin; });
  return changed;
}

/// True when the record's bytes, changed, would be separators and blanks only:
/// the reader would skip it as a line without content.
bool wouldReadAsBlank(std::string_view file, const std::vector<RawField>& fields,
                      const std::vector<Replacement>& changed, char separator) {
  const auto blank = [separator](char c) { return c == ' ' || c == '\t' || c == '\r' || c == separator; };
  std::size_t at = fields.front().begin;
  for (const Replacement& replacement : changed) {
    const std::string_view before = file.substr(at, replacement.field.begin - at);
    if (!std::all_of(before.begin(), before.end(), blank)) return false;
    if (!std::all_of(replacement.bytes.begin(), replacement.bytes.end(), blank)) return false;
    at = replacement.field.end;
  }
  const std::string_view rest = file.substr(at, fields.back().end - at);
  return std::all_of(rest.begin(), rest.end(), blank);
}

std::string spliced(std::string_view file, const std::vector<Replacement>& changed) {
  std::string bytes;
  std::size_t at = 0;
  for (const Replacement& replacement : changed) {
    bytes.append(file.substr(at, replacement.field.begin - at));
    bytes += replacement.bytes;
    at = replacement.field.end;
  }
  bytes.append(file.substr(at));
  return bytes;
}

/// The edited file reads as the file did, with `figure` in place of figure `index`.
bool readsBack(const FigureFileContents& before, const FigureFileContents& after, std::size_t index,
               const FigureRecord& figure) {
  if (!after.problem.empty() || after.figures.size() != before.figures.size() ||
      after.errors.size() != before.errors.size() || after.skippedLines != before.skippedLines) {
    return false;
  }
  for (std::size_t at = 0; at < before.figures.size(); ++at) {
    const FigureRecord& expected = at == index ? figure : before.figures[at].figure;
    if (after.figures[at].figure.columns != expected.columns) return false;
  }
  return true;
}

}  // namespace

FigureFileEdit editFigureInFile(std::string_view file, std::size_t line, const FigureRecord& figure) {
  const FigureFileContents before = readFigureFileBytes(file);
  if (!before.problem.empty()) return refused(before.problem);
  const auto picked = std::find_if(before.figures.begin(), before.figures.end(),
                                   [line](const FigureFileEntry& entry) { return entry.line == line; });
  const std::string where = "第 " + std::to_string(line) + " 行";
  const std::optional<std::size_t> start = lineStart(file, line);
  if (picked == before.figures.end() || !start) return refused("文件中" + where + "没有图形的记录");
  const std::optional<std::vector<RawField>> fields = rawFields(file, *start, before.separator);
  if (!fields || fields->size() < before.header.fileColumnNames.size()) {
    return refused("文件中" + where + "的记录不能按字段拆分");
  }
  std::string problem;
  std::optional<std::vector<Replacement>> changed = replacements(before, picked->figure, figure, *fields, problem);
  if (!changed) return refused(std::move(problem));
  if (!changed->empty() && wouldReadAsBlank(file, *fields, *changed, before.separator)) {
    changed->front().bytes = quoted(changed->front().text);
  }
  std::string bytes = spliced(file, *changed);
  const auto index = static_cast<std::size_t>(picked - before.figures.begin());
  const FigureFileContents after = readFigureFileBytes(bytes);
  if (!readsBack(before, after, index, figure)) return refused("改动后的文件读不回" + where + "的图形");
  return {std::move(bytes), after.figures[index].line, {}};
}

}  // namespace velmora
