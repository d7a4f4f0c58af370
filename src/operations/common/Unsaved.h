// What closing the window or opening another memo would lose, and the
// question asked before it goes: the inputs of the calculator on screen that
// differ from the condition store's file.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <span>

#include "store/ConditionStore.h"
#include "store/StoreCells.h"

class Fields;
class Form;

// An input field and the store cell its panel's Save writes it to; factory:
// the text its panel's Back gives it while the cell holds nothing.
struct FieldCell {
  const char* field;
  StoreCell cell;
  const char* factory = nullptr;
};

// The text a Back puts into a field from its cell in s: the cell's text, or
// the factory text while the cell holds nothing (a store from before the
// calculator, or one never saved).
QString StoredText(const ConditionStore& s, StoreCell cell, const char* factory);

namespace Unsaved {

// "保存されていない変更があります。保存しますか。" with one line per item.
QString Question(const QStringList& items);

// The fields among these whose text differs from their cell in saved.
// Fields that run writes are left out: results, and inputs that the run
// derives from others, follow from what is compared. run is the Run of the
// calculator on screen; it runs on a copy of the window's fields.
QStringList ChangedFields(Form& f, std::span<const FieldCell> fields, const ConditionStore& saved,
                          const std::function<void(Fields&)>& run);

// The condition store as its file holds it, which is what the next start
// reads; the one in memory when the file cannot be read.
ConditionStore SavedStore(Form& f);

}  // namespace Unsaved
