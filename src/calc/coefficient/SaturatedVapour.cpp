#include "calc/coefficient/SaturatedVapour.h"

#include "calc/coefficient/CorrelationPower.h"

long double VapourPressure(long double T) {
  return 6.11L * CorrelationPower::Power10(7.5L * T / (T + 237.3L));
}

long double VapourContent(long double T, long double p) { return p * 217.0L / (T + 273.15L); }
