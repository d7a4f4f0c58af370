// Field rules shared by the heat-loss operations: the Stefan-Boltzmann
// constant of the surface panel and the test for a typed thickness.
#pragma once

#include <QString>

class Fields;

namespace HeatLossFields {

// A thickness field counts when it holds a text other than exactly "0".
bool IsThickness(const QString& text);

// sigma = the number in Edit15 times the store's factor (RunModes). The
// flat calculators read the whole text of Edit15; the cylinder, heater and
// pipe-flow calculators only its first 6 characters.
enum class Mantissa { WholeText, FirstSix };
long double StefanBoltzmann(Fields& f, Mantissa mantissa);

}  // namespace HeatLossFields
