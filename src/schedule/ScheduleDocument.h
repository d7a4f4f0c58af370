// The schedule as a printed page sees it: plain texts, so that the PDF
// writer (a module of its own that links Qt Gui) needs nothing else of the
// engine.
#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace Schedule {

struct ScheduleDocument {
  QString title;       // "保温リスト"
  QString subtitle;    // the list's file and the date
  QStringList notes;   // the encoding, the defaults, what was not used
  QStringList header;  // the columns of the table
  std::vector<QStringList> rows;
  // The totals: caption and value with its unit.
  std::vector<std::pair<QString, QString>> totals;
  QString footer;  // at the foot of every page, with the page's number
};

}  // namespace Schedule
