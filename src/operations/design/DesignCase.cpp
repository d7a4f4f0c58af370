#include "operations/design/DesignCase.h"

#include "calc/design/ThicknessSolve.h"
#include "calc/design/DesignRuns.h"
#include "operations/heatloss/CylinderPanel.h"
#include "operations/heatloss/FlatPanel.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/heatloss/HeatLossInputs.h"
#include "operations/heatloss/SurfaceCondensation.h"
#include "widgets/FieldSnapshot.h"
#include "widgets/Form.h"

using namespace DesignCalc;

const char* DesignCase::Field() const {
  switch (kind) {
    case DesignKind::Cylinder:
    case DesignKind::PipeFlow: return "Edit12";
    case DesignKind::FlatPlate:
    case DesignKind::FlatWall: return "Edit32";
    case DesignKind::Heater: break;
  }
  return "Edit8";
}

QString DesignCase::Name() const {
  switch (kind) {
    case DesignKind::Cylinder: return QStringLiteral("円筒の放熱");
    case DesignKind::PipeFlow: return QStringLiteral("管内流体");
    case DesignKind::FlatPlate: return QStringLiteral("平板放熱");
    case DesignKind::FlatWall: return QStringLiteral("平板熱通過");
    case DesignKind::Heater: break;
  }
  return QStringLiteral("ヒーター温度");
}

ThicknessAnswer DesignCase::Solve(Target target, const std::vector<long double>& stockMm) const {
  switch (kind) {
    case DesignKind::Cylinder: return SolveCylinderThickness(cylinder, target, stockMm);
    case DesignKind::PipeFlow: return SolvePipeFlowThickness(pipe, target, stockMm);
    case DesignKind::FlatPlate: return SolveFlatPlateThickness(plate, target, stockMm);
    case DesignKind::FlatWall: return SolveFlatWallThickness(wall, target, stockMm);
    case DesignKind::Heater: break;
  }
  return {};
}

long double DesignCase::Quantity(long double mm, TargetKind target) const {
  switch (kind) {
    case DesignKind::Cylinder: return CylinderQuantity(cylinder, mm, target);
    case DesignKind::PipeFlow: return PipeFlowQuantity(pipe, mm, target);
    case DesignKind::FlatPlate: return FlatPlateQuantity(plate, mm, target);
    case DesignKind::FlatWall: return FlatWallQuantity(wall, mm, target);
    case DesignKind::Heater: break;
  }
  return 0;
}

EconomicTable DesignCase::Economics(const std::vector<StockCost>& stock, const EconomicInputs& econ) const {
  switch (kind) {
    case DesignKind::Cylinder: return CylinderEconomics(cylinder, stock, econ);
    case DesignKind::PipeFlow: return PipeFlowEconomics(pipe, stock, econ);
    case DesignKind::FlatPlate: return FlatPlateEconomics(plate, stock, econ);
    case DesignKind::FlatWall: return FlatWallEconomics(wall, stock, econ);
    case DesignKind::Heater: break;
  }
  return {};
}

namespace {

// The panel's humidity field and its air field.
struct PanelAir {
  const SurfaceCondensation::Controls* humidity;
  const char* air;
};

PanelAir AirOf(DesignKind kind) {
  switch (kind) {
    case DesignKind::Cylinder: return {&SurfaceCondensation::kCylinder, "Edit3"};
    case DesignKind::PipeFlow: return {&SurfaceCondensation::kPipeFlow, "Edit68"};
    case DesignKind::FlatPlate:
    case DesignKind::FlatWall: return {&SurfaceCondensation::kFlat, "Edit25"};
    case DesignKind::Heater: break;
  }
  return {nullptr, "Edit3"};
}

// Keeps the inputs a panel read, if any; false when its Run would end.
template <class Inputs>
bool Keep(const std::optional<Inputs>& in, Inputs& into) {
  if (in) into = *in;
  return in.has_value();
}

// Reads the inputs of the kind into the case; false when the Run would end.
bool ReadInputs(Fields& f, DesignCase& d) {
  switch (d.kind) {
    case DesignKind::Cylinder: return Keep(CylinderInputsOf(f), d.cylinder);
    case DesignKind::PipeFlow: return Keep(PipeFlowInputsOf(f), d.pipe);
    case DesignKind::FlatPlate: {
      const bool read = Keep(FlatPlateInputsOf(f), d.plate);
      d.cooling = FlatPlateCools(f);
      return read;
    }
    case DesignKind::FlatWall: return Keep(FlatWallInputsOf(f), d.wall);
    case DesignKind::Heater: return Keep(HeaterInputsOf(f), d.heater);
  }
  return false;
}

}  // namespace

DesignKind KindOf(const HeatLossCalculator& c) {
  if (&c == &kPipeFlowCalculator) return DesignKind::PipeFlow;
  if (&c == &kFlatPlateCalculator) return DesignKind::FlatPlate;
  if (&c == &kFlatWallCalculator) return DesignKind::FlatWall;
  if (&c == &kHeaterCalculator) return DesignKind::Heater;
  return DesignKind::Cylinder;
}

std::optional<DesignCase> CaseOnScreen(Form& f, const HeatLossCalculator& c) {
  FieldSnapshot snapshot(f);
  DesignCase d;
  d.kind = KindOf(c);
  const bool ready = c.panel == HeatLossPanel::Cylinder ? CylinderPanel::Ready(snapshot) : FlatPanel::Ready(snapshot);
  if (!ready) {
    f.Message(QStringLiteral("%1 の入力がそろっていません。計算パネルの緑の欄を埋めてから計算してください。")
                  .arg(d.Name()));
    return std::nullopt;
  }
  const PanelAir air = AirOf(d.kind);
  if (air.humidity) {
    const SurfaceCondensation::Humidity h = ReadHumidity(snapshot, *air.humidity);
    d.rh = h.rh;
  }
  // A humidity the Run refuses ends it before the inputs are read.
  const bool read = snapshot.Messages().isEmpty() && ReadInputs(snapshot, d);
  for (const QString& m : snapshot.Messages()) f.Message(m);
  if (!read) return std::nullopt;
  d.air = snapshot.Number(air.air);
  return d;
}
