#include "operations/memo/UsageText.h"

#include "foundation/Errors.h"
#include "widgets/Form.h"
#include "operations/memo/MemoFiles.h"

void UsageText::Wire() {
  f.OnClick("Button21", [this] { ToggleUsageText(); });
}

void UsageText::Load() {
  QString text;
  try {
    text = MemoFiles::ReadLines(f.Path(QStringLiteral("text/usage.txt"))).join(QLatin1Char('\n'));
  } catch (const FileError& e) {
    text = e.text();
  }
  f.SetText("Memo1", text);
}

void UsageText::ToggleUsageText() { f.SetShown("Memo1", !f.IsShown("Memo1")); }
