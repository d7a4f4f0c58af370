// The relative humidity of the air beside the air temperature of the
// cylinder, pipe-flow and flat panels, and the result that says whether the
// outer surface condenses: the dew point of the air (calc/design/DewPoint.h,
// Magnus over water) and, when the surface lies below it, by how many
// kelvin. An empty humidity field checks nothing.
#pragma once

#include <optional>

class Fields;

namespace SurfaceCondensation {

// The controls of one panel: the caption, the humidity field (%) and the
// label with the result.
struct Controls {
  const char* caption;
  const char* humidity;
  const char* result;
};

inline constexpr Controls kCylinder{"CylinderHumidityCaption", "CylinderHumidity", "CylinderCondensation"};
inline constexpr Controls kPipeFlow{"PipeHumidityCaption", "PipeHumidity", "PipeCondensation"};
inline constexpr Controls kFlat{"FlatHumidityCaption", "FlatHumidity", "FlatCondensation"};

struct Humidity {
  bool refused = false;            // the text is no humidity: the message was given
  std::optional<long double> rh;   // %, 0 < rh <= 100; empty when the field is empty
};

// Reads the humidity field; blanks alone count as empty (a store cell never
// written restores a blank, as GridRowCsv reads an empty field). A text that is no number or lies outside
// 0 < rh <= 100 is refused with a message that names the field.
Humidity ReadHumidity(Fields& f, const Controls& c);

// Writes the result for a surface at surface degC in air at air degC: the
// dew point and whether the surface condenses; empty without a humidity.
void WriteResult(Fields& f, const Controls& c, std::optional<long double> rh, long double surface, long double air);

}  // namespace SurfaceCondensation
