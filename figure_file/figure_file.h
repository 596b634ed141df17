// Figure files as the window opens and saves them: the batch CSV format (a
// header naming the columns, then one record per figure), read by the same
// reader as velmora-cli batch, with its encodings, separators, line accounting
// and messages, so that a file goes back and forth between the two. A figure
// is kept as typed: its name and fifteen texts (xa .. yc, a1 .. c3), numbers or
// not; the window's checks judge them. A file that exists is saved by
// editFigureInFile (figure_file_edit.h); newFigureFile makes a new one. Plain
// C++, no Qt.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
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

/// A figure of the file as a chooser lists it: the line its record starts on and its name.
struct FigureFileName {
  std::size_t line = 0;
  std::string name;
};

/// A whole file: its figures (each kept as `Entry`), the records that give
/// none, and what was found about the file.
template <typename Entry>
struct FigureFileOf {
  std::vector<Entry> figures;
  std::vector<FigureFileError> errors;
  std::size_t skippedLines = 0;                ///< lines of separators and blanks only
  std::vector<std::string> notices;            ///< said once: columns ignored, the encoding found
  TextEncoding encoding = TextEncoding::Utf8;  ///< what the file was read as (Utf8 for ASCII)
  char separator = ',';                        ///< the header's: comma, semicolon or TAB
  FigureHeader header;                         ///< where each figure column is in the file
  std::string problem;                         ///< not empty when the file has no valid header: then nothing is read
};

using FigureFileContents = FigureFileOf<FigureFileEntry>;
/// A file's figures by line and name only: a file of 350,000 figures lists in
/// a fraction of the memory its texts would take.
using FigureFileListing = FigureFileOf<FigureFileName>;

/// Reads a whole figure file. `encoding` as velmora-cli's --encoding: Automatic
/// reads valid UTF-8 (a byte order mark removed) as UTF-8, anything else as GB18030.
FigureFileContents readFigureFile(std::istream& input, TextEncoding encoding = TextEncoding::Automatic);

/// The same for a file's bytes held in memory, read with TextEncoding::Automatic.
FigureFileContents readFigureFileBytes(std::string_view bytes);

/// The figures of a file's bytes by line and name, read as readFigureFileBytes reads them.
FigureFileListing listFigureFileBytes(std::string_view bytes);

/// The texts of the figure whose record starts on `line`, read from the bytes
/// again; none when no figure's record starts there.
std::optional<FigureRecord> figureAtLine(std::string_view bytes, std::size_t line);

/// The line a new file's first figure starts on: the one after the header.
inline constexpr std::size_t kFirstRecordLine = 2;

/// A new file of `figures` as Excel's "CSV UTF-8" reads and writes it: a UTF-8
/// byte order mark, the header name,xa,ya,xb,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3,c3,
/// commas and CR LF line ends. A field is quoted when it holds a separator, a
/// quote or a line break; a figure whose texts are all empty or blanks gets its
/// name quoted ("" or "  "), or its record would read as a blank line.
std::string newFigureFile(std::span<const FigureRecord> figures);

}  // namespace velmora
