#include "app/PanelStore.h"

#include <QFile>
#include <QFileInfo>

#include "app/CalculatorDispatch.h"
#include "widgets/Dialogs.h"
#include "foundation/Errors.h"
#include "foundation/NumberText.h"
#include "app/TForm1.h"
#include "store/TextFile.h"

namespace {

const QString kStoreFile = QStringLiteral("G1de-ta\\heatwork.csv");
const QString kFactoryFile = QStringLiteral("G1de-ta\\heatworkA.csv");

struct Cell {
  int column = -1, row = -1;  // column -1: not stored
  bool valid() const { return column >= 0; }
};

enum class Use { SaveAndBack, BackOnly };

// One row of the cylinder panel's field-to-cell table: the field's cell for
// the heater (code "5"), the cylinder ("4") and pipe flow ("41").
struct CylinderRow {
  const char* field;
  Cell heater, cylinder, pipe;
  Use heaterUse, cylinderUse, pipeUse;
};

constexpr Cell None{};
constexpr Use SB = Use::SaveAndBack, BO = Use::BackOnly;

// clang-format off
const CylinderRow kCylinderCells[] = {
  // field     heater    cylinder  pipe flow   heater cyl  pipe
  {"Edit3",  {6, 8},  {6, 31}, {6, 70},    SB, SB, SB},  // ambient temperature
  {"Edit4",  None,    {4, 32}, {4, 71},    SB, SB, SB},  // inner temperature
  {"Edit70", None,    None,    {3, 71},    SB, SB, SB},  // fluid inlet temperature
  {"Edit6",  {4, 10}, {4, 33}, {4, 72},    SB, SB, SB},  // conductivity, first layer
  {"Edit7",  {5, 10}, {5, 33}, {5, 72},    SB, SB, SB},  // conductivity, second layer
  {"Edit8",  {5, 11}, {5, 34}, {5, 73},    SB, SB, SB},  // heat W
  {"Edit9",  {3, 12}, {3, 35}, {3, 74},    BO, BO, BO},  // wire diameter
  {"Edit10", {4, 12}, {4, 35}, {4, 74},    BO, SB, SB},  // outer diameter, first layer
  {"Edit11", {5, 12}, {5, 35}, {5, 74},    SB, SB, SB},  // outer diameter, second layer
  {"Edit34", {4, 13}, {4, 36}, {4, 75},    BO, SB, SB},  // thickness, first layer
  {"Edit12", {5, 13}, {5, 36}, {5, 75},    SB, SB, SB},  // thickness, second layer
  {"Edit13", {5, 14}, {5, 37}, {5, 76},    SB, SB, SB},  // length
  {"Edit21", {5, 1},  {5, 2},  {5, 2},     SB, SB, BO},  // result 層内側温度
  {"Edit64", None,    {5, 31}, {5, 70},    SB, SB, SB},  // specific heat
  {"Edit65", None,    {6, 32}, {6, 71},    SB, SB, SB},  // density
  {"Edit66", None,    {6, 33}, {6, 72},    SB, SB, SB},  // pipe inner diameter
  {"Edit67", None,    {6, 34}, {6, 73},    SB, SB, SB},  // flow
  {"Edit68", None,    {6, 35}, {6, 74},    SB, SB, SB},  // ambient temperature (pipe)
};

// The flat panel: codes "1" and "3" share one set of cells.
struct FlatRow {
  const char* field;
  Cell cell;
};
const FlatRow kFlatCells[] = {
  {"Edit5",  {3, 21}}, {"Edit23", {3, 22}}, {"Edit24", {4, 22}}, {"Edit25", {5, 22}},
  {"Edit26", {2, 23}}, {"Edit27", {3, 23}}, {"Edit28", {4, 23}}, {"Edit29", {3, 24}},
  {"Edit30", {4, 24}}, {"Edit31", {3, 25}}, {"Edit32", {4, 25}}, {"Edit33", {3, 26}},
  {"Edit73", {5, 23}}, {"Edit74", {5, 24}}, {"Edit75", {5, 25}},
};
// clang-format on

enum class CylinderCode { Heater, Cylinder, Pipe, Other };

CylinderCode CodeOf(const QString& code) {
  if (code == QStringLiteral("5")) return CylinderCode::Heater;
  if (code == QStringLiteral("4")) return CylinderCode::Cylinder;
  if (code == QStringLiteral("41")) return CylinderCode::Pipe;
  return CylinderCode::Other;
}

Cell CellOf(const CylinderRow& r, CylinderCode code) {
  switch (code) {
    case CylinderCode::Heater: return r.heater;
    case CylinderCode::Cylinder: return r.cylinder;
    case CylinderCode::Pipe: return r.pipe;
    default: return None;
  }
}

Use UseOf(const CylinderRow& r, CylinderCode code) {
  switch (code) {
    case CylinderCode::Heater: return r.heaterUse;
    case CylinderCode::Cylinder: return r.cylinderUse;
    default: return r.pipeUse;
  }
}

}  // namespace

