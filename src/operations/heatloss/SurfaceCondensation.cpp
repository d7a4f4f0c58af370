#include "operations/heatloss/SurfaceCondensation.h"

#include "calc/design/DewPoint.h"
#include "foundation/NumberText.h"
#include "widgets/Fields.h"

namespace SurfaceCondensation {

Humidity ReadHumidity(Fields& f, const Controls& c) {
  Humidity h;
  const QString text = f.Text(c.humidity).trimmed();
  if (text.isEmpty()) return h;
  long double rh = 0;
  if (!TryToNumber(text, rh) || !DesignCalc::HumidityInRange(rh)) {
    f.Message(QStringLiteral("相対湿度 %（%1）は 0 より大きく 100 以下の数にしてください。\r"
                             "空にすると結露は調べません。")
                  .arg(f.Text(c.humidity)));
    h.refused = true;
    return h;
  }
  h.rh = rh;
  return h;
}

void WriteResult(Fields& f, const Controls& c, std::optional<long double> rh, long double surface, long double air) {
  if (!rh) {
    f.SetText(c.result, QString());
    return;
  }
  const DesignCalc::Condensation check = DesignCalc::CheckCondensation(surface, air, *rh);
  QString text = QStringLiteral("露点 %1 ℃\n").arg(RoundHundredths(check.dewPoint));
  if (check.condenses)
    text += QStringLiteral("結露します\n露点より\n%1 K 低い").arg(RoundHundredths(check.below));
  else
    text += QStringLiteral("結露なし");
  f.SetText(c.result, text);
}

}  // namespace SurfaceCondensation
