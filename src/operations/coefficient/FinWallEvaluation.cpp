#include "operations/coefficient/FinWallEvaluation.h"

#include <utility>

#include "foundation/NumberText.h"
#include "calc/numeric/Rounding.h"
#include "widgets/Form.h"
#include "calc/coefficient/FinAndWall.h"
#include "operations/coefficient/ItemGrid.h"

namespace {

const QString kUnknownCondition = QStringLiteral("硬度1000ｍｇ/ｌ程度、沸騰100℃の条件Ａ以外不明です");

QString R2(long double x) { return RoundedText(x, 2); }

// The fin values h, c, k, s, L of rows 0 to 4.
struct FinValues {
  long double h, c, k, s, L;
};
FinValues ReadFin(const ItemGrid& g) {
  FinValues v{};
  v.h = g.Number(1, 0);
  v.c = g.Number(1, 1);
  v.k = g.Number(1, 2);
  v.s = g.Number(1, 3);
  v.L = g.Number(1, 4);
  return v;
}
Fin FinOf(const FinValues& v) { return FinCoefficient(v.h, v.c, v.k, v.s, v.L); }

}  // namespace

FinWallEvaluation::FinWallEvaluation(Form& form, ItemGrid& grid) : f(form), grid_(grid) {}

void FinWallEvaluation::ApplyTubeDiameterRule() {
  if (!grid_.IsBlank(1, 5)) {
    grid_.Set(2, 0, QStringLiteral("フィン厚さｔ m"));
    grid_.Set(2, 1, QStringLiteral("フィンピッチp m"));
    return;
  }
  for (int r : {0, 1}) {
    grid_.Set(2, r, QString());
    grid_.Set(3, r, QString());
  }
}

void FinWallEvaluation::Evaluate(const QString& number) {
  using Op = void (FinWallEvaluation::*)();
  static const std::pair<const char*, Op> kEntries[] = {
      {"201", &FinWallEvaluation::FinCoefficient201}, {"202", &FinWallEvaluation::FinTemperature202},
      {"203", &FinWallEvaluation::LayeredWall203},    {"204", &FinWallEvaluation::LayeredCylinder204},
      {"205", &FinWallEvaluation::Scale205},
  };
  for (const auto& [key, op] : kEntries)
    if (number == QLatin1String(key)) (this->*op)();
}

// Writes the results (row, text) into column 3, then the captions of rows
// 2 to 5 into column 2 (nullptr leaves a caption as it is).
void FinWallEvaluation::WriteResults(std::initializer_list<std::pair<int, QString>> rows,
                                     std::initializer_list<const char*> captions) {
  for (const auto& [row, text] : rows) grid_.Set(3, row, text);
  int row = 2;
  for (const char* caption : captions) {
    if (caption) grid_.Set(2, row, QString::fromUtf8(caption));
    ++row;
  }
}

void FinWallEvaluation::FinCoefficient201() {
  const FinValues v = ReadFin(grid_);
  const Fin fin = FinOf(v);
  grid_.Set(3, 2, R2(fin.m));
  if (!grid_.IsBlank(1, 5)) {
    const long double D = grid_.Number(1, 5);
    const long double Ht = TubeFinCoefficient(v.L, D, fin.H);
    grid_.Set(3, 4, R2(Ht));
    const long double t = grid_.Number(3, 0);
    const long double p = grid_.Number(3, 1);
    // The average is formed from the tube coefficient as shown.
    grid_.Set(3, 5, R2(TubeFinAverage(Rounding::To(Ht, 2), t, p, v.h)));
  }
  WriteResults({{3, R2(fin.H)}}, {"ｍ", "仮想H", "仮想H　円管", "円管平均近似値H"});
}

void FinWallEvaluation::FinTemperature202() {
  const FinValues v = ReadFin(grid_);
  long double X = grid_.Number(3, 0);
  // A position beyond the tip is taken as the tip.
  if (X > v.L) {
    X = v.L;
    grid_.Set(3, 0, NumberText(v.L));
  }
  const long double Ts = grid_.Number(3, 1);
  const long double To = grid_.Number(3, 2);
  const Fin fin = FinOf(v);
  const long double Tx = FinTemperature(fin, v.L, X, Ts, To);
  WriteResults({{3, R2(fin.m)}, {4, R2(fin.H)}, {5, R2(Tx)}}, {nullptr, "ｍ", "仮想H", "X位置温度℃"});
}

void FinWallEvaluation::LayeredWall203() {
  long double v[6];
  for (int r = 0; r < 6; ++r) v[r] = grid_.Number(1, r);
  const LayeredWall w = LayeredWallConductivity(v[0], v[1], v[2], v[3], v[4], v[5]);
  WriteResults({{2, NumberText(w.t)}, {3, R2(w.lambda)}}, {"t m", "λ W/m2k"});
}

void FinWallEvaluation::LayeredCylinder204() {
  const long double D = grid_.Number(3, 0);
  long double v[6];
  for (int r = 0; r < 6; ++r) v[r] = grid_.Number(1, r);
  const LayeredWall w = LayeredCylinderConductivity(D, v[0], v[1], v[2], v[3], v[4], v[5]);
  WriteResults({{2, NumberText(w.t)}, {3, R2(w.lambda)}}, {"t m", "λ W/m2k"});
}

void FinWallEvaluation::Scale205() {
  const long double w = grid_.Number(1, 0);
  const long double hours = grid_.Number(1, 2);
  // Only condition A (hardness about 1000 mg/l, boiling at 100 ℃) has data.
  if (grid_.Text(1, 1) != QStringLiteral("A")) {
    f.Message(kUnknownCondition);
    return;
  }
  WriteResults({{2, R2(ScaleThickness(w, hours))}}, {"スケール厚さ mm"});
}

void FinWallEvaluation::EvaluateFinOnly() {
  const Fin fin = FinOf(ReadFin(grid_));
  WriteResults({{3, R2(fin.m)}, {4, R2(fin.H)}}, {nullptr, "ｍ", "仮想H"});
}
