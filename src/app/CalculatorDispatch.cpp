#include "app/CalculatorDispatch.h"

#include "foundation/NumberText.h"
#include "app/PanelStore.h"
#include "app/TForm1.h"
#include "operations/heating/HeatingPanel.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/memo/MemoViews.h"

namespace {

// Fields whose Enter key runs the cylinder panel / the flat panel.
const char* const kCylinderEnterFields[] = {"Edit3",  "Edit4",  "Edit6",  "Edit7",  "Edit8",  "Edit9",
                                            "Edit10", "Edit12", "Edit13", "Edit21", "Edit34", "Edit64",
                                            "Edit65", "Edit66", "Edit67", "Edit68", "Edit70"};
const char* const kFlatEnterFields[] = {"Edit5",  "Edit23", "Edit25", "Edit26", "Edit27", "Edit29",
                                        "Edit30", "Edit31", "Edit32", "Edit73", "Edit74", "Edit75"};
const char* const kSharedEnterFields[] = {"Edit16", "Edit17", "Edit69", "Edit83"};

}  // namespace

void CalculatorDispatch::Wire() {
  f.OnClick("Button29", [this] { ShowHeatLossMode(); });
  f.OnClick("Button30", [this] { ShowHeatingMode(); });
  f.OnClick("Button8", [this] { SelectHeater(); });
  f.OnClick("Button7", [this] { SelectCylinder(); });
  f.OnClick("Button12", [this] { SelectFlatPlate(); });
  f.OnClick("Button11", [this] { SelectFlatWall(); });
  f.OnClick("Button67", [this] { TogglePipeFlow(); });
  f.OnClick("Button69", [this] { PipeRunButton(); });
  f.OnClick("Button1", [this] { RunCylinderPanel(); });
  f.OnClick("Button15", [this] { RunFlatPanel(); });
  for (const char* name : kCylinderEnterFields) f.OnEnter(name, [this] { RunCylinderPanel(); });
  for (const char* name : kFlatEnterFields) f.OnEnter(name, [this] { RunFlatPanel(); });
  for (const char* name : kSharedEnterFields) f.OnEnter(name, [this] { RunShowingPanel(); });
  f.DigitsOnly("Edit21");
}

void CalculatorDispatch::StartUp() {
  f.Panels().LoadStore();
  f.Store().SetCell(6, 2, QStringLiteral("5"));
  f.Panels().BackCylinderPanel();
  f.Panels().BackFlatPanel();
  f.Memos().StartUp();
  f.Heating().StartUp();
  ShowHeatLossMode();
}

void CalculatorDispatch::SetCalculatorCode(const QString& code) {
  ConditionStore& s = f.Store();
  if (s.GetCell(6, 2) != code) s.SetCell(5, 5, QStringLiteral("0"));
  s.SetCell(6, 2, code);
}

void CalculatorDispatch::ShowHeatLossMode() {
  f.ShowControls({"Edit18", "Edit19", "Edit20", "Panel6", "Panel8", "Panel5", "Panel9", "Panel10"});
  f.HideControls({"Panel13", "Panel14"});
  SelectHeater();
}

void CalculatorDispatch::ShowHeatingMode() {
  f.HideControls({"Panel10", "Panel6", "Panel8", "Panel5", "Panel9", "Edit69", "Label65"});
  f.ShowControls({"Panel13", "Panel14"});
  f.Heating().EnterHeatingMode();
  f.HideControls({"Label97", "Edit83", "Edit18", "Edit19", "Edit20"});
  f.ShowControls({"Edit1", "Edit10"});
}

// The two calculators of the cylinder panel: code, panel kind, the three
// layer column captions and the title.
struct CylinderPanelRow {
  const char* code;
  const char* kind;
  const char* columns[3];
  const char* title;
};
const CylinderPanelRow kHeaterPanel{"5", "hi-ta", {"発熱線", "MgO層", "ステンレス層"}, "ヒーター温度"};
const CylinderPanelRow kCylinderPanel{"4", "enntou", {"内側温度", "構造材", "保温材"}, "円筒の放熱"};

void CalculatorDispatch::ShowCylinderPanel(const CylinderPanelRow& row) {
  f.ShowControls({"Panel5", "Panel6"});
  f.HideControls({"Panel8", "Panel9", "Panel20"});
  SetCalculatorCode(QString::fromUtf8(row.code));
  f.Store().SetCell(6, 1, QString::fromUtf8(row.kind));
  const char* const labels[] = {"Label9", "Label10", "Label11"};
  for (int i = 0; i < 3; ++i) f.SetText(labels[i], QString::fromUtf8(row.columns[i]));
  f.SetText("Label36", QString::fromUtf8(row.title));
}

void CalculatorDispatch::SelectHeater() {
  ShowCylinderPanel(kHeaterPanel);
  f.HideControls({"Edit69", "Edit83", "Label65", "Label97", "Edit70", "Label63", "Button67", "Button69"});
  f.ShowControls({"Edit1", "Edit3", "Edit9", "Edit10", "Edit11", "Edit14", "Label8"});
  f.EnableControls({"Edit1", "Edit4", "Edit6", "Edit7", "Edit8", "Edit10"}, true);
  f.SetEnabled("Edit34", false);
  f.SetResultColour("Edit4");
  f.Panels().BackCylinderPanel();
}

