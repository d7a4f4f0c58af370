#include "schedule/PdfOutput.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "foundation/FloatFaults.h"
#include "schedule/ScheduleTable.h"
#include "store/PdfSubsetNames.h"

namespace Schedule {

namespace {

using Paint = bool (*)(const ScheduleDocument*, QByteArray*, QString*);

}  // namespace

PdfResult PdfThroughModule(const ScheduleDocument& document, const QStringList& folders) {
  FloatFaults::Keep keep;
  QStringList tried;
  for (const QString& folder : folders) {
    const QString file = QDir(folder).filePath(kPdfModule);
    if (!QFileInfo::exists(file + QStringLiteral(".so"))) {
      tried << QDir::toNativeSeparators(file + QStringLiteral(".so"));
      continue;
    }
    // The module stays loaded: Qt Gui, once started, is not taken back out of a process.
    QLibrary module(file);
    const auto paint = reinterpret_cast<Paint>(module.resolve("HeatcalcSchedulePdf"));
    if (!paint)
      return {QByteArray(),
              QStringLiteral("PDF のモジュール %1 を読み込めません（%2）。").arg(file, module.errorString())};
    PdfResult r;
    if (!paint(&document, &r.pdf, &r.problem)) r.pdf.clear();
    return r;
  }
  return {QByteArray(),
          QStringLiteral("PDF のモジュールが見つかりません（%1）。").arg(tried.join(QStringLiteral("、")))};
}

void WriteSchedulePdf(const QString& path, const QByteArray& pdf, const QString& listPath) {
  WriteOutput(path, TagSubsetFonts(pdf), listPath);
}

}  // namespace Schedule
