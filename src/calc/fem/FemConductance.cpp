#include "calc/fem/FemConductance.h"

#include <cmath>

namespace FemConductance {

namespace {

// The hypotenuse c and the distance d = a·b / (3c) from the centroid to it.
long double Hypotenuse(const FemElementSize& e) { return sqrtl(e.a * e.a + e.b * e.b); }
long double HypotenuseDistance(const FemElementSize& e, long double c) { return e.a * e.b / (3 * c); }

// An edge face of the given length between two resistances in series, the
// way inside the element and what lies behind the face, each written as
// distance / λ (or 1000 / h for a surface).
long double EdgeFace(long double length, long double wayInside, long double outer, long double t) {
  return length / (wayInside + outer) * t / 1000;
}

}  // namespace

long double ToElement(FemFace face, const FemElementSize& own, const FemElementSize& other, long double t) {
  switch (face) {
    case FemFace::A:
      return EdgeFace(own.a, own.b / (3 * own.lambda), other.b / (3 * other.lambda), t);
    case FemFace::B:
      return EdgeFace(own.b, own.a / (3 * own.lambda), other.a / (3 * other.lambda), t);
    case FemFace::C: {
      // The element's own centroid distance stands for both sides.
      const long double c = Hypotenuse(own);
      const long double d = HypotenuseDistance(own, c);
      return EdgeFace(c, d / own.lambda, d / other.lambda, t);
    }
    case FemFace::D:
    case FemFace::E:
      break;
  }
  return 0;
}

long double ToConvective(FemFace face, const FemElementSize& own, long double h, long double t) {
  switch (face) {
    case FemFace::A:
      return EdgeFace(own.a, own.b / (3 * own.lambda), 1000 / h, t);
    case FemFace::B:
      return EdgeFace(own.b, own.a / (3 * own.lambda), 1000 / h, t);
    case FemFace::C: {
      const long double c = Hypotenuse(own);
      return EdgeFace(c, HypotenuseDistance(own, c) / own.lambda, 1000 / h, t);
    }
    case FemFace::D:
    case FemFace::E:
      return (own.a * own.b / 2 / 1000) / (t / 2 / own.lambda + 1000 / h);
  }
  return 0;
}

long double ToFixed(FemFace face, const FemElementSize& own, long double t) {
  switch (face) {
    case FemFace::A:
      return own.a / (own.b / (3 * own.lambda)) * t / 1000;
    case FemFace::B:
      return own.b / (own.a / (3 * own.lambda)) * t / 1000;
    case FemFace::C: {
      const long double c = Hypotenuse(own);
      return c / (HypotenuseDistance(own, c) / own.lambda) * t / 1000;
    }
    case FemFace::D:
    case FemFace::E:
      return (own.a * own.b / 2 / 1000) / (t / 2 / own.lambda);
  }
  return 0;
}

}  // namespace FemConductance
