// Reads CSV records one at a time from a stream, in constant memory: fields
// separated by commas, records by LF or CRLF, a field in double quotes may hold
// commas, line breaks and doubled quotes (RFC 4180). Blank lines are skipped.
#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct CsvRecord {
  std::size_t line = 0;             ///< 1-based line on which the record starts
  std::size_t fieldCount = 0;       ///< every field of the record, kept or not
  std::vector<std::string> fields;  ///< the first kMaxKeptFields fields
  std::string problem;              ///< empty, or what makes the record unreadable
};

class CsvRecordReader {
 public:
  /// At most this many fields and this many bytes per field are kept, so that
  /// a malformed file cannot make the reader grow.
  static constexpr std::size_t kMaxKeptFields = 64;
  static constexpr std::size_t kMaxFieldBytes = 4096;

  explicit CsvRecordReader(std::istream& input) : input_(input) {}

  /// The next record, or false at the end of the input.
  bool next(CsvRecord& record);

 private:
  static constexpr int kEnd = -1;

  int get();
  int peek();
  bool refill();
  /// Appends to the record's last field, up to kMaxFieldBytes.
  void append(CsvRecord& record, std::string_view text);
  /// The characters from here to the next comma, quote or line break in the buffer.
  std::string_view plainRun();
  void endField(CsvRecord& record);
  void readQuoted(CsvRecord& record);

  std::istream& input_;
  std::array<char, 1 << 16> buffer_{};
  std::size_t at_ = 0;
  std::size_t size_ = 0;
  std::size_t line_ = 1;
};

}  // namespace velmora
