// The simple empirical formulas of the heat-transfer coefficient (entries 1
// to 13): each takes its values in the order of the item rows and gives h.
#pragma once

#include <string_view>

struct SimpleCorrelation {
  const char* number;  // the formula number, matched as text
  int inputs;          // values read from rows 0 .. inputs-1
  long double (*h)(const long double* v);
};

// The entry whose number equals the text exactly, or nullptr.
const SimpleCorrelation* FindSimpleCorrelation(std::string_view number);
