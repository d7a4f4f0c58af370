#include "operations/analysis/AnalysisView.h"

#include <QTabWidget>

#include "operations/common/WindowControls.h"
#include "widgets/ChartView.h"
#include "widgets/ControlTable.h"
#include "widgets/Form.h"

namespace {
// clang-format off
const ControlSpec kGraphPage[] = {
  // The graph page's tools (operations/curves) stand on its right.
  {Kind::Chart,  "GraphView",   "GraphPage",  0, 0, 600, 294, "", kStretch},
};
// The command column's third button, between 資料 and 放熱計算.
const ControlSpec kGraphButton[] = {
  {Kind::Button, "GraphButton", "Panel12",    6, 60,  93,  24, "グラフ"},
};
// clang-format on
}  // namespace

void AnalysisView::Build() {
  tabs_ = new QTabWidget(f.Control(Window::UpperArea));
  tabs_->setObjectName(QStringLiteral("AnalysisView"));
  tabs_->setGeometry(0, 0, 912, 321);
  // It fills the upper area at any size; its pages fill it.
  f.Anchors().Note(tabs_, tabs_->geometry(), kStretch);
  tabs_->setDocumentMode(true);
  // Opaque, so that nothing of the views below shows beside the tabs.
  Form::SetBackground(tabs_, 0xFFFFBB);
  tabs_->setVisible(false);
  f.Register(tabs_);
  AddPage("GraphPage", QStringLiteral("グラフ"));
  BuildControls(f, kGraphPage);
  BuildControls(f, kGraphButton);
}

void AnalysisView::Wire() {
  f.OnClick("GraphButton", [this] { Show("GraphPage"); });
  // メモ and 資料 show their own views again.
  for (const char* name : {Commands::Memo, Commands::Reference}) f.OnClick(name, [this] { Hide(); });
}

QWidget* AnalysisView::AddPage(const char* name, const QString& caption) {
  auto* page = new QWidget;
  page->setObjectName(QString::fromLatin1(name));
  page->setAutoFillBackground(true);
  tabs_->addTab(page, caption);
  f.Register(page);
  return page;
}

void AnalysisView::Show(const char* page) {
  tabs_->setCurrentWidget(f.Control(page));
  tabs_->setVisible(true);
  tabs_->raise();
}

void AnalysisView::Hide() { tabs_->setVisible(false); }

bool AnalysisView::IsOpen() const { return !tabs_->isHidden(); }

ChartView& AnalysisView::Chart() const { return *static_cast<ChartView*>(f.Control("GraphView")); }
