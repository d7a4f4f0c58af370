// The report of the calculator on screen: 報告書 (ReportButton) asks for a
// file name with the system's save dialog (the title and the date, in the
// documents folder) and writes an A4 PDF there; 印刷 (PrintButton) prints
// the same pages through the system's print dialog. The two share the last
// row of the command column.
#pragma once

#include <QString>

#include "widgets/Subsystem.h"

class ReportCommands : public Subsystem {
 public:
  using Subsystem::Subsystem;
  void Build() override;
  void Wire() override;

  // 報告書: nothing when the dialog is cancelled. FileError when the file
  // cannot be written.
  void SaveReport();
  // 印刷: nothing when the dialog is cancelled. AppError when the printer
  // cannot print.
  void PrintReport();
  // Writes the report to path without a dialog (the driver's report FILE).
  // FileError "ファイル %1 を作成できません" when it cannot be written.
  void WriteReport(const QString& path);

 private:
  QString folder_;  // where the last report was saved; empty: the documents folder
};
