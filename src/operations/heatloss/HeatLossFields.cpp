#include "operations/heatloss/HeatLossFields.h"

#include "foundation/NumberText.h"
#include "operations/common/WindowControls.h"
#include "widgets/Fields.h"

namespace HeatLossFields {

bool IsThickness(const QString& text) { return !text.isEmpty() && text != QStringLiteral("0"); }

long double StefanBoltzmann(Fields& f, Mantissa mantissa) {
  const QString text = f.Text(Surface::StefanBoltzmann);
  const long double m = ToNumber(mantissa == Mantissa::WholeText ? text : text.left(6));
  return m * ToNumber(f.Modes().stefanBoltzmannFactor);
}

}  // namespace HeatLossFields
