// What a report of the calculator on screen holds, read from the window:
// its title and the date, every input with its caption, value and unit, the
// surface-model constants, every result, the method, the hint line and the
// chart of the chart view. The report page (ReportPage.h) lays it out.
//
// The calculator on screen is the coefficient panel when it shows over the
// lower area, otherwise the heat-loss or heating panel that shows. The
// captions are composed from the labels' current texts as the field
// catalogue names them, and only the fields the panel shows are listed.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "widgets/ChartView.h"

class Form;

// One line of a table: a caption, the value as the window shows it and its
// unit ("" for a pure number or a choice).
struct ReportLine {
  QString caption;
  QString value;
  QString unit;
};

struct ReportContent {
  QString title;  // as the panel shows it; empty when no calculator shows
  QDate date;
  std::vector<ReportLine> inputs;     // typed values and the panel's choices
  std::vector<ReportLine> constants;  // σ with its factor, ε, h
  std::vector<ReportLine> results;
  QStringList method;  // one or two lines
  QString hint;        // the hint line's text, empty for none
  ChartPlot chart;     // no curves: the chart view holds no plot
};

// Reads the calculator on screen. The method comes from the formula texts
// of the program's formtext folder where one exists (the coefficient
// panel's formulas), otherwise from the program's own sentence.
ReportContent ReadReport(Form& f, const QDate& date);

// The file name a report is proposed under: the title and the date,
// "ヒーター温度_2026-12-07.pdf", without the characters no file name may
// hold.
QString ReportFileName(const ReportContent& content);
