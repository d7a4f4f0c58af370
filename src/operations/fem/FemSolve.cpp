#include "operations/fem/FemSolve.h"

#include <algorithm>
#include <vector>

#include "calc/fem/FemAssembly.h"
#include "calc/fem/FemFormula.h"
#include "calc/fem/FemPartners.h"
#include "foundation/Errors.h"
#include "foundation/NumberText.h"
#include "operations/common/MemoControls.h"
#include "operations/fem/FemSheetHeaders.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

namespace {
QString ElementName(int k) { return QString::fromStdString(FemElementName(k)); }

// What the plate takes: a conductivity above 0 up to that of the best
// conductors (diamond about 2000 W/m℃), sides above 0 up to a kilometre, a
// coefficient 0 (no heat passes) or above, a temperature above absolute
// zero. Beyond these the solve would answer with temperatures outside its
// boundaries' or stop at a bare floating-point fault.
constexpr long double kMaxConductivity = 10000;  // W/m℃
constexpr long double kMaxSide = 1E6L;           // mm
constexpr long double kMaxCoefficient = 1E6L;    // W/m2℃
constexpr long double kMaxTemperature = 1E5L;    // ℃
constexpr long double kAbsoluteZero = -273.15L;  // ℃

// The element or boundary of table row k, with the column: "要素 T1 の λ（熱伝導率 W/m℃）".
QString Where(const FemCells& s, int k, bool element, const char* column) {
  return QStringLiteral("%1 %2 の %3")
      .arg(element ? QStringLiteral("要素") : QStringLiteral("境界"), s.Text(1, k + 2),
           QString::fromUtf8(column));
}

// Refuses the first value of the table the plate cannot take, by its row's
// name and its column.
void CheckValues(const FemCells& s, const FemTable& t) {
  auto refuse = [&](int k, bool element, const char* column, int c, const QString& range) {
    throw AppError(QStringLiteral("%1 '%2' は %3の数にしてください。")
                       .arg(Where(s, k, element, column), s.Text(c, k + 2).left(40), range));
  };
  std::vector<bool> named(t.rows.size() + 1, false);
  for (int e = 1; e <= std::min<int>(t.m, t.rows.size()); ++e)
    for (const std::string& face : t.rows[e - 1].faces) named[t.Neighbour(face)] = true;
  const QString positive = QStringLiteral("0 より大きく %1 以下");
  const QString temperature = QStringLiteral("-273.15 より大きく %1 以下").arg(NumberText(kMaxTemperature));
  for (int k = 1; k <= static_cast<int>(t.rows.size()); ++k) {
    const FemTableRow& row = t.rows[k - 1];
    const FemRowKind kind = t.KindOf(k);
    if (kind == FemRowKind::Element) {
      if (!(row.column2 > 0 && row.column2 <= kMaxConductivity))
        refuse(k, true, "λ（熱伝導率 W/m℃）", 2, positive.arg(NumberText(kMaxConductivity)));
      if (!(row.column3 > 0 && row.column3 <= kMaxSide))
        refuse(k, true, "Ａ（よこ mm）", 3, positive.arg(NumberText(kMaxSide)));
      if (!(row.column4 > 0 && row.column4 <= kMaxSide))
        refuse(k, true, "Ｂ（たて mm）", 4, positive.arg(NumberText(kMaxSide)));
    } else if (kind == FemRowKind::Convective && named[k]) {
      if (!(row.column2 >= 0 && row.column2 <= kMaxCoefficient))
        refuse(k, false, "熱伝達率 W/m2℃", 2,
               QStringLiteral("0 以上 %1 以下").arg(NumberText(kMaxCoefficient)));
      if (!(row.column3 > kAbsoluteZero && row.column3 <= kMaxTemperature))
        refuse(k, false, "温度 ℃", 3, temperature);
    } else if ((kind == FemRowKind::Fixed && named[k]) || t.FixedElementOf(k) != 0) {
      // A fixed boundary, or an element's own fixed temperature.
      if (!(row.column3 > kAbsoluteZero && row.column3 <= kMaxTemperature))
        refuse(k, t.FixedElementOf(k) != 0, "温度 ℃", 3, temperature);
    }
  }
}

}  // namespace

FemCells FemSolve::Cells() const { return FemCells(*f.Grid(Memos::GridMemo)); }

bool FemSolve::CheckFemPartners() {
  FemCells s = Cells();
  const int m = s.Integer(1, 1);
  const int l = s.Integer(2, 1);
  const int o = s.Integer(4, 1);
  const int v = s.NamedRows();
  s.Set(6, 0, QString::number(v));

  const FemTable table = s.ReadNames(m, l, o, v);
  const int e = FemPartners::FirstUnmatched(table);
  if (e != 0) {
    f.Message(FemSheetTexts::CheckPartner(s.Text(1, e + 2)));
    return false;
  }
  // The headers stand where the assembly writes the block.
  for (int k = 1; k <= m; ++k) {
    s.Set(1, v + k + 4, ElementName(k));
    s.Set(k + 1, v + 4, ElementName(k));
  }
  return true;
}

FemTable FemSolve::AssembleFemSystem() {
  FemCells s = Cells();
  int thickness = 5;
  if (s.Blank(0, 4)) {
    s.Set(0, 4, QStringLiteral("5"));
  } else {
    thickness = s.Integer(0, 4);
    if (thickness < 1) throw ConversionError(FemSheetTexts::BadThickness(s.Text(0, 4)));
  }
  const int m = s.Integer(1, 1);
  const int l = s.Integer(2, 1);
  const int o = s.Integer(4, 1);
  const int v = s.Integer(6, 0);

  FemTable table = s.ReadNames(m, l, o, v);
  table.thickness = thickness;
  s.ReadNumbers(table);
  CheckValues(s, table);
  const FemSystem system = FemAssembly::Assemble(table);

  for (int e = 1; e <= m; ++e) {
    const int r = v + 4 + e;
    for (int k = 1; k <= m; ++k) s.Set(k + 1, r, NumberText(system.g[e - 1][k - 1]));
    s.Set(m + 2, r, QString());
    s.Set(m + 3, r, NumberText(system.b[e - 1]));
  }
  return table;
}

void FemSolve::FemSolveFormula() {
  FemCells s = Cells();
  const int m = s.Integer(1, 1);
  s.Integer(3, 1);  // must hold an integer, as the run wrote it
  const int v = s.Integer(6, 0);
  s.Set(m + 5, v + 3, QString::fromStdString(FemFormula::SolveText(m, v)));
}
