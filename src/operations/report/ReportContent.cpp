#include "operations/report/ReportContent.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "operations/calculators/ScreenCalculator.h"
#include "operations/common/CoefficientControls.h"
#include "operations/common/HeatLossControls.h"
#include "operations/common/HeatingControls.h"
#include "operations/common/WindowControls.h"
#include "operations/hints/FieldCatalogue.h"
#include "operations/hints/UnitHint.h"
#include "operations/report/ReportMethod.h"
#include "store/CalculatorCode.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

namespace {

// The input colour of the fields (ControlTable's kInput).
const QColor kInputColour(0xB5, 0xFF, 0xB5);

// The calculator panels of the lower area, the coefficient panel first: it
// lies over the others while it shows.
struct PanelRow {
  const char* panel;
  const char* titleControl;  // the label, or the button, whose text is the title
  CalculatorFamily family;
};

// clang-format off
const PanelRow kPanels[] = {
  {Coefficient::Panel, Surface::CoefficientButton, CalculatorFamily::Coefficient},
  {Cylinder::Panel,  Cylinder::Title, CalculatorFamily::HeatLoss},
  {Flat::Panel,  Flat::Title, CalculatorFamily::HeatLoss},
  {Heating::Panel, Heating::Title, CalculatorFamily::Heating},
};

// The choices of a panel that are no field: the caption of a button or a
// label that switches the calculation, or the checked one of radio buttons.
struct ChoiceRow {
  const char* caption;
  const char* shownWhen;  // the row holds while this control shows
  const char* controls[2];
  bool result;            // a choice the run writes (the direction of a pipe flow)
};

const ChoiceRow kChoices[] = {
  {"計算の種類", Flat::CoolingMode,  {Flat::CoolingMode, nullptr},           false},
  {"放熱面",     Flat::Density,    {Flat::Faces, nullptr},            false},
  {"蓋の有無",   Heating::LidCaption,   {Heating::WithLid, Heating::WithoutLid}, false},
  {"加熱方法",   Heating::ModeGroup, {Heating::HeaterMode, Heating::WallMode}, false},
  {"熱の向き",   Cylinder::PipeFlowRun,  {Cylinder::PipeFlowRun, nullptr},           true},
};

// Results a panel writes into a label of several lines: the condensation
// check of the outer surface.
struct NoteRow {
  const char* caption;
  const char* label;
};

const NoteRow kNotes[] = {
  {"表面の結露", "CylinderCondensation"},
  {"表面の結露", "PipeCondensation"},
  {"表面の結露", "FlatCondensation"},
};
// clang-format on

// The surface fields of Panel4 that are constants of the surface model.
const char* const kSurfaceInputs[] = {Surface::Emissivity, Surface::Coefficient, Surface::InnerCoefficient,
                                      Surface::InnerEmissivity};

bool Shows(Form& f, const char* name) { return f.Control(name)->isVisibleTo(&f); }

QString Caption(const Form& f, const char* label) {
  return label ? UnitHint::WithoutUnit(f.Text(label)) : QString();
}

ReportLine LineOf(Form& f, const FieldRow& row) {
  return {UnitHint::FieldName(Caption(f, row.rowLabel), Caption(f, row.columnLabel)), f.Text(row.field),
          QString::fromUtf8(row.quantity->unit)};
}

bool IsInput(const QLineEdit* field, const FieldRow& row) {
  if (row.role == FieldRole::Either) return field->palette().color(QPalette::Base) == kInputColour;
  return row.role == FieldRole::Input;
}

// The formula text of the coefficient panel belongs to the method.
const char* const kNotListed[] = {Coefficient::Formula};

bool Listed(const char* field) {
  for (const char* name : kNotListed)
    if (QLatin1String(field) == QLatin1String(name)) return false;
  return true;
}

// The fields of the catalogue inside `panel` that show and take part (a
// disabled field is one the calculator leaves out), in the catalogue's
// order; with resultsOnly its inputs are left out.
void ReadFields(Form& f, const char* panel, ReportContent& r, bool resultsOnly = false) {
  const QWidget* inside = f.Control(panel);
  for (const FieldRow& row : FieldCatalogue()) {
    const QLineEdit* field = f.Edit(row.field);
    if (!inside->isAncestorOf(field) || !field->isVisibleTo(&f) || !field->isEnabled()) continue;
    if ((row.when && !Shows(f, row.when)) || !Listed(row.field)) continue;
    const ReportLine line = LineOf(f, row);
    if (IsInput(field, row)) {
      if (!resultsOnly) r.inputs.push_back(line);
    } else if (!line.value.isEmpty()) {
      // A result not yet calculated is left out rather than shown blank.
      r.results.push_back(line);
    }
  }
}

void ReadChoices(Form& f, const char* panel, ReportContent& r) {
  const QWidget* inside = f.Control(panel);
  for (const ChoiceRow& row : kChoices) {
    if (!inside->isAncestorOf(f.Control(row.shownWhen)) || !Shows(f, row.shownWhen)) continue;
    QString value;
    for (const char* name : row.controls) {
      if (!name) continue;
      auto* button = qobject_cast<QAbstractButton*>(f.Control(name));
      const bool radio = row.controls[1] != nullptr;
      if (!radio || (button && button->isChecked())) value = f.Text(name);
    }
    // Captions spaced out for the button ("放　熱") read as one word.
    value.remove(QLatin1Char(' ')).remove(QChar(0x3000));
    (row.result ? r.results : r.inputs).push_back({QString::fromUtf8(row.caption), value, QString()});
  }
}

void ReadNotes(Form& f, const char* panel, ReportContent& r) {
  const QWidget* inside = f.Control(panel);
  for (const NoteRow& row : kNotes) {
    const QString text =
        f.Text(row.label).split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    if (inside->isAncestorOf(f.Control(row.label)) && Shows(f, row.label) && !text.trimmed().isEmpty())
      r.results.push_back({QString::fromUtf8(row.caption), text.trimmed(), QString()});
  }
}

// σ as the panel shows it: its digits and the exponent of its factor.
void ReadConstants(Form& f, ReportContent& r) {
  QString sigma = f.Text(Surface::StefanBoltzmann);
  if (!f.Text(Surface::StefanBoltzmannExponent).isEmpty())
    sigma += QLatin1Char('E') + f.Text(Surface::StefanBoltzmannExponent);
  r.constants.push_back(
      {QStringLiteral("ステファン・ボルツマン定数 σ"), sigma, QStringLiteral("W/(m2・K4)")});
  for (const FieldRow& row : FieldCatalogue())
    for (const char* name : kSurfaceInputs)
      if (QLatin1String(row.field) == QLatin1String(name) && Shows(f, name))
        r.constants.push_back(LineOf(f, row));
}

// The coefficient panel's grid: captions in columns 0 and 2, values on
// their right. An item the item catalogue knows is typed; any other caption
// with a value is a result an evaluation wrote (fins, walls, scale).
void ReadItems(Form& f, ReportContent& r) {
  const StringGrid* grid = f.Grid(Coefficient::Items);
  for (int c : {0, 2})
    for (int row = 0; row < grid->RowCount(); ++row) {
      const QString caption = grid->Cell(c, row).trimmed();
      if (caption.isEmpty()) continue;
      const QString value = grid->Cell(c + 1, row).trimmed();
      if (const ItemRow* item = ItemRowOf(grid->Cell(c, row)))
        r.inputs.push_back({QString::fromUtf8(item->name), value, QString::fromUtf8(item->quantity->unit)});
      else if (!value.isEmpty())
        r.results.push_back({caption, value, QString()});
    }
}

// The hooks of the calculator whose code the window holds, when it belongs to
// the family of the panel on screen.
const CalculatorHooks* HooksOnScreen(Form& f, CalculatorFamily family) {
  std::optional<Calculator> code = f.State().OnScreen();
  if (!code) return nullptr;
  // The older pipe-flow code reads as pipe flow.
  if (*code == Calculator::PipeFlowLegacy) code = Calculator::PipeFlow;
  for (const ScreenCalculator& c : AllCalculators())
    if (c.code == *code && (c.kind == ScreenCalculator::Kind::Heating) == (family == CalculatorFamily::Heating))
      return c.hooks;
  return nullptr;
}

const PanelRow* OnScreen(Form& f) {
  for (const PanelRow& row : kPanels)
    if (Shows(f, row.panel)) return &row;
  return nullptr;
}

}  // namespace

