// The condition store's file and the Save and Back actions of the two
// heat-loss panels, with their field-to-cell tables, and the restore of the
// factory store.
#pragma once

#include "widgets/Subsystem.h"

class PanelStore : public Subsystem {
 public:
  using Subsystem::Subsystem;
  void Wire() override;

  // Reads "G1de-ta\heatwork.csv" (busy pointer while it runs).
  void LoadStore();
  // Writes "G1de-ta\heatwork.csv" and says "デ－タを保存しました".
  void SaveStore();

  void SaveCylinderPanel();
  void BackCylinderPanel();
  void SaveFlatPanel();
  void BackFlatPanel();

  // ask: the single click asks first; the double click copies at once.
  void RestoreFactoryStore(bool ask);
};
