#include "operations/report/ReportMethod.h"

#include <QDir>

#include "foundation/Errors.h"
#include "store/TextFile.h"

namespace {

const char* const kHeatLossGeneral = "各層を伝わる熱と表面から逃げる熱とが釣り合う温度と放熱量を求める。";
const char* const kHeatingGeneral = "中身を加熱するのに要る熱量を、容器から逃げる熱を含めて求める。";

}  // namespace

QStringList CalculatorMethod(const CalculatorHooks* hooks, CalculatorFamily family, const RunModes& modes) {
  if (hooks && hooks->method) return hooks->method(modes);
  return MethodLines(QString::fromUtf8(family == CalculatorFamily::Heating ? kHeatingGeneral : kHeatLossGeneral));
}

namespace {

// The line of the formula texts that starts with the number; empty for none.
QString FormulaLine(const QString& folder, const QString& number) {
  if (number.isEmpty()) return {};
  const QString head = number + QLatin1Char(' ');
  for (const QString& name : QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
    try {
      for (const QString& line : TextFile::Read(folder + QLatin1Char('/') + name).lines)
        if (line.startsWith(head)) return line.trimmed();
    } catch (const FileError&) {
      // An unreadable text leaves the formula as the panel shows it.
    }
  }
  return {};
}

}  // namespace

QStringList CoefficientMethod(const QString& folder, const QString& number, const QString& panelFormula) {
  QStringList lines;
  if (const QString line = FormulaLine(folder, number); !line.isEmpty()) lines << line;
  if (!panelFormula.isEmpty()) lines << QStringLiteral("計算式 ") + panelFormula;
  return lines;
}
