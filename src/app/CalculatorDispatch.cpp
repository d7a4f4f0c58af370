#include "app/CalculatorDispatch.h"

#include <QFile>
#include <QFileInfo>
#include <exception>
#include <iterator>

#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"
#include "operations/common/ComparisonTable.h"
#include "operations/common/HeatLossControls.h"
#include "operations/common/HeatingControls.h"
#include "operations/common/MemoControls.h"
#include "operations/common/StoreActions.h"
#include "operations/common/WindowControls.h"
#include "operations/heating/HeatingPanel.h"
#include "operations/heating/HeatingRows.h"
#include "operations/heatloss/HeatFlowDisplay.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/heatloss/HeatLossPanels.h"
#include "operations/memo/MemoViews.h"
#include "store/FileTrash.h"
#include "store/StoreFile.h"
#include "store/TextFile.h"
#include "widgets/Dialogs.h"
#include "widgets/Form.h"

namespace {
// Fields of the surface panel Panel4 shared by every calculator: Enter runs
// the panel that shows.
const char* const kSharedEnterFields[] = {Surface::Emissivity, Surface::Coefficient,
                                          Surface::InnerCoefficient, Surface::InnerEmissivity};
}  // namespace

void CalculatorDispatch::Wire() {
  f.OnClick(Commands::HeatLossMode, [this] { ShowHeatLossMode(); });
  f.OnClick(Commands::HeatingMode, [this] { ShowHeatingMode(); });
  for (const HeatLossCalculator* c : kHeatLossCalculators)
    if (c->selectButton) {
      const Calculator code = c->code;
      f.OnClick(c->selectButton, [this, code] { Select(code); });
    }
  for (const char* name : kSharedEnterFields) f.OnEnter(name, [this] { RunShowingPanel(); });
  f.OnClick(Surface::Restore, [this] { RestoreFactoryStore(true); });
  f.OnDblClick(Surface::Restore, [this] { RestoreFactoryStore(false); });
  f.OnClick(Commands::ExportResults, [this] { ExportResults(); });
}

void CalculatorDispatch::StartUp() {
  // Every step runs, also after one has failed (a store that is missing,
  // or damaged and kept as it is): the window always ends in heat-loss mode
  // on the heater with the controls of both modes set up. The first failure
  // is the one shown.
  std::exception_ptr first;
  auto step = [&first](const auto& run) {
    FloatFaults::Clear();
    try {
      run();
    } catch (const AppError&) {
      if (!first) first = std::current_exception();
    }
  };
  step([this] { StoreActions::LoadStoreAtStartUp(f); });
  step([this] {
    f.Store().SetCell(StoreCells::kCalculatorCode, CodeText(Calculator::Heater));
    heatLoss_.Cylinder().Back();
  });
  step([this] { heatLoss_.Flat().Back(); });
  step([this] { memos_.StartUp(); });
  step([this] { heating_.StartUp(); });
  step([this] { ShowHeatLossMode(); });
  FloatFaults::Clear();
  if (first) std::rethrow_exception(first);
}

void CalculatorDispatch::ShowHeatLossMode() {
  f.ShowControls({Surface::ConvectiveLoss, Surface::RadiativeLoss, Surface::TotalLoss, Cylinder::Buttons,
                  Flat::Buttons, Cylinder::Panel, Flat::Panel, Selection::Panel});
  f.HideControls({Heating::Commands, Heating::Panel});
  Select(Calculator::Heater);
}

void CalculatorDispatch::ShowHeatingMode() {
  f.HideControls({Selection::Panel, Cylinder::Buttons, Flat::Buttons, Cylinder::Panel, Flat::Panel,
                  Surface::InnerCoefficient, Surface::InnerCoefficientCaption});
  f.ShowControls({Heating::Commands, Heating::Panel});
  heating_.EnterHeatingMode();
  f.HideControls({Surface::InnerEmissivityCaption, Surface::InnerEmissivity, Surface::ConvectiveLoss,
                  Surface::RadiativeLoss, Surface::TotalLoss});
  // A cold line's 取得 captions would stand over no result.
  HeatFlowDisplay::ShowLossCaptions(f);
  f.ShowControls({Cylinder::Layer1Outer, Cylinder::Layer1Diameter});
}

