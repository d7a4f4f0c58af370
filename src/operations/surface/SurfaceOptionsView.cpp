#include "operations/surface/SurfaceOptionsView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "foundation/NumberText.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/calculators/ScreenCalculator.h"
#include "operations/common/CoefficientControls.h"
#include "operations/common/HeatLossControls.h"
#include "operations/common/WindowControls.h"
#include "operations/heatloss/HeatLossPanels.h"
#include "operations/heatloss/SurfaceOptions.h"
#include "widgets/ControlTable.h"
#include "widgets/Form.h"

using namespace SurfaceOptions;

namespace {

constexpr unsigned kTable = 0xF4F4FF;

// clang-format off
// Beside the fields they concern: in the empty first column of the
// conductivity rows (Row(2) of the cylinder panel, Row(3) of the flat
// panel), and over the empty foot of the coefficient panel's item grid.
const ControlSpec kPanelButtons[] = {
  {Kind::Button, "KTableButton",     "Panel5",  106,  84,  76, 20, "k(T)"},
  {Kind::Button, "FlatKTableButton", "Panel9",  106, 105,  76, 20, "k(T)"},
  {Kind::Button, "TakeCoefficient",  "Panel21", 318, 196, 125, 22, "h を対流熱伝達率へ"},
};

const ControlSpec kPage[] = {
  {Kind::Label,  "SurfacePageTitle",     "SurfacePage",   8,   6, 430, 16, "外面の対流熱伝達率（「自動」のとき）", kBold},
  {Kind::Label,  "OrientationCaption",   "SurfacePage",   8,  32, 140, 16, "向き"},
  {Kind::Label,  "WindSpeedCaption",     "SurfacePage",   8,  58, 140, 16, "風速 m/s（0は無風）"},
  {Kind::Edit,   "WindSpeed",            "SurfacePage", 150,  55,  80, 20, "", kInput},
  {Kind::Label,  "SurfaceLengthCaption", "SurfacePage",   8,  84, 140, 16, "高さ・風方向の長さ m"},
  {Kind::Edit,   "SurfaceLength",        "SurfacePage", 150,  81,  80, 20, "", kInput},
  {Kind::Label,  "SurfaceLengthNote",    "SurfacePage", 236,  84, 200, 16, "空欄：面積の平方根（正方形）"},
  {Kind::Label,  "SurfaceNote",          "SurfacePage",   8, 110, 440, 112, ""},
  {Kind::Label,  "SurfaceSources",       "SurfacePage",   8, 226, 440, 44,
   "自然対流は水平管・垂直管・垂直壁が Churchill–Chu、水平面が McAdams、風は管が"
   " Churchill–Bernstein、壁が平板の平均の式。空気の物性は膜温度（表面と外気の平均）で、"
   "粘度と熱伝導率は Sutherland の式、比熱は Incropera 表 A.4。"},

  {Kind::Label,  "KTableTitle",          "SurfacePage", 460,   6, 440, 16, "熱伝導率 k = a + b・T + c・T²（T は ℃）", kBold},
  {Kind::Panel,  "KTable",               "SurfacePage", 460,  26, 380, 70, "", 0, kTable},
  {Kind::Label,  "KTableACaption",       "KTable",      110,   4,  84, 16, "a W/m℃"},
  {Kind::Label,  "KTableBCaption",       "KTable",      200,   4,  84, 16, "b W/m℃²"},
  {Kind::Label,  "KTableCCaption",       "KTable",      290,   4,  84, 16, "c W/m℃³"},
  {Kind::Label,  "KTableLayer1",         "KTable",        6,  25, 100, 16, "構造材"},
  {Kind::Label,  "KTableA1",             "KTable",      110,  25,  84, 16, ""},
  {Kind::Edit,   "KTableB1",             "KTable",      200,  22,  84, 20, "", kInput},
  {Kind::Edit,   "KTableC1",             "KTable",      290,  22,  84, 20, "", kInput},
  {Kind::Label,  "KTableLayer2",         "KTable",        6,  48, 100, 16, "保温材"},
  {Kind::Label,  "KTableA2",             "KTable",      110,  48,  84, 16, ""},
  {Kind::Edit,   "KTableB2",             "KTable",      200,  45,  84, 20, "", kInput},
  {Kind::Edit,   "KTableC2",             "KTable",      290,  45,  84, 20, "", kInput},
  {Kind::Label,  "KTableNote",           "SurfacePage", 460, 100, 440, 44,
   "a は熱伝導率の欄の値。b と c が空欄の層は一定の熱伝導率（これまでの計算）。各層は両面の"
   "温度のあいだで k を積分した平均で熱を通します（ASTM C680 の平均値法）。"},

  {Kind::Panel,  "InnerSection",         "SurfacePage", 456, 150, 444, 122, "", kHidden},
  {Kind::Label,  "FluidViscosityCaption",    "InnerSection",  4,  30, 170, 16, "流体の粘度 mPa・s"},
  {Kind::Edit,   "FluidViscosity",           "InnerSection", 176,  27,  80, 20, "", kInput},
  {Kind::Label,  "FluidConductivityCaption", "InnerSection",  4,  54, 170, 16, "流体の熱伝導率 W/m℃"},
  {Kind::Edit,   "FluidConductivity",        "InnerSection", 176,  51,  80, 20, "", kInput},
  {Kind::Label,  "InnerNote",                "InnerSection",  4,  76, 436, 44, ""},
};
// clang-format on

// The inputs of the page, enabled while the calculator on screen has options.
const char* const kPageInputs[] = {kOrientation, kWind, kLength, kB1, kC1, kB2, kC2};

// Fields of the page whose Enter runs the calculator on screen.
const char* const kEnterFields[] = {kWind, kLength, kB1, kC1, kB2, kC2, kViscosity, kFluidConductivity};

template <class T>
T* Make(Form& f, const char* name, const char* parent, QRect at) {
  auto* w = new T(f.Control(parent));
  w->setObjectName(QString::fromLatin1(name));
  w->setGeometry(at);
  w->setVisible(true);
  f.Register(w);
  return w;
}

QCheckBox* MakeCheck(Form& f, const char* name, const char* parent, QRect at, const char* caption) {
  QCheckBox* box = Make<QCheckBox>(f, name, parent, at);
  box->setText(QString::fromUtf8(caption));
  return box;
}

bool AnyChange(Form& f) {
  for (const char* name : {kB1, kC1, kB2, kC2})
    if (!f.Text(name).trimmed().isEmpty()) return true;
  return false;
}

}  // namespace

