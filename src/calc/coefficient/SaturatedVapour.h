// Saturated water vapour between 0 and 100 ℃.
#pragma once

// Saturation vapour pressure in hPa at T ℃ (Tetens).
long double VapourPressure(long double T);

// Vapour content of saturated air in g/m³ at T ℃ and pressure p hPa.
long double VapourContent(long double T, long double p);
