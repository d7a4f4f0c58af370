// The insulation stock files the engineer edits (G1de-ta, code page 932):
// the stock thicknesses for the thickness solve and the installed cost of
// each for the economic thickness. One entry a line; lines starting with
// '#' and empty lines are skipped.
//
//   hoonzai_atsusa.csv  thickness mm
//   hoonzai_hiyou.csv   thickness mm, cost per m, cost per m2
//
// The program reads them at every use, so an edit counts at once. An
// installed program copies them into the user's folder at its first start
// (WorkingFolder.h) and never over the user's edits.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace StockFiles {

inline constexpr const char* kThicknesses = "G1de-ta\\hoonzai_atsusa.csv";
inline constexpr const char* kCosts = "G1de-ta\\hoonzai_hiyou.csv";

// A stock thickness lies within these, mm: the solves work to 0.1 mm, and
// no insulation is laid thicker than a metre.
inline constexpr long double kThinnestMm = 0.1L;
inline constexpr long double kThickestMm = 1000;
// A list holds at most this many entries: each is a forward run of the
// calculator in the economic table.
inline constexpr int kMaxEntries = 10000;

struct CostLine {
  long double mm = 0;
  // Installed cost per metre of line (cylinder, pipe flow) and per m2 (flat
  // plate, flat wall); empty when the line leaves the column empty.
  std::optional<long double> perMetre, perSquareMetre;
  int line = 0;  // its line in the file, from 1
};

// Throws FileError when the file cannot be read, AppError naming the file
// when it holds more than kMaxEntries entries, and AppError naming the file
// and the line when a line holds no thickness from kThinnestMm to
// kThickestMm (or, for the costs, a cost that is no number or below 0, or
// more than three values). A value a message quotes is cut after 40
// characters.
std::vector<long double> ReadThicknesses(const QString& path);
std::vector<CostLine> ReadCosts(const QString& path);

}  // namespace StockFiles
