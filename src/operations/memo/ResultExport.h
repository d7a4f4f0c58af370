// 結果一括保存: copies the inputs and results of the calculator on screen
// into the next column of a comparison table in the grid memo.
#pragma once

#include <QString>
#include <initializer_list>
#include <span>

#include "widgets/Subsystem.h"
#include "operations/memo/ExportBlocks.h"

class StringGrid;

class ResultExport : public Subsystem {
 public:
  using Subsystem::Subsystem;
  void Wire() override;

  // Nothing unless the grid memo shows; then the block of the calculator
  // code (6,2).
  void ExportResults();

  void ExportFlatPlateBlock();
  void ExportFlatTransmissionBlock();
  void ExportCylinderBlock();
  void ExportHeaterBlock();
  void ExportContainerHeatingBlock(ExportBlocks::Material material);

 private:
  using Rows = std::span<const ExportRow>;

  // True (after telling the user) when the next condition column would lie
  // beyond the last column of the grid memo; nothing is written then.
  bool TableIsFull(int firstColumn);
  // A new table when the counter is "0": the block's height, all cells emptied.
  void StartTable(int height);
  void WriteCaptions(std::initializer_list<Rows> rows);
  // Counts the condition, labels its column and returns the column.
  int NextCondition(int firstColumn, const QString& labelSuffix);
  void CopyValues(int column, std::initializer_list<Rows> rows);
  QString ValueOf(const ExportSource& source) const;

  StringGrid& Grid() const;
};
