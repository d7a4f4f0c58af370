// The fixed catalogue of the coefficient panel: for every formula number its
// group, the formula text shown in Edit77 and the item captions written into
// the item grid StringGrid4 (columns 0 and 2; the values go to the column on
// their right).
#pragma once

#include <QString>
#include <span>

enum class CorrelationGroup { Simple, NaturalConvection, ForcedConvection, FinAndWall };

// The group is decided by the integer value of the number.
CorrelationGroup GroupOf(int n);

struct ItemText {
  int column = 0, row = 0;
  const char* text = nullptr;  // nullptr ends a list
};

struct CorrelationEntry {
  const char* number;  // matched exactly, character for character
  CorrelationGroup group;
  const char* formula;
  ItemText items[8];           // the entry's own captions
  ItemText prefilled[3] = {};  // values written with the captions (entry 205)
};

std::span<const CorrelationEntry> CorrelationCatalogue();

// The entry of the group whose number equals the text, or nullptr: "051"
// belongs to the group of 51 but finds nothing.
const CorrelationEntry* FindCorrelation(CorrelationGroup group, const QString& number);

// The captions written for every entry of a convection group, after the
// entry's own; empty for the other groups.
std::span<const ItemText> SharedItems(CorrelationGroup group);
