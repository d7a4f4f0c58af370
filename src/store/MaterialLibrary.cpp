#include "store/MaterialLibrary.h"

#include <QFileInfo>

#include "foundation/NumberText.h"
#include "store/GridRowCsv.h"
#include "store/TextFile.h"

namespace MaterialLibrary {

namespace {

const QString kFormula = QStringLiteral("式");
const QString kPoints = QStringLiteral("点");

// The fields of a line split at its commas; a field in double quotes may
// hold commas and doubled quotes. Blanks around a field are dropped.
QStringList Fields(const QString& line) {
  QStringList fields;
  QString field;
  bool quoted = false, wasQuoted = false;
  for (int i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quoted) {
      if (c == QLatin1Char('"')) {
        if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
          field += c;
          ++i;
        } else {
          quoted = false;
        }
      } else {
        field += c;
      }
    } else if (c == QLatin1Char('"') && field.trimmed().isEmpty() && !wasQuoted) {
      quoted = wasQuoted = true;
      field.clear();
    } else if (c == QLatin1Char(',')) {
      fields << (wasQuoted ? field : field.trimmed());
      field.clear();
      wasQuoted = false;
    } else if (!wasQuoted) {
      field += c;
    }
  }
  fields << (wasQuoted ? field : field.trimmed());
  return fields;
}

// A line's fields with its number, for the lines that hold an entry.
struct Entry {
  QStringList fields;
  int line;
};

std::vector<Entry> Entries(const QString& path) {
  std::vector<Entry> entries;
  const QStringList lines = TextFile::Read(path).lines;
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    QStringList fields = Fields(line);
    while (!fields.isEmpty() && fields.last().isEmpty())
      fields.removeLast();  // a spreadsheet's trailing commas
    entries.push_back({fields, i + 1});
  }
  return entries;
}

// A line that cannot be read: its message, naming the file and the line.
struct Refusal {
  QString text;
};

QString Problem(const QString& path, int line, const QString& what) {
  return QStringLiteral("ファイル %1 の %2 行目: %3")
      .arg(QFileInfo(path).fileName(), QString::number(line), what);
}

long double Number(const QStringList& f, int i, const QString& field) {
  long double x = 0;
  if (!TryToNumber(f.value(i), x))
    throw Refusal{QStringLiteral("%1 '%2' は数ではありません。").arg(field, f.value(i))};
  return x;
}

// An empty field reads as 0 (b and c of a formula).
long double NumberOrZero(const QStringList& f, int i, const QString& field) {
  return f.value(i).isEmpty() ? 0 : Number(f, i, field);
}

Form FormOf(const QString& text) {
  if (text == QStringLiteral("保温筒")) return Form::PipeSection;
  if (text == QStringLiteral("保温板")) return Form::Board;
  if (text == QStringLiteral("ブランケット")) return Form::Blanket;
  throw Refusal{
      QStringLiteral("形状 '%1' は 保温筒、保温板、ブランケット のどれかにしてください。").arg(text)};
}

QString Name(const QStringList& f) {
  const QString name = f.value(0);
  if (name.isEmpty()) throw Refusal{QStringLiteral("名称がありません。")};
  if (name == kUserDefined)
    throw Refusal{QStringLiteral("名称「%1」は手入力の値の表示に使うので、材料の名称にはできません。")
                      .arg(kUserDefined)};
  return name;
}