void CalculatorDispatch::Select(Calculator calculator) {
  if (const HeatLossCalculator* c = HeatLossCalculatorOf(calculator)) heatLoss_.Select(*c);
}

void CalculatorDispatch::RunShowingPanel() {
  if (f.IsShown(Cylinder::Panel))
    heatLoss_.Cylinder().Run();
  else if (f.IsShown(Flat::Panel))
    heatLoss_.Flat().Run();
  else if (f.IsShown(Heating::Panel))
    heating_.RunHeating();
}

void CalculatorDispatch::ExportResults() {
  if (!f.IsShown(Memos::GridMemo)) return;
  std::optional<Calculator> code = f.State().OnScreen();
  if (!code) return;
  // The older pipe-flow code exports as pipe flow.
  if (*code == Calculator::PipeFlowLegacy) code = Calculator::PipeFlow;
  const HeatLossCalculator* heatLoss = HeatLossCalculatorOf(*code);
  const heating::HeatingCalculatorRow* heating = heating::HeatingCalculatorOf(*code);
  const CalculatorHooks* hooks = heatLoss ? &heatLoss->hooks : heating ? &heating->hooks : nullptr;
  if (!hooks) return;
  if (!hooks->exportTo) {
    f.Message(NotOffered(QString::fromUtf8(heatLoss ? heatLoss->name : heating->name), QStringLiteral("結果一括保存")));
    return;
  }
  ComparisonTable table(f, *f.Grid(Memos::GridMemo));
  hooks->exportTo(f, table);
}

void CalculatorDispatch::RestoreFactoryStore(bool ask) {
  if (ask && !f.Confirm(QStringLiteral("基本データに異常値が入力された場合、正常な起動ができません。\r"
                                       "初期のデータに変更してよいですか")))
    return;
  const QString factory = f.Path(QString::fromLatin1(StoreFile::kFactory));
  const QString working = f.Path(QString::fromLatin1(StoreFile::kWorking));
  QFile source(factory);
  if (!source.open(QIODevice::ReadOnly))
    throw FileError(QStringLiteral("ファイル %1 は開けません").arg(factory));
  const QByteArray bytes = source.readAll();
  // The old store goes to the trash first, so the restore can be undone.
  // Where nothing takes it, a copy beside it keeps the old values.
  QString note;
  if (QFileInfo::exists(working)) {
    const FileTrash::Outcome out =
        f.Dlg().MoveToTrash(working, f.Path(QString::fromLatin1(FileTrash::kBackupFolder)));
    note = out.Note(QFileInfo(working).fileName());
    if (!out.Moved()) {
      QFile old(working);
      if (!old.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("ファイル %1 は開けません").arg(working));
      TextFile::WriteBytes(f.Path(QString::fromLatin1(StoreFile::kBackup)), old.readAll());
    }
  }
  TextFile::WriteBytes(working, bytes);
  f.Repository().Watch().SavedBytes(bytes);
  ReloadRestoredStore();
  QString done =
      QStringLiteral("データを初期のデータに戻しました。表示中の計算も初期のデータで計算しなおしました。");
  if (!note.isEmpty()) done += QLatin1Char('\r') + note;
  f.Message(done);
}

void CalculatorDispatch::ReloadRestoredStore() {
  // What the window shows stays: the calculator on screen, the heating
  // material, the comparison table's count and the picked-up text (where
  // the old store held them at all).
  const StoreCell kept[] = {StoreCells::kCalculatorCode, StoreCells::kCylinderPanelKind,
                            StoreCells::kHeatingMaterial, StoreCells::kExportCounter, StoreCells::kPickUp};
  QString keptTexts[std::size(kept)];
  for (size_t i = 0; i < std::size(kept); ++i) keptTexts[i] = f.Store().GetCell(kept[i]);
  const HeatLossCalculator* onScreen = heatLoss_.OnScreen();
  StoreActions::LoadStore(f);
  for (size_t i = 0; i < std::size(kept); ++i)
    if (!keptTexts[i].isEmpty()) f.Store().SetCell(kept[i], keptTexts[i]);
  // The surface fields that every calculator reads, as the start-up fills
  // them: a store bad enough to be restored may have stopped the start-up
  // before it did.
  heatLoss_.Flat().Back();
  if (onScreen)
    heatLoss_.Select(*onScreen);
  else if (f.IsShown(Heating::Panel))
    heating_.BackHeating();
}
