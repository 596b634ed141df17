// Reads a figure file (the batch CSV format) record by record, in constant
// memory: lines without content before the header, the header, then each
// figure's texts or why its record has none. Every physical line is counted
// once: the header's, a record's first line, a line a record goes on to, or a
// line skipped for having no content. Batch and the window's figure files
// both read through it.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "figure_file/csv_record_reader.h"
#include "figure_file/figure_record.h"

namespace velmora {

struct FigureLineCounts {
  std::size_t header = 0;        ///< the header's lines
  std::size_t records = 0;       ///< records after the header: figures and records with errors
  std::size_t continuation = 0;  ///< lines on which a record went on from the line before
  std::size_t skipped = 0;       ///< lines of separators and blanks only
};

/// One record after the header: its first line and, when it gives no figure, why.
struct FigureFileRecord {
  std::size_t line = 0;
  std::optional<RecordError> error;
  /// For a record with an error: its name field when it has one, valid until the next record.
  std::optional<std::string_view> name;
};

class FigureFileReader {
 public:
  FigureFileReader(std::istream& input, TextEncoding encoding) : reader_(input, encoding), encoding_(encoding) {}

  /// Reads up to and with the header; empty when it is found and names every
  /// figure column, otherwise why the file cannot be read (nothing more is).
  std::string readHeader();

  /// The next record: the figure's texts into `figure` when it has no error.
  /// False at the end of the file.
  bool next(FigureRecord& figure, FigureFileRecord& record);

  const FigureHeader& header() const { return header_; }
  const FigureLineCounts& counts() const { return counts_; }

  /// What a user should hear once: columns ignored, the encoding the file was
  /// found in, bytes that were no characters. Complete at the end of the file.
  std::vector<std::string> notices() const;

  /// The encoding the text was read in (Automatic while it was ASCII only).
  TextEncoding encoding() const { return reader_.decoder().encoding(); }
  /// The separator the header uses: comma, semicolon or TAB.
  char separator() const { return reader_.separator(); }

 private:
  CsvRecordReader reader_;
  TextEncoding encoding_;
  CsvRecord record_;
  FigureHeader header_;
  FigureLineCounts counts_;
};

}  // namespace velmora
