// The controls whose caption or text a click picks up: 50 labels and 53
// fields of the surface-model, flat, heater/cylinder and heating panels.
// Every other control takes no part (the heater panel's ambient field Edit3
// among them).
#pragma once

#include <span>

#include "operations/common/HeatLossControls.h"
#include "operations/common/WindowControls.h"

namespace PickUpControls {

struct Control {
  const char* name;
  const char* panel;  // the panel that holds it
};

std::span<const Control> Labels();
std::span<const Control> Fields();

// Picks up the Stefan-Boltzmann mantissa of store cell (2,1) with all its
// digits, instead of the shortened text it shows.
inline constexpr const char* kStefanBoltzmannField = Surface::StefanBoltzmann;

// Switches the flat panel's one-side mode on the same click; its operation
// stores the caption itself, so the pick-up does not wire it.
inline constexpr const char* kPickedUpByItsOwnClick = Flat::Faces;

}  // namespace PickUpControls
