// The library of insulation and jacket materials the engineer can extend
// (G1de-ta, code page 932, one material a line; lines starting with '#'
// and empty lines are skipped):
//
//   hoonzai_zairyou.csv  name, form, density kg/m3, lowest ℃, highest ℃,
//                        source, then the conductivity either as
//                          式,a,b,c          k = a + b·T + c·T² (T in ℃;
//                                            b and c may be left empty)
//                          点,T1,k1,T2,k2,…  k at mean temperatures,
//                                            fitted to a, b, c on load
//   gaisou_zairyou.csv   name, emissivity, source
//
// A field may be quoted ("...") to hold commas. A line that cannot be read
// is reported with its line number and the rest still loads. An installed
// program copies both files into the user's folder once and never over
// the user's edits (WorkingFolder.h); the program reads them at every use.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "calc/surface/ConductivityFit.h"
#include "calc/surface/TemperatureConductivity.h"

namespace MaterialLibrary {

inline constexpr const char* kMaterials = "G1de-ta\\hoonzai_zairyou.csv";
inline constexpr const char* kJackets = "G1de-ta\\gaisou_zairyou.csv";

// What a field typed by hand shows in place of a material's name; no
// material may take it.
inline const QString kUserDefined = QStringLiteral("ユーザー定義");

enum class Form { PipeSection, Board, Blanket };

// 保温筒, 保温板, ブランケット.
QString FormText(Form form);

struct Material {
  QString name;
  Form form = Form::Board;
  long double density = 0;                 // kg/m3
  long double lowest = 0, highest = 0;     // service temperatures, ℃
  SurfaceCalc::TemperatureConductivity k;  // a, b, c
  // The mean temperatures and conductivities as the file gives them (empty
  // for a line of 式), from which k was fitted.
  std::vector<SurfaceCalc::ConductivityPoint> points;
  QString source;
  int line = 0;  // its line in the file, from 1
};

struct Jacket {
  QString name;
  long double emissivity = 0;
  QString source;
  int line = 0;
};

struct Materials {
  std::vector<Material> items;
  QStringList problems;  // "ファイル hoonzai_zairyou.csv の 12 行目: ..." for each line not read

  // The material of that name, or nullptr.
  const Material* Find(const QString& name) const;
  // The materials of a form, in the file's order.
  std::vector<const Material*> OfForm(Form form) const;
};

struct Jackets {
  std::vector<Jacket> items;
  QStringList problems;
  const Jacket* Find(const QString& name) const;
};

// Throw FileError when the file cannot be read. Each line is checked: a
// name (unique, not kUserDefined), a known form, a density above 0, a
// lowest below the highest service temperature, a source, and a
// conductivity that stays above 0 from the lowest to the highest service
// temperature; an emissivity above 0 and at most 1.
Materials ReadMaterials(const QString& path);
Jackets ReadJackets(const QString& path);

// A line of the file for the entry, as ReadMaterials reads it back (the
// points when it has them, else 式 with a, b and c).
QString Line(const Material& m);
QString Line(const Jacket& j);

}  // namespace MaterialLibrary
