// The worksheet's tables for machines, as the "tables" member of a JSON Lines
// result: every number at full precision (the shortest round-trip text, like
// every other value of the record), under exactly these keys:
//   sides, azimuths {AB, BC, CA} (metres, degrees), knownAngleA, knownAngleB
//   (degrees), distances {PA, PB, PC}, longestSide (metres), chosenTriangle
//   (1, 2 or 3), firstGroupVv, conditionRows (six arrays of nine: w1..w4, then
//   the azimuth and side functions; columns a1, b1, c1, a2, ..., c3), normals
//   (six arrays of six, as formed, before solving), corrections (nine, arc
//   seconds, same order), secondGroupVv, wk (the stored second-group
//   misclosures times the correlates, summed for j = 1 to 4).
#pragma once

#include <string>

#include "worksheet/stage_tables.h"

namespace velmora {

/// Appends `,"tables":{...}` for the member of an open record.
void appendTablesMember(std::string& out, const StageTables& tables);

}  // namespace velmora
