#include "operations/heatloss/SurfaceOptions.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <cmath>
#include <cstring>
#include <span>

#include "calc/surface/PipeInnerCoefficient.h"
#include "calc/surface/SurfaceCoefficient.h"
#include "foundation/NumberText.h"
#include "operations/common/HeatLossControls.h"
#include "operations/common/WindowControls.h"
#include "operations/hints/FieldRules.h"
#include "store/ConditionStore.h"
#include "widgets/Form.h"

using HeatLossCalc::AutoCoefficient;
using HeatLossCalc::ConductivityChange;
using SurfaceCalc::Orientation;

namespace SurfaceOptions {

namespace {

constexpr Orientation kOrientationOf[] = {Orientation::HorizontalPipe, Orientation::VerticalPipe,
                                          Orientation::VerticalWall, Orientation::HorizontalFacingUp,
                                          Orientation::HorizontalFacingDown};

// The coefficients as typed while their fields show computed ones; row 80
// is held in memory only.
constexpr StoreCell kTypedOuter = Cell("TypedOuterCoefficient");
constexpr StoreCell kTypedInner = Cell("TypedInnerCoefficient");

constexpr long double kMaxCoefficient = 10000;  // W/m2K, as pipe flow caps a typed one
constexpr long double kHighest = 2000;          // ℃, the highest temperature of the options
// m/s: beyond a hurricane's winds the correlations of the coefficient mean
// nothing, and the surface lies so near the air that no scan finds it.
constexpr long double kMaxWind = 100;
// W: a loss that shows as 0 (rounded to hundredths).
constexpr long double kShownAsZero = 0.005L;
// K: an inside nearer the air than this may well give next to nothing.
constexpr long double kAwayFromTheAir = 1;
// W/(m2・℃): still air on a warm surface.
constexpr long double kOrdinaryCoefficient = 10;

bool Is(const char* a, const char* b) { return std::strcmp(a, b) == 0; }
bool IsCheck(const char* control) { return Is(control, kAuto) || Is(control, kInnerAuto); }

QAbstractButton* Box(Form& f, const char* name) { return static_cast<QAbstractButton*>(f.Control(name)); }

// The control's value as its cell holds it: "1" for a checked box.
QString ValueOf(Form& f, const char* control) {
  if (IsCheck(control)) return f.IsChecked(control) ? QStringLiteral("1") : QString();
  return f.Text(control);
}

// A cell as the control shows it. A cell read from a file holds a blank for
// nothing; a cell of another program's store or a damaged file may hold
// anything: what is not a "1" leaves a box unchecked, what is no entry of
// Orientation gives the panel's usual one, and what is no number leaves a
// field empty. So a store without these cells loads as off.
QString Shown(const QString& cell, const char* control, HeatLossPanel panel) {
  const QString text = cell.trimmed();
  if (IsCheck(control)) return text == QLatin1String("1") ? text : QString();
  if (Is(control, kOrientation)) {
    for (const char* entry : kOrientations)
      if (text == QString::fromUtf8(entry)) return text;
    return QString::fromUtf8(DefaultOrientation(panel));
  }
  long double number = 0;
  return TryToNumber(text, number) ? text : QString();
}

// An optional number: a blank field reads as 0.
long double NumberOrZero(Fields& f, const char* field) {
  return f.Text(field).trimmed().isEmpty() ? 0 : f.Number(field);
}

bool FitsPanel(Orientation o, HeatLossPanel panel) {
  const bool pipe = o == Orientation::HorizontalPipe || o == Orientation::VerticalPipe;
  return pipe == (panel == HeatLossPanel::Cylinder);
}

// The layers' column captions on each panel.
const char* LayerCaption(HeatLossPanel panel, int layer) {
  if (panel == HeatLossPanel::Cylinder) return layer == 1 ? Cylinder::Layer1Caption : Cylinder::Layer2Caption;
  return layer == 1 ? Flat::StructureCaption : Flat::InsulationCaption;
}

void Follow(Form& f, const char* box, const char* field, StoreCell typed) {
  QLineEdit* e = f.Edit(field);
  if (f.IsChecked(box)) {
    if (!e->isReadOnly()) f.Store().SetCell(typed, e->text());
    e->setReadOnly(true);
    f.SetResultColour(field);
  } else {
    if (e->isReadOnly() && !f.Store().GetCell(typed).isEmpty()) f.SetText(field, f.Store().GetCell(typed));
    e->setReadOnly(false);
    f.SetInputColour(field);
  }
}

QString Exponent(long double x) { return QString::number(static_cast<double>(x), 'E', 2); }

QString NaturalLaw(Orientation o) {
  switch (o) {
    case Orientation::HorizontalPipe:
      return QStringLiteral("水平円柱 Churchill–Chu");
    case Orientation::VerticalPipe:
    case Orientation::VerticalWall:
      return QStringLiteral("垂直平板 Churchill–Chu");
    default:
      return QStringLiteral("水平面 McAdams");
  }
}

}  // namespace

const char* DefaultOrientation(HeatLossPanel panel) {
  return panel == HeatLossPanel::Cylinder ? kOrientations[0] : kOrientations[2];
}

std::optional<AutoCoefficient> OuterOf(Fields& f, HeatLossPanel panel) {
  AutoCoefficient a;
  a.on = f.IsChecked(kAuto);
  if (!a.on) return a;
  const QString text = f.Text(kOrientation);
  bool known = false;
  for (size_t i = 0; i < std::size(kOrientations); ++i)
    if (text == QString::fromUtf8(kOrientations[i])) {
      a.orientation = kOrientationOf[i];
      known = true;
    }
  if (!known || !FitsPanel(a.orientation, panel)) {
    f.Message(panel == HeatLossPanel::Cylinder
                  ? QStringLiteral("円筒の向きは水平管か垂直管にしてください。")
                  : QStringLiteral("平板の向きは垂直壁か水平面にしてください。"));
    return std::nullopt;
  }
  a.wind = NumberOrZero(f, kWind);
  if (!(a.wind >= 0 && a.wind <= kMaxWind)) {
    f.Message(QStringLiteral("%1 '%2' は 0 以上 %3 以下の数にしてください。")
                  .arg(f.Text("WindSpeedCaption"), FieldRules::Quoted(f.Text(kWind)), NumberText(kMaxWind)));
    return std::nullopt;
  }
  if (panel == HeatLossPanel::Flat) {
    a.length = NumberOrZero(f, kLength);
    if (!f.IsEmpty(kLength) && !(a.length > 0)) {
      f.Message(QStringLiteral("高さ・長さは0より大きい値にしてください（空欄は面積の平方根）。"));
      return std::nullopt;
    }
  }
  return a;
}

bool WithinRange(Fields& f, long double T1, long double T2) {
  for (const long double T : {T1, T2})
    if (!(T > -HeatLossCalc::kKelvin && T <= kHighest)) {
      f.Message(
          QStringLiteral("自動や k(T) を使う計算の温度は -273.15 ℃ より高く 2000 ℃ 以下にしてください。"));
      return false;
    }
  return true;
}

LayerChanges LayersOf(Fields& f) {
  LayerChanges k;
  k.first = {NumberOrZero(f, kB1), NumberOrZero(f, kC1)};
  k.second = {NumberOrZero(f, kB2), NumberOrZero(f, kC2)};
  return k;
}

bool LayersConduct(Fields& f, HeatLossPanel panel, long double k1, const ConductivityChange& c1,
                   long double k2, const ConductivityChange& c2, long double T1, long double T2) {
  const struct {
    long double k0;
    const ConductivityChange& change;
    int layer;
  } layers[] = {{k1, c1, 1}, {k2, c2, 2}};
  for (const auto& l : layers) {
    if (SurfaceCalc::ConductivityPositive(HeatLossCalc::WithChange(l.k0, l.change), T1, T2)) continue;
    const long double lo = T1 < T2 ? T1 : T2, hi = T1 < T2 ? T2 : T1;
    f.Message(QStringLiteral("%1の熱伝導率 k(T) が %2～%3 ℃ で0以下になります。a, b, c を確かめてください。")
                  .arg(f.Text(LayerCaption(panel, l.layer)), RoundHundredths(lo), RoundHundredths(hi)));
    return false;
  }
  return true;
}

void ShowOuter(Fields& f, const SurfaceCalc::SurfaceConditions& c, long double surfaceC) {
  const SurfaceCalc::SurfaceParts p =
      SurfaceCalc::SurfaceCoefficient(c).PartsAtKelvin(surfaceC + HeatLossCalc::kKelvin);
  f.SetText(Surface::Coefficient, RoundHundredths(p.h));
  QString note =
      QStringLiteral("外面の対流熱伝達率 %1 W/(m2・℃)：表面 %2 ℃、膜温度 %3 ℃\n")
          .arg(RoundHundredths(p.h), RoundHundredths(surfaceC), RoundHundredths((surfaceC + c.airC) / 2));
  note += QStringLiteral("自然対流 %1（%2、代表長さ %3 m、Ra = %4）")
              .arg(RoundHundredths(p.natural), NaturalLaw(c.orientation), RoundedText(c.naturalLength, 4),
                   Exponent(p.Ra));
  if (p.thinCylinder) note += QStringLiteral("\n　細い垂直管：平板の式より放熱は大きくなります");
  const bool pipe =
      c.orientation == Orientation::HorizontalPipe || c.orientation == Orientation::VerticalPipe;
  if (c.wind > 0) {
    note += QStringLiteral("\n強制対流 %1（%2、風速 %3 m/s、長さ %4 m、Re = %5）\n合成 %6（Churchill 1977）")
                .arg(RoundHundredths(p.forced),
                     pipe ? QStringLiteral("円柱直交流 Churchill–Bernstein") : QStringLiteral("平板の平均"),
                     NumberText(c.wind), RoundedText(c.windLength, 4), Exponent(p.Re),
                     pipe ? QStringLiteral("(hn⁴ + hf⁴)^(1/4)") : QStringLiteral("(hn³ + hf³)^(1/3)"));
  } else {
    note += QStringLiteral("\n強制対流なし（無風）");
  }
  f.SetText(kOuterNote, note);
}

bool ShownAsZero(long double watts) { return fabsl(watts) < kShownAsZero; }

bool BalanceFound(Fields& f, long double total, long double inside, long double air,
                  const std::function<long double(long double h)>& withTypedCoefficient) {
  if (!ShownAsZero(total) || !(fabsl(inside - air) >= kAwayFromTheAir)) return true;
  // Layers that carry next to nothing (a conductivity of next to none) give
  // 0 W with an ordinary surface too: then 0 W is the answer.
  if (ShownAsZero(withTypedCoefficient(kOrdinaryCoefficient))) return true;
  SayNoBalance(f);
  return false;
}

void SayNoBalance(Fields& f) {
  f.Message(
      QStringLiteral("外表面の温度が外気の温度から離れず、熱の釣り合いが見つかりません（放熱量は 0 W "
                     "ではありません）。対流熱伝達率・風速が大き過ぎないか、層の厚さと熱伝導率を"
                     "確かめてください。"));
}

bool InnerAuto(Fields& f) { return f.IsChecked(kInnerAuto); }

std::optional<long double> InnerCoefficientOf(Fields& f, const HeatLossCalc::PipeFlowInputs& in) {
  SurfaceCalc::PipeFluid fluid;
  fluid.rho = in.rho;
  fluid.c = in.c;
  fluid.flow = in.V;
  fluid.Di = in.Di;
  fluid.viscosity = NumberOrZero(f, kViscosity);
  fluid.conductivity = NumberOrZero(f, kFluidConductivity);
  if (!(fluid.viscosity > 0) || !(fluid.conductivity > 0) || !(in.rho > 0) || !(in.c > 0) || !(in.Di > 0) ||
      in.V < 0) {
    f.Message(
        QStringLiteral("管内の熱伝達率を求めるには、流体の粘度と熱伝導率、密度、比熱、管内径を0より大きく、流"
                       "量を0以上にしてください。"));
    return std::nullopt;
  }
  const SurfaceCalc::PipeInnerParts p = SurfaceCalc::PipeInnerCoefficient(fluid);
  const long double h = p.h > kMaxCoefficient ? kMaxCoefficient : p.h;
  f.SetText(Surface::InnerCoefficient, RoundHundredths(h));
  QString note = QStringLiteral("管内の対流熱伝達率 %1 W/(m2・℃)：Re = %2、Pr = %3、Nu = %4（%5）")
                     .arg(RoundHundredths(h), Exponent(p.Re), RoundedText(p.Pr, 3), RoundedText(p.Nu, 2),
                          p.Re <= 2300   ? QStringLiteral("層流 Nu = 3.66")
                          : p.Re >= 1e4L ? QStringLiteral("乱流 Gnielinski")
                                         : QStringLiteral("遷移域 3.66 と Gnielinski の間"));
  if (p.h > kMaxCoefficient) note += QStringLiteral("\n　10000 を超えるため 10000 としました");
  f.SetText(kInnerNote, note);
  return h;
}

void Save(Form& f, std::span<const OptionCell> cells, HeatLossPanel panel) {
  // A cell keeps its text while it means what the control shows, so a store
  // whose options were never used is written as it was read. An empty value
  // and the panel's usual orientation are written as the blank an empty
  // field reads as.
  ConditionStore& s = f.Store();
  for (const OptionCell& c : cells) {
    const QString value = ValueOf(f, c.control).trimmed();
    if (value == Shown(s.GetCell(c.cell), c.control, panel)) continue;
    const bool usual = Is(c.control, kOrientation) && value == QString::fromUtf8(DefaultOrientation(panel));
    s.SetCell(c.cell, value.isEmpty() || usual ? QStringLiteral(" ") : value);
  }
}

void Back(Form& f, std::span<const OptionCell> cells, HeatLossPanel panel) {
  // Back has just put the typed coefficients into Edit17 and Edit69.
  f.Edit(Surface::Coefficient)->setReadOnly(false);
  f.Edit(Surface::InnerCoefficient)->setReadOnly(false);
  Box(f, kAuto)->setChecked(false);
  Box(f, kInnerAuto)->setChecked(false);
  f.SetText(kOrientation, QString::fromUtf8(DefaultOrientation(panel)));
  for (const OptionCell& c : cells) {
    const QString shown = Shown(f.Store().GetCell(c.cell), c.control, panel);
    if (IsCheck(c.control))
      Box(f, c.control)->setChecked(!shown.isEmpty());
    else
      f.SetText(c.control, shown);
  }
  FollowAuto(f);
  FollowInnerAuto(f);
}

bool Changed(Form& f, const ConditionStore& saved, std::span<const OptionCell> cells, HeatLossPanel panel) {
  for (const OptionCell& c : cells)
    if (ValueOf(f, c.control).trimmed() != Shown(saved.GetCell(c.cell), c.control, panel)) return true;
  return false;
}

void FollowAuto(Form& f) { Follow(f, kAuto, Surface::Coefficient, kTypedOuter); }
void FollowInnerAuto(Form& f) { Follow(f, kInnerAuto, Surface::InnerCoefficient, kTypedInner); }

}  // namespace SurfaceOptions
