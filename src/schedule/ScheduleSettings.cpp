#include "schedule/ScheduleSettings.h"

#include "foundation/Errors.h"
#include "store/ConditionStore.h"
#include "store/StoreCells.h"

namespace Schedule {

void FactoryEconomics(WindowSettings& s) {
  s.price = QStringLiteral("12");
  s.efficiency = QStringLiteral("0.85");
  s.co2 = QStringLiteral("0.2");
  s.years = QStringLiteral("10");
  s.rate = QStringLiteral("3");
}

WindowSettings FromStore(const ConditionStore& store, const QString& source) {
  using namespace StoreCells;
  WindowSettings s;
  s.source = source;
  // As the panels' Backs put them into the surface panel.
  s.stefanBoltzmann = store.GetCell(kStefanBoltzmannDigits).left(7);
  s.stefanBoltzmannFactor = store.GetCell(kStefanBoltzmannFactor);
  s.emissivity = store.GetCell(kEmissivity).trimmed();
  s.coefficient = store.GetCell(kConvectiveCoefficient).trimmed();
  s.pipeWall = store.GetCell(kCylinderTubeThickness).trimmed();
  s.pipeWallK = store.GetCell(kCylinderTubeK).trimmed();
  s.pipeInsulationK = store.GetCell(kCylinderInsulationK).trimmed();
  s.flatWall = store.GetCell(kFlatStructureThickness).trimmed();
  s.flatWallK = store.GetCell(kFlatStructureK).trimmed();
  s.flatInsulationK = store.GetCell(kFlatInsulationK).trimmed();
  FactoryEconomics(s);
  return s;
}

void ReadEngineerFiles(WindowSettings& s, const std::function<QString(const QString&)>& path) {
  try {
    s.stock = StockFiles::ReadThicknesses(path(QString::fromLatin1(StockFiles::kThicknesses)));
  } catch (const AppError& e) {
    s.stockProblem = e.text();
  }
  try {
    s.costs = StockFiles::ReadCosts(path(QString::fromLatin1(StockFiles::kCosts)));
  } catch (const AppError& e) {
    s.costsProblem = e.text();
  }
  try {
    s.materials = MaterialLibrary::ReadMaterials(path(QString::fromLatin1(MaterialLibrary::kMaterials)));
    s.libraryProblems << s.materials.problems;
  } catch (const AppError& e) {
    s.libraryProblems << e.text();
  }
  try {
    s.jackets = MaterialLibrary::ReadJackets(path(QString::fromLatin1(MaterialLibrary::kJackets)));
    s.libraryProblems << s.jackets.problems;
  } catch (const AppError& e) {
    s.libraryProblems << e.text();
  }
}

void ReadEngineerFiles(WindowSettings& s, const QString& folder) {
  ReadEngineerFiles(s, [&folder](const QString& name) {
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return folder + QLatin1Char('/') + relative;
  });
}

}  // namespace Schedule
