// The memory of the item grid: after every completed evaluation the typed
// values are copied into a block of the condition store chosen by the
// formula number, and 戻る copies them back. The blocks reach the store file
// whenever the store is saved.
#pragma once

#include <vector>

#include "store/StoreCells.h"

class ItemGrid;
class Form;

class InputMemory {
 public:
  InputMemory(Form& form, ItemGrid& grid);

  void RememberInputs();
  void RecallInputs();

  // Every store cell the memory writes (its blocks and their markers).
  static std::vector<StoreCell> WrittenCells();

 private:
  Form& f;
  ItemGrid& grid_;
};
