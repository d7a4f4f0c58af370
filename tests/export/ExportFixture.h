// The window on a temporary program folder (support/FormFixture) with the
// grid memo shown, ready for exports.
#pragma once

#include <QStringList>

#include "widgets/StringGrid.h"
#include "app/CalculatorDispatch.h"
#include "support/FormFixture.h"

class ExportTest : public FormFixture {
 protected:
  void SetUp() override {
    Open();
    startupMessages = TakeMessages();
    form->SetShown("StringGrid3", true);
  }

  // Runs an operation as an event would, inside the window's guard.
  template <class Op>
  void Do(Op op) {
    form->Guarded(op);
  }
  void Export() { Do([this] { form->Dispatch().ExportResults(); }); }
  // The grid memo, not the store.
  QString Cell(int c, int r) const { return form->Grid("StringGrid3")->Cell(c, r); }
  int Rows() const { return form->Grid("StringGrid3")->RowCount(); }
  QString Counter() const { return form->Store().GetCell(5, 5); }

  QStringList startupMessages;
};
