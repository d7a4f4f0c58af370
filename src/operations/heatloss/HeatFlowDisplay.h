// How the heat-loss results show the direction of the heat. A line or wall
// colder than the air gains heat; its calculation reports that as a negative
// loss. The window shows the gain as a positive amount under captions that
// say 取得 (gain) instead of 放熱 (loss); a loss keeps its captions and texts.
// The comparison table keeps the sign: a gain goes there as a negative loss,
// and the row's caption says so once a column holds one.
#pragma once

#include <QString>
#include <span>

class Fields;
class StringGrid;

namespace HeatFlowDisplay {

using Format = QString (*)(long double);

// Edit18, Edit19, Edit20 (convective, radiative, total, W) and the captions
// Label16, Label17, Label18, in the direction of the total.
void WriteSurfaceFlows(Fields& f, long double convective, long double radiative, long double total,
                       Format text);

// Edit33 (W/cm2) and its caption Label25 on the flat panel; gain: the
// direction of the run's total.
void WriteFlux(Fields& f, long double flux, bool gain);

// The loss captions on the surface flows and the flux, for a panel whose
// results are not heat-loss results (the heating calculators hide Edit18 to
// Edit20 but leave their captions in view).
void ShowLossCaptions(Fields& f);

// True when the caption of the surface flows (Label18) / of the flux
// (Label25) says the window shows a gain.
bool ShowsSurfaceGain(const Fields& f);
bool ShowsFluxGain(const Fields& f);

// A row of the comparison table that copies a heat flow.
struct SignedRow {
  int row;
  const char* gainCaption;  // the loss caption with the note that a negative value is a gain
};

// After a condition was copied into `column`: a gain shown in the window
// becomes a negative value there, and the rows whose columns from
// firstColumn on hold a negative value get their gain caption.
void SignGains(StringGrid& grid, int column, int firstColumn, bool gain, std::span<const SignedRow> rows);

}  // namespace HeatFlowDisplay
