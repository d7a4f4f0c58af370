#include "operations/memo/UsageText.h"

#include "foundation/Errors.h"
#include "operations/common/MemoControls.h"
#include "operations/common/WindowControls.h"
#include "operations/memo/MemoFiles.h"
#include "widgets/Form.h"

void UsageText::Wire() {
  f.OnClick(Commands::Usage, [this] { ToggleUsageText(); });
}

void UsageText::Load() {
  QString text;
  try {
    text = MemoFiles::ReadLines(f.Path(QStringLiteral("text/usage.txt"))).join(QLatin1Char('\n'));
  } catch (const FileError& e) {
    text = e.text();
  }
  f.SetText(Memos::FormulaText, text);
}

void UsageText::ToggleUsageText() { f.SetShown(Memos::FormulaText, !f.IsShown(Memos::FormulaText)); }
