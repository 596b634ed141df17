// Figure files: the batch CSV format (a header line, then one record per
// figure: name, xa, ya, xb, yb, xc, yc, a1 … c3), so that a file goes back and
// forth between the window and `velmora-cli batch`. Read with the batch
// reader and its messages; written in UTF-8 with the header and LF endings.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/figure_entries.h"

namespace velmora {

struct FileFigure {
  std::size_t line = 0;  ///< 1-based line where its record starts
  FigureTexts texts;
};

struct FigureFileContents {
  std::vector<FileFigure> figures;
  std::vector<std::string> recordProblems;  ///< "第 n 行：…" for each record that gave no figure
  std::string failure;                      ///< why the file as a whole cannot be read; empty when it can
};

FigureFileContents readFigureFile(const std::string& path);

/// Writes `figures` with the header; returns why it could not, or nothing.
std::optional<std::string> writeFigureFile(const std::string& path, const std::vector<FigureTexts>& figures);

}  // namespace velmora
