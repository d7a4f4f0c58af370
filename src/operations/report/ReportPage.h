// The report laid out on pages: the title and the date, the tables of the
// inputs, the surface-model constants and the results (captions, values
// aligned on their decimal points, units), the method, the hint and the
// chart, drawn as vector graphics. The text is set in IPA gothic, which a
// PDF embeds as a subset, so the page reads the same on any machine.
#pragma once

#include <QString>

class QPagedPaintDevice;
struct ReportContent;

// Paints the report on a PDF writer or a printer, from the edge of the
// paper (a printer is set to its full page), page after page as the content
// needs. False when painting cannot begin on the device.
bool PaintReport(QPagedPaintDevice& device, const ReportContent& content);

// Writes the report as an A4 PDF. The write is atomic: the file is whole or
// an older one stays as it was. Throws FileError "ファイル %1 を作成できません".
void WriteReportPdf(const QString& path, const ReportContent& content);

// The font family the report is set in: IPA P gothic where it is installed.
QString ReportFontFamily();
