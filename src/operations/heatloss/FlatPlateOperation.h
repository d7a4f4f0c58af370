// The flat-plate calculator on Panel9 (code "1"): the steady loss at a
// constant inner temperature (Button71 "定温放熱") or the cooling over time
// ("自然放熱"), through one face or both faces (Label30).
#pragma once

#include <optional>

#include "calc/heatloss/FlatPlate.h"

class TForm1;

class FlatPlateOperation {
 public:
  explicit FlatPlateOperation(TForm1& form) : f(form) {}

  void HeatLoss();
  void Cooling();
  // Button71: switches between the steady loss and the cooling, then runs.
  void ToggleCooling();
  // Label30: keeps its caption in the pick-up cell; in cooling mode switches
  // between one face and both faces, then runs.
  void ToggleFaces();

 private:
  // Reads the common inputs and replaces missing thicknesses; empty when
  // neither thickness is given.
  std::optional<HeatLossCalc::FlatPlateInputs> Prepare();
  void WriteResults(const HeatLossCalc::FlatPlateResult& r);

  TForm1& f;
};
