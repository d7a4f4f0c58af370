// The page 配管リスト (SchedulePage) of the analysis view: a plant's line
// list made into its insulation schedule, with the engine the command
// heatcalc-batch runs (src/schedule). 開く (ScheduleOpen) reads a list
// through the system's open dialog and runs it; 計算 (ScheduleRun) reads the
// file again and runs it on every core in the background, the table
// (ScheduleTable) filling as the lines are solved, with the progress
// (ScheduleProgress) and 中止 (ScheduleCancel). The table sorts by a click
// on a header and copies the selection with Ctrl+C; the chart
// (ScheduleChart) shows each line's loss bare and insulated; the schedule
// is saved as CSV (in the list's encoding) or PDF through the save dialog
// (ScheduleSaveCsv, ScheduleSavePdf).
//
// Cells the list leaves empty take the window's settings: σ, ε and h of the
// surface panel, the economics page's price and factors, the conditions
// the panels saved for the tube and the structure, and the stock, cost and
// material files of G1de-ta.
#pragma once

#include <QDateTime>
#include <QTimer>
#include <memory>
#include <mutex>
#include <vector>

#include "schedule/LineSolve.h"
#include "widgets/Subsystem.h"

class AnalysisView;
class BackgroundWork;
class ScheduleTableView;

namespace Schedule {
class ScheduleTable;
struct WindowSettings;
}  // namespace Schedule

class SchedulePage : public Subsystem {
 public:
  SchedulePage(Form& form, AnalysisView& view);
  ~SchedulePage() override;
  void Build() override;
  void Wire() override;

  // ScheduleOpen: the open dialog, then Run on the file chosen.
  void Open();
  // ScheduleRun: reads the list again and solves it in the background.
  void Run();
  // ScheduleCancel.
  void Cancel();
  // ScheduleSaveCsv, ScheduleSavePdf.
  void SaveCsv();
  void SavePdf();

  // The settings the page gives a list's empty cells, from the window.
  Schedule::WindowSettings Settings() const;

 private:
  struct Inputs;
  struct Arrivals {
    std::mutex mutex;
    std::vector<Schedule::LineResult> lines;
  };

  // Moves the lines solved so far into the table; shows the progress.
  void Drain();
  void Finish();
  void ShowBusy(bool busy);
  void DrawChart();
  QStringList Notes() const;

  AnalysisView& view_;
  ScheduleTableView* table_ = nullptr;
  std::unique_ptr<BackgroundWork> work_;
  QTimer timer_;
  QString path_;  // the list on the page
  std::shared_ptr<const Inputs> inputs_;
  std::unique_ptr<Schedule::ScheduleTable> schedule_;
  std::shared_ptr<Arrivals> arrivals_;
  std::vector<Schedule::LineResult> results_;  // by the line's index
  int arrived_ = 0;
  bool complete_ = false;
  QDateTime made_;
};
