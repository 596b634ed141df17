// A figure kept for recovery and its text in a recovery file: the sixteen
// typed texts, the figure file it belongs to and the line its record starts
// on there. The text is UTF-8 JSON, the texts under the form's own names:
//   {"format": "velmora-recovery", "version": 1,
//    "file": "/home/surveyor/net.csv", "recordLine": 3,
//    "texts": {"点名": "P7", "Xa": "3146.231", ..., "C(3)": "126.53511"}}
// "file" and "recordLine" are null for a figure that has no file yet.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>

#include "ui/sheet_entries.h"

namespace velmora {

struct RecoveredFigure {
  SheetTexts texts;
  QString file;                           ///< the figure file's absolute path; empty when it has none
  std::optional<std::size_t> recordLine;  ///< the line its record starts on in `file` (1-based)

  bool operator==(const RecoveredFigure&) const = default;
};

QByteArray recoveryText(const RecoveredFigure& figure);

/// The figure of a recovery text; none when the text is damaged: not JSON,
/// another format or a later version, a text missing or not a string, a
/// record line that is not a whole number from 1, a record line without a file.
std::optional<RecoveredFigure> recoveredFigureOf(const QByteArray& text);

}  // namespace velmora
