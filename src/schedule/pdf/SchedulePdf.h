// The schedule as a PDF in the report's style: landscape A4, the title and
// the date over a rule, the notes, the table with its header on every
// page, the totals, and a footer with the page's number; the text in IPA
// gothic, embedded as a subset. Links Qt Gui: the command loads it as a
// module of its own (SchedulePdfModule) only when a PDF is asked for; the
// window links it.
#pragma once

#include <QByteArray>
#include <QString>

#include "schedule/ScheduleDocument.h"

namespace Schedule {

// The PDF's bytes as Qt writes them (the subsets' names not yet tagged:
// WriteSchedulePdf does that); empty when painting could not begin.
QByteArray PaintSchedulePdf(const ScheduleDocument& document);

}  // namespace Schedule

// The module's entry point, looked up by its name: the PDF of the document
// into *pdf, or false with the reason in *problem. Creates the application
// object Qt Gui needs (on the offscreen platform) when the process has none.
extern "C" bool HeatcalcSchedulePdf(const Schedule::ScheduleDocument* document, QByteArray* pdf,
                                    QString* problem);
