#include "calc/numeric/Rounding.h"

#include <cmath>

namespace Rounding {

long double Nearest(long double x) { return nearbyintl(x); }

long double To(long double x, int decimals) {
  long double scale = 1.0L;
  for (int i = 0; i < decimals; ++i) scale *= 10.0L;
  return nearbyintl(x * scale) / scale;
}

}  // namespace Rounding
