// What a line takes where its cell and the list's block of defaults are
// both empty: the window's settings. In the window they are the fields as
// they stand (the surface panel's σ, ε and h, the economics page's price
// and factors) and the conditions the panels saved (the cylinder's tube and
// insulation for a pipe, the flat plate's structure and insulation for a
// flat surface); the command reads the same from the saved conditions
// (G1de-ta/heatwork.csv) and takes the economics page's factory values.
// The stock thicknesses, the costs and the material library are the
// engineer's files in G1de-ta, read at every run.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "store/MaterialLibrary.h"
#include "store/StockFiles.h"

class ConditionStore;

namespace Schedule {

struct WindowSettings {
  QString source;  // how the output names them: "画面の設定", "保存された条件（G1de-ta/heatwork.csv）"
  // σ as Edit15 shows it (its digits) and the store's factor.
  QString stefanBoltzmann, stefanBoltzmannFactor;
  QString emissivity, coefficient;               // ε, h (Edit16, Edit17)
  QString pipeWall, pipeWallK, pipeInsulationK;  // the cylinder's Edit34, Edit6, Edit7
  QString flatWall, flatWallK, flatInsulationK;  // the flat plate's Edit31, Edit29, Edit30
  QString price, efficiency, co2, years, rate;   // the economics page's
  // The engineer's files, and what could not be read of them (said in the
  // output; a line that needs what is missing names it).
  std::vector<long double> stock;
  std::vector<StockFiles::CostLine> costs;
  MaterialLibrary::Materials materials;
  MaterialLibrary::Jackets jackets;
  QString stockProblem, costsProblem;
  QStringList libraryProblems;
};

// The economics page's factory values (EconomicsPage): 12 円/kWh, 0.85, 0.2 kg/kWh, 10 年, 3 %.
void FactoryEconomics(WindowSettings& s);

// The fields' values the saved conditions hold; source says where they came from.
WindowSettings FromStore(const ConditionStore& store, const QString& source);

// Reads the stock thicknesses, the costs and the material library; path
// gives a file's path from its name as StockFiles.h and MaterialLibrary.h
// write it ("G1de-ta\\hoonzai_atsusa.csv"). What cannot be read is kept
// as the problem of that file.
void ReadEngineerFiles(WindowSettings& s, const std::function<QString(const QString&)>& path);

// The same for a working folder.
void ReadEngineerFiles(WindowSettings& s, const QString& folder);

}  // namespace Schedule
