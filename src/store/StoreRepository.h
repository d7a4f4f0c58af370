// The window's condition store: its cells in memory (ConditionStore, every
// cell named in StoreCells.h) and the watch on the file they come from and
// go to, so that a save can ask before it writes over another window's.
// Loading and saving with the window's messages: operations/common/StoreActions.
#pragma once

#include "store/ConditionStore.h"
#include "store/StoreFileWatch.h"

class StoreRepository {
 public:
  ConditionStore& Cells() { return cells_; }
  const ConditionStore& Cells() const { return cells_; }
  StoreFileWatch& Watch() { return watch_; }

 private:
  ConditionStore cells_;
  StoreFileWatch watch_;
};
