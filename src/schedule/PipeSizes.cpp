#include "schedule/PipeSizes.h"

#include <QFileInfo>

#include "foundation/Errors.h"
#include "foundation/NumberText.h"
#include "schedule/ListText.h"
#include "store/TextFile.h"

namespace Schedule {

namespace {

// The text half-width and upper case, the vulgar fractions written out
// ("1½" -> "1 1/2"), the fraction slash as "/".
QString Plain(const QString& text) {
  QString s = text;
  const struct {
    char16_t glyph;
    const char* written;
  } fractions[] = {{0x00BD, " 1/2"}, {0x00BC, " 1/4"}, {0x00BE, " 3/4"}, {0x215B, " 1/8"},
                   {0x215C, " 3/8"}, {0x215D, " 5/8"}, {0x215E, " 7/8"}};
  for (const auto& f : fractions) s.replace(QChar(f.glyph), QString::fromLatin1(f.written));
  s = s.normalized(QString::NormalizationForm_KC).toUpper();
  s.replace(QChar(0x2044), QLatin1Char('/'));
  return s.simplified();
}

bool Whole(const QString& text, int& value) {
  bool ok = false;
  value = text.toInt(&ok);
  return ok && value >= 0 && !text.startsWith(QLatin1Char('+'));
}

// A B size in eighths of an inch: "1/2" 4, "1 1/4" and "1-1/4" 10, "2" 16, "1.5" 12.
std::optional<int> Eighths(QString s) {
  s = s.trimmed();
  const qsizetype slash = s.indexOf(QLatin1Char('/'));
  if (slash < 0) {
    long double inches = 0;
    if (!TryToNumber(s, inches) || !(inches > 0)) return std::nullopt;
    const long double e = inches * 8;
    if (e != static_cast<long double>(static_cast<int>(e))) return std::nullopt;
    return static_cast<int>(e);
  }
  int whole = 0;
  QString fraction = s;
  qsizetype space = slash;
  while (space >= 0 && s[space] != QLatin1Char(' ') && s[space] != QLatin1Char('-') &&
         s[space] != QChar(0x30FB))
    --space;
  if (space >= 0) {
    if (!Whole(s.left(space).trimmed(), whole)) return std::nullopt;
    fraction = s.mid(space + 1).trimmed();
  }
  const QStringList parts = fraction.split(QLatin1Char('/'));
  int num = 0, den = 0;
  if (parts.size() != 2 || !Whole(parts[0], num) || !Whole(parts[1], den) || den == 0 || 8 % den != 0)
    return std::nullopt;
  return whole * 8 + num * (8 / den);
}

}  // namespace

PipeSizes PipeSizes::Read(const QString& path) {
  return FromLines(TextFile::Read(path).lines, QFileInfo(path).fileName());
}

PipeSizes PipeSizes::FromLines(const QStringList& lines, const QString& fileName) {
  PipeSizes t;
  // The title, the source and the header come first.
  for (int i = 3; i < lines.size(); ++i) {
    if (lines[i].trimmed().isEmpty()) continue;
    const std::vector<Record> records = SplitRecords(lines[i], QLatin1Char(','));
    const QStringList cells = records.empty() ? QStringList() : records.front().cells;
    Row row;
    const QString a = Plain(cells.value(0));
    const QString b = Plain(cells.value(1));
    long double mm = 0;
    const std::optional<int> eighths = b.endsWith(QLatin1Char('B')) ? Eighths(b.chopped(1)) : std::nullopt;
    if (!a.endsWith(QLatin1Char('A')) || !Whole(a.chopped(1), row.a) || !eighths ||
        !TryToNumber(cells.value(2).trimmed(), mm) || !(mm > 0))
      throw AppError(QStringLiteral("ファイル %1 の %2 行目: 「呼び径 A,呼び径 B,外径 mm」にしてください。")
                         .arg(fileName, QString::number(i + 1)));
    row.eighths = *eighths;
    row.mm = cells.value(2).trimmed();
    t.rows_.push_back(row);
  }
  return t;
}

PipeSizes::Lookup PipeSizes::OuterDiameter(const QString& size) const {
  QString s = Plain(size);
  if (s.startsWith(QStringLiteral("DN"))) s = s.mid(2).trimmed() + QLatin1Char('A');
  const QString unknown = QStringLiteral("呼び径 '%1' は鋼管の外径の表（%2）にありません。").arg(size, kFile);
  if (s.endsWith(QLatin1Char('A'))) {
    int a = 0;
    if (!Whole(s.chopped(1).trimmed(), a)) return {std::nullopt, unknown};
    for (const Row& r : rows_)
      if (r.a == a) return {r.mm, {}};
    return {std::nullopt, unknown};
  }
  if (s.endsWith(QLatin1Char('B')) || s.endsWith(QLatin1Char('"'))) {
    const std::optional<int> e = Eighths(s.chopped(1));
    if (e)
      for (const Row& r : rows_)
        if (r.eighths == *e) return {r.mm, {}};
    return {std::nullopt, unknown};
  }
  return {std::nullopt,
          QStringLiteral(
              "呼び径 '%1' には A か B を付けてください（15A、1/2B）。外径なら「外径 mm」の列に書きます。")
              .arg(size)};
}

}  // namespace Schedule
