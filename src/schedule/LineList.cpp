#include "schedule/LineList.h"

#include <QFile>
#include <QFileInfo>

namespace Schedule {

namespace {

bool Blank(const QStringList& cells) {
  for (const QString& c : cells)
    if (!c.trimmed().isEmpty()) return false;
  return true;
}

int NamedColumns(const QStringList& cells) {
  int n = 0;
  for (const QString& c : cells)
    if (ColumnOfHeader(c)) ++n;
  return n;
}

void ReadBlockRow(const Record& r, LineList& list) {
  const QString name = r.cells.value(0).trimmed();
  if (name.isEmpty() || name.startsWith(QLatin1Char('#')) || name.startsWith(QChar(0xFF03))) return;
  BlockValue v;
  v.name = name;
  v.text = r.cells.value(1).trimmed();
  v.row = r.row;
  for (int i = 1; i < r.cells.size(); ++i)
    if (!r.cells[i].trimmed().isEmpty()) v.values << r.cells[i].trimmed();
  // A criterion first: "ヒーター,2" is the runs of the criterion, not a heater's output.
  if (const std::optional<CriterionKind> k = CriterionOfName(name)) {
    list.criterionTargets[*k] = v;
  } else if (const std::optional<Column> c = ColumnOfHeader(name)) {
    list.columnDefaults[*c] = v;
  } else if (const std::optional<Setting> s = SettingOfName(name)) {
    list.settings[*s] = v;
  } else {
    list.notes << QStringLiteral("%1 行目「%2」は既定値の項目として知らない名前なので使いません。")
                      .arg(QString::number(r.row), name);
  }
}

}  // namespace

int LineList::IndexOf(Column c) const {
  for (size_t i = 0; i < columns.size(); ++i)
    if (columns[i] == c) return static_cast<int>(i);
  return -1;
}

ReadOutcome ReadLineList(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {std::nullopt, QStringLiteral("ファイル %1 は開けません").arg(path)};
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    return {std::nullopt, QStringLiteral("ファイル %1 は開けません").arg(path)};
  return ParseLineList(bytes, path);
}

ReadOutcome ParseLineList(const QByteArray& bytes, const QString& path) {
  const QString name = QFileInfo(path).fileName();
  const DecodedText decoded = Decode(bytes);
  if (!decoded.problem.isEmpty())
    return {std::nullopt, QStringLiteral("ファイル %1: %2").arg(name, decoded.problem)};
  LineList list;
  list.path = path;
  list.encoding = decoded.encoding;
  list.separator = DetectSeparator(decoded.text);
  std::vector<Record> records = SplitRecords(decoded.text, list.separator);
  bool empty = true;
  for (const Record& r : records)
    if (!Blank(r.cells)) empty = false;
  if (empty) return {std::nullopt, QStringLiteral("ファイル %1 は空です。").arg(name)};

  size_t at = 0;
  for (; at < records.size(); ++at) {
    const Record& r = records[at];
    if (NamedColumns(r.cells) >= 2) break;
    ReadBlockRow(r, list);
  }
  if (at == records.size())
    return {std::nullopt,
            QStringLiteral("ファイル %1 に見出しの行がありません。配管番号、呼び径、温度などの列の名前を"
                           "1行に並べてください（テンプレートの haikan_risuto.csv を参照）。")
                .arg(name)};

  const Record& header = records[at];
  list.headerRow = header.row;
  for (const QString& cell : header.cells) {
    list.header << cell.trimmed();
    std::optional<Column> c = ColumnOfHeader(cell);
    if (c && list.IndexOf(*c) >= 0) {
      list.notes << QStringLiteral("列「%1」は「%2」の2つ目の列なので計算には使わず、そのまま書き出します。")
                        .arg(cell.trimmed(), list.header[list.IndexOf(*c)]);
      c.reset();
    }
    list.columns.push_back(c);
  }
  for (size_t i = at + 1; i < records.size(); ++i)
    if (!Blank(records[i].cells)) list.lines.push_back(std::move(records[i]));
  if (list.lines.empty())
    return {std::nullopt, QStringLiteral("ファイル %1 には見出しの行（%2 行目）の下に配管の行がありません。")
                              .arg(name, QString::number(list.headerRow))};
  return {std::move(list), QString()};
}

}  // namespace Schedule
