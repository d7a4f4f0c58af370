#include "store/CalculatorCode.h"

#include "store/ConditionStore.h"
#include "store/StoreCells.h"

QString CodeText(Calculator calculator) {
  for (const CalculatorCodeRow& r : kCalculatorCodes)
    if (r.calculator == calculator) return QString::fromLatin1(r.text);
  return QString();
}

std::optional<Calculator> CalculatorOfCode(const QString& text) {
  for (const CalculatorCodeRow& r : kCalculatorCodes)
    if (text == QLatin1String(r.text)) return r.calculator;
  return std::nullopt;
}

std::optional<Calculator> CurrentCalculator(const ConditionStore& store) {
  return CalculatorOfCode(store.GetCell(StoreCells::kCalculatorCode));
}

void SetCalculatorCode(ConditionStore& store, Calculator calculator) {
  const QString code = CodeText(calculator);
  if (store.GetCell(StoreCells::kCalculatorCode) != code) store.SetCell(StoreCells::kExportCounter, QStringLiteral("0"));
  store.SetCell(StoreCells::kCalculatorCode, code);
}
