#include "operations/fem/FemSolve.h"

#include "calc/fem/FemAssembly.h"
#include "calc/fem/FemFormula.h"
#include "calc/fem/FemPartners.h"
#include "foundation/Errors.h"
#include "foundation/NumberText.h"
#include "operations/fem/FemSheetHeaders.h"
#include "operations/memo/MemoControls.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

namespace {
QString ElementName(int k) { return QString::fromStdString(FemElementName(k)); }
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
