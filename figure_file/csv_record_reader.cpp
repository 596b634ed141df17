#include "figure_file/csv_record_reader.h"

#include <algorithm>
#include <cstring>

#include "input/utf8_text.h"

namespace velmora {
namespace {

constexpr std::size_t kFirstCapacity = std::size_t{1} << 16;
/// Enough bytes of a field to quote its first characters.
constexpr std::size_t kExcerptBytes = 4 * kQuotedCharacters + 4;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

CsvRecordReader::CsvRecordReader(std::istream& input, TextEncoding encoding)
    : decoder_(input, encoding), buffer_(std::make_unique<char[]>(kFirstCapacity)), capacity_(kFirstCapacity) {}

bool CsvRecordReader::next(CsvRecord& record) {
  record.problem = CsvProblem::None;
  record.problemExcerpt.clear();
  record.problemLength = 0;
  record.blank = false;
  for (;;) {
    if (begin_ == end_ && atEnd_) return false;
    if (scan(record) == Scan::Complete) return true;
    if (readMore()) continue;
    // A line of kMaxRecordBytes without its end.
    if (newlines_ > 0) {
      failAcrossLines(record, CsvProblem::UnclosedQuote, fieldAt_);
    } else {
      const std::size_t length = end_ - begin_;
      record.problemExcerpt = quotedBeginning(std::string_view(buffer_.get() + begin_, kExcerptBytes));
      record.problemLength = length + skipRestOfLine(end_);
      record.problem = CsvProblem::RecordTooLong;
      record.line = line_++;
      record.lines = 1;
      record.fieldCount = 0;
      record.fields.clear();
    }
    return true;
  }
}

bool CsvRecordReader::readMore() {
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == capacity_) {
    if (capacity_ >= kMaxRecordBytes) return false;
    auto larger = std::make_unique<char[]>(2 * capacity_);
    std::memcpy(larger.get(), buffer_.get(), end_);
    buffer_ = std::move(larger);
    capacity_ *= 2;
  }
  const std::size_t size = decoder_.read(buffer_.get() + end_, capacity_ - end_);
  if (size == 0) atEnd_ = true;
  end_ += size;
  return true;
}

bool CsvRecordReader::refillDiscarding() {
  begin_ = end_ = decoder_.read(buffer_.get(), capacity_);
  begin_ = 0;
  if (end_ == 0) atEnd_ = true;
  return end_ > 0;
}

bool CsvRecordReader::isSeparator(char c) const {
  return separator_ != 0 ? c == separator_ : c == ',' || c == ';' || c == '\t';
}

bool CsvRecordReader::isBlankLine(std::size_t end) const {
  const char* const text = buffer_.get();
  return std::all_of(text + begin_, text + end, [this](char c) { return isBlank(c) || isSeparator(c); });
}

/// The separator the line [begin_, end) uses most outside quotes; a comma on a tie.
void CsvRecordReader::chooseSeparator(std::size_t end) {
  std::size_t commas = 0, semicolons = 0, tabs = 0;
  bool inQuotes = false;
  for (std::size_t at = begin_; at < end; ++at) {
    const char c = buffer_[at];
    if (c == '"') inQuotes = !inQuotes;
    if (inQuotes) continue;
    commas += c == ',' ? 1 : 0;
    semicolons += c == ';' ? 1 : 0;
    tabs += c == '\t' ? 1 : 0;
  }
  separator_ = ',';
  if (semicolons > commas && semicolons >= tabs) separator_ = ';';
  if (tabs > commas && tabs > semicolons) separator_ = '\t';
}

CsvRecordReader::Scan CsvRecordReader::scan(CsvRecord& record) {
  const char* const text = buffer_.get();
  if (separator_ == 0) {
    const char* const lineEnd = std::find(text + begin_, text + end_, '\n');
    if (lineEnd == text + end_ && !atEnd_ && end_ - begin_ < kFirstCapacity) return Scan::NeedMore;
    const auto end = static_cast<std::size_t>(lineEnd - text);
    if (!isBlankLine(end)) chooseSeparator(end);
  }
  const char separator = this->separator();
  spans_.clear();
  newlines_ = 0;
  quoted_ = false;
  record.problem = CsvProblem::None;
  std::size_t at = begin_;
  for (fieldAt_ = 0;; ++fieldAt_) {
    FieldSpan span;
    if (at == end_ && !atEnd_) return Scan::NeedMore;
    if (at < end_ && text[at] == '"') {
      quoted_ = true;
      if (scanQuoted(record, at, span) == Scan::NeedMore) return Scan::NeedMore;
      if (record.problem == CsvProblem::FieldTooLong) return Scan::Complete;
    } else {
      span.begin = at;
      while (at < end_ && text[at] != separator && text[at] != '\n') ++at;
      span.end = at;
      if (at < end_ && text[at] == '\n' && span.end > span.begin && text[span.end - 1] == '\r') --span.end;
      if (at - span.begin > kMaxFieldBytes) {
        failTooLong(record, span, at, false, at - span.begin);
        return Scan::Complete;
      }
      if (at == end_ && !atEnd_) return Scan::NeedMore;
    }
    if (fieldAt_ < kMaxKeptFields) spans_.push_back(span);
    if (at == end_ || text[at] == '\n') break;
    ++at;  // the separator
  }
  const std::size_t recordEnd = at == end_ ? at : at + 1;
  record.fieldCount = fieldAt_ + 1;
  if (newlines_ > 0 && (record.problem != CsvProblem::None || !fieldCountFits(record.fieldCount))) {
    failAcrossLines(record, record.problem == CsvProblem::None ? CsvProblem::SpansLinesBadly : record.problem,
                    record.problemField);
    return Scan::Complete;
  }
  record.line = line_;
  record.lines = newlines_ + 1;
  record.blank = newlines_ == 0 && !quoted_ && isBlankLine(at);
  makeFields(record);
  line_ += record.lines;
  begin_ = recordEnd;
  return Scan::Complete;
}

/// From an opening quote at `at` to just after the closing one, or to the end of the text.
CsvRecordReader::Scan CsvRecordReader::scanQuoted(CsvRecord& record, std::size_t& at, FieldSpan& span) {
  const char* const text = buffer_.get();
  span.begin = ++at;
  std::size_t content = 0;
  for (;; ++content) {
    if (content > kMaxFieldBytes) {
      if (newlines_ > 0) {
        failAcrossLines(record, CsvProblem::UnclosedQuote, fieldAt_);
      } else {
        failTooLong(record, span, at, true, content);
      }
      return Scan::Complete;
    }
    if (at == end_) {
      if (!atEnd_) return Scan::NeedMore;
      span.end = at;
      record.problem = CsvProblem::UnclosedQuote;
      record.problemField = fieldAt_;
      record.problemExcerpt =
          quotedBeginning(std::string_view(text + span.begin - 1, std::min(at - span.begin + 1, kExcerptBytes)));
      return Scan::Complete;
    }
    const char c = text[at];
    if (c == '"') {
      if (at + 1 == end_ && !atEnd_) return Scan::NeedMore;
      if (at + 1 == end_ || text[at + 1] != '"') break;
      span.doubledQuotes = true;
      at += 2;
      continue;
    }
    if (c == '\n') {
      if (newlines_ == 0) firstLineEnd_ = at;
      ++newlines_;
    }
    ++at;
  }
  span.end = at++;
  const char separator = this->separator();
  if (at == end_ && !atEnd_) return Scan::NeedMore;
  if (at == end_ || text[at] == separator || text[at] == '\n') return Scan::Complete;
  if (text[at] == '\r') {
    if (at + 1 == end_ && !atEnd_) return Scan::NeedMore;
    if (at + 1 < end_ && text[at + 1] == '\n') {
      ++at;
      return Scan::Complete;
    }
  }
  const std::size_t after = at;
  while (at < end_ && text[at] != separator && text[at] != '\n') ++at;
  if (at == end_ && !atEnd_) return Scan::NeedMore;
  if (record.problem == CsvProblem::None) {
    record.problem = CsvProblem::TextAfterQuote;
    record.problemField = fieldAt_;
    record.problemExcerpt = quotedBeginning(std::string_view(text + after, std::min(at - after, kExcerptBytes)));
  }
  return Scan::Complete;
}

bool CsvRecordReader::fieldCountFits(std::size_t count) const {
  if (expectedFields_ == 0 || count == expectedFields_) return true;
  if (count < expectedFields_) return false;
  for (std::size_t i = expectedFields_; i < spans_.size(); ++i) {
    if (spans_[i].end != spans_[i].begin) return false;
  }
  return true;
}

void CsvRecordReader::makeFields(CsvRecord& record) {
  const char* const text = buffer_.get();
  std::size_t unescapedBytes = 0;
  for (const FieldSpan& span : spans_) unescapedBytes += span.doubledQuotes ? span.end - span.begin : 0;
  unescaped_.clear();
  unescaped_.reserve(unescapedBytes);  // views into it stay valid: it never grows past this
  record.fields.clear();
  for (const FieldSpan& span : spans_) {
    if (!span.doubledQuotes) {
      record.fields.emplace_back(text + span.begin, span.end - span.begin);
      continue;
    }
    const std::size_t start = unescaped_.size();
    for (std::size_t at = span.begin; at < span.end; ++at) {
      unescaped_ += text[at];
      if (text[at] == '"') ++at;
    }
    record.fields.emplace_back(unescaped_.data() + start, unescaped_.size() - start);
  }
}

/// The record began well but spans lines and cannot be read: it is its first
/// line only, and reading goes on at the line after that one.
void CsvRecordReader::failAcrossLines(CsvRecord& record, CsvProblem problem, std::size_t field) {
  const std::string_view firstLine(buffer_.get() + begin_, firstLineEnd_ - begin_);
  record.problem = problem;
  record.problemField = field;
  record.problemExcerpt = quotedBeginning(firstLine.substr(0, kExcerptBytes));
  record.line = line_++;
  record.lines = 1;
  record.fieldCount = 0;
  record.fields.clear();
  record.blank = false;
  begin_ = firstLineEnd_ + 1;
}

/// A field of one line longer than kMaxFieldBytes: the fields before it are
/// kept, the rest of its line is read past without being kept.
void CsvRecordReader::failTooLong(CsvRecord& record, const FieldSpan& span, std::size_t at, bool quoted,
                                  std::size_t lengthSoFar) {
  const char* const text = buffer_.get();
  record.problem = CsvProblem::FieldTooLong;
  record.problemField = fieldAt_;
  record.problemExcerpt = quotedBeginning(std::string_view(text + span.begin, kExcerptBytes));
  makeFields(record);
  saved_.clear();
  for (const std::string_view field : record.fields) saved_ += field;
  std::size_t start = 0;
  for (std::string_view& field : record.fields) {
    field = std::string_view(saved_.data() + start, field.size());
    start += field.size();
  }
  record.fieldCount = fieldAt_ + 1;
  record.line = line_++;
  record.lines = 1;
  record.blank = false;
  record.problemLength = lengthSoFar + skipRestOfField(at, quoted);
  skipRestOfLine(begin_);
}

std::size_t CsvRecordReader::skipRestOfField(std::size_t at, bool quoted) {
  std::size_t length = 0;
  bool quoteSeen = false;  // a quote that a second one may double
  const char separator = this->separator();
  for (;; ++at) {
    if (at == end_) {
      if (!refillDiscarding()) return length;
      at = 0;
    }
    const char c = buffer_[at];
    if (quoteSeen) {
      quoteSeen = false;
      if (c != '"') break;
      ++length;
      continue;
    }
    if (c == '\n' || (!quoted && c == separator)) break;
    if (quoted && c == '"') {
      quoteSeen = true;
      continue;
    }
    ++length;
  }
  begin_ = at;
  return length;
}

std::size_t CsvRecordReader::skipRestOfLine(std::size_t at) {
  std::size_t skipped = 0;
  for (;;) {
    if (at == end_) {
      if (!refillDiscarding()) {
        begin_ = end_;
        return skipped;
      }
      at = 0;
    }
    const char* const text = buffer_.get();
    const char* const lineEnd = std::find(text + at, text + end_, '\n');
    skipped += static_cast<std::size_t>(lineEnd - (text + at));
    at = static_cast<std::size_t>(lineEnd - text);
    if (at < end_) {
      begin_ = at + 1;
      return skipped;
    }
  }
}

std::string csvProblemMessage(const CsvRecord& record, std::string_view fieldName) {
  const std::string field = "字段 " + std::string(fieldName);
  switch (record.problem) {
    case CsvProblem::TextAfterQuote: return field + " 的右引号后还有字符 " + record.problemExcerpt;
    case CsvProblem::UnclosedQuote:
      return field + " 的左引号没有配对的右引号（或引号内超过 " + std::to_string(CsvRecordReader::kMaxFieldBytes) +
             " 字节）；本行为 " + record.problemExcerpt;
    case CsvProblem::FieldTooLong:
      return field + " 长 " + std::to_string(record.problemLength) + " 字节，超过 " +
             std::to_string(CsvRecordReader::kMaxFieldBytes) + " 字节：" + record.problemExcerpt;
    case CsvProblem::RecordTooLong:
      return "本行长 " + std::to_string(record.problemLength) + " 字节，超过 " +
             std::to_string(CsvRecordReader::kMaxRecordBytes) + " 字节：" + record.problemExcerpt;
    case CsvProblem::SpansLinesBadly:
      return "带引号的字段跨行后，记录的字段数与表头不符（可能是一个多余的引号）；本行为 " + record.problemExcerpt;
    case CsvProblem::None: break;
  }
  return {};
}

}  // namespace velmora
