// What a heating Run hands out besides its fields, for the views that draw
// its course (the heat-up curve at the power found) or repeat it in the
// background (a sweep): the model it ran to its end with the power or the
// integration it found, and a flag that cuts its long searches short.
// Asking for it changes no result.
#pragma once

#include <atomic>

#include "calc/heating/GasHeating.h"
#include "calc/heating/HeaterPowerSearch.h"
#include "calc/heating/WallHeating.h"

struct HeatingTrace {
  // --- in
  // Once true, the gas power search and the wall integrations end early;
  // the Run's results then mean nothing and the caller drops them.
  const std::atomic<bool>* stop = nullptr;
  // Wall heating: record the gas curves of the three integrations, each
  // with at most about this many points; 0 records none.
  long long wallCurvePoints = 0;

  // --- out: the model that ran to its end, none when the Run stopped before
  enum class Model { None, Tank, Gas, Wall };
  Model model = Model::None;
  // Liquid and solid: the container and the power found, W.
  heating::Tank tank{};
  long double tankPower = 0;
  // Gas by heater: the box and the power found (0 when none is needed), W.
  heating::GasBox box{};
  long double gasPower = 0;
  // Wall heating: the gas and the three integrations' curves; overshoot:
  // the last one ended early (too little gas).
  heating::WalledGas walled{};
  heating::WallCurve convection, radiation, both;
  bool overshoot = false;

  bool Stopped() const { return stop && stop->load(); }
};
