#include "operations/design/InsulationDesign.h"

#include <QLabel>

#include "operations/analysis/AnalysisView.h"
#include "operations/design/DesignJob.h"
#include "operations/design/EconomicsPage.h"
#include "operations/design/ThicknessPage.h"
#include "widgets/Form.h"

InsulationDesign::InsulationDesign(Form& form, AnalysisView& analysis, HeatLossPanels& heatLoss, MemoViews& memos)
    : Subsystem(form),
      analysis_(analysis),
      job_(std::make_unique<DesignJob>(form, [this](bool busy) { ShowBusy(busy); })),
      thickness_(std::make_unique<ThicknessPage>(form, heatLoss, *job_)),
      economics_(std::make_unique<EconomicsPage>(form, analysis, heatLoss, memos, *job_)) {}

InsulationDesign::~InsulationDesign() = default;

void InsulationDesign::Build() {
  analysis_.AddPage("DesignPage", QStringLiteral("保温厚さ"));
  analysis_.AddPage("EconPage", QStringLiteral("経済的厚さ"));
  thickness_->Build();
  economics_->Build();
}

void InsulationDesign::Wire() {
  thickness_->Wire();
  economics_->Wire();
  for (const char* cancel : {"DesignCancel", "EconCancel"}) f.OnClick(cancel, [this] { job_->Cancel(); });
  // A long economic table counts its rows beside 中止.
  job_->OnProgress([this](int done, int parts) {
    f.Label("EconBusy")->setText(QStringLiteral("計算中です… %1/%2 行").arg(done).arg(parts));
  });
}

void InsulationDesign::ShowBusy(bool busy) {
  f.EnableControls({"DesignRun", "EconRun"}, !busy);
  f.EnableControls({"DesignCancel", "EconCancel"}, busy);
  f.Label("EconBusy")->setText(QStringLiteral("計算中です…"));
  f.SetShown("DesignBusy", busy);
  f.SetShown("EconBusy", busy);
}
