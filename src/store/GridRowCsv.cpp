#include "store/GridRowCsv.h"

namespace GridRowCsv {

namespace {

bool NeedsQuotes(const QString& cell) {
  for (QChar c : cell)
    if (c.unicode() <= 32 || c == QLatin1Char('"') || c == QLatin1Char(',')) return true;
  return false;
}

bool IsBlank(QChar c) { return c.unicode() >= 1 && c.unicode() <= 32; }

// Places a field into the first empty cell; dropped when none is left.
void Place(QStringList& cells, const QString& field) {
  for (QString& cell : cells) {
    if (cell.isEmpty()) {
      cell = field.isEmpty() ? QStringLiteral(" ") : field;
      return;
    }
  }
}

}  // namespace

QString Write(const QStringList& cells) {
  if (cells.size() == 1 && cells[0].isEmpty()) return QStringLiteral("\"\"");
  QString line;
  for (int i = 0; i < cells.size(); ++i) {
    if (i > 0) line += QLatin1Char(',');
    const QString& cell = cells[i];
    if (NeedsQuotes(cell)) {
      line += QLatin1Char('"');
      for (QChar c : cell) {
        if (c == QLatin1Char('"')) line += QLatin1Char('"');
        line += c;
      }
      line += QLatin1Char('"');
    } else {
      line += cell;
    }
  }
  return line;
}

void Read(const QString& line, QStringList& cells) {
  for (QString& cell : cells) cell.clear();
  // A NUL character ends the line: nothing behind it is read.
  const int nul = static_cast<int>(line.indexOf(QChar(0)));
  const int n = nul < 0 ? static_cast<int>(line.size()) : nul;
  int i = 0;
  while (i < n && IsBlank(line[i])) ++i;
  while (i < n) {
    QString field;
    if (line[i] == QLatin1Char('"')) {
      ++i;
      while (i < n) {
        if (line[i] == QLatin1Char('"')) {
          if (i + 1 < n && line[i + 1] == QLatin1Char('"')) {
            field += QLatin1Char('"');
            i += 2;
            continue;
          }
          ++i;  // the closing quote
          break;
        }
        field += line[i++];
      }
    } else {
      const int start = i;
      while (i < n && line[i] != QLatin1Char(',') && line[i].unicode() > 32) ++i;
      field = line.mid(start, i - start);
    }
    Place(cells, field);
    while (i < n && IsBlank(line[i])) ++i;
    if (i < n && line[i] == QLatin1Char(',')) {
      ++i;
      while (i < n && IsBlank(line[i])) ++i;
    }
  }
}

}  // namespace GridRowCsv
