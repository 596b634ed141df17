// Reads CSV records one at a time from a stream, in constant memory. The
// separator (comma, semicolon or TAB) is the one the first line with content
// uses most; records end with LF or CRLF; a field in double quotes may hold
// separators, line breaks and doubled quotes (RFC 4180). Every physical line is
// accounted for: a line of separators and blanks only is returned as blank; a
// record that does not end well formed after spanning lines is returned as a
// one-line record with its problem, and reading goes on at its next line.
// The text arrives as UTF-8 from a TextDecoder, whatever the file's encoding.
#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "input/text_decoder.h"

namespace velmora {

enum class CsvProblem {
  None,
  TextAfterQuote,   ///< characters between a closing quote and the end of its field
  UnclosedQuote,    ///< the file ends inside a quoted field
  FieldTooLong,     ///< a field of more than kMaxFieldBytes bytes
  RecordTooLong,    ///< a line of more than kMaxRecordBytes bytes
  SpansLinesBadly,  ///< a record over several lines with the wrong number of fields
};

struct CsvRecord {
  std::size_t line = 0;        ///< 1-based physical line on which the record starts
  std::size_t lines = 0;       ///< physical lines it takes (1 unless a quoted field holds a line break)
  bool blank = false;          ///< only separators and blanks: no record, a line to skip
  std::size_t fieldCount = 0;  ///< every field of the record, kept or not
  /// The first kMaxKeptFields fields, valid until the next call of next().
  std::vector<std::string_view> fields;
  CsvProblem problem = CsvProblem::None;
  std::size_t problemField = 0;   ///< 0-based field at fault
  std::size_t problemLength = 0;  ///< the bytes of a field or line that is too long
  std::string problemExcerpt;     ///< the field at fault as a message may quote it
};

class CsvRecordReader {
 public:
  static constexpr std::size_t kMaxKeptFields = 64;
  static constexpr std::size_t kMaxFieldBytes = 4096;
  static constexpr std::size_t kMaxRecordBytes = std::size_t{1} << 20;

  CsvRecordReader(std::istream& input, TextEncoding encoding);

  /// The next record or blank line, or false at the end of the input.
  bool next(CsvRecord& record);

  /// After the header: a record over several lines with another number of
  /// fields (and not only empty ones beyond it) is not well formed.
  void expectFields(std::size_t count) { expectedFields_ = count; }

  /// The separator in use; ',' until a line with content has shown another.
  char separator() const { return separator_ == 0 ? ',' : separator_; }
  const TextDecoder& decoder() const { return decoder_; }

 private:
  enum class Scan { Complete, NeedMore };
  struct FieldSpan {
    std::size_t begin = 0, end = 0;
    bool doubledQuotes = false;
  };

  Scan scan(CsvRecord& record);
  Scan scanQuoted(CsvRecord& record, std::size_t& at, FieldSpan& span);
  /// More text after what is held, the current record moved to the front;
  /// false when the record already fills kMaxRecordBytes.
  bool readMore();
  /// Replaces what is held by the next piece of text; false at the end.
  bool refillDiscarding();
  bool isSeparator(char c) const;
  void chooseSeparator(std::size_t lineEnd);
  bool isBlankLine(std::size_t lineEnd) const;
  bool fieldCountFits(std::size_t count) const;
  void makeFields(CsvRecord& record);
  void failAcrossLines(CsvRecord& record, CsvProblem problem, std::size_t field);
  void failTooLong(CsvRecord& record, const FieldSpan& span, std::size_t at, bool quoted, std::size_t lengthSoFar);
  std::size_t skipRestOfField(std::size_t at, bool quoted);
  std::size_t skipRestOfLine(std::size_t at);

  TextDecoder decoder_;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  std::size_t begin_ = 0;  ///< where the current record starts
  std::size_t end_ = 0;    ///< where the text read so far ends
  bool atEnd_ = false;     ///< the input has no more text
  std::size_t line_ = 1;
  char separator_ = 0;
  std::size_t expectedFields_ = 0;
  // Per record, kept across records so that reading does not allocate.
  std::vector<FieldSpan> spans_;
  std::size_t fieldAt_ = 0;       ///< the field being read, 0-based
  std::size_t newlines_ = 0;      ///< line breaks inside the record so far
  std::size_t firstLineEnd_ = 0;  ///< the record's first line break, once it has one
  bool quoted_ = false;           ///< the record has a quoted field
  std::string unescaped_;         ///< quoted fields with doubled quotes, undoubled
  std::string saved_;             ///< the fields before a field that is too long
};

/// What is wrong with a record that cannot be read, for the operator, naming
/// the field at fault by `fieldName`; quotes no more than the field's beginning.
std::string csvProblemMessage(const CsvRecord& record, std::string_view fieldName);

}  // namespace velmora
