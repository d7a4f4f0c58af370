// The schedule's table: the columns of the list as it came (every column,
// known or not, passed through), then the results of each line; the
// totals; and the notes that say where the defaults came from. Written as
// CSV in the list's encoding and with its separator, or laid out for the
// PDF (a narrower choice of columns).
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

#include "schedule/LineList.h"
#include "schedule/LineSolve.h"
#include "schedule/ScheduleDocument.h"
#include "schedule/ScheduleSettings.h"

namespace Schedule {

struct Totals {
  int lines = 0, answered = 0;
  long double length = 0, area = 0;  // insulated (a thickness above 0), m and m2
  long double bareW = 0, lossW = 0;  // magnitudes, W
  bool yearly = false;
  long double energyKWh = 0, costYen = 0, co2Kg = 0;
  long double savedKWh = 0, savedYen = 0, savedKg = 0;

  void Add(const LineResult& r);
  // Caption, value and unit, in the order the outputs show them.
  struct Line {
    QString caption, value, unit;
  };
  std::vector<Line> Texts() const;
};

class ScheduleTable {
 public:
  // The columns follow from the list: a pair of thickness columns for each
  // criterion some line asks, the dew point where some line gives a
  // humidity, the yearly figures where some line gives hours.
  explicit ScheduleTable(const LineList& list);

  const QStringList& Header() const { return header_; }
  QStringList Row(const LineResult& r) const;
  // The column of the status and of the loss in W, for the page.
  int StatusColumn() const { return status_; }
  int InputColumns() const { return inputs_; }

  // The notes of the output: the list, its encoding and separator, the
  // defaults of its block and of the window, what was not used.
  QStringList Notes(const WindowSettings& window, const QDateTime& made) const;

  // The whole CSV in the list's encoding: the notes, the table, the totals.
  QByteArray Csv(const std::vector<LineResult>& lines, const QStringList& notes,
                 bool* lossless = nullptr) const;

  // The PDF's content.
  ScheduleDocument Document(const std::vector<LineResult>& lines, const QStringList& notes,
                            const QDateTime& made) const;

 private:
  const LineList& list_;
  QStringList header_;
  int inputs_ = 0;  // columns of the list, passed through
  int status_ = 0;
  std::vector<CriterionKind> kinds_;
  bool humidity_ = false, hours_ = false;
};

// The file a schedule of the list goes to when none is named: beside it,
// "<name>_保温リスト.csv".
QString DefaultSchedulePath(const QString& listPath, const QString& suffix = QStringLiteral(".csv"));

// Writes the bytes atomically; refuses the list's own file (a FileError
// that says so) and whatever TextFile::WriteBytes refuses.
void WriteOutput(const QString& path, const QByteArray& bytes, const QString& listPath);

}  // namespace Schedule
