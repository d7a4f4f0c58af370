// A layer whose conductivity changes with temperature, k(T) = a + b·T + c·T²
// (T in ℃): the heat it conducts between its two face temperatures is that of
// the mean conductivity, the integral of k over the faces' temperatures
// divided by their difference (the mean-value method of ASTM C680). With
// b = c = 0 every function here gives exactly what a constant k = a gives.
#pragma once

#include <optional>

namespace SurfaceCalc {

struct TemperatureConductivity {
  long double a = 0, b = 0, c = 0;  // W/(m·K), W/(m·K²), W/(m·K³)
};

// k at T (℃).
long double ConductivityAt(const TemperatureConductivity& k, long double T);

// (1/(T2 - T1)) ∫ k dT from T1 to T2, in closed form:
// a + b (T1 + T2)/2 + c (T1² + T1·T2 + T2²)/3; k(T1) when T1 = T2.
long double MeanConductivity(const TemperatureConductivity& k, long double T1, long double T2);

// True when k stays above 0 over [T1, T2] (either order): the layer is then
// a conductor at every temperature it spans, and the functions below are
// meaningful. The window should refuse a table that fails this.
bool ConductivityPositive(const TemperatureConductivity& k, long double T1, long double T2);

// Flat layer of the thickness t (m) with the faces at T1 and T2:
// W/m² from T1 towards T2, k_mean (T1 - T2) / t.
long double FlatLayerFlux(const TemperatureConductivity& k, long double T1, long double T2, long double t);

// Cylindrical layer from diameter D1 (face at T1) to D2 (face at T2):
// W per metre from T1 towards T2, (T1 - T2) · k_mean / ln(D2/D1) · 2π with
// π = 3.14, formed in the order the cylinder calculator forms its
// conductance.
long double CylinderLayerFlow(const TemperatureConductivity& k, long double T1, long double T2,
                              long double D1, long double D2);

// The inverse: the face temperature T1 for which ∫ k dT from T2 to T1 equals
// I (W/m: a flux times the thickness, or a flow per metre times
// ln(D2/D1) / 2π). Newton's method on the closed-form integral, to the last
// bits; k must be positive over the span (ConductivityPositive).
long double FaceTemperatureForIntegral(const TemperatureConductivity& k, long double T2, long double I);

// ∫ k dT from T1 to T2 (W/m), formed as span times mean: exact for a small
// span, 0 when T1 = T2.
long double ConductivityIntegral(const TemperatureConductivity& k, long double T1, long double T2);

// The face temperature T1 of a layer whose other face is at T2, with
// ∫ k dT from T2 to T1 = I, when it lies short of limit (strictly between T2
// and limit, or T2 itself for I = 0); empty when the layer would need a face
// at or beyond limit. I must not point away from limit (its sign is that of
// limit - T2, or 0), and k must be positive from T2 to limit: then the face
// is found without leaving that span. A constant or linear k is solved in
// closed form, a quadratic by Newton's method kept inside the bracket that
// the integral's sign narrows, to the last bits.
std::optional<long double> FaceWithin(const TemperatureConductivity& k, long double T2, long double I,
                                      long double limit);

// The nearest temperature above T (℃) at which k falls to 0; T + 1E5 when k
// stays positive that far. k(T) must be positive.
long double ConductivityEndAbove(const TemperatureConductivity& k, long double T);

}  // namespace SurfaceCalc
