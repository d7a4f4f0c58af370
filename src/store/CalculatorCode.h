// The calculators by name, and the texts the condition store keeps for them
// in its calculator-code cell. The result export reads the code to choose
// its block, and every change of code starts a new comparison table.
#pragma once

#include <QString>
#include <optional>

class ConditionStore;

enum class Calculator {
  FlatPlate,       // 平板放熱
  FlatWall,        // 平板熱通過
  Cylinder,        // 円筒の放熱
  PipeFlow,        // 円筒の放熱, pipe flow
  PipeFlowLegacy,  // an older code of pipe flow, exported as pipe flow
  Heater,          // ヒーター温度
  LiquidHeating,   // 液体の加熱
  GasHeating,      // 気体の加熱
  SolidHeating,    // 固体の加熱
  WallHeating,     // gas heated by the container's wall
};

struct CalculatorCodeRow {
  Calculator calculator;
  const char* text;  // as stored in the calculator-code cell
};

// clang-format off
inline constexpr CalculatorCodeRow kCalculatorCodes[] = {
  {Calculator::FlatPlate, "1"},      {Calculator::FlatWall, "3"},
  {Calculator::Cylinder, "4"},       {Calculator::PipeFlow, "41"},
  {Calculator::PipeFlowLegacy, "42"}, {Calculator::Heater, "5"},
  {Calculator::LiquidHeating, "8"},  {Calculator::GasHeating, "9"},
  {Calculator::SolidHeating, "10"},  {Calculator::WallHeating, "11"},
};
// clang-format on

// The stored text of a calculator.
QString CodeText(Calculator calculator);

// The calculator of a stored text; empty for a text that names none.
std::optional<Calculator> CalculatorOfCode(const QString& text);

// The calculator the store names.
std::optional<Calculator> CurrentCalculator(const ConditionStore& store);

// Writes the calculator's code; a change of code resets the export counter
// to "0", so the next export starts a new table.
void SetCalculatorCode(ConditionStore& store, Calculator calculator);
