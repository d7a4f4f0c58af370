#include "operations/heatloss/FlatPlateOperation.h"

#include "app/CalculatorDispatch.h"
#include "foundation/NumberText.h"
#include "app/TForm1.h"
#include "operations/heatloss/HeatLossFields.h"
#include "calc/heatloss/SurfaceLoss.h"

using namespace HeatLossCalc;
using HeatLossFields::IsThickness;

namespace {

const QString kSteady = QStringLiteral("定温放熱");
const QString kCooling = QStringLiteral("自然放熱");
const QString kOneFace = QStringLiteral("片面のみからの放熱");
const QString kBothFaces = QStringLiteral("両面からの放熱");

// The cooling captions and fields: density, specific heat, time, the
// temperature after the time, and "放熱開始時温度" beside Edit27.
const char* const kCoolingControls[] = {"Label68", "Label69", "Label70", "Label71", "Label72",
                                        "Edit73",  "Edit74",  "Edit75",  "Edit76"};

// Thicknesses that stand for a missing layer: the structure in mm as it
// is briefly shown in its field, the insulation in m.
const QString kNoStructure = QStringLiteral("0.0001");
constexpr long double kNoInsulation = 1E-7L;

}  // namespace

std::optional<FlatPlateInputs> FlatPlateOperation::Prepare() {
  if (!IsThickness(f.Text("Edit31")) && !IsThickness(f.Text("Edit32"))) return std::nullopt;
  FlatPlateInputs in;
  in.Ta = f.Number("Edit25");
  in.Ti = f.Number("Edit27");
  in.A = f.Number("Edit5");
  in.h = f.Number("Edit17");
  in.e = f.Number("Edit16");
  in.sigma = HeatLossFields::StefanBoltzmann(f, HeatLossFields::Mantissa::WholeText);
  if (IsThickness(f.Text("Edit32"))) {
    in.L2 = f.Number("Edit32") / 1000;
  } else {
    in.L2 = kNoInsulation;
    f.SetText("Edit32", QStringLiteral("0"));
  }
  if (IsThickness(f.Text("Edit31"))) {
    in.L1 = f.Number("Edit31") / 1000;
  } else {
    // The structure counts as 0.0001 mm; the field is left empty.
    f.SetText("Edit31", kNoStructure);
    in.L1 = f.Number("Edit31") / 1000;
    f.SetText("Edit31", QString());
  }
  in.k2 = f.Number("Edit30");
  in.k1 = f.Number("Edit29");
  in.Ta = in.Ta + kKelvin;
  in.Ti = in.Ti + kKelvin;
  return in;
}

void FlatPlateOperation::WriteResults(const FlatPlateResult& r) {
  f.SetText("Edit23", RoundHundredths(r.interface));
  f.SetText("Edit28", f.Text("Edit23"));
  f.SetText("Edit24", RoundHundredths(r.surface));
  f.SetText("Edit18", RoundHundredths(r.convective));
  f.SetText("Edit19", RoundHundredths(r.radiative));
  f.SetText("Edit20", RoundHundredths(r.total));
  f.SetText("Edit33", RoundHundredths(r.flux));
}

void FlatPlateOperation::HeatLoss() {
  const std::optional<FlatPlateInputs> in = Prepare();
  if (!in) return;
  WriteResults(FlatPlateSteady(*in));
}

void FlatPlateOperation::Cooling() {
  const std::optional<FlatPlateInputs> in = Prepare();
  if (!in) return;
  CoolingInputs cooling;
  cooling.rho = f.Number("Edit73");
  cooling.c = f.Number("Edit74");
  cooling.hours = f.Number("Edit75");
  cooling.bothFaces = f.Text("Label30") == kBothFaces;
  const FlatPlateResult r = FlatPlateCooling(*in, cooling);
  WriteResults(r);
  f.SetText("Edit76", RoundHundredths(r.plate));
}

void FlatPlateOperation::ToggleCooling() {
  const bool toCooling = f.Text("Button71") == kSteady;
  for (const char* name : kCoolingControls) f.SetShown(name, toCooling);
  f.SetText("Label30", kOneFace);
  f.SetText("Button71", toCooling ? kCooling : kSteady);
  f.Dispatch().RunFlatPanel();
}

void FlatPlateOperation::ToggleFaces() {
  f.Store().SetCell(5, 4, f.Text("Label30"));
  if (f.Text("Button71") == kSteady) return;
  f.SetText("Label30", f.Text("Label30") == kBothFaces ? kOneFace : kBothFaces);
  f.Dispatch().RunFlatPanel();
}
