#include "operations/design/DesignChoices.h"

#include "calc/design/DewPoint.h"
#include "foundation/NumberText.h"

using namespace DesignCalc;

namespace {

// K: a margin above the dew point beyond this asks for a surface warmer
// than any air condenses on; it is no margin.
constexpr long double kMaxMarginK = 50;

// clang-format off
const DesignChoiceRow kChoices[] = {
  {DesignChoice::SurfaceAtMost,  "表面温度の上限",           "外表面がこの温度以下になる最も薄い厚さ（触れても安全）"},
  {DesignChoice::HeatFlowAtMost, "熱量の上限",               "放熱量（冷たい管・壁では取得熱量）がこの値以下"},
  {DesignChoice::NoCondensation, "結露しない（露点＋余裕）", "外表面が露点＋この余裕以上。計算パネルの相対湿度 % を使う"},
  {DesignChoice::FluidEnd,       "管端の流体温度",           "管内流体: 出口の流体温度（熱い流体は以上、冷たい流体は以下）"},
  {DesignChoice::HeaterPower,    "ヒーターの最大電力",       "ヒーター温度: シース表面がこの温度以下になる最大の電力"},
};
// clang-format on
}  // namespace

std::span<const DesignChoiceRow> DesignChoices() { return kChoices; }

QString ValueCaption(DesignChoice choice, const DesignCase& d) {
  switch (choice) {
    case DesignChoice::SurfaceAtMost: return QStringLiteral("上限 ℃");
    case DesignChoice::HeatFlowAtMost: return QStringLiteral("上限 ") + d.HeatFlowUnit();
    case DesignChoice::NoCondensation: return QStringLiteral("余裕 K");
    case DesignChoice::FluidEnd:
      if (!d.FluidEnd()) break;
      return d.HotLine() ? QStringLiteral("以上 ℃") : QStringLiteral("以下 ℃");
    case DesignChoice::HeaterPower: return QStringLiteral("シース上限 ℃");
  }
  return QStringLiteral("目標 ℃");
}

QString QuantityCaption(DesignChoice choice, const DesignCase& d) {
  switch (choice) {
    case DesignChoice::HeatFlowAtMost: return QStringLiteral("熱量 ") + d.HeatFlowUnit();
    case DesignChoice::FluidEnd: return QStringLiteral("管端の流体 ℃");
    case DesignChoice::SurfaceAtMost:
    case DesignChoice::NoCondensation:
      // Pipe flow looks at the inlet: a hot line's surface is hottest there, a cold line's coldest.
      return d.hook->surfaceAtInlet ? QStringLiteral("入口の表面 ℃") : QStringLiteral("表面温度 ℃");
    case DesignChoice::HeaterPower: break;
  }
  return QStringLiteral("シース ℃");
}

TargetOrReason TargetFor(DesignChoice choice, long double value, const DesignCase& d) {
  if (d.HeaterPower() && choice != DesignChoice::HeaterPower)
    return {std::nullopt, QStringLiteral("ヒーター温度では「ヒーターの最大電力」だけを求めます。")};
  switch (choice) {
    case DesignChoice::SurfaceAtMost: return {Target{TargetKind::SurfaceAtMost, value}, {}};
    case DesignChoice::HeatFlowAtMost:
      if (!(value > 0)) return {std::nullopt, QStringLiteral("熱量の上限は 0 より大きい値にしてください。")};
      return {Target{TargetKind::HeatFlowAtMost, value}, {}};
    case DesignChoice::NoCondensation:
      if (!d.in.rh)
        return {std::nullopt, QStringLiteral("結露しない厚さを求めるには、計算パネルの相対湿度 % を入れてください。")};
      if (!(value >= 0 && value <= kMaxMarginK))
        return {std::nullopt,
                QStringLiteral("%1（露点に足す余裕） '%2' は 0 以上 %3 以下の数にしてください。")
                    .arg(ValueCaption(choice, d), NumberText(value), NumberText(kMaxMarginK))};
      return {DewPointTarget(d.in.air, *d.in.rh, value), {}};
    case DesignChoice::FluidEnd:
      if (!d.FluidEnd())
        return {std::nullopt, QStringLiteral("管端の流体温度は管内流体（円筒の放熱の切り替え）で求めます。")};
      return {Target{TargetKind::FluidEnd, value}, {}};
    case DesignChoice::HeaterPower:
      if (!d.HeaterPower())
        return {std::nullopt, QStringLiteral("ヒーターの最大電力はヒーター温度の計算で求めます。")};
      return {Target{TargetKind::SurfaceAtMost, value}, {}};
  }
  return {};
}

bool Meets(const Target& target, const DesignCase& d, long double quantity) {
  switch (target.kind) {
    case TargetKind::SurfaceAtMost:
    case TargetKind::HeatFlowAtMost: return quantity <= target.value;
    case TargetKind::SurfaceAtLeast: return quantity >= target.value;
    case TargetKind::FluidEnd: break;
  }
  return d.HotLine() ? quantity >= target.value : quantity <= target.value;
}
