// The blocks of the result export as data: for every calculator the title,
// the height of a new table, the first condition column and the rows with
// their captions and the field (or store cell) whose text each row copies.
#pragma once

#include <span>

struct ExportSource {
  enum Kind { None, Field, StoreCell, LidChoice };
  Kind kind = None;
  const char* field = nullptr;
  int column = 0, row = 0;
};

struct ExportRow {
  int row;
  const char* caption;     // column 0; nullptr writes nothing there
  const char* subCaption;  // column 1 of the heat-loss blocks; nullptr writes nothing
  ExportSource source;
};

struct ExportBlock {
  const char* title;
  int height;       // rows of a new table
  int firstColumn;  // condition column of the first condition
  std::span<const ExportRow> rows;
};

namespace ExportBlocks {

// The flat plate and the flat wall share rows 2..7 (the block's rows); each
// adds rows of its own.
const ExportBlock& FlatPlate();
std::span<const ExportRow> FlatPlateRows();
// Rows 12..16, written only in natural-cooling mode.
std::span<const ExportRow> FlatPlateCoolingRows();
const ExportBlock& FlatTransmission();
std::span<const ExportRow> FlatTransmissionRows();
// The cylinder's common rows; Surface/PipeFlow add rows 18.. of its mode.
const ExportBlock& Cylinder();
std::span<const ExportRow> CylinderSurfaceRows();
std::span<const ExportRow> CylinderPipeFlowRows();
const ExportBlock& Heater();

enum class Material { Liquid, Gas, Solid };
// The heating block of one material: the material's rows (title, 2, 15, 16, 19); the rest are the common rows.
// In wall heating (gas only) WallHeatingResultRows recaption row 7 (the wall
// temperature) and rows 20..22 (the three end temperatures).
const ExportBlock& ContainerHeating(Material material);
std::span<const ExportRow> HeatingCommonRows();
std::span<const ExportRow> WallHeatingResultRows();

}  // namespace ExportBlocks
