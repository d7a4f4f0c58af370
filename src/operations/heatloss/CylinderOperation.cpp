#include "operations/heatloss/CylinderOperation.h"

#include "foundation/NumberText.h"
#include "app/TForm1.h"
#include "calc/heatloss/Cylinder.h"
#include "operations/heatloss/HeatLossFields.h"

using namespace HeatLossCalc;

namespace {
// A layer whose thickness reads "0" counts as 0.01 mm.
constexpr long double kNoLayer = 1E-5L;  // m
}  // namespace

void CylinderOperation::Run() {
  CylinderInputs in;
  in.Ta = f.Number("Edit3");
  in.Ti = f.Number("Edit4");
  in.D1 = f.Number("Edit10") / 1000;
  in.t1 = f.Text("Edit34") == QStringLiteral("0") ? kNoLayer : f.Number("Edit34") / 1000;
  in.t2 = f.Text("Edit12") == QStringLiteral("0") ? kNoLayer : f.Number("Edit12") / 1000;
  if (!(f.Number("Edit10") > 2 * f.Number("Edit34"))) {
    f.Message(QStringLiteral("内層外径と内層厚さを確認してください。"));
    return;
  }
  in.e = f.Number("Edit16");
  in.h = f.Number("Edit17");
  in.sigma = HeatLossFields::StefanBoltzmann(f, HeatLossFields::Mantissa::FirstSix);
  in.k1 = f.Number("Edit6");
  in.k2 = f.Number("Edit7");
  in.L = f.Number("Edit13");

  const CylinderResult r = CylinderHeatLoss(in);
  f.SetText("Edit18", NumberText(r.convective));
  f.SetText("Edit19", NumberText(r.radiative));
  f.SetText("Edit20", NumberText(r.total));
  f.SetText("Edit2", RoundHundredths(r.surface));
  f.SetText("Edit21", RoundHundredths(r.interface));
  f.SetText("Edit1", f.Text("Edit21"));
}
