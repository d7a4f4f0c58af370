// The schedule's PDF: painted by the PDF module (schedule/pdf, which links
// Qt Gui) and written here, its fonts' subsets named as PDF files name them
// and the file replaced whole or not at all. The command loads the module
// by name only when a PDF is asked for; the window links the painter.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "schedule/ScheduleDocument.h"

namespace Schedule {

// The module's file name without its ending (QLibrary adds ".so").
inline const QString kPdfModule = QStringLiteral("heatcalc-schedule-pdf");

struct PdfResult {
  QByteArray pdf;
  QString problem;  // why there is none
};

// Loads the module from the first of the folders that holds it and paints.
PdfResult PdfThroughModule(const ScheduleDocument& document, const QStringList& folders);

// Names the subsets and writes atomically; refuses the list's own file.
void WriteSchedulePdf(const QString& path, const QByteArray& pdf, const QString& listPath);

}  // namespace Schedule
