// The one table of named store cells against the calculators that write
// them: no cell has two names, every cell a row saves into is named, and a
// cell that two calculators write is one the table calls shared.
#include <gtest/gtest.h>

#include <QSet>
#include <QString>
#include <map>
#include <utility>

#include "operations/coefficient/InputMemory.h"
#include "operations/heating/HeatingRows.h"
#include "operations/heating/HeatingTables.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "store/StoreCells.h"

namespace {

using Position = std::pair<int, int>;

const NamedCell* Named(StoreCell c) {
  for (const NamedCell& n : kStoreCells)
    if (n.cell.column == c.column && n.cell.row == c.row) return &n;
  return nullptr;
}

TEST(StoreTable, EachCellHasOneNameAndCellsTwoCalculatorsWriteAreShared) {
  QSet<QString> names;
  std::map<Position, QString> byPosition;
  for (const NamedCell& n : kStoreCells) {
    EXPECT_FALSE(names.contains(QString::fromLatin1(n.name))) << "two cells named " << n.name;
    names.insert(QString::fromLatin1(n.name));
    const Position at{n.cell.column, n.cell.row};
    EXPECT_EQ(byPosition.count(at), 0u) << n.name << " and " << byPosition[at].toStdString() << " name one cell";
    byPosition[at] = QString::fromLatin1(n.name);
  }

  // Who writes each cell: the heat-loss rows' saved fields and option
  // cells, the heating blocks of each calculator's material, the
  // coefficient panel's memory.
  std::map<Position, QSet<QString>> writers;
  auto writes = [&](StoreCell c, const QString& who) { writers[{c.column, c.row}].insert(who); };
  for (const HeatLossCalculator* c : kHeatLossCalculators) {
    const QString who = QString::fromUtf8(c->name);
    for (const FieldBinding& b : c->fields)
      if (b.saved) writes(b.cell, who);
    for (const OptionCell& o : c->hooks.optionCells) writes(o.cell, who);
  }
  for (const heating::HeatingCalculatorRow& r : heating::HeatingCalculatorRows()) {
    const heating::Material m = r.code == Calculator::LiquidHeating  ? heating::Material::Liquid
                                : r.code == Calculator::SolidHeating ? heating::Material::Solid
                                                                     : heating::Material::Gas;
    const QString who = QString::fromUtf8(r.name);
    for (const heating::BlockCell& b : heating::BlockCells())
      if (b.saved) writes(b.In(m), who);
    if (heating::MaterialRowOf(m).lidSelector) writes(heating::MaterialRowOf(m).lid, who);
  }
  for (const StoreCell c : InputMemory::WrittenCells()) writes(c, QStringLiteral("熱伝達率計算"));

  for (const auto& [at, who] : writers) {
    const NamedCell* n = Named({at.first, at.second});
    const QString list = QStringList(who.values()).join(QStringLiteral(", "));
    ASSERT_NE(n, nullptr) << "cell (" << at.first << "," << at.second << ") of " << list.toStdString()
                          << " has no name";
    if (who.size() > 1) {
      EXPECT_TRUE(n->shared) << n->name << " is written by " << list.toStdString();
    }
  }
}

}  // namespace
