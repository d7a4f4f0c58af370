#include "app/TForm1.h"

#include <QCloseEvent>
#include <QFont>
#include <QResizeEvent>

#include "app/AppLayout.h"
#include "app/CalculatorDispatch.h"
#include "app/UnsavedWork.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/coefficient/CoefficientPanel.h"
#include "operations/coefficient/CorrelationPicker.h"
#include "operations/design/InsulationDesign.h"
#include "operations/curves/CurvePage.h"
#include "operations/fem/FemSheet.h"
#include "operations/heating/HeatingPanel.h"
#include "operations/heatloss/HeatLossPanels.h"
#include "operations/hints/HintLine.h"
#include "operations/memo/MemoStore.h"
#include "operations/memo/MemoViews.h"
#include "operations/report/ReportCommands.h"
#include "operations/schedule/SchedulePage.h"
#include "operations/surface/SurfaceOptionsView.h"

TForm1::TForm1(const QString& appDir, Dialogs& dialogs, QWidget* parent) : Form(appDir, dialogs, parent) {
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(QStringLiteral("サーモラver_1.522"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  // The client area at its smallest, as it opens: the upper area (912 x 321),
  // the lower area (912 x 238) and the hint line (912 x 20). Larger, the
  // controls follow their tables' anchors (resizeEvent).
  setMinimumSize(kWindowSize);
  resize(kWindowSize);
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                    QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")});
  font.setPixelSize(12);
  setFont(font);

  heatLoss_ = std::make_unique<HeatLossPanels>(*this);
  heating_ = std::make_unique<HeatingPanel>(*this);
  coefficient_ = std::make_unique<CoefficientPanel>(*this);
  memos_ = std::make_unique<MemoViews>(*this);
  analysis_ = std::make_unique<AnalysisView>(*this);
  fem_ = std::make_unique<FemSheet>(*this, *memos_, *analysis_);
  curves_ = std::make_unique<CurvePage>(*this, *analysis_, *heatLoss_, memos_->Memos());
  hints_ = std::make_unique<HintLine>(*this);
  picker_ = std::make_unique<CorrelationPicker>(*this, *analysis_, *coefficient_, *hints_);
  design_ = std::make_unique<InsulationDesign>(*this, *analysis_, *heatLoss_, *memos_);
  reports_ = std::make_unique<ReportCommands>(*this);
  schedule_ = std::make_unique<SchedulePage>(*this, *analysis_);
  dispatch_ = std::make_unique<CalculatorDispatch>(*this, *heatLoss_, *heating_, *memos_);
  unsaved_ = std::make_unique<UnsavedWork>(*this, *heatLoss_, *heating_, memos_->Memos());
  subsystems_ = {dispatch_.get(), heatLoss_.get(), heating_.get(), coefficient_.get(), memos_.get(), fem_.get(),
                 analysis_.get(), curves_.get(), hints_.get(), picker_.get(), design_.get(), reports_.get(),
                 schedule_.get()};
  // Last: its controls go onto the panels and pages the others build.
  surface_ = std::make_unique<SurfaceOptionsView>(*this, *analysis_, *heatLoss_);
  subsystems_.push_back(surface_.get());

  BuildAppLayout(*this);
  for (Subsystem* s : subsystems_) s->Build();
  for (Subsystem* s : subsystems_) s->Wire();
  StartUp();
}

TForm1::~TForm1() = default;

void TForm1::closeEvent(QCloseEvent* event) {
  if (unsaved_->MayClose())
    event->accept();
  else
    event->ignore();
}

void TForm1::resizeEvent(QResizeEvent* event) {
  Anchors().Grow(event->size() - kWindowSize);
  Form::resizeEvent(event);
}

void TForm1::StartUp() { Guarded([this] { dispatch_->StartUp(); }); }
