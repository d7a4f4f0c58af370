#include "operations/memo/ResultExport.h"

#include <QRadioButton>

#include "foundation/NumberText.h"
#include "widgets/StringGrid.h"
#include "app/TForm1.h"

namespace {
const QString kCounterZero = QStringLiteral("0");
}  // namespace

void ResultExport::Wire() {
  f.OnClick("Button44", [this] { ExportResults(); });
}

StringGrid& ResultExport::Grid() const { return *f.Grid("StringGrid3"); }

void ResultExport::ExportResults() {
  if (!f.IsShown("StringGrid3")) return;
  const QString code = f.Store().GetCell(6, 2);
  using ExportBlocks::Material;
  if (code == QStringLiteral("1"))
    ExportFlatPlateBlock();
  else if (code == QStringLiteral("3"))
    ExportFlatTransmissionBlock();
  else if (code == QStringLiteral("4") || code == QStringLiteral("41") || code == QStringLiteral("42"))
    ExportCylinderBlock();
  else if (code == QStringLiteral("5"))
    ExportHeaterBlock();
  else if (code == QStringLiteral("8"))
    ExportContainerHeatingBlock(Material::Liquid);
  else if (code == QStringLiteral("9") || code == QStringLiteral("11"))
    ExportContainerHeatingBlock(Material::Gas);
  else if (code == QStringLiteral("10"))
    ExportContainerHeatingBlock(Material::Solid);
}

void ResultExport::ExportFlatPlateBlock() {
  const ExportBlock& b = ExportBlocks::FlatPlate();
  const bool cooling = f.Text("Button71") != QStringLiteral("定温放熱");
  if (TableIsFull(b.firstColumn)) return;
  StartTable(b.height);
  Grid().SetCell(0, 0, QString::fromUtf8(b.title));
  const Rows cooled = cooling ? ExportBlocks::FlatPlateCoolingRows() : Rows();
  WriteCaptions({b.rows, ExportBlocks::FlatPlateRows(), cooled});
  // In natural cooling the label says whether one face or both give off heat.
  const QString suffix = cooling ? QStringLiteral(" ") + f.Text("Label30").left(2) : QString();
  const int c = NextCondition(b.firstColumn, suffix);
  CopyValues(c, {b.rows, ExportBlocks::FlatPlateRows(), cooled});
}

void ResultExport::ExportFlatTransmissionBlock() {
  const ExportBlock& b = ExportBlocks::FlatTransmission();
  if (TableIsFull(b.firstColumn)) return;
  StartTable(b.height);
  Grid().SetCell(0, 0, QString::fromUtf8(b.title));
  WriteCaptions({b.rows, ExportBlocks::FlatTransmissionRows()});
  const int c = NextCondition(b.firstColumn, QString());
  CopyValues(c, {b.rows, ExportBlocks::FlatTransmissionRows()});
}

void ResultExport::ExportCylinderBlock() {
  const ExportBlock& b = ExportBlocks::Cylinder();
  const bool pipeFlow = f.Store().GetCell(6, 2) != QStringLiteral("4");
  if (TableIsFull(b.firstColumn)) return;
  // The cylinder block sets its height on every export; its cells are
  // emptied only when a new table starts.
  const int height = pipeFlow ? b.height + 1 : b.height;
  if (f.Store().GetCell(5, 5) == kCounterZero) StartTable(height);
  Grid().SetRowCount(height);
  QString title = QString::fromUtf8(b.title);
  if (f.IsShown("Button69")) {
    title += QStringLiteral("　") + f.Text("Button69");
    Grid().SetCell(0, 0, title);
    if (f.Number("Edit68") > f.Number("Edit70")) title = QStringLiteral("円筒の放熱　加熱");
  }
  Grid().SetCell(0, 0, title);
  const Rows modeRows = pipeFlow ? ExportBlocks::CylinderPipeFlowRows() : ExportBlocks::CylinderSurfaceRows();
  WriteCaptions({b.rows, modeRows});
  const int c = NextCondition(b.firstColumn, QString());
  CopyValues(c, {b.rows, modeRows});
  if (!f.IsShown("Button69")) Grid().SetCell(c, 2, f.Text("Edit3"));
}

