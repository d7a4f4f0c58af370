#include "store/StoreFile.h"

#include <algorithm>
#include <cmath>

#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"
#include "store/ConditionStore.h"
#include "store/GridRowCsv.h"
#include "store/StoreCells.h"
#include "store/StoreFileWatch.h"
#include "store/TextFile.h"

namespace StoreFile {
namespace {

bool LoadRead(ConditionStore& store, TextFile::ReadResult file, Damage* damage) {
  if (!file.validCp932)
    for (QString& line : file.lines) line.replace(QChar(0xFFFD), QLatin1Char('?'));
  store.LoadLines(file.lines);
  if (damage) *damage = Check(file.lines, store);
  return file.validCp932;
}

// The store's numbers that every calculator reads, with their sane range.
struct NumberCell {
  StoreCell cell;
  const char* name;
  long double low, high;  // inclusive; high: no upper bound when infinite
};

const NumberCell kNumberCells[] = {
    {StoreCells::kStefanBoltzmannDigits, "ステファン・ボルツマン定数 σ", 1e-300L, INFINITY},
    {StoreCells::kStefanBoltzmannFactor, "σ の倍率", 1e-300L, INFINITY},
    {StoreCells::kEmissivity, "放射率 ε", 0, 1},
    {StoreCells::kConvectiveCoefficient, "熱伝達率 h", 0, INFINITY},
};

}  // namespace

Damage Check(const QStringList& lines, const ConditionStore& store) {
  const auto blank = [](const QString& line) { return line.trimmed().isEmpty(); };
  if (std::all_of(lines.begin(), lines.end(), blank)) return {1, QStringLiteral("ファイルが空です")};
  QStringList cells(ConditionStore::kColumns);
  const int rows = std::min(static_cast<int>(lines.size()), ConditionStore::kSavedRows);
  for (int r = 0; r < rows; ++r) {
    GridRowCsv::Read(lines[r], cells);
    bool numbered = true;
    if (r == 0) {
      for (int c = 1; c < ConditionStore::kColumns; ++c)
        numbered = numbered && cells[c].trimmed() == QString::number(c);
    } else {
      numbered = cells[0].trimmed() == QString::number(r);
    }
    if (!numbered)
      return {r + 1, r == 0 ? QStringLiteral("列の番号 1～6 がありません")
                            : QStringLiteral("行の始めに番号 %1 がありません").arg(r)};
  }
  if (lines.size() < ConditionStore::kSavedRows)
    return {static_cast<int>(lines.size()) + 1,
            QStringLiteral("ファイルが途中で切れています（%1 行のうち %2 行しかありません）")
                .arg(ConditionStore::kSavedRows)
                .arg(lines.size())};
  FloatFaults::Keep keep;
  for (const NumberCell& n : kNumberCells) {
    const QString text = store.GetCell(n.cell);
    long double value = 0;
    const QString name = QString::fromUtf8(n.name);
    if (!TryToNumber(text, value) || !std::isfinite(value))
      return {n.cell.row + 1, QStringLiteral("%1 の値「%2」が数値ではありません").arg(name, text.trimmed())};
    if (value < n.low || value > n.high)
      return {n.cell.row + 1, QStringLiteral("%1 の値「%2」は範囲外です").arg(name, text.trimmed())};
  }
  return {};
}

bool Load(ConditionStore& store, const QString& path) {
  return LoadRead(store, TextFile::Read(path), nullptr);
}

bool Load(ConditionStore& store, StoreFileWatch& watch, const QString& path, Damage* damage) {
  return LoadRead(store, watch.Read(path), damage);
}

}  // namespace StoreFile
