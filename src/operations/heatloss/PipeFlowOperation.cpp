#include "operations/heatloss/PipeFlowOperation.h"

#include "foundation/NumberText.h"
#include "app/TForm1.h"
#include "operations/heatloss/HeatLossFields.h"
#include "calc/heatloss/PipeFlow.h"
#include "calc/heatloss/SurfaceLoss.h"

using namespace HeatLossCalc;

namespace {
constexpr long double kNoConductivity = 1E-6L;  // W/mK, for a conductivity of 0
constexpr long double kNoLayer = 1E-7L;         // m, for a thickness that reads "0"
constexpr long double kMaxCoefficient = 10000;  // W/m2K
}  // namespace

long double PipeFlowOperation::Capped(const char* field) {
  long double h = f.Number(field);
  if (h > kMaxCoefficient) {
    h = kMaxCoefficient;
    f.SetText(field, QStringLiteral("10000"));
  }
  return h;
}

void PipeFlowOperation::Run() {
  for (const char* name : {"Edit64", "Edit65", "Edit66", "Edit67", "Edit68"})
    if (f.IsEmpty(name)) return;
  PipeFlowInputs in;
  in.c = f.Number("Edit64");
  in.rho = f.Number("Edit65");
  in.Di = f.Number("Edit66");
  in.V = f.Number("Edit67");
  in.Tin = f.Number("Edit70") + kKelvin;
  in.Ta = f.Number("Edit68") + kKelvin;
  in.Lp = f.Number("Edit13");
  in.k1 = f.Number("Edit6");
  in.k2 = f.Number("Edit7");
  if (in.k1 == 0) in.k1 = kNoConductivity;
  if (in.k2 == 0) in.k2 = kNoConductivity;
  in.t1 = f.Text("Edit34") == QStringLiteral("0") ? kNoLayer : f.Number("Edit34") / 1000;
  in.t2 = f.Text("Edit12") == QStringLiteral("0") ? kNoLayer : f.Number("Edit12") / 1000;
  in.hi = Capped("Edit69");
  in.h = Capped("Edit17");
  if (!(in.Di > f.Number("Edit34") * 2 / 1000)) {
    f.Message(QStringLiteral("管内径と内層厚さを確認してください。"));
    return;
  }
  in.e = f.Number("Edit16");
  in.ei = f.Number("Edit83");
  in.sigma = HeatLossFields::StefanBoltzmann(f, HeatLossFields::Mantissa::FirstSix);

  const PipeFlowResult r = PipeFlowTemperature(in);
  f.SetText("Edit14", RoundHundredths(r.fluid));
  f.SetText("Edit4", RoundHundredths(r.wallFluidSide));
  f.SetText("Edit1", RoundHundredths(r.boundary));
  f.SetText("Edit21", RoundHundredths(r.boundary));
  f.SetText("Edit2", RoundHundredths(r.wallAmbientSide));
  f.SetText("Edit18", RoundHundredths(r.convective));
  f.SetText("Edit19", RoundHundredths(r.radiative));
  f.SetText("Edit20", RoundHundredths(r.total));
  // The direction: cooled when the ambient is at most the inlet temperature.
  const bool cooled = !(f.Number("Edit68") > f.Number("Edit70"));
  f.SetText("Button69", cooled ? QStringLiteral("放 熱") : QStringLiteral("加 熱"));
}
