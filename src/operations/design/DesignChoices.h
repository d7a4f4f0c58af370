// The targets of the thickness page's choice list DesignTarget, by caption,
// and what each asks of the calculator on screen: the value's caption and
// unit, the target the solve takes, and whether a forward run's quantity
// meets it.
#pragma once

#include <QString>
#include <optional>
#include <span>

#include "calc/design/DesignTarget.h"
#include "operations/design/DesignCase.h"

enum class DesignChoice {
  SurfaceAtMost,   // outer surface at most the value, degC (safe to touch)
  HeatFlowAtMost,  // heat lost or gained at most the value, W/m or W/m2
  NoCondensation,  // outer surface at least the dew point plus the value, K
  FluidEnd,        // pipe flow: the fluid at the end at least (hot) or at most (cold) the value
  HeaterPower,     // the heater: the largest power whose sheath stays at most the value, degC
};

struct DesignChoiceRow {
  DesignChoice choice;
  const char* caption;  // the entry of DesignTarget
  const char* note;     // what the value means, beside it
};

std::span<const DesignChoiceRow> DesignChoices();

// The caption of the value field for the case (with its unit).
QString ValueCaption(DesignChoice choice, const DesignCase& d);
// What the page's quantity column holds, with its unit.
QString QuantityCaption(DesignChoice choice, const DesignCase& d);

// The target for the case, or the reason it has none (shown as the message).
struct TargetOrReason {
  std::optional<DesignCalc::Target> target;
  QString reason;
};
TargetOrReason TargetFor(DesignChoice choice, long double value, const DesignCase& d);

// Whether a quantity of a forward run meets the target (as the solve decides it).
bool Meets(const DesignCalc::Target& target, const DesignCase& d, long double quantity);