Material ReadMaterial(const QStringList& f) {
  Material m;
  m.name = Name(f);
  m.form = FormOf(f.value(1));
  m.density = Number(f, 2, QStringLiteral("密度"));
  if (!(m.density > 0)) throw Refusal{QStringLiteral("密度は 0 より大きい数（kg/m3）にしてください。")};
  m.lowest = Number(f, 3, QStringLiteral("最低使用温度"));
  m.highest = Number(f, 4, QStringLiteral("最高使用温度"));
  if (!(m.lowest < m.highest) || m.lowest < -273.15L)
    throw Refusal{QStringLiteral("最低使用温度は -273.15 ℃以上で、最高使用温度より低くしてください。")};
  m.source = f.value(5);
  if (m.source.isEmpty()) throw Refusal{QStringLiteral("出典がありません。")};
  const QString kind = f.value(6);
  if (kind == kFormula) {
    if (f.size() > 10) throw Refusal{QStringLiteral("「式」の後は a,b,c の 3 つまでにしてください。")};
    m.k = {Number(f, 7, QStringLiteral("熱伝導率 a")), NumberOrZero(f, 8, QStringLiteral("b")),
           NumberOrZero(f, 9, QStringLiteral("c"))};
  } else if (kind == kPoints) {
    if (f.size() < 9 || (f.size() - 7) % 2 != 0)
      throw Refusal{QStringLiteral("「点」の後は 平均温度 ℃,熱伝導率 の組を 1 つ以上並べてください。")};
    for (int i = 7; i + 1 < f.size(); i += 2) {
      const SurfaceCalc::ConductivityPoint p{Number(f, i, QStringLiteral("平均温度")),
                                             Number(f, i + 1, QStringLiteral("熱伝導率"))};
      if (!(p.k > 0))
        throw Refusal{QStringLiteral("熱伝導率 '%1' は 0 より大きくしてください。").arg(f.value(i + 1))};
      m.points.push_back(p);
    }
    const std::optional<SurfaceCalc::TemperatureConductivity> fit = SurfaceCalc::FitConductivity(m.points);
    if (!fit) throw Refusal{QStringLiteral("同じ平均温度に違う熱伝導率があります。")};
    m.k = *fit;
  } else {
    throw Refusal{QStringLiteral("熱伝導率の与え方 '%1' は「式」か「点」にしてください。").arg(kind)};
  }
  if (!SurfaceCalc::ConductivityPositive(m.k, m.lowest, m.highest))
    throw Refusal{QStringLiteral("熱伝導率が使用温度の範囲（%1～%2 ℃）で 0 以下になります。")
                      .arg(NumberText(m.lowest), NumberText(m.highest))};
  return m;
}

Jacket ReadJacket(const QStringList& f) {
  Jacket j;
  j.name = Name(f);
  j.emissivity = Number(f, 1, QStringLiteral("放射率"));
  if (!(j.emissivity > 0 && j.emissivity <= 1))
    throw Refusal{QStringLiteral("放射率は 0 より大きく 1 以下にしてください。")};
  j.source = f.value(2);
  if (j.source.isEmpty()) throw Refusal{QStringLiteral("出典がありません。")};
  if (f.size() > 3) throw Refusal{QStringLiteral("「名称,放射率,出典」の 3 つにしてください。")};
  return j;
}

// Reads every entry of the file with read, keeping the first of each name.
template <class Item, class List, class ReadItem>
List ReadAll(const QString& path, ReadItem read) {
  List list;
  for (const Entry& e : Entries(path)) {
    try {
      Item item = read(e.fields);
      if (list.Find(item.name))
        throw Refusal{QStringLiteral("名称「%1」はもう使われています。").arg(item.name)};
      item.line = e.line;
      list.items.push_back(std::move(item));
    } catch (const Refusal& r) {
      list.problems << Problem(path, e.line, r.text);
    }
  }
  return list;
}

template <class Item>
const Item* FindIn(const std::vector<Item>& items, const QString& name) {
  for (const Item& item : items)
    if (item.name == name) return &item;
  return nullptr;
}

}  // namespace

QString FormText(Form form) {
  switch (form) {
    case Form::PipeSection:
      return QStringLiteral("保温筒");
    case Form::Board:
      return QStringLiteral("保温板");
    case Form::Blanket:
      break;
  }
  return QStringLiteral("ブランケット");
}

const Material* Materials::Find(const QString& name) const { return FindIn(items, name); }

std::vector<const Material*> Materials::OfForm(Form form) const {
  std::vector<const Material*> found;
  for (const Material& m : items)
    if (m.form == form) found.push_back(&m);
  return found;
}

const Jacket* Jackets::Find(const QString& name) const { return FindIn(items, name); }

Materials ReadMaterials(const QString& path) { return ReadAll<Material, Materials>(path, ReadMaterial); }

Jackets ReadJackets(const QString& path) { return ReadAll<Jacket, Jackets>(path, ReadJacket); }

QString Line(const Material& m) {
  QStringList cells{
      m.name, FormText(m.form), NumberText(m.density), NumberText(m.lowest), NumberText(m.highest), m.source};
  if (m.points.empty()) {
    cells << kFormula << NumberText(m.k.a) << NumberText(m.k.b) << NumberText(m.k.c);
  } else {
    cells << kPoints;
    for (const SurfaceCalc::ConductivityPoint& p : m.points) cells << NumberText(p.T) << NumberText(p.k);
  }
  return GridRowCsv::Write(cells);
}

QString Line(const Jacket& j) { return GridRowCsv::Write({j.name, NumberText(j.emissivity), j.source}); }

}  // namespace MaterialLibrary
