// The condition-store cells that more than one file uses, by name. Each line
// says what the cell holds, who writes it and who reads it. Cells that one
// table alone uses (a calculator's saved inputs) stay in that table.
#pragma once

struct StoreCell {
  int column;
  int row;
};

namespace StoreCells {

// Which calculator is on screen ("1", "3", "4", "41", "5", "8".."11"; see
// CalculatorCode.h). Written by every selection; read by the heat-loss Save
// and Back, the heating Run and the result export.
inline constexpr StoreCell kCalculatorCode{6, 2};

// The cylinder panel's kind: "hi-ta" for the heater, "enntou" for the
// cylinder and pipe flow. Written by the heat-loss selections and Backs;
// read by the cylinder panel's Run.
inline constexpr StoreCell kCylinderPanelKind{6, 1};

// How many conditions the comparison table holds; "0" starts a new table.
// Written by the result export and reset by a change of calculator code;
// read by the result export.
inline constexpr StoreCell kExportCounter{5, 5};

// The pick-up cell: the text of the last clicked label or field. Written by
// the pick-up clicks and by the flat plate's faces label; read by the
// pick-up paste.
inline constexpr StoreCell kPickUp{5, 4};

// The Stefan-Boltzmann constant's digits ("5.670374419"), shown in Edit15.
// Factory value; read by the heat-loss Backs, the pick-up and the export.
inline constexpr StoreCell kStefanBoltzmannDigits{2, 1};

// Its factor ("1E-8"). Factory value; read by the heat-loss and heating
// calculations.
inline constexpr StoreCell kStefanBoltzmannFactor{3, 1};

// The default emissivity and convective coefficient, put into Edit16 and
// Edit17 (and Edit69) by every Back. Factory values; read by the heat-loss
// and heating Backs.
inline constexpr StoreCell kEmissivity{2, 2};
inline constexpr StoreCell kConvectiveCoefficient{2, 3};

// The heating material on screen: "1" liquid, "2" gas, "3" solid. Written by
// the material selection; read by the heating Run, Save and Back.
inline constexpr StoreCell kHeatingMaterial{6, 3};

// The liquid's or solid's final temperature and the container's surface
// temperature there (K), as the last heating run of the window found them.
// Written by the heating panel's Run; kept in the file, read by nobody else.
inline constexpr StoreCell kHeatedFinal{6, 4};
inline constexpr StoreCell kHeatedSurface{6, 5};

// The layers of the cylinder and the flat plate as their Saves keep them
// (the rows of CylinderCalculator.cpp and FlatPanel.cpp): the tube's and
// the structure's thickness (mm) and conductivity, and the insulation's
// conductivity. Written by those Saves; read by their Backs and by the line
// list's schedule for a line that leaves them empty.
inline constexpr StoreCell kCylinderTubeThickness{4, 36};   // Edit34
inline constexpr StoreCell kCylinderTubeK{4, 33};           // Edit6
inline constexpr StoreCell kCylinderInsulationK{5, 33};     // Edit7
inline constexpr StoreCell kFlatStructureThickness{3, 25};  // Edit31
inline constexpr StoreCell kFlatStructureK{3, 24};          // Edit29
inline constexpr StoreCell kFlatInsulationK{4, 24};         // Edit30

// Column 1 holds the heat-loss calculators' options (自動 for the outer
// coefficient, its orientation, wind and length, k(T) of the layers, pipe
// flow's inner coefficient): the heater rows 1-7, the flat panel rows 21-28,
// the cylinder rows 31-37, pipe flow rows 70-79; row 80 (held in memory
// only) keeps the coefficients as typed while 自動 shows computed ones. The
// table of them is operations/heatloss/SurfaceOptions.cpp; a store without
// them loads as off.

}  // namespace StoreCells