SurfaceOptionsView::SurfaceOptionsView(Form& form, AnalysisView& view, HeatLossPanels& heatLoss)
    : Subsystem(form), view_(view), heatLoss_(heatLoss) {}

void SurfaceOptionsView::Build() {
  // Between 復元 (Label19, to x 58) and 熱伝達率計算 (Button9, from x 112).
  QCheckBox* automatic = MakeCheck(f, kAuto, Surface::Panel, QRect(60, 196, 50, 20), "自動");
  automatic->setToolTip(
      QStringLiteral("対流熱伝達率を形・向き・風・表面温度から求める（条件は「表面条件」のページ）"));
  BuildControls(f, kPanelButtons);
  for (const char* name : {"KTableButton", "FlatKTableButton"})
    f.Control(name)->setToolTip(
        QStringLiteral("熱伝導率の温度による変化 k = a + b・T + c・T²（「表面条件」のページ）"));
  f.Control("TakeCoefficient")
      ->setToolTip(QStringLiteral("計算結果 h を放熱計算の対流熱伝達率にする（自動はオフ）"));

  view_.AddPage("SurfacePage", QStringLiteral("表面条件"));
  BuildControls(f, kPage);
  auto* orientation = Make<QComboBox>(f, kOrientation, "SurfacePage", QRect(150, 29, 130, 22));
  for (const char* entry : kOrientations) orientation->addItem(QString::fromUtf8(entry));
  MakeCheck(f, kInnerAuto, "InnerSection", QRect(4, 4, 436, 20),
            "管内の対流熱伝達率を流体から求める（管内自動）");
  for (const char* note : {kOuterNote, kInnerNote, "SurfaceSources", "KTableNote"}) {
    f.Label(note)->setWordWrap(true);
    f.Label(note)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
}

void SurfaceOptionsView::Wire() {
  f.OnClick(kAuto, [this] { TurnAuto(); });
  f.OnClick(kInnerAuto, [this] { TurnInnerAuto(); });
  f.OnClick("KTableButton", [this] { ShowPage(); });
  f.OnClick("FlatKTableButton", [this] { ShowPage(); });
  f.OnClick("TakeCoefficient", [this] { TakeCoefficient(); });
  for (const char* name : kEnterFields) f.OnEnter(name, [this] { RunOnScreen(); });
  auto* orientation = static_cast<QComboBox*>(f.Control(kOrientation));
  QObject::connect(orientation, &QComboBox::activated, orientation,
                   [this] { f.Guarded([this] { RunOnScreen(); }); });
  f.OnAfterOperation([this](bool) { Refresh(); });
}

void SurfaceOptionsView::TurnAuto() {
  FollowAuto(f);
  if (f.IsChecked(kAuto)) ShowPage();
  RunOnScreen();
}

void SurfaceOptionsView::TurnInnerAuto() {
  FollowInnerAuto(f);
  RunOnScreen();
}

void SurfaceOptionsView::TakeCoefficient() {
  long double h = 0;
  if (!TryToNumber(f.Text(Coefficient::Result), h) || !(h > 0)) {
    f.Message(
        QStringLiteral("熱伝達率計算の結果 h がありません。式を選んで計算実行してから押してください。"));
    return;
  }
  static_cast<QCheckBox*>(f.Control(kAuto))->setChecked(false);
  FollowAuto(f);
  f.SetText(Surface::Coefficient, f.Text(Coefficient::Result));
  RunOnScreen();
}

void SurfaceOptionsView::ShowPage() { view_.Show("SurfacePage"); }

void SurfaceOptionsView::RunOnScreen() {
  if (const HeatLossCalculator* c = heatLoss_.OnScreen()) heatLoss_.Run(c->panel);
}

void SurfaceOptionsView::Refresh() {
  const ScreenCalculator screen = CalculatorOnScreen(f, heatLoss_);
  const HeatLossCalculator* c = heatLoss_.OnScreen();
  // The calculators without option cells (the heating ones) read Edit17 as typed.
  const bool offered = screen && !screen.hooks->optionCells.empty() && c;
  f.SetShown(kAuto, offered);
  // k(T) only where the calculator keeps it.
  for (const char* button : {"KTableButton", "FlatKTableButton"}) f.SetShown(button, offered);
  for (const char* name : kPageInputs) f.SetEnabled(name, offered);
  if (!offered) {
    f.Edit(Surface::Coefficient)->setReadOnly(false);
    f.SetInputColour(Surface::Coefficient);
    const QString none = NotOffered(screen ? screen.name : QStringLiteral("表示中の計算"), QStringLiteral("自動と k(T)"));
    f.SetText(kOuterNote, none);
    f.SetShown("InnerSection", false);
    return;
  }
  const bool cylinder = c->panel == HeatLossPanel::Cylinder;
  f.SetText("KTableLayer1", f.Text(cylinder ? Cylinder::Layer1Caption : Flat::StructureCaption));
  f.SetText("KTableLayer2", f.Text(cylinder ? Cylinder::Layer2Caption : Flat::InsulationCaption));
  f.SetText("KTableA1", f.Text(cylinder ? Cylinder::Layer1Conductivity : Flat::StructureConductivity));
  f.SetText("KTableA2", f.Text(cylinder ? Cylinder::Layer2Conductivity : Flat::InsulationConductivity));
  for (const char* name : {"SurfaceLengthCaption", "SurfaceLength", "SurfaceLengthNote"})
    f.SetShown(name, !cylinder);
  f.SetShown("InnerSection", c->code == Calculator::PipeFlow);
  const QString caption = AnyChange(f) ? QStringLiteral("k(T) 使用中") : QStringLiteral("k(T)");
  f.SetText("KTableButton", caption);
  f.SetText("FlatKTableButton", caption);
  if (!f.IsChecked(kAuto))
    f.SetText(kOuterNote, QStringLiteral("「自動」はオフ：対流熱伝達率は入力した値を使います。"));
  if (!f.IsChecked(kInnerAuto))
    f.SetText(kInnerNote, QStringLiteral("管内自動はオフ：対流熱伝達率内の欄の値を使います。"));
}
