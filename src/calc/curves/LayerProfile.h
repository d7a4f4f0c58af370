// The temperature through the layers of the flat plate, the flat wall, the
// cylinder and the sheathed heater, from the inner side (the hot side; the
// cold side of a heat gain) to the surface that faces the air: a pure
// function of a calculation's inputs and its result.
// The curve is straight in a flat layer, logarithmic in a cylindrical
// layer and parabolic in a heating wire with uniform generation, and it
// passes exactly through every layer-boundary temperature the calculation
// reports (the values themselves, not the fields' rounded texts).
#pragma once

#include "calc/numeric/Series.h"
#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/FlatWall.h"
#include "calc/heatloss/Heater.h"

namespace curves {

struct LayerProfile {
  // (position in mm, temperature in degC), positions ascending from the
  // inner side: every layer's two ends and, in curved layers, points between.
  Series points;
  // (position in mm, temperature in degC) of the inner side, of each boundary
  // between layers and of the outer surface: the calculation's values at
  // their positions; each of them is also one of the points.
  Series boundaries;
};

// Points between the ends of a logarithmic (cylindrical) layer and of the
// parabola in a heating wire.
inline constexpr int kCurvedLayerIntervals = 32;

// Flat plate (steady or cooling): structure then insulation, from the inner
// side at r.plate through r.interface (and the faces of the inner insulation
// layers, r.faces) to r.surface. Position 0 is the inner
// side; with bothFaces (cooling from both faces) it is the middle of the
// structure, which then counts with half its thickness, as the calculation
// does. in is what FlatPlateSteady or FlatPlateCooling was given.
LayerProfile FlatPlateProfile(const HeatLossCalc::FlatPlateInputs& in, const HeatLossCalc::FlatPlateResult& r,
                              bool bothFaces = false);

// Flat wall: from the inner surface r.innerSurface (position 0) through
// r.interface and the inner insulation layers' faces to r.outerSurface.
LayerProfile FlatWallProfile(const HeatLossCalc::FlatWallInputs& in, const HeatLossCalc::FlatWallResult& r);

// Cylinder: from the tube's inner surface at in.Ti (position 0, the radius
// D1/2 - t1) through r.interface (at t1) and the inner insulation layers'
// faces to r.surface (at t1 + their thicknesses + t2).
LayerProfile CylinderProfile(const HeatLossCalc::CylinderInputs& in, const HeatLossCalc::CylinderResult& r);

// A heating wire of nickel-chromium: about 11 to 13 W/mK at 20 degC and
// near 20 W/mK at 600 degC (makers' data for NiCr 80/20); 15 stands for a
// wire at a few hundred degrees. The heater panel has no field for it.
inline constexpr long double kTypicalWireConductivity = 15.0L;

// The heater's diameters as its panel gives them, in mm.
struct HeaterLayers {
  long double wireD = 0;        // heating wire (Edit9)
  long double insulationD = 0;  // outer diameter of the first layer (Edit10), conductivity Edit6
  long double sheathD = 0;      // outer diameter of the sheath (Edit11), conductivity Edit7
  // Of the wire, W/mK; 0 or less takes the wire as uniform (a flat line).
  long double wireConductivity = kTypicalWireConductivity;
};

// The heater's temperatures as the calculation reports them, degC.
struct HeaterTemperatures {
  long double wire = 0;         // wire surface (Edit4)
  long double sheathInner = 0;  // between the layers (Edit21)
  long double surface = 0;      // sheath surface (Edit2)
};

// Heater: position 0 is the wire's centre. Inside the wire the power in.Q
// is generated evenly over in.L, so the temperature rises as a parabola to
// wire + Q / (4 pi k L) at the centre (pi as 3.14, as the calculation
// writes it); the centre is a point of the profile but no boundary.
LayerProfile HeaterProfile(const HeatLossCalc::HeaterInputs& in, const HeaterLayers& layers,
                           const HeaterTemperatures& t);

}  // namespace curves
