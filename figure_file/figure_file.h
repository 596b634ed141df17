// Figure files as the window opens and saves them: the batch CSV format (a
// header naming the columns, then one record per figure), read by the same
// reader as velmora-cli batch, with its encodings, separators, line accounting
// and messages, so that a file goes back and forth between the two. A figure
// is kept as typed: its name and fifteen texts (xa .. yc, a1 .. c3), numbers or
// not; the window's checks judge them. Plain C++, no Qt.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "figure_file/figure_record.h"
#include "input/text_encoding.h"

namespace velmora {

/// A figure of the file with the line its record starts on (1-based).
struct FigureFileEntry {
  std::size_t line = 0;
  FigureRecord figure;  ///< columns in the order of kFigureColumnNames: name, xa, ..., c3
};

/// A record that gives no figure: its line, the column at fault (empty when
/// none is), the operator's message, and its name when it has one.
struct FigureFileError {
  std::size_t line = 0;
  std::string field;
  std::string message;
  std::string name;
};

struct FigureFileContents {
  std::vector<FigureFileEntry> figures;
  std::vector<FigureFileError> errors;
  std::size_t skippedLines = 0;                ///< lines of separators and blanks only
  std::vector<std::string> notices;            ///< said once: columns ignored, the encoding found
  TextEncoding encoding = TextEncoding::Utf8;  ///< what the file was read as (Utf8 for ASCII)
  std::string problem;                         ///< not empty when the file has no valid header: then nothing is read
};

/// Reads a whole figure file. `encoding` as velmora-cli's --encoding: Automatic
/// reads valid UTF-8 (a byte order mark removed) as UTF-8, anything else as GB18030.
FigureFileContents readFigureFile(std::istream& input, TextEncoding encoding = TextEncoding::Automatic);

/// Writes the figures as UTF-8 (no byte order mark) with the header
/// name,xa,ya,xb,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3,c3 and LF line ends, a
/// field quoted when it holds a separator, a quote or a line break. False when
/// the stream did not take it all.
bool writeFigureFile(std::ostream& output, std::span<const FigureRecord> figures);

}  // namespace velmora
