// The folder the window works in.
//
// Beside the program (the build folder, or a copy of the program with its
// data) when its G1de-ta/ can be written: the program keeps its files there
// as it always has, and nothing here touches them.
//
// Otherwise (an installed program under /usr, read-only) the user's data
// folder: the files the program writes (the store G1de-ta/heatwork.csv,
// memo/, memocsv/) and the files the engineer edits (the insulation stock
// lists, the material library and the line list's template,
// G1de-ta/hoonzai_*.csv, G1de-ta/gaisou_zairyou.csv and
// G1de-ta/haikan_risuto.csv) live there, made from the shipped ones at the
// first start and never overwritten later. The shipped read-only files (the factory
// store G1de-ta/heatworkA.csv, siryou/, formtext/, text/) appear there as
// symbolic links into the shipped data, renewed at every start, so the window
// keeps one folder, reads them from the installation and sees an update of
// the program at once. Where the file system refuses links they are copied.
#pragma once

#include <QString>

namespace WorkingFolder {

struct Choice {
  QString folder;           // the folder the window gets (every path is folder + relative path)
  bool userFolder = false;  // true: the user's data folder, set up from the shipped data
  QString problem;          // what could not be set up, for a message; empty when all is well
};

// programDir: the executable's folder. installedData: where an installed
// program's shipped data lies (share/heatcalc beside bin/), used when the
// program's folder holds no G1de-ta/. userData: the user's data folder
// (QStandardPaths::AppDataLocation). Where no shipped data is found at all,
// the program's folder is returned as before, and the window reports the
// missing store as it always has.
Choice Choose(const QString& programDir, const QString& installedData, const QString& userData);

}  // namespace WorkingFolder
