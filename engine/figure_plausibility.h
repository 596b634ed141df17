// What no surveyor can have measured, refused where it first shows: a
// misclosure beyond ten minutes of arc, and known points that coincide, lie
// on one line or are numbered counter-clockwise on the map (x north, y east,
// metres). Each check returns why the run stops, or nothing.
#pragma once

#include "engine/run_values.h"
#include "engine/stage_outcome.h"

namespace velmora {

/// The largest misclosure a run accepts, arc seconds: ten times the loosest grade's limit.
inline constexpr double kGrossMisclosureSeconds = 600.0;
/// Known points closer than this, or a triangle ABC less high, are one point or one line.
inline constexpr double kKnownPointToleranceMetres = 0.001;

/// Stops when |misclosure| exceeds kGrossMisclosureSeconds; exactly 600" passes.
/// `misclosure` names it (a triangle's w(i) or w1..w3), which also tells what to check.
StageOutcome requireNoGrossMisclosure(float misclosureSeconds, const FaultSubject& misclosure, StepAt at);

/// Twice the signed area of ABC: (yb - ya)(xc - xa) - (xb - xa)(yc - ya);
/// positive when A, B, C run counter-clockwise on the map.
double doubleSignedArea(PlanePoint a, PlanePoint b, PlanePoint c);

/// Coincident points (in the order AB, BC, CA), then collinear points, then
/// counter-clockwise numbering; the sides are those of `geometry`.
StageOutcome requireUsableKnownPoints(const KnownSideGeometry& geometry, StepAt at);

}  // namespace velmora
