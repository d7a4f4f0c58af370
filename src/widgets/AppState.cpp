#include "widgets/AppState.h"

#include "foundation/NumberText.h"
#include "store/ConditionStore.h"
#include "store/StoreCells.h"

std::optional<Calculator> AppState::OnScreen() const { return CurrentCalculator(store_); }

void AppState::SetOnScreen(Calculator calculator) { SetCalculatorCode(store_, calculator); }

std::optional<int> AppState::ExportCounter() const {
  int n = 0;
  if (!TryToInteger(store_.GetCell(StoreCells::kExportCounter), n)) return std::nullopt;
  return n;
}

void AppState::SetExportCounter(int n) { store_.SetCell(StoreCells::kExportCounter, QString::number(n)); }

RunModes AppState::Modes() const {
  return {OnScreen(), panels_, store_.GetCell(StoreCells::kStefanBoltzmannFactor)};
}
