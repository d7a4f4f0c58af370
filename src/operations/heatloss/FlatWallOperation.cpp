#include "operations/heatloss/FlatWallOperation.h"

#include "foundation/NumberText.h"
#include "app/TForm1.h"
#include "calc/heatloss/FlatWall.h"
#include "operations/heatloss/HeatLossFields.h"
#include "calc/heatloss/SurfaceLoss.h"

using namespace HeatLossCalc;
using HeatLossFields::IsThickness;

namespace {
// A missing layer counts as 0.000001 mm, shown briefly in its field.
const QString kNoLayer = QStringLiteral("0.000001");
}  // namespace

void FlatWallOperation::Run() {
  if (f.IsEmpty("Edit69") || f.IsEmpty("Edit17")) return;
  if (!IsThickness(f.Text("Edit31")) && !IsThickness(f.Text("Edit32"))) return;
  if (f.IsEmpty("Edit32")) return;

  FlatWallInputs in;
  in.Tg = f.Number("Edit26");
  in.Ta = f.Number("Edit25");
  in.k2 = f.Number("Edit30");
  in.k1 = f.Number("Edit29");
  in.A = f.Number("Edit5");
  in.hi = f.Number("Edit69");
  in.h = f.Number("Edit17");
  in.ei = f.Number("Edit83");
  in.e = f.Number("Edit16");
  in.sigma = HeatLossFields::StefanBoltzmann(f, HeatLossFields::Mantissa::WholeText);
  if (f.Text("Edit32") != QStringLiteral("0")) {
    in.L2 = f.Number("Edit32") / 1000;
  } else {
    f.SetText("Edit32", kNoLayer);
    in.L2 = f.Number("Edit32") / 1000;
    f.SetText("Edit32", QStringLiteral("0"));
  }
  if (IsThickness(f.Text("Edit31"))) {
    in.L1 = f.Number("Edit31") / 1000;
  } else {
    f.SetText("Edit31", kNoLayer);
    in.L1 = f.Number("Edit31") / 1000;
    f.SetText("Edit31", QString());
  }
  in.Ta = in.Ta + kKelvin;
  in.Tg = in.Tg + kKelvin;

  const FlatWallResult r = FlatWallTransmission(in);
  f.SetText("Edit23", RoundHundredths(r.interface));
  f.SetText("Edit28", f.Text("Edit23"));
  f.SetText("Edit24", RoundHundredths(r.outerSurface));
  f.SetText("Edit27", RoundHundredths(r.innerSurface));
  f.SetText("Edit18", RoundHundredths(r.convective));
  f.SetText("Edit19", RoundHundredths(r.radiative));
  f.SetText("Edit20", RoundHundredths(r.total));
  f.SetText("Edit33", RoundHundredths(r.flux));
}
