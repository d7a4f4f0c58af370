// The condition store's cells, every one that the program reads or writes,
// named in one table: its position, what it holds, who writes it, and
// whether more than one writer shares it. Code names a cell by its name
// (Cell("CylinderAmbient")), which the compiler looks up here, so a cell
// has one name and one place; a test fails on two names for one cell and
// on a cell written by two calculators that the table does not call shared.
// The file's format and positions are those the store has always had.
#pragma once

#include <string_view>

struct StoreCell {
  int column;
  int row;
};

struct NamedCell {
  const char* name;
  StoreCell cell;
  const char* holds;
  const char* writers;  // who writes it, comma-separated
  bool shared;          // written by more than one calculator or operation
};

// clang-format off
inline constexpr NamedCell kStoreCells[] = {
  {"HeaterPanelInner", {5, 1}, "the heater's result 層内側温度 (Edit21), read back as the next run's start", "heater", false},
  {"CylinderPanelInner", {5, 2}, "the cylinder's result 層内側温度 (Edit21); pipe flow reads it too", "cylinder", false},
  {"StefanBoltzmannDigits", {2, 1}, "the Stefan-Boltzmann constant's digits (\"5.670374419\"), shown in Edit15", "factory", false},
  {"StefanBoltzmannFactor", {3, 1}, "its factor (\"1E-8\")", "factory", false},
  {"Emissivity", {2, 2}, "the default emissivity, put into Edit16 by every Back", "factory", false},
  {"ConvectiveCoefficient", {2, 3}, "the default convective coefficient, put into Edit17 (and Edit69) by every Back", "factory", false},
  {"PickUp", {5, 4}, "the pick-up cell: the text of the last clicked label or field", "pick-up, flat plate", true},
  {"ExportCounter", {5, 5}, "how many conditions the comparison table holds; \"0\" starts a new table", "export, selections, economic page", true},
  {"CylinderPanelKind", {6, 1}, "\"hi-ta\" heater / \"enntou\" cylinder and pipe flow, kept for the file", "selections, backs", true},
  {"CalculatorCode", {6, 2}, "the calculator on screen (CalculatorCode.h)", "selections, pipe flow's run button", true},
  {"HeatingMaterial", {6, 3}, "\"1\" liquid, \"2\" gas, \"3\" solid", "heating material selection", false},
  {"HeatedFinal", {6, 4}, "the liquid's or solid's final temperature of the last heating run, K", "heating run", false},
  {"HeatedSurface", {6, 5}, "the container's surface temperature there, K", "heating run", false},
  {"TypedOuterCoefficient", {1, 80}, "Edit17 as typed while 自動 shows a computed one (memory only)", "options", false},
  {"TypedInnerCoefficient", {2, 80}, "Edit69 as typed while 管内自動 shows a computed one (memory only)", "options", false},
  {"HeaterAmbient", {6, 8}, "ambient temperature (Edit3)", "heater", false},
  {"HeaterInsulationConductivity", {4, 10}, "conductivity, MgO (Edit6)", "heater", false},
  {"HeaterSheathConductivity", {5, 10}, "conductivity, sheath (Edit7)", "heater", false},
  {"HeaterPower", {5, 11}, "power W (Edit8)", "heater", false},
  {"HeaterWireDiameter", {3, 12}, "wire diameter (Edit9), factory only", "heater", false},
  {"HeaterInsulationDiameter", {4, 12}, "outer diameter, MgO (Edit10), factory only", "heater", false},
  {"HeaterSheathDiameter", {5, 12}, "outer diameter, sheath (Edit11)", "heater", false},
  {"HeaterInsulationThickness", {4, 13}, "thickness, MgO (Edit34), factory only", "heater", false},
  {"HeaterSheathThickness", {5, 13}, "thickness, sheath (Edit12)", "heater", false},
  {"HeaterLength", {5, 14}, "length (Edit13)", "heater", false},
  {"CylinderAmbient", {6, 31}, "ambient temperature (Edit3)", "cylinder", false},
  {"CylinderInner", {4, 32}, "inner temperature (Edit4)", "cylinder", false},
  {"CylinderTubeConductivity", {4, 33}, "conductivity, tube (Edit6)", "cylinder", false},
  {"CylinderInsulationConductivity", {5, 33}, "conductivity, insulation (Edit7)", "cylinder", false},
  {"CylinderPower", {5, 34}, "heat W (Edit8)", "cylinder", false},
  {"CylinderWireDiameter", {3, 35}, "the heater's wire diameter (Edit9), never written", "cylinder", false},
  {"CylinderTubeDiameter", {4, 35}, "outer diameter, tube (Edit10)", "cylinder", false},
  {"CylinderInsulationDiameter", {5, 35}, "outer diameter, insulation (Edit11)", "cylinder", false},
  {"CylinderTubeThickness", {4, 36}, "thickness, tube (Edit34)", "cylinder", false},
  {"CylinderInsulationThickness", {5, 36}, "thickness, insulation (Edit12)", "cylinder", false},
  {"CylinderLength", {5, 37}, "length (Edit13)", "cylinder", false},
  {"CylinderFluidHeat", {5, 31}, "the fluid's specific heat (Edit64)", "cylinder", false},
  {"CylinderFluidDensity", {6, 32}, "the fluid's density (Edit65); the coefficient panel's simple block read it once", "cylinder", false},
  {"CylinderFluidPipeDiameter", {6, 33}, "pipe inner diameter (Edit66)", "cylinder", false},
  {"CylinderFluidFlow", {6, 34}, "flow (Edit67)", "cylinder", false},
  {"CylinderFluidAmbient", {6, 35}, "ambient temperature of the pipe (Edit68)", "cylinder", false},
  {"CylinderHumidity", {3, 31}, "relative humidity of the air, %; empty: not checked", "cylinder", false},
  {"PipeFlowAmbientField", {6, 70}, "ambient temperature of the cylinder's field (Edit3, hidden in pipe flow)", "pipe flow", false},
  {"PipeFlowWall", {4, 71}, "wall temperature, fluid side (Edit4)", "pipe flow", false},
  {"PipeFlowInlet", {3, 71}, "fluid inlet temperature (Edit70)", "pipe flow", false},
  {"PipeFlowWallConductivity", {4, 72}, "conductivity, pipe wall (Edit6)", "pipe flow", false},
  {"PipeFlowInsulationConductivity", {5, 72}, "conductivity, insulation (Edit7)", "pipe flow", false},
  {"PipeFlowPower", {5, 73}, "heat W (Edit8)", "pipe flow", false},
  {"PipeFlowWireDiameter", {3, 74}, "the heater's wire diameter (Edit9), never written", "pipe flow", false},
  {"PipeFlowPipeDiameter", {4, 74}, "outer diameter, pipe (Edit10)", "pipe flow", false},
  {"PipeFlowInsulationDiameter", {5, 74}, "outer diameter, insulation (Edit11)", "pipe flow", false},
  {"PipeFlowWallThickness", {4, 75}, "thickness, pipe wall (Edit34)", "pipe flow", false},
  {"PipeFlowInsulationThickness", {5, 75}, "thickness, insulation (Edit12)", "pipe flow", false},
  {"PipeFlowLength", {5, 76}, "length (Edit13)", "pipe flow", false},
  {"PipeFlowHeat", {5, 70}, "specific heat (Edit64)", "pipe flow", false},
  {"PipeFlowDensity", {6, 71}, "density (Edit65)", "pipe flow", false},
  {"PipeFlowInnerDiameter", {6, 72}, "pipe inner diameter (Edit66)", "pipe flow", false},
  {"PipeFlowFlow", {6, 73}, "flow (Edit67)", "pipe flow", false},
  {"PipeFlowAmbient", {6, 74}, "ambient temperature (Edit68)", "pipe flow", false},
  {"PipeFlowHumidity", {3, 70}, "relative humidity of the air, %; empty: not checked", "pipe flow", false},
  {"FlatArea", {3, 21}, "area (Edit5)", "flat plate, flat wall", true},
  {"FlatStructureOuter", {3, 22}, "outer temperature, structure (Edit23)", "flat plate, flat wall", true},
  {"FlatInsulationOuter", {4, 22}, "outer temperature, insulation (Edit24)", "flat plate, flat wall", true},
  {"FlatAmbient", {5, 22}, "ambient temperature (Edit25)", "flat plate, flat wall", true},
  {"FlatHotGas", {2, 23}, "hot gas temperature (Edit26)", "flat plate, flat wall", true},
  {"FlatStructureInner", {3, 23}, "inner temperature, structure (Edit27)", "flat plate, flat wall", true},
  {"FlatInsulationInner", {4, 23}, "inner temperature, insulation (Edit28)", "flat plate, flat wall", true},
  {"FlatStructureConductivity", {3, 24}, "conductivity, structure (Edit29)", "flat plate, flat wall", true},
  {"FlatInsulationConductivity", {4, 24}, "conductivity, insulation (Edit30)", "flat plate, flat wall", true},
  {"FlatStructureThickness", {3, 25}, "thickness, structure (Edit31)", "flat plate, flat wall", true},
  {"FlatInsulationThickness", {4, 25}, "thickness, insulation (Edit32)", "flat plate, flat wall", true},
  {"FlatFlux", {3, 26}, "flux density (Edit33)", "flat plate, flat wall", true},
  {"FlatHumidity", {4, 21}, "relative humidity of the air, %; empty: not checked", "flat plate, flat wall", true},
  {"FlatDensity", {5, 23}, "the cooling plate's density (Edit73)", "flat plate, flat wall", true},
  {"FlatSpecificHeat", {5, 24}, "its specific heat (Edit74)", "flat plate, flat wall", true},
  {"FlatHours", {5, 25}, "its hours (Edit75)", "flat plate, flat wall", true},
  {"HeaterOptionAuto", {1, 1}, "自動 of the outer coefficient: \"1\" on", "heater", false},
  {"HeaterOptionOrientation", {1, 2}, "its orientation", "heater", false},
  {"HeaterOptionWind", {1, 3}, "its wind, m/s", "heater", false},
  {"HeaterOptionB1", {1, 4}, "b of layer 1's k(T)", "heater", false},
  {"HeaterOptionC1", {1, 5}, "c of layer 1's k(T)", "heater", false},
  {"HeaterOptionB2", {1, 6}, "b of layer 2's k(T)", "heater", false},
  {"HeaterOptionC2", {1, 7}, "c of layer 2's k(T)", "heater", false},
  {"FlatOptionAuto", {1, 21}, "自動 of the outer coefficient: \"1\" on", "flat plate, flat wall", true},
  {"FlatOptionOrientation", {1, 22}, "its orientation", "flat plate, flat wall", true},
  {"FlatOptionWind", {1, 23}, "its wind, m/s", "flat plate, flat wall", true},
  {"FlatOptionLength", {1, 24}, "its height or length along the wind, m", "flat plate, flat wall", true},
  {"FlatOptionB1", {1, 25}, "b of layer 1's k(T)", "flat plate, flat wall", true},
  {"FlatOptionC1", {1, 26}, "c of layer 1's k(T)", "flat plate, flat wall", true},
  {"FlatOptionB2", {1, 27}, "b of layer 2's k(T)", "flat plate, flat wall", true},
  {"FlatOptionC2", {1, 28}, "c of layer 2's k(T)", "flat plate, flat wall", true},
  {"CylinderOptionAuto", {1, 31}, "自動 of the outer coefficient: \"1\" on", "cylinder", false},
  {"CylinderOptionOrientation", {1, 32}, "its orientation", "cylinder", false},
  {"CylinderOptionWind", {1, 33}, "its wind, m/s", "cylinder", false},
  {"CylinderOptionB1", {1, 34}, "b of layer 1's k(T)", "cylinder", false},
  {"CylinderOptionC1", {1, 35}, "c of layer 1's k(T)", "cylinder", false},
  {"CylinderOptionB2", {1, 36}, "b of layer 2's k(T)", "cylinder", false},
  {"CylinderOptionC2", {1, 37}, "c of layer 2's k(T)", "cylinder", false},
  {"PipeFlowOptionAuto", {1, 70}, "自動 of the outer coefficient: \"1\" on", "pipe flow", false},
  {"PipeFlowOptionOrientation", {1, 71}, "its orientation", "pipe flow", false},
  {"PipeFlowOptionWind", {1, 72}, "its wind, m/s", "pipe flow", false},
  {"PipeFlowOptionB1", {1, 73}, "b of layer 1's k(T)", "pipe flow", false},
  {"PipeFlowOptionC1", {1, 74}, "c of layer 1's k(T)", "pipe flow", false},
  {"PipeFlowOptionB2", {1, 75}, "b of layer 2's k(T)", "pipe flow", false},
  {"PipeFlowOptionC2", {1, 76}, "c of layer 2's k(T)", "pipe flow", false},
  {"PipeFlowOptionInnerAuto", {1, 77}, "管内自動: \"1\" on", "pipe flow", false},
  {"PipeFlowOptionViscosity", {1, 78}, "the fluid's viscosity, mPa·s", "pipe flow", false},
  {"PipeFlowOptionFluidConductivity", {1, 79}, "the fluid's conductivity", "pipe flow", false},
  {"LiquidVolume", {3, 41}, "volume (Edit49)", "liquid heating", false},
  {"LiquidWallThickness", {3, 42}, "container wall thickness (Edit38)", "liquid heating", false},
  {"LiquidWallConductivity", {3, 43}, "container wall conductivity (Edit53)", "liquid heating", false},
  {"LiquidInsulationConductivity", {3, 45}, "insulation conductivity (Edit52)", "liquid heating", false},
  {"LiquidAmbient", {3, 46}, "ambient (wall heating: wall) temperature (Edit40)", "liquid heating", false},
  {"LiquidBefore", {3, 47}, "temperature before heating (Edit41)", "liquid heating", false},
  {"LiquidAfter", {3, 48}, "temperature after heating (Edit42)", "liquid heating", false},
  {"LiquidHeight", {4, 41}, "height (Edit35)", "liquid heating", false},
  {"LiquidWidth", {4, 42}, "width (Edit36)", "liquid heating", false},
  {"LiquidDepth", {4, 43}, "depth (Edit37)", "liquid heating", false},
  {"LiquidRiseTime", {4, 44}, "rise time (Edit43)", "liquid heating", false},
  {"LiquidLid", {4, 45}, "the lid: \"1\" with, \"2\" without; empty in older stores", "liquid heating", false},
  {"LiquidContentDensity", {5, 41}, "density of the contents (Edit44)", "liquid heating", false},
  {"LiquidContentHeat", {5, 42}, "specific heat of the contents (Edit45)", "liquid heating", false},
  {"LiquidContainerDensity", {5, 43}, "container density (Edit50)", "liquid heating", false},
  {"LiquidContainerHeat", {5, 44}, "container specific heat (Edit51)", "liquid heating", false},
  {"LiquidPower", {5, 46}, "required power (Edit46), restored only", "liquid heating", false},
  {"LiquidLossShare", {5, 47}, "loss share (Edit47), restored only", "liquid heating", false},
  {"LiquidFinalLoss", {5, 48}, "loss at the final temperature (Edit48), restored only", "liquid heating", false},
  {"GasVolume", {3, 51}, "volume (Edit49)", "gas heating, wall heating", true},
  {"GasWallThickness", {3, 52}, "container wall thickness (Edit38)", "gas heating, wall heating", true},
  {"GasWallConductivity", {3, 53}, "container wall conductivity (Edit53)", "gas heating, wall heating", true},
  {"GasInsulationConductivity", {3, 55}, "insulation conductivity (Edit52)", "gas heating, wall heating", true},
  {"GasAmbient", {3, 56}, "ambient (wall heating: wall) temperature (Edit40)", "gas heating, wall heating", true},
  {"GasBefore", {3, 57}, "temperature before heating (Edit41)", "gas heating, wall heating", true},
  {"GasAfter", {3, 58}, "temperature after heating (Edit42)", "gas heating, wall heating", true},
  {"GasHeight", {4, 51}, "height (Edit35)", "gas heating, wall heating", true},
  {"GasWidth", {4, 52}, "width (Edit36)", "gas heating, wall heating", true},
  {"GasDepth", {4, 53}, "depth (Edit37)", "gas heating, wall heating", true},
  {"GasRiseTime", {4, 54}, "rise time (Edit43)", "gas heating, wall heating", true},
  {"GasContentDensity", {5, 51}, "density of the contents (Edit44)", "gas heating, wall heating", true},
  {"GasContentHeat", {5, 52}, "specific heat of the contents (Edit45)", "gas heating, wall heating", true},
  {"GasContainerDensity", {5, 53}, "container density (Edit50)", "gas heating, wall heating", true},
  {"GasContainerHeat", {5, 54}, "container specific heat (Edit51)", "gas heating, wall heating", true},
  {"GasPower", {5, 56}, "required power (Edit46), restored only", "gas heating, wall heating", true},
  {"GasLossShare", {5, 57}, "loss share (Edit47), restored only", "gas heating, wall heating", true},
  {"GasFinalLoss", {5, 58}, "loss at the final temperature (Edit48), restored only", "gas heating, wall heating", true},
  {"SolidVolume", {3, 61}, "volume (Edit49)", "solid heating", false},
  {"SolidWallThickness", {3, 62}, "container wall thickness (Edit38)", "solid heating", false},
  {"SolidWallConductivity", {3, 63}, "container wall conductivity (Edit53)", "solid heating", false},
  {"SolidInsulationConductivity", {3, 65}, "insulation conductivity (Edit52)", "solid heating", false},
  {"SolidAmbient", {3, 66}, "ambient (wall heating: wall) temperature (Edit40)", "solid heating", false},
  {"SolidBefore", {3, 67}, "temperature before heating (Edit41)", "solid heating", false},
  {"SolidAfter", {3, 68}, "temperature after heating (Edit42)", "solid heating", false},
  {"SolidHeight", {4, 61}, "height (Edit35)", "solid heating", false},
  {"SolidWidth", {4, 62}, "width (Edit36)", "solid heating", false},
  {"SolidDepth", {4, 63}, "depth (Edit37)", "solid heating", false},
  {"SolidRiseTime", {4, 64}, "rise time (Edit43)", "solid heating", false},
  {"SolidContentDensity", {5, 61}, "density of the contents (Edit44)", "solid heating", false},
  {"SolidContentHeat", {5, 62}, "specific heat of the contents (Edit45)", "solid heating", false},
  {"SolidContainerDensity", {5, 63}, "container density (Edit50)", "solid heating", false},
  {"SolidContainerHeat", {5, 64}, "container specific heat (Edit51)", "solid heating", false},
  {"SolidPower", {5, 66}, "required power (Edit46), restored only", "solid heating", false},
  {"SolidLossShare", {5, 67}, "loss share (Edit47), restored only", "solid heating", false},
  {"SolidFinalLoss", {5, 68}, "loss at the final temperature (Edit48), restored only", "solid heating", false},
  {"CoefficientSimple1", {6, 44}, "the coefficient panel's simple formulas: item 1", "coefficient panel", false},
  {"CoefficientSimple2", {6, 45}, "the coefficient panel's simple formulas: item 2", "coefficient panel", false},
  {"CoefficientSimple3", {6, 46}, "the coefficient panel's simple formulas: item 3", "coefficient panel", false},
  {"CoefficientSimple4", {6, 47}, "the coefficient panel's simple formulas: item 4", "coefficient panel", false},
  {"CoefficientSimple5", {6, 36}, "the coefficient panel's simple formulas: item 5", "coefficient panel", false},
  {"CoefficientSimple6", {6, 37}, "the coefficient panel's simple formulas: item 6", "coefficient panel", false},
  {"CoefficientSimple7", {6, 38}, "the coefficient panel's simple formulas: item 7", "coefficient panel", false},
  {"CoefficientSimple8", {6, 39}, "the coefficient panel's simple formulas: item 8", "coefficient panel", false},
  {"CoefficientSimple9", {6, 40}, "the coefficient panel's simple formulas: item 9", "coefficient panel", false},
  {"CoefficientSimple10", {6, 41}, "the coefficient panel's simple formulas: item 10", "coefficient panel", false},
  {"CoefficientSimple11", {6, 42}, "the coefficient panel's simple formulas: item 11", "coefficient panel", false},
  {"CoefficientSimple12", {6, 43}, "the coefficient panel's simple formulas: item 12", "coefficient panel", false},
  {"CoefficientSimpleMarker", {6, 48}, "\"1\" once the simple formulas keep their items in their own cells", "coefficient panel", false},
  {"CoefficientNatural1", {6, 11}, "the coefficient panel's natural formulas: item 1", "coefficient panel", false},
  {"CoefficientNatural2", {6, 12}, "the coefficient panel's natural formulas: item 2", "coefficient panel", false},
  {"CoefficientNatural3", {6, 13}, "the coefficient panel's natural formulas: item 3", "coefficient panel", false},
  {"CoefficientNatural4", {6, 14}, "the coefficient panel's natural formulas: item 4", "coefficient panel", false},
  {"CoefficientNatural5", {6, 15}, "the coefficient panel's natural formulas: item 5", "coefficient panel", false},
  {"CoefficientNatural6", {6, 16}, "the coefficient panel's natural formulas: item 6", "coefficient panel", false},
  {"CoefficientNatural7", {6, 17}, "the coefficient panel's natural formulas: item 7", "coefficient panel", false},
  {"CoefficientNatural8", {6, 18}, "the coefficient panel's natural formulas: item 8", "coefficient panel", false},
  {"CoefficientNatural9", {6, 19}, "the coefficient panel's natural formulas: item 9", "coefficient panel", false},
  {"CoefficientNatural10", {6, 20}, "the coefficient panel's natural formulas: item 10", "coefficient panel", false},
  {"CoefficientNatural11", {6, 21}, "the coefficient panel's natural formulas: item 11", "coefficient panel", false},
  {"CoefficientNatural12", {6, 22}, "the coefficient panel's natural formulas: item 12", "coefficient panel", false},
  {"CoefficientForced1", {2, 41}, "the coefficient panel's forced formulas: item 1", "coefficient panel", false},
  {"CoefficientForced2", {2, 42}, "the coefficient panel's forced formulas: item 2", "coefficient panel", false},
  {"CoefficientForced3", {2, 43}, "the coefficient panel's forced formulas: item 3", "coefficient panel", false},
  {"CoefficientForced4", {2, 44}, "the coefficient panel's forced formulas: item 4", "coefficient panel", false},
  {"CoefficientForced5", {2, 45}, "the coefficient panel's forced formulas: item 5", "coefficient panel", false},
  {"CoefficientForced6", {2, 46}, "the coefficient panel's forced formulas: item 6", "coefficient panel", false},
  {"CoefficientForced7", {2, 47}, "the coefficient panel's forced formulas: item 7", "coefficient panel", false},
  {"CoefficientForced8", {2, 48}, "the coefficient panel's forced formulas: item 8", "coefficient panel", false},
  {"CoefficientForced9", {2, 49}, "the coefficient panel's forced formulas: item 9", "coefficient panel", false},
  {"CoefficientForced10", {2, 50}, "the coefficient panel's forced formulas: item 10", "coefficient panel", false},
  {"CoefficientForced11", {2, 51}, "the coefficient panel's forced formulas: item 11", "coefficient panel", false},
  {"CoefficientForced12", {2, 52}, "the coefficient panel's forced formulas: item 12", "coefficient panel", false},
  {"CoefficientFin1", {1, 41}, "the coefficient panel's fin formulas: item 1", "coefficient panel", false},
  {"CoefficientFin2", {1, 42}, "the coefficient panel's fin formulas: item 2", "coefficient panel", false},
  {"CoefficientFin3", {1, 43}, "the coefficient panel's fin formulas: item 3", "coefficient panel", false},
  {"CoefficientFin4", {1, 44}, "the coefficient panel's fin formulas: item 4", "coefficient panel", false},
  {"CoefficientFin5", {1, 45}, "the coefficient panel's fin formulas: item 5", "coefficient panel", false},
  {"CoefficientFin6", {1, 46}, "the coefficient panel's fin formulas: item 6", "coefficient panel", false},
  {"CoefficientFin7", {1, 47}, "the coefficient panel's fin formulas: item 7", "coefficient panel", false},
  {"CoefficientFin8", {1, 48}, "the coefficient panel's fin formulas: item 8", "coefficient panel", false},
  {"CoefficientFin9", {1, 49}, "the coefficient panel's fin formulas: item 9", "coefficient panel", false},
  {"CoefficientFin10", {1, 50}, "the coefficient panel's fin formulas: item 10", "coefficient panel", false},
  {"CoefficientFin11", {1, 51}, "the coefficient panel's fin formulas: item 11", "coefficient panel", false},
  {"CoefficientFin12", {1, 52}, "the coefficient panel's fin formulas: item 12", "coefficient panel", false},
  {"CoefficientLayeredWall1", {1, 53}, "the coefficient panel's layeredwall formulas: item 1", "coefficient panel", false},
  {"CoefficientLayeredWall2", {1, 54}, "the coefficient panel's layeredwall formulas: item 2", "coefficient panel", false},
  {"CoefficientLayeredWall3", {1, 55}, "the coefficient panel's layeredwall formulas: item 3", "coefficient panel", false},
  {"CoefficientLayeredWall4", {1, 56}, "the coefficient panel's layeredwall formulas: item 4", "coefficient panel", false},
  {"CoefficientLayeredWall5", {1, 57}, "the coefficient panel's layeredwall formulas: item 5", "coefficient panel", false},
  {"CoefficientLayeredWall6", {1, 58}, "the coefficient panel's layeredwall formulas: item 6", "coefficient panel", false},
  {"CoefficientLayeredWall7", {1, 59}, "the coefficient panel's layeredwall formulas: item 7", "coefficient panel", false},

};
// clang-format on

