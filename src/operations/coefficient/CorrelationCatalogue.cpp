#include "operations/coefficient/CorrelationCatalogue.h"

namespace {

constexpr CorrelationGroup kSimple = CorrelationGroup::Simple;
constexpr CorrelationGroup kNatural = CorrelationGroup::NaturalConvection;
constexpr CorrelationGroup kForced = CorrelationGroup::ForcedConvection;
constexpr CorrelationGroup kFinWall = CorrelationGroup::FinAndWall;

const ItemText kNaturalShared[] = {
    {0, 1, "代表長さDL ｍ"},  {0, 2, "動粘性係数ν m2/s"}, {0, 3, "定圧比熱cp W・h/(kg・℃)"},
    {0, 4, "流体密度ρkg/m3"}, {0, 5, "熱伝導率λW/m℃"},    {2, 1, "表面温度T2 ℃"},
    {2, 2, "外気温度T1 ℃"},   {2, 3, "体積膨張率β1/ｋ"},
};

const ItemText kForcedShared[] = {
    {0, 0, "流速Ｕｍ/ｓ"},      {0, 1, "代表長さDL ｍ"},  {0, 2, "動粘性係数ν m2/s"},
    {0, 3, "定圧比熱cp W・h/(kg・℃)"}, {0, 4, "流体密度ρkg/m3"}, {0, 5, "熱伝導率λW/m℃"},
};

// The formula texts are shown as written, full-width characters, blanks and
// all. Entry 112 (liquid metals, Seban-Shimazaki) reads 0.025.
// clang-format off
const CorrelationEntry kCatalogue[] = {
  {"1", kSimple, "h=1.42*(⊿T/L)^1/4",
   {{0, 0, "表面温度T2 ℃"}, {0, 1, "外気温度T1 ℃"}, {0, 2, "代表長さL ｍ"}}},
  {"2", kSimple, "h=0.95*⊿T^1/3",
   {{0, 0, "表面温度T2 ℃"}, {0, 1, "外気温度T1 ℃"}}},
  {"3", kSimple, "h=1.32*(⊿T/d)^1/4",
   {{0, 0, "表面温度T2 ℃"}, {0, 1, "外気温度T1 ℃"}, {0, 2, "代表径d ｍ"}}},
  {"4", kSimple, "h=1.24*⊿T^1/3",
   {{0, 0, "表面温度T2 ℃"}, {0, 1, "外気温度T1 ℃"}}},
  {"5", kSimple, "h=1.32*(⊿T/L)^1/4",
   {{0, 0, "表面温度T2 ℃"}, {0, 1, "外気温度T1 ℃"}, {0, 2, "代表長さL ｍ"}}},
  {"6", kSimple, "h=1.24*⊿T^1/3",
   {{0, 0, "表面温度T2 ℃"}, {0, 1, "外気温度T1 ℃"}}},
  {"7", kSimple, "h=0.61*(⊿T/L^2)^1/5",
   {{0, 0, "表面温度T2 ℃"}, {0, 1, "外気温度T1 ℃"}, {0, 2, "代表長さL ｍ"}}},
  {"9", kSimple, "h=1.175*(⊿T/d)^1/4",
   {{0, 0, "表面温度T2 ℃"}, {0, 1, "外気温度T1 ℃"}, {0, 2, "直径d ｍ"}}},
  {"10", kSimple, "h=0.016*cp*(u*ρ)^0.8/D^0.2",
   {{0, 0, "定圧比熱cp kcal/kg℃"}, {0, 1, "平均流速u m/s"}, {0, 2, "流体密度ρkg/m3"}, {0, 3, "管径D ｍ"}}},
  {"11", kSimple, "h=3100*(1+0.015*t)*(u)^0.3*(D*100)^0.2",
   {{0, 0, "流体温度t ℃"}, {0, 1, "平均流速u m/s"}, {0, 2, "管径D ｍ"}}},
  {"12", kSimple, "h=3.26*(⊿T)^0.25*((u+0.348)/0.348)^0.5",
   {{0, 0, "表面温度T2 ℃"}, {0, 1, "外気温度T1 ℃"}, {0, 2, "風速u ｍ/s"}}},
  {"13", kSimple, "h=2.28*(⊿T)^0.25*((u+0.348)/0.348)^0.5",
   {{0, 0, "表面温度T2 ℃"}, {0, 1, "外気温度T1 ℃"}, {0, 2, "風速u ｍ/ｓ"}}},
  {"51", kNatural, "h=(4/3*0.51*Pr^1/2*Gr^1/4)/(0.95+Pr)^1/4*λ/L",
   {}},
  {"52", kNatural, "h=0.59*Ra^1/4*λ/L",
   {}},
  {"53", kNatural, "h=0.13*(Gr*Pr)^1/3*λ/L",
   {}},
  {"54", kNatural, "h=0.10*Ra^1/3*λ/L",
   {}},
  {"55", kNatural, "h=[0.825+0.387*(Grx*Pr)^(1/6)/{1+(0.495/Pr)^9/16}^8/27]^2*λ/L",
   {}},
  {"56", kNatural, "h=0.130*Rax^1/3*λ/L",
   {}},
  {"57", kNatural, "h=0.87*Rax^0.25*λ/L",
   {}},
  {"58", kNatural, "h=0.0245*Rax＾0.4*λ/L",
   {}},
  {"59", kNatural, "h=0.54*(Grx*Pr)^1/4*λ/L",
   {}},
  {"60", kNatural, "h=0.14*(Grx*Pr)^1/3*λ/L",
   {}},
  {"61", kNatural, "h=0.27*(Grx*Pr)^1/4*λ/L",
   {}},
  {"62", kNatural, "h=0.58*(Grx*Pr)^1/5*λ/L",
   {}},
  {"63", kNatural, "h=｛0.60+0.387*(Grd*Pr)^(1/6)/{1+(0.559/Pｒ)^9/16}^8/27}^2*λ/L",
   {}},
  {"64", kNatural, "h=0.53*(Grx*Pr)^1/4*λ/L",
   {}},
  {"65", kNatural, "h=0.126*(Grx*Pr)^1/3*λ/L",
   {}},
  {"66", kNatural, "h=(0.60+0.387*{Gr*Pr/[1+(0.559*Pr)^9/16]^16/9}^1/6)^2*λ/L",
   {}},
  {"69", kNatural, "h=0.22*{Pr*Ral/(0.2+Pr)}^0.28*(H/L)^(-1/4)*λ/L",
   {{2, 0, "長さX ｍ"}}},
  {"70", kNatural, "h=0.18*｛Pr*Ral/(0.2+Pr）)^0.29*λ/L",
   {}},
  {"71", kNatural, "h=1*λ/L",
   {}},
  {"74", kNatural, "h=Ｃ*Ra^ｎ*(Ｌ/ｄ)＾ｍ*λ/L",
   {{0, 0, "係数　Ｃ"}, {2, 0, "長さL ｍ"}, {2, 4, "係数　ｎ"}, {2, 5, "係数　ｍ"}}},
  {"75", kNatural, "h=0.42*(Ｇｒ*Ｐｒ)＾1/4*Ｐｒ＾0.012*(Ｌ/ｄ)＾-0.30*λ/L",
   {{2, 0, "長さL ｍ"}}},
  {"76", kNatural, "h=0.046*(Ｇｒ*Ｐｒ)＾1/3*λ/L",
   {}},
  {"77", kNatural, "h=2+0.43*(Grd*Pr)＾1/4*λ/L",
   {}},
  {"78", kNatural, "h=2+0.59*(Grd*Pr)＾1/4*λ/L",
   {}},
  {"101", kForced, "h=0.664 *Re^1/2*Pr^1/3*λ/L",
   {}},
  {"102", kForced, "h=0.037*Re^0.8*Pr^1/3*λ/L",
   {}},
  {"104", kForced, "h=3.66+0.0668（Rex*Pr*ｄ/x）/（1+0.04（Rex*Pr*d/x）＾2/3）*λ/d",
   {{2, 0, "長さX ｍ"}}},
  {"105", kForced, "h=1.62（Rex*Pr*ｄ/X）＾1/3*λ/d",
   {{2, 0, "長さX ｍ"}}},
  {"106", kForced, "h=0.578*Re^0.5Pr^1/3(ｄ/X)＾0.5*λ/d",
   {{2, 0, "長さX ｍ"}}},
  {"107", kForced, "h=1.86*(Red*Pr)^1/3*(d/X)^1/3*(μ/μ∞)^0.14*λ/d",
   {{2, 0, "長さX ｍ"}, {2, 1, "粘性係数μ "}, {2, 2, "壁面粘性係数μ∞ "}}},
  {"108", kForced, "h=0.023* Red^0.8* Pr^0.4*λ/d",
   {}},
  {"109", kForced, "h=0.023* Red^0.8* Pr^0.3*λ/d",
   {}},
  {"110", kForced, "h=0.023*Red＾0.8*Pr^1/3*λ/d",
   {}},
  {"111", kForced, "h=0.023**Red＾0.8*Pr^1/3*(μ/μw)^0.14*λ/d",
   {{2, 1, "粘性係数μ "}, {2, 2, "壁面粘性係数μw "}}},
  {"112", kForced, "h=5.0+0.025（Red*Pr）＾0.8*λ/d",
   {}},
  {"113", kForced, "h=0.0396*Red^0.75*Pr/（1+1.7Pr^(-1/4)*Red＾（-0.125）*（Pr-1））*λ/d",
   {}},
  {"114", kForced, "h=0.036*Red^0.8*Pr^1/3*(d/X)^0.055*λ/d",
   {{2, 0, "長さX ｍ"}}},
  {"116", kForced, "h=1.11*c*Red^m*Pr^1/3*λ/d",
   {{2, 1, "c"}, {2, 2, "m"}}},
  {"117", kForced, "h=[0.35+0.56*Ref^0.52]*Prf^0.3*λ/d",
   {}},
  {"120", kForced, "h=[0.35+0.47*Red^0.52]*Pr^0.3*λ/d",
   {}},
  {"121", kForced, "h=0.26*Red^0.6*Pr^0.3*λ/d",
   {}},
  {"122", kForced, "h=0.27*Ｒｅｄ＾0.6*Ｐｒ＾1/3*λ/d",
   {}},
  {"123", kForced, "h=0.37*Ref^0.6*λ/d",
   {}},
  {"124", kForced, "h=Pr^0.3*(0.97+0.68*Re^0.5)*λ/d",
   {}},
  {"125", kForced, "h=Pr^0.3*(μ/μ∞)^0.25*(1.2+0.53*Red^0.54)*λ/d",
   {{2, 1, "粘性係数μ "}, {2, 2, "壁面粘性係数μ∞ "}}},
  {"126", kForced, "h=2+[0.4*Red^1/2+0.06*Red^2/3]*Pr^0.4*(μ/μ∞)^1/4*λ/d",
   {{2, 1, "粘性係数μ "}, {2, 2, "壁面粘性係数μ∞ "}}},
  {"201", kFinWall, "H=ｍ*ｋ*｛sinｈ（m*L）+(h/m*k)*cosh(m*L)｝/｛cosh(m*L)+(h/m*k)*sinh(m*L)｝",
   {{0, 0, "伝達率h W/mk"}, {0, 1, "周長c m"}, {0, 2, "伝導率k W/m2k"}, {0, 3, "断面積s m2"}, {0, 4, "突き出しL m"}, {0, 5, "管径 m（円管）"}, {2, 0, "フィン厚さｔ m"}, {2, 1, "フィンピッチp m"}}},
  {"202", kFinWall, "Ｔｇ＝Ｔｓ+（Ｔｏ-Ｔｓ）*｛cosh(m*(L-x))+(h/m*k)*sinh(m*(L-x))｝/{cosh(m*L)+(h/m*k)*sinh(m*L)}",
   {{0, 0, "伝達率h W/mk"}, {0, 1, "周長c m"}, {0, 2, "伝導率k W/m2k"}, {0, 3, "断面積s m2"}, {0, 4, "突き出しL m"}, {2, 0, "位置X m"}, {2, 1, "外気温度Tｓ ℃"}, {2, 2, "根元温度To ℃"}}},
  {"203", kFinWall, "λ=t/(λ1/t1+λ2/t2+λ3/t3) ",
   {{0, 0, "t1 m"}, {0, 1, "t2 m"}, {0, 2, "t3 m"}, {0, 3, "λ1 W/m2k"}, {0, 4, "λ2 W/m2k"}, {0, 5, "λ3 W/m2k"}}},
  {"204", kFinWall, "λ=B*ln((D+2t)/D),1/B=1/B1+1/B2+1/B3,B1=λ1/ln((D+2t1)/D),1/B2= ",
   {{2, 0, "D m"}, {0, 0, "t1 m"}, {0, 1, "t2 m"}, {0, 2, "t3 m"}, {0, 3, "λ1 W/m2k"}, {0, 4, "λ2 W/m2k"}, {0, 5, "λ3 W/m2k"}}},
  {"205", kFinWall, "t=A*f(w)",
   {{0, 0, "w/cm2"}, {0, 1, "f(conc,T)"}, {0, 2, "時間Ｈ"}},
   {{1, 0, "8"}, {1, 1, "A"}, {1, 2, "2000"}}},
};
// clang-format on

}  // namespace

CorrelationGroup GroupOf(int n) {
  if (n >= 51 && n <= 100) return CorrelationGroup::NaturalConvection;
  if (n >= 101 && n <= 150) return CorrelationGroup::ForcedConvection;
  if (n >= 201 && n <= 250) return CorrelationGroup::FinAndWall;
  return CorrelationGroup::Simple;
}

std::span<const CorrelationEntry> CorrelationCatalogue() { return kCatalogue; }

const CorrelationEntry* FindCorrelation(CorrelationGroup group, const QString& number) {
  for (const CorrelationEntry& e : kCatalogue)
    if (e.group == group && number == QString::fromUtf8(e.number)) return &e;
  return nullptr;
}

std::span<const ItemText> SharedItems(CorrelationGroup group) {
  switch (group) {
    case CorrelationGroup::NaturalConvection:
      return kNaturalShared;
    case CorrelationGroup::ForcedConvection:
      return kForcedShared;
    default:
      return {};
  }
}
