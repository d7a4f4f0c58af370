#include "operations/curves/FieldChoices.h"

#include <QHash>
#include <QLineEdit>
#include <QSet>

#include "operations/common/CoefficientControls.h"
#include "operations/hints/FieldCatalogue.h"
#include "operations/hints/UnitHint.h"
#include "widgets/Form.h"

namespace {

const QColor kInputColour(0xB5, 0xFF, 0xB5);  // ControlTable's kInput

QString Caption(const Form& f, const char* label) {
  return label ? UnitHint::WithoutUnit(f.Text(label)) : QString();
}

// The catalogue's rows that hold now (their `when` control shows), of the
// fields that show, outside the coefficient panel; inputs or results.
std::vector<FieldChoice> Choices(const Form& f, bool inputs) {
  std::vector<FieldChoice> choices;
  QSet<QString> seen;
  for (const FieldRow& row : FieldCatalogue()) {
    if (QLatin1String(row.panel) == QLatin1String(Coefficient::Panel)) continue;
    if (row.when && !f.Control(row.when)->isVisibleTo(&f)) continue;
    const QLineEdit* field = f.Edit(row.field);
    if (!field->isVisibleTo(&f)) continue;
    const bool inputColour = field->palette().color(QPalette::Base) == kInputColour;
    const bool input = row.role == FieldRole::Input || (row.role == FieldRole::Either && inputColour);
    if (input != inputs) continue;
    if (inputs && (!field->isEnabled() || !inputColour)) continue;
    if (seen.contains(QLatin1String(row.field))) continue;
    seen.insert(QLatin1String(row.field));
    const QString unit = QString::fromUtf8(row.quantity->unit);
    const QString name = UnitHint::FieldName(Caption(f, row.rowLabel), Caption(f, row.columnLabel));
    choices.push_back(
        {row.field, name, unit.isEmpty() ? name : name + QLatin1Char(' ') + unit, unit, row.quantity});
  }
  // Two fields captioned alike are told apart by their control names.
  QHash<QString, int> count;
  for (const FieldChoice& c : choices) ++count[c.caption];
  for (FieldChoice& c : choices)
    if (count.value(c.caption) > 1) c.caption += QStringLiteral(" [%1]").arg(QLatin1String(c.field));
  return choices;
}

}  // namespace

std::vector<FieldChoice> SweepInputs(const Form& f) { return Choices(f, true); }
std::vector<FieldChoice> SweepOutputs(const Form& f) { return Choices(f, false); }