// The cell of a name of the table; a name the table lacks does not compile.
consteval StoreCell Cell(std::string_view name) {
  for (const NamedCell& c : kStoreCells)
    if (name == c.name) return c.cell;
  throw "no store cell of this name";
}

// The cells that more than one part of the program uses, by their names of old.
namespace StoreCells {
inline constexpr StoreCell kCalculatorCode = Cell("CalculatorCode");
inline constexpr StoreCell kCylinderPanelKind = Cell("CylinderPanelKind");
inline constexpr StoreCell kExportCounter = Cell("ExportCounter");
inline constexpr StoreCell kPickUp = Cell("PickUp");
inline constexpr StoreCell kStefanBoltzmannDigits = Cell("StefanBoltzmannDigits");
inline constexpr StoreCell kStefanBoltzmannFactor = Cell("StefanBoltzmannFactor");
inline constexpr StoreCell kEmissivity = Cell("Emissivity");
inline constexpr StoreCell kConvectiveCoefficient = Cell("ConvectiveCoefficient");
inline constexpr StoreCell kHeatingMaterial = Cell("HeatingMaterial");
inline constexpr StoreCell kHeatedFinal = Cell("HeatedFinal");
inline constexpr StoreCell kHeatedSurface = Cell("HeatedSurface");
// The tube and structure of the cylinder and flat panels, which the line
// list's schedule reads for a line that leaves them empty.
inline constexpr StoreCell kCylinderTubeThickness = Cell("CylinderTubeThickness");
inline constexpr StoreCell kCylinderTubeK = Cell("CylinderTubeConductivity");
inline constexpr StoreCell kCylinderInsulationK = Cell("CylinderInsulationConductivity");
inline constexpr StoreCell kFlatStructureThickness = Cell("FlatStructureThickness");
inline constexpr StoreCell kFlatStructureK = Cell("FlatStructureConductivity");
inline constexpr StoreCell kFlatInsulationK = Cell("FlatInsulationConductivity");
}  // namespace StoreCells
