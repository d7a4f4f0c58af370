#include "store/StockFiles.h"

#include <QFileInfo>

#include "foundation/Errors.h"
#include "foundation/NumberText.h"
#include "store/TextFile.h"

namespace StockFiles {

namespace {

struct Entry {
  QStringList values;
  int line;
};

// The lines that hold an entry, split at the commas.
std::vector<Entry> Entries(const QString& path) {
  std::vector<Entry> entries;
  const QStringList lines = TextFile::Read(path).lines;
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    entries.push_back({line.split(QLatin1Char(',')), i + 1});
  }
  return entries;
}

[[noreturn]] void Refuse(const QString& path, int line, const QString& what) {
  throw AppError(QStringLiteral("ファイル %1 の %2 行目: %3")
                     .arg(QFileInfo(path).fileName(), QString::number(line), what));
}

long double Thickness(const QString& path, const Entry& e) {
  long double mm = 0;
  if (!TryToNumber(e.values.value(0).trimmed(), mm) || !(mm > 0))
    Refuse(path, e.line, QStringLiteral("厚さ '%1' は 0 より大きい数（mm）にしてください。").arg(e.values.value(0)));
  return mm;
}

std::optional<long double> Cost(const QString& path, const Entry& e, int column) {
  const QString text = e.values.value(column).trimmed();
  if (text.isEmpty()) return std::nullopt;
  long double cost = 0;
  if (!TryToNumber(text, cost) || cost < 0)
    Refuse(path, e.line, QStringLiteral("施工費 '%1' は 0 以上の数にしてください。").arg(text));
  return cost;
}

}  // namespace

std::vector<long double> ReadThicknesses(const QString& path) {
  std::vector<long double> mm;
  for (const Entry& e : Entries(path)) {
    if (e.values.size() > 1 && !e.values[1].trimmed().isEmpty())
      Refuse(path, e.line, QStringLiteral("1 行に厚さを 1 つだけ書いてください。"));
    mm.push_back(Thickness(path, e));
  }
  return mm;
}

std::vector<CostLine> ReadCosts(const QString& path) {
  std::vector<CostLine> costs;
  for (const Entry& e : Entries(path)) {
    if (e.values.size() > 3)
      Refuse(path, e.line, QStringLiteral("「厚さ mm,1mあたりの施工費,1m2あたりの施工費」の 3 つまでにしてください。"));
    costs.push_back({Thickness(path, e), Cost(path, e, 1), Cost(path, e, 2), e.line});
  }
  return costs;
}

}  // namespace StockFiles
