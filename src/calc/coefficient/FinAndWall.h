// Straight fins, walls of three layers and scale on a heated surface.
#pragma once

// A straight fin: h coefficient on its surface, c perimeter and s area of
// its cross-section, k conductivity of its material, L the length it
// protrudes.
struct Fin {
  long double m;        // fin parameter (h c / k s)^0.5
  long double H;        // equivalent coefficient over the root area
  long double C, S, B;  // cosh(mL), sinh(mL), h / m / k
};
Fin FinCoefficient(long double h, long double c, long double k, long double s, long double L);

// The fin coefficient over the outside of a tube of diameter D.
long double TubeFinCoefficient(long double L, long double D, long double H);

// The average over a finned tube of fin thickness t and pitch p, from the
// tube coefficient Ht (as shown, rounded) and the bare-surface coefficient h.
long double TubeFinAverage(long double Ht, long double t, long double p, long double h);

// The temperature at the position X along the fin, with Ts the ambient and
// To the root temperature.
long double FinTemperature(const Fin& fin, long double L, long double X, long double Ts, long double To);

struct LayeredWall {
  long double t;       // total thickness
  long double lambda;  // equivalent conductivity
};

// A flat wall of three layers of thickness t1..t3 and conductivity l1..l3.
LayeredWall LayeredWallConductivity(long double t1, long double t2, long double t3, long double l1,
                                    long double l2, long double l3);

// A cylindrical wall of three layers on an inner diameter D.
LayeredWall LayeredCylinderConductivity(long double D, long double t1, long double t2, long double t3,
                                        long double l1, long double l2, long double l3);

// Scale thickness in mm after `hours` at heat flux w W/cm² (condition A:
// hardness about 1000 mg/l, boiling at 100 ℃).
long double ScaleThickness(long double w, long double hours);