void PanelStore::Wire() {
  f.OnClick("Button6", [this] { SaveCylinderPanel(); });
  f.OnClick("Button5", [this] { BackCylinderPanel(); });
  f.OnClick("Button16", [this] { SaveFlatPanel(); });
  f.OnClick("Button17", [this] { BackFlatPanel(); });
  f.OnClick("Label19", [this] { RestoreFactoryStore(true); });
  f.OnDblClick("Label19", [this] { RestoreFactoryStore(false); });
}

void PanelStore::LoadStore() {
  TextFile::ReadResult file;
  {
    BusyPointer busy(f.Dlg());
    file = TextFile::Read(f.Path(kStoreFile));
  }
  if (file.validCp932) {
    f.Store().LoadLines(file.lines);
    return;
  }
  // Bytes that are not code page 932 are read as "?", so the store can be
  // saved again; the user is told which file held them.
  for (QString& line : file.lines) line.replace(QChar(0xFFFD), QLatin1Char('?'));
  f.Store().LoadLines(file.lines);
  f.Message(QStringLiteral("ファイル %1 に読めない文字がありました。「?」に置き換えて読み込みました。")
                .arg(f.Path(kStoreFile)));
}

void PanelStore::SaveStore() {
  {
    BusyPointer busy(f.Dlg());
    f.Store().Save(f.Path(kStoreFile));
  }
  f.Message(QStringLiteral("デ－タを保存しました"));
}

void PanelStore::SaveCylinderPanel() {
  for (const char* name : {"Edit21", "Edit3", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit12", "Edit13",
                           "Edit1", "Edit4"})
    if (f.IsEmpty(name)) return;
  const CylinderCode code = CodeOf(f.Store().GetCell(6, 2));
  if (code != CylinderCode::Other) {
    for (const CylinderRow& r : kCylinderCells) {
      const Cell c = CellOf(r, code);
      if (c.valid() && UseOf(r, code) == Use::SaveAndBack) f.Store().SetCell(c.column, c.row, f.Text(r.field));
    }
  }
  SaveStore();
}

void PanelStore::BackCylinderPanel() {
  ConditionStore& s = f.Store();
  f.SetText("Edit16", s.GetCell(2, 2));
  f.SetText("Edit17", s.GetCell(2, 3));
  const CylinderCode code = CodeOf(s.GetCell(6, 2));
  if (code != CylinderCode::Other) {
    if (code == CylinderCode::Heater) s.SetCell(6, 1, QStringLiteral("hi-ta"));
    const CylinderRow* length = nullptr;
    const CylinderRow* outer2 = nullptr;
    const CylinderRow* outer1 = nullptr;
    const CylinderRow* thick2 = nullptr;
    for (const CylinderRow& r : kCylinderCells) {
      const QString field = QString::fromLatin1(r.field);
      if (field == QStringLiteral("Edit13")) length = &r;
      if (field == QStringLiteral("Edit11")) outer2 = &r;
      if (field == QStringLiteral("Edit10")) outer1 = &r;
      if (field == QStringLiteral("Edit12")) thick2 = &r;
    }
    const Cell lengthCell = CellOf(*length, code);
    f.SetText("Edit13", s.GetCell(lengthCell.column, lengthCell.row));
    f.SetText("Edit15", s.GetCell(2, 1).left(7));
    f.SetText("Edit16", s.GetCell(2, 2));
    f.SetText("Edit17", s.GetCell(2, 3));
    if (code != CylinderCode::Heater) f.SetText("Edit69", s.GetCell(2, 3));
    for (const CylinderRow& r : kCylinderCells) {
      const Cell c = CellOf(r, code);
      if (c.valid() && QString::fromLatin1(r.field) != QStringLiteral("Edit21"))
        f.SetText(r.field, s.GetCell(c.column, c.row));
    }
    // The second layer's outer diameter always follows from the first
    // layer's diameter and the second layer's thickness.
    const Cell o2 = CellOf(*outer2, code), o1 = CellOf(*outer1, code), t2 = CellOf(*thick2, code);
    s.SetCell(o2.column, o2.row,
              NumberText(ToNumber(s.GetCell(t2.column, t2.row)) * 2 + ToNumber(s.GetCell(o1.column, o1.row))));
    f.SetText("Edit21", s.GetCell(5, code == CylinderCode::Heater ? 1 : 2));
    f.SetText("Edit22", QStringLiteral("-8"));
  }
  f.Dispatch().RunCylinderPanel();
}

