// The record one Compute run fills and the Print command reads: the typed
// values and, inherited, the stored results. It lives as long as the window;
// a run re-creates its arrays and overwrites its scalars.
#pragma once

#include <cstdint>
#include <string>

#include "engine/adjustment_results.h"

namespace velmora {

/// AdjustmentState: the window's record of one figure, its typed values and results.
struct AdjustmentState : AdjustmentResults {
  // Typed: the operator's replies exactly as typed.
  std::string xa, ya, xb, yb, xc, yc;
  std::string pointName;

  // The angles of triangle i exactly as accepted at entry (d.mmss text). They
  // also carry the angle members' typed phase: the entry writes them, and the
  // conversion reads them into the decimal-degree members.
  TriangleArray<std::string> distanceAngleDms{}, advanceAngleDms{}, centralAngleDms{};

  /// The normal-matrix column of the weight function last evaluated: 5 for
  /// the azimuth, then 6 for the side; part of the record, it holds 6 after a complete run.
  std::int16_t functionColumn = 0;

  /// True only after a run reached its last field; a report reads nothing else.
  bool lastRunComplete = false;

  /// Start of a run: every array member empty again, scalars kept.
  void recreateArrays();

  /// The typed text of a row of kFigureEntryRows (0: the point name).
  std::string& typedText(std::size_t row);
  const std::string& typedText(std::size_t row) const;

  /// Views of the typed values, valid while this state is not changed.
  FigureTexts typedFigure() const;
};

}  // namespace velmora