void CalculatorDispatch::SelectCylinder() {
  ShowCylinderPanel(kCylinderPanel);
  f.SetEnabled("Edit8", false);
  f.HideControls({"Edit14", "Label8", "Label63", "Label65", "Label97", "Edit69", "Edit70", "Edit83", "Edit9",
                  "Button69"});
  f.ShowControls({"Edit3", "Edit10", "Edit11"});
  f.SetInputColour("Edit4");
  f.SetInputColour("Edit34");
  f.SetEnabled("Edit34", true);
  f.Panels().BackCylinderPanel();
  f.ShowControls({"Button67"});
}

void CalculatorDispatch::SelectFlatPlate() {
  f.ShowControls({"Panel8", "Panel9"});
  f.HideControls({"Panel5", "Panel6", "Panel20"});
  SetCalculatorCode(QStringLiteral("1"));
  f.SetText("Label37", QStringLiteral("平板放熱"));
  f.ShowControls({"Label30", "Button71", "Edit24", "Edit28", "Edit30", "Edit32"});
  f.HideControls({"Label29", "Edit26", "Edit69", "Edit83", "Label65", "Label97", "Button67", "Button69"});
  f.EnableControls({"Edit27", "Edit31", "Edit33"}, true);
  f.SetResultColour("Edit23");
  f.SetInputColour("Edit27");
  f.Panels().BackFlatPanel();
  RunFlatPanel();
}

void CalculatorDispatch::SelectFlatWall() {
  f.ShowControls({"Panel8", "Panel9"});
  f.HideControls({"Panel5", "Panel6", "Panel20"});
  SetCalculatorCode(QStringLiteral("3"));
  f.SetText("Label37", QStringLiteral("平板熱通過"));
  // Cooling over time ends with this selection.
  f.HideControls({"Label68", "Label69", "Label70", "Label71", "Label72", "Edit73", "Edit74", "Edit75", "Edit76"});
  f.SetText("Label30", QStringLiteral("片面のみからの放熱"));
  f.SetText("Button71", QStringLiteral("定温放熱"));
  f.HideControls({"Label30", "Button71", "Button67", "Button69"});
  f.ShowControls({"Label29", "Label65", "Label97", "Edit26", "Edit24", "Edit28", "Edit30", "Edit32", "Edit69",
                  "Edit83"});
  f.SetEnabled("Edit31", true);
  f.SetEnabled("Edit33", false);
  f.SetResultColour("Edit23");
  f.SetResultColour("Edit27");
  f.Panels().BackFlatPanel();
}

void CalculatorDispatch::TogglePipeFlow() {
  if (f.IsShown("Panel20")) {
    f.HideControls({"Edit14", "Button69", "Edit70", "Edit69", "Edit83", "Label65", "Label97", "Label63"});
    f.ShowControls({"Edit3", "Edit10", "Edit11"});
    SelectCylinder();
    SetCalculatorCode(QStringLiteral("4"));
    f.HideControls({"Panel20"});
  } else {
    f.SetText("Label64", QStringLiteral("外気温度℃"));
    f.SetText("Button69", QStringLiteral("放 熱"));
    f.HideControls({"Edit10", "Edit11", "Edit3"});
    f.ShowControls({"Label63", "Edit14", "Edit70", "Edit69", "Edit83", "Label65", "Label97", "Button69"});
    if (f.IsEmpty("Edit67")) f.SetText("Edit14", QString());
    SetCalculatorCode(QStringLiteral("41"));
    f.ShowControls({"Panel20"});
  }
  f.Panels().BackCylinderPanel();
}

void CalculatorDispatch::PipeRunButton() {
  if (f.Text("Button69") != QStringLiteral("放 熱")) {
    f.SetText("Label64", QStringLiteral("外気温度℃"));
    f.SetText("Button69", QStringLiteral("放 熱"));
    SetCalculatorCode(QStringLiteral("41"));
  }
  RunCylinderPanel();
}

void CalculatorDispatch::RunCylinderPanel() {
  for (const char* name : {"Edit3", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11", "Edit12", "Edit34"})
    if (f.IsEmpty(name)) return;
  if (f.Text("Edit12") == QStringLiteral("0") && f.Text("Edit34") == QStringLiteral("0")) return;
  for (const char* name : {"Edit13", "Edit21", "Edit69", "Edit17"})
    if (f.IsEmpty(name)) return;
  f.SetText("Edit11", NumberText(f.Number("Edit12") * 2 + f.Number("Edit10")));
  if (f.Store().GetCell(6, 1) == QStringLiteral("hi-ta")) {
    f.HeatLoss().HeaterTemperature();
  } else if (f.IsShown("Button69")) {
    f.HeatLoss().PipeFlowTemperature();
  } else {
    f.HeatLoss().CylinderHeatLoss();
  }
}

void CalculatorDispatch::RunFlatPanel() {
  for (const char* name : {"Edit5", "Edit25", "Edit26", "Edit29", "Edit30", "Edit22", "Edit69", "Edit17"})
    if (f.IsEmpty(name)) return;
  const QString code = f.Store().GetCell(6, 2);
  if (code == QStringLiteral("1")) {
    if (f.Text("Button71") == QStringLiteral("定温放熱"))
      f.HeatLoss().FlatPlateHeatLoss();
    else
      f.HeatLoss().FlatPlateCooling();
  } else if (code == QStringLiteral("3")) {
    f.HeatLoss().FlatWallTransmission();
  }
}

void CalculatorDispatch::RunShowingPanel() {
  if (f.IsShown("Panel5"))
    RunCylinderPanel();
  else if (f.IsShown("Panel9"))
    RunFlatPanel();
  else if (f.IsShown("Panel14"))
    f.Heating().RunHeating();
}