ReportContent ReadReport(Form& f, const QDate& date) {
  ReportContent r;
  r.date = date;
  r.hint = f.Text("HintLine").trimmed();
  if (auto* chart = qobject_cast<ChartView*>(f.FindControl(QStringLiteral("GraphView"))))
    for (const ChartCurve& curve : chart->Plot().curves)
      if (!curve.points.empty()) r.chart = chart->Plot();
  const PanelRow* panel = OnScreen(f);
  if (!panel) return r;
  r.title = f.Text(panel->titleControl).trimmed();
  switch (panel->family) {
    case CalculatorFamily::Coefficient:
      ReadFields(f, panel->panel, r);
      ReadItems(f, r);
      r.method = CoefficientMethod(f.Path(QStringLiteral("formtext")), f.Text(Coefficient::Number).trimmed(),
                                   f.Text(Coefficient::Formula).trimmed());
      return r;
    case CalculatorFamily::HeatLoss:
    case CalculatorFamily::Heating:
      break;
  }
  ReadChoices(f, panel->panel, r);
  ReadFields(f, panel->panel, r);
  ReadNotes(f, panel->panel, r);
  ReadConstants(f, r);
  // The surface results of Panel4 belong to the heat-loss calculators.
  if (panel->family == CalculatorFamily::HeatLoss) ReadFields(f, Surface::Panel, r, true);
  r.method = CalculatorMethod(HooksOnScreen(f, panel->family), panel->family, f.Modes());
  return r;
}

QString ReportFileName(const ReportContent& content) {
  QString name = content.title.isEmpty() ? QStringLiteral("報告書") : content.title;
  for (QChar& c : name)
    if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c)) c = QLatin1Char('_');
  return name + QLatin1Char('_') + content.date.toString(QStringLiteral("yyyy-MM-dd")) +
         QStringLiteral(".pdf");
}
