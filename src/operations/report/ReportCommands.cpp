#include "operations/report/ReportCommands.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include "foundation/Errors.h"
#include "operations/report/ReportContent.h"
#include "operations/report/ReportPage.h"
#include "widgets/ControlTable.h"
#include "widgets/Dialogs.h"
#include "widgets/Form.h"

namespace {
// clang-format off
// The seventh row of the command column, two half buttons as in the
// heating command panel.
const ControlSpec kReportButtons[] = {
  {Kind::Button, "ReportButton", "Panel12",  6, 168, 45, 24, "報告書"},
  {Kind::Button, "PrintButton",  "Panel12", 54, 168, 45, 24, "印刷"},
};
// clang-format on
}  // namespace

void ReportCommands::Build() {
  BuildControls(f, kReportButtons);
  f.Control("ReportButton")->setToolTip(QStringLiteral("画面の計算の報告書をPDFファイルに保存します"));
  f.Control("PrintButton")->setToolTip(QStringLiteral("画面の計算の報告書を印刷します"));
}

void ReportCommands::Wire() {
  f.OnClick("ReportButton", [this] { SaveReport(); });
  f.OnClick("PrintButton", [this] { PrintReport(); });
}

void ReportCommands::SaveReport() {
  const ReportContent content = ReadReport(f, QDate::currentDate());
  QString folder = folder_;
  if (folder.isEmpty() || !QDir(folder).exists()) folder = f.Dlg().DocumentsFolder();
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  const QString path =
      f.Dlg().SaveFileName(QStringLiteral("報告書の保存"), QDir(folder).filePath(ReportFileName(content)),
                           QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  {
    BusyPointer busy(f.Dlg());
    WriteReportPdf(path, content);
  }
  folder_ = QFileInfo(path).absolutePath();
}

void ReportCommands::PrintReport() {
  const ReportContent content = ReadReport(f, QDate::currentDate());
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  // The report keeps its own margins from the paper's edge.
  printer.setFullPage(true);
  printer.setDocName(ReportFileName(content).chopped(4));
  if (!f.Dlg().SetUpPrinter(printer)) return;
  BusyPointer busy(f.Dlg());
  if (!PaintReport(printer, content))
    throw AppError(QStringLiteral("プリンター %1 に印刷できません").arg(printer.printerName()));
}

void ReportCommands::WriteReport(const QString& path) {
  const ReportContent content = ReadReport(f, QDate::currentDate());
  BusyPointer busy(f.Dlg());
  WriteReportPdf(path, content);
}
