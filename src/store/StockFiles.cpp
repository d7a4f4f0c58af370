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

constexpr qsizetype kQuoted = 40;  // characters of a value a message quotes

// A value as a message quotes it: a line may be as long as the file.
QString Quoted(const QString& text) {
  return text.size() > kQuoted ? text.left(kQuoted) + QStringLiteral("…") : text;
}

// The lines that hold an entry, split at the commas; more than kMaxEntries
// of them are refused before any is read.
std::vector<Entry> Entries(const QString& path) {
  std::vector<Entry> entries;
  const QStringList lines = TextFile::Read(path).lines;
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    if (entries.size() == static_cast<size_t>(kMaxEntries))
      throw AppError(QStringLiteral("ファイル %1 の厚さの行が多過ぎます。%2 行までにしてください。")
                         .arg(QFileInfo(path).fileName(), QString::number(kMaxEntries)));
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
  if (!TryToNumber(e.values.value(0).trimmed(), mm) || !(mm >= kThinnestMm && mm <= kThickestMm))
    Refuse(path, e.line,
           QStringLiteral("厚さ '%1' は %2 mm 以上 %3 mm 以下の数にしてください。")
               .arg(Quoted(e.values.value(0)), NumberText(kThinnestMm), NumberText(kThickestMm)));
  return mm;
}

std::optional<long double> Cost(const QString& path, const Entry& e, int column) {
  const QString text = e.values.value(column).trimmed();
  if (text.isEmpty()) return std::nullopt;
  long double cost = 0;
  if (!TryToNumber(text, cost) || cost < 0)
    Refuse(path, e.line, QStringLiteral("施工費 '%1' は 0 以上の数にしてください。").arg(Quoted(text)));
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
