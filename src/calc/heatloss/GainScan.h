// The surface temperature scan of a structure colder than the air (a chilled
// line): the mirror of Scan::Refining. Heat flows inwards, so the surface lies
// between the inner temperature and the air, below the air.
#pragma once

#include "calc/numeric/RefiningScan.h"

namespace HeatLossCalc {

// Scans the depth below the air, d = 0, 100, 200, ... K, with the stages and
// points of Scan::Refining, and keeps the deepest point whose surface Ta - d
// still passes; the result is Ta - d. accept(T) says that a surface at T
// would take less heat from the air than it passes inwards, so the balance
// lies deeper. The first point tested is the air temperature itself; when no
// point passes the result is Ta.
//
// As on the hot side, the kept surface lies within one step of the balance
// on the air side: the heat flow is never overstated.
template <class Accept>
inline long double GainScan(long double Ta, int stages, int points, Accept&& accept) {
  const long double depth = Scan::Refining(0, stages, points, [&](long double d) { return accept(Ta - d); });
  return Ta - depth;
}

// The same over Scan::Threshold, for a test that passes down to one depth and
// fails below it.
template <class Accept>
inline long double GainThresholdScan(long double Ta, int stages, int points, Accept&& accept) {
  return Ta - Scan::Threshold(0, stages, points, [&](long double d) { return accept(Ta - d); });
}

}  // namespace HeatLossCalc
