#include "operations/heatloss/HeatFlowDisplay.h"

#include "calc/heatloss/HeatGain.h"
#include "foundation/NumberText.h"
#include "operations/common/HeatLossControls.h"
#include "operations/common/WindowControls.h"
#include "widgets/Fields.h"
#include "widgets/StringGrid.h"

namespace HeatFlowDisplay {

namespace {

// A caption and the words that turn it from loss to gain and back, so that
// the rest of the caption (its unit) stays as the panel has it.
struct Caption {
  const char* label;
  const char* lossWord;
  const char* gainWord;
};

// clang-format off
const Caption kSurfaceCaptions[] = {
  {Surface::ConvectiveLossCaption, "放熱量", "取得熱量"},  // 対流放熱量 / 対流取得熱量
  {Surface::RadiativeLossCaption, "放熱量", "取得熱量"},  // 放射放熱量 / 放射取得熱量
  {Surface::TotalLossCaption, "放熱量", "取得熱量"},  // 放熱量計 / 取得熱量計
};
const Caption kFluxCaption = {Flat::FluxCaption, "伝熱密度", "取得熱密度"};
// clang-format on

void SetDirection(Fields& f, const Caption& c, bool gain) {
  const QString loss = QString::fromUtf8(c.lossWord), gained = QString::fromUtf8(c.gainWord);
  QString text = f.Text(c.label);
  if (gain && !text.contains(gained))
    text.replace(loss, gained);
  else if (!gain)
    text.replace(gained, loss);
  if (text != f.Text(c.label)) f.SetText(c.label, text);
}

bool Says(const Fields& f, const Caption& c) { return f.Text(c.label).contains(QString::fromUtf8(c.gainWord)); }

}  // namespace

void WriteSurfaceFlows(Fields& f, long double convective, long double radiative, long double total,
                       Format text) {
  const bool gain = HeatLossCalc::IsHeatGain(total);
  f.SetText(Surface::ConvectiveLoss, text(gain ? -convective : convective));
  f.SetText(Surface::RadiativeLoss, text(gain ? -radiative : radiative));
  f.SetText(Surface::TotalLoss, text(gain ? -total : total));
  for (const Caption& c : kSurfaceCaptions) SetDirection(f, c, gain);
}

void WriteFlux(Fields& f, long double flux, bool gain) {
  f.SetText(Flat::Flux, RoundHundredths(gain ? -flux : flux));
  SetDirection(f, kFluxCaption, gain);
}

void ShowLossCaptions(Fields& f) {
  for (const Caption& c : kSurfaceCaptions) SetDirection(f, c, false);
  SetDirection(f, kFluxCaption, false);
}

bool ShowsSurfaceGain(const Fields& f) { return Says(f, kSurfaceCaptions[2]); }
bool ShowsFluxGain(const Fields& f) { return Says(f, kFluxCaption); }

void SignGains(StringGrid& grid, int column, int firstColumn, bool gain, std::span<const SignedRow> rows) {
  for (const SignedRow& r : rows) {
    const QString value = grid.Cell(column, r.row);
    if (gain && !value.isEmpty() && value != QStringLiteral("0") && !value.startsWith(QLatin1Char('-')))
      grid.SetCell(column, r.row, QLatin1Char('-') + value);
    for (int c = firstColumn; c < grid.ColCount(); ++c)
      if (grid.Cell(c, r.row).startsWith(QLatin1Char('-'))) {
        grid.SetCell(0, r.row, QString::fromUtf8(r.gainCaption));
        break;
      }
  }
}

}  // namespace HeatFlowDisplay
