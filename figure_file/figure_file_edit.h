// Saving a figure back into the file it was read from by changing only the
// fields of that figure's columns whose text changed; every other byte of the
// file stays as it was. Works on the file's bytes as read: the separators, the
// quote, CR and LF are never part of a GB18030 character, so the bytes are
// split into fields as the reader splits the text it decoded. Plain C++.
//
// Kept byte for byte: the encoding (GB18030 stays GB18030, a UTF-8 byte order
// mark stays), the separator, CR LF or LF, the header and its column order,
// columns that are no figure's (备注, also this figure's own), blank lines and
// lines of separators only, records that cannot be read, the other figures,
// and each unchanged field of this figure with its quotes.
//
// A changed field is written in the file's encoding (UTF-8 when the file was
// ASCII only), quoted when it holds the file's separator, a quote, CR or LF,
// or was quoted before, with its quotes doubled:
//   P7 -> P8 in a comma file                 P8
//   P7 -> 甲,乙 in a comma file              "甲,乙"
//   P7 -> 甲,乙 in a semicolon file          甲,乙
//   "P,7" -> P8                              "P8"
//   P7 -> say "hi"                           "say ""hi"""
//   P7 -> two<LF>lines                       "two<LF>lines" (the record takes one line more)
//   P7 -> (empty), every other field blank   "" (a blank record would be skipped on reading)
//
// Refused, with the reason and no bytes:
//   a line on which no figure's record starts (a blank line, a record that
//   cannot be read, a line past the end);
//   a text that is not valid UTF-8 for a GB18030 file;
//   an edited file that would not read back with the same records and this
//   figure's texts (a guard against writing a file that reads otherwise).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "figure_file/figure_record.h"

namespace velmora {

struct FigureFileEdit {
  std::string bytes;     ///< the whole file as it is to be written
  std::size_t line = 0;  ///< the line the figure's record now starts on
  std::string problem;   ///< why the figure cannot be saved into the file; then `bytes` is empty
};

/// `file`: the file's bytes as they were read; `line`: the first line of the
/// figure's record (FigureFileEntry::line); `figure`: its texts as they are to be saved.
FigureFileEdit editFigureInFile(std::string_view file, std::size_t line, const FigureRecord& figure);

}  // namespace velmora
