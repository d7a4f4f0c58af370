#include "operations/design/DesignCase.h"

#include "operations/calculators/ScreenCalculator.h"
#include "widgets/FieldSnapshot.h"
#include "widgets/Form.h"

std::optional<DesignCase> CaseOnScreen(Form& f, const ScreenCalculator& c) {
  FieldSnapshot snapshot(f);
  DesignCase d = CaptionCase(f, c);
  const DesignHook::Read read = d.hook->read(snapshot);
  if (read.incomplete) {
    f.Message(QStringLiteral("%1 の入力がそろっていません。計算パネルの緑の欄を埋めてから計算してください。")
                  .arg(d.Name()));
    return std::nullopt;
  }
  for (const QString& m : snapshot.Messages()) f.Message(m);
  if (!read.inputs) return std::nullopt;
  d.in = *read.inputs;
  return d;
}

DesignCase CaptionCase(Form& f, const ScreenCalculator& c) {
  DesignCase d;
  d.code = c.code;
  d.name = c.name;
  d.hook = c.hooks->design;
  if (d.hook->hotLine) d.in.hotLine = d.hook->hotLine(f);
  return d;
}
