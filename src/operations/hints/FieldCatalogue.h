// The fields of the window as data: for every input field with a unit and
// every result field its control name, the panel it lies on, the labels its
// caption is made of, its unit, whether it is typed or written, and for the
// inputs the plausible range in that unit and the mistakes engineers make
// with it (a value typed in another unit). The items of the coefficient
// panel's grid are described the same way, found by their captions.
//
// The table lives in code and not in a data file: it names controls, so the
// structure test finds a misspelt name, and a test holds it against the
// control tables; it cannot go missing from an installed program.
#pragma once

#include <QString>
#include <span>
#include <vector>

// A value typed in another unit than the field's: the field's value is
// typed × factor + offset, or factor / typed for a reciprocal.
enum class Mistake {
  None,
  JoulesForKcal,           // J/(kg・K) typed for kcal/(kg・℃)
  KilojoulesForKcal,       // kJ/(kg・K) typed for kcal/(kg・℃)
  JoulesForWattHours,      // J/(kg・K) typed for W・h/(kg・℃)
  KilojoulesForWattHours,  // kJ/(kg・K) typed for W・h/(kg・℃)
  KgPerM3ForGPerCm3,       // kg/m3 typed for g/cm3
  MmForM,                  // mm typed for m
  MForMm,                  // m typed for mm
  KelvinForCelsius,        // K typed for ℃
  PercentForFraction,      // ％ typed for a fraction
  Mm2PerSForM2PerS,        // mm2/s (cSt) typed for m2/s
  Mm2ForM2,                // mm2 typed for m2
  SecondsForHours,         // seconds typed for hours
  KelvinForExpansion,      // the absolute temperature typed for β = 1/T
};

struct MistakeRow {
  Mistake kind;
  const char* unit;  // the unit the typed value seems to be in
  long double factor;
  long double offset;
  bool reciprocal;
};

std::span<const MistakeRow> Mistakes();
const MistakeRow& MistakeOf(Mistake kind);

// What a field holds: its unit and, for inputs, the plausible values.
struct Quantity {
  const char* unit;       // as the hints write it; "" for a pure number
  const char* unitWord;   // how a hint names the field's unit, nullptr: the unit
  bool checked;           // false: no range (results, numbers, texts)
  long double low, high;  // plausible values, both included
  bool zeroAllowed;       // 0 means "none" (a layer left out) and is plausible
  Mistake mistakes[3];    // tried in order; None ends the list
};

enum class FieldRole {
  Input,   // typed by the engineer
  Result,  // written by a run
  Either,  // typed in some calculators and written in others: its colour tells
};

struct FieldRow {
  const char* field;        // control name
  const char* panel;        // the panel it lies on
  const char* rowLabel;     // label of its row caption, nullptr for none
  const char* columnLabel;  // label of its column caption, nullptr for none
  const char* when;         // the row holds while this control shows; nullptr: always
  FieldRole role;
  const Quantity* quantity;
};

std::span<const FieldRow> FieldCatalogue();

// The result fields of the calculators' panels (the coefficient panel's
// aside), each once: a run writes at least one of those of its panel.
std::vector<const char*> CalculatorResultFields();

// An item of the coefficient panel's grid: a caption in column 0 or 2, its
// value in the column on its right.
struct ItemRow {
  const char* caption;  // exactly as the correlation catalogue writes it
  const char* name;     // how a hint names it
  const Quantity* quantity;
};

std::span<const ItemRow> ItemCatalogue();
// The row of the caption, or nullptr.
const ItemRow* ItemRowOf(const QString& caption);