void ResultExport::ExportHeaterBlock() {
  const ExportBlock& b = ExportBlocks::Heater();
  if (TableIsFull(b.firstColumn)) return;
  StartTable(b.height);
  Grid().SetCell(0, 0, QString::fromUtf8(b.title));
  WriteCaptions({b.rows});
  const int c = NextCondition(b.firstColumn, QString());
  CopyValues(c, {b.rows});
}

void ResultExport::ExportContainerHeatingBlock(ExportBlocks::Material material) {
  const ExportBlock& b = ExportBlocks::ContainerHeating(material);
  // Wall heating of a gas: rows 20..22 hold the three end temperatures.
  const QWidget* wall = f.FindControl(QStringLiteral("RadioButton4"));
  const bool wallHeating = material == ExportBlocks::Material::Gas && wall &&
                           static_cast<const QRadioButton*>(wall)->isChecked();
  const Rows wallRows = wallHeating ? ExportBlocks::WallHeatingResultRows() : Rows();
  if (TableIsFull(b.firstColumn)) return;
  StartTable(b.height);
  Grid().SetCell(0, 0, QString::fromUtf8(b.title));
  WriteCaptions({b.rows, ExportBlocks::HeatingCommonRows(), wallRows});
  const int c = NextCondition(b.firstColumn, QString());
  CopyValues(c, {b.rows, ExportBlocks::HeatingCommonRows(), wallRows});
}

// ------------------------------------------------------------ common steps

bool ResultExport::TableIsFull(int firstColumn) {
  int n = 0;
  if (!TryToInteger(f.Store().GetCell(5, 5), n)) return false;  // reported after the captions
  if (n + firstColumn < Grid().ColCount()) return false;
  f.Message(QStringLiteral("比較表の列がいっぱいです（%1 条件まで）。\r"
                           "表をメモとして保存してから、計算を選び直すと新しい表になります。")
                .arg(Grid().ColCount() - firstColumn));
  return true;
}

void ResultExport::StartTable(int height) {
  if (f.Store().GetCell(5, 5) != kCounterZero) return;
  Grid().SetRowCount(height);
  Grid().ClearCells();
}

void ResultExport::WriteCaptions(std::initializer_list<Rows> rows) {
  for (const Rows& part : rows) {
    for (const ExportRow& r : part) {
      if (r.caption) Grid().SetCell(0, r.row, QString::fromUtf8(r.caption));
      if (r.subCaption) Grid().SetCell(1, r.row, QString::fromUtf8(r.subCaption));
    }
  }
}

int ResultExport::NextCondition(int firstColumn, const QString& labelSuffix) {
  const int n = ToInteger(f.Store().GetCell(5, 5));
  f.Store().SetCell(5, 5, QString::number(n + 1));
  const int column = n + firstColumn;
  Grid().SetCell(column, 1, QStringLiteral("条件") + QString::number(n + 1) + labelSuffix);
  return column;
}

void ResultExport::CopyValues(int column, std::initializer_list<Rows> rows) {
  for (const Rows& part : rows)
    for (const ExportRow& r : part)
      if (r.source.kind != ExportSource::None) Grid().SetCell(column, r.row, ValueOf(r.source));
}

QString ResultExport::ValueOf(const ExportSource& source) const {
  switch (source.kind) {
    case ExportSource::Field: {
      const QByteArray name(source.field);
      return f.FindControl(QString::fromLatin1(name)) ? f.Text(source.field) : QString();
    }
    case ExportSource::StoreCell:
      return f.Store().GetCell(source.column, source.row);
    case ExportSource::LidChoice: {
      const QWidget* yes = f.FindControl(QStringLiteral("RadioButton1"));
      const bool lid = !yes || static_cast<const QRadioButton*>(yes)->isChecked();
      return lid ? QStringLiteral("有") : QStringLiteral("無");
    }
    case ExportSource::None:
      break;
  }
  return QString();
}
