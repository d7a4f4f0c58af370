#include "app/UnsavedWork.h"

#include <QRadioButton>
#include <vector>

#include "operations/common/HeatLossControls.h"
#include "operations/common/HeatingControls.h"
#include "operations/common/Unsaved.h"
#include "operations/heating/HeatingPanel.h"
#include "operations/heating/HeatingTables.h"
#include "operations/heatloss/HeatLossPanels.h"
#include "operations/heatloss/SurfaceOptions.h"
#include "operations/memo/MemoStore.h"
#include "widgets/Dialogs.h"
#include "widgets/Form.h"

namespace {

// The lid choice on screen differs from the one saved in the block. A
// block without one (older stores) opens with the window's own choice, 有.
bool LidChanged(Form& f, const ConditionStore& saved, const heating::MaterialRow& row) {
  if (!row.lidSelector) return false;
  const bool withLid =
      saved.GetCell(row.lid).trimmed() != QLatin1String("2");
  return withLid != f.State().Panels().heating.lid;
}

}  // namespace

QString UnsavedWork::ChangedConditions() {
  const ConditionStore saved = Unsaved::SavedStore(f);
  std::vector<FieldCell> cells;
  if (const HeatLossCalculator* c = heatLoss_.OnScreen()) {
    for (const FieldBinding& b : c->fields)
      if (b.saved) cells.push_back({b.field, b.cell, b.factory});
    if (Unsaved::ChangedFields(f, cells, saved, [this](Fields& x) { heatLoss_.RunOn(x); }).isEmpty() &&
        !SurfaceOptions::Changed(f, saved, c->hooks.optionCells, c->panel))
      return QString();
    return f.Text(c->panel == HeatLossPanel::Cylinder ? Cylinder::Title : Flat::Title);
  }
  if (!f.IsShown(Heating::Panel)) return QString();
  const heating::MaterialRow& row = heating::MaterialRowOf(f.State().Panels().heating.material);
  for (const heating::BlockCell& b : heating::BlockCells())
    if (b.saved) cells.push_back({b.field, b.In(row.material)});
  if (Unsaved::ChangedFields(f, cells, saved, &HeatingPanel::RunOn).isEmpty() && !LidChanged(f, saved, row))
    return QString();
  return f.Text(Heating::Title);
}

QStringList UnsavedWork::Items() {
  QStringList items;
  const QString conditions = ChangedConditions();
  if (!conditions.isEmpty()) items << conditions + QStringLiteral("の条件");
  if (memos_.TextMemoChanged()) items << memos_.TextMemoCaption();
  if (memos_.GridMemoChanged()) items << memos_.GridMemoCaption();
  return items;
}

void UnsavedWork::SaveConditions() {
  if (const HeatLossCalculator* c = heatLoss_.OnScreen()) {
    if (c->panel == HeatLossPanel::Cylinder)
      heatLoss_.Cylinder().Save();
    else
      heatLoss_.Flat().Save();
  } else {
    heating_.SaveHeating();
  }
}

bool UnsavedWork::SaveAll() {
  if (!ChangedConditions().isEmpty()) {
    SaveConditions();
    // The Save's guards refuse empty inputs quietly, and the engineer may
    // have declined to write over another window's save.
    if (!ChangedConditions().isEmpty()) {
      f.Message(QStringLiteral("条件を保存できなかったため、ウィンドウを閉じません。"));
      return false;
    }
  }
  if (memos_.TextMemoChanged() && !memos_.SaveTextMemoBack()) return false;
  if (memos_.GridMemoChanged() && !memos_.SaveGridMemoBack()) return false;
  return true;
}

bool UnsavedWork::MayClose() {
  bool mayClose = false;
  f.Guarded([this, &mayClose] {
    const QStringList items = Items();
    if (items.isEmpty()) {
      mayClose = true;
      return;
    }
    switch (f.Dlg().Ask(QStringLiteral("確認"), Unsaved::Question(items))) {
      case Dialogs::Reply::Yes:
        mayClose = SaveAll();
        break;
      case Dialogs::Reply::No:
        mayClose = true;
        break;
      case Dialogs::Reply::Cancel:
        break;
    }
  });
  return mayClose;
}