void PanelStore::SaveFlatPanel() {
  for (const char* name : {"Edit5", "Edit23", "Edit25", "Edit26", "Edit27", "Edit29", "Edit30", "Edit31", "Edit32",
                           "Edit73", "Edit74", "Edit75"})
    if (f.IsEmpty(name)) return;
  for (const FlatRow& r : kFlatCells) f.Store().SetCell(r.cell.column, r.cell.row, f.Text(r.field));
  SaveStore();
}

void PanelStore::BackFlatPanel() {
  ConditionStore& s = f.Store();
  f.SetText("Edit16", s.GetCell(2, 2));
  f.SetText("Edit17", s.GetCell(2, 3));
  s.SetCell(6, 1, QStringLiteral("hi-ta"));
  for (const FlatRow& r : kFlatCells) {
    const QString field = QString::fromLatin1(r.field);
    if (field == QStringLiteral("Edit73")) break;  // the cooling fields follow below
    f.SetText(r.field, s.GetCell(r.cell.column, r.cell.row));
  }
  f.SetText("Edit69", s.GetCell(2, 3));
  s.SetCell(5, 12, NumberText(ToNumber(s.GetCell(5, 13)) * 2 + ToNumber(s.GetCell(4, 12))));
  f.SetText("Edit21", s.GetCell(5, 1));
  f.SetText("Edit22", QStringLiteral("-8"));
  f.SetText("Edit73", s.GetCell(5, 23));
  f.SetText("Edit74", s.GetCell(5, 24));
  f.SetText("Edit75", s.GetCell(5, 25));
  f.Dispatch().RunFlatPanel();
}

void PanelStore::RestoreFactoryStore(bool ask) {
  if (ask && !f.Confirm(QStringLiteral("基本データに異常値が入力された場合、正常な起動ができません。\r"
                                       "初期のデータに変更してよいですか")))
    return;
  const QString factory = f.Path(kFactoryFile);
  const QString working = f.Path(kStoreFile);
  QFile source(factory);
  if (!source.open(QIODevice::ReadOnly))
    throw FileError(QStringLiteral("ファイル %1 は開けません").arg(factory));
  const QByteArray bytes = source.readAll();
  // The old store goes to the trash first, so the restore can be undone.
  // Where the trash refuses it, a copy beside it keeps the old values.
  if (QFileInfo::exists(working)) {
    QString reason;
    if (!f.Dlg().MoveToTrash(working, &reason)) {
      const QString backup = f.Path(QStringLiteral("G1de-ta\\heatwork.bak.csv"));
      QFile::remove(backup);
      if (!QFile::copy(working, backup))
        throw FileError(QStringLiteral("ファイル %1 を作成できません").arg(backup));
    }
  }
  if (!TextFile::WriteBytesAtomically(working, bytes))
    throw FileError(QStringLiteral("ファイル %1 を作成できません").arg(working));
  f.Message(QStringLiteral("データを復元しました。立ち上げなおしてください。"));
}
