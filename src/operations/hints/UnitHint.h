// The words of a unit hint: whether a typed value is plausible for its
// field, and if not, which other unit it seems to be in and what it is in the
// field's own unit. No window here: the hint line feeds it the captions and
// texts of the fields a run read.
#pragma once

#include <QString>

#include "operations/hints/FieldCatalogue.h"

namespace UnitHint {

// The hint for the text typed into a field named `name`, or an empty text
// when the value is plausible, the quantity is not checked, or the text is
// no number (the run itself says so). A value out of the range becomes
//   "比熱 4186 は J/(kg・K) の値のようです：kcal/(kg・℃) なら 1.0"
// when converting it from one of the quantity's mistakes lands in the
// range, and otherwise
//   "熱伝導率（保温材） 5000 は範囲外です（0～500 W/(m・℃)）".
QString For(const QString& name, const QString& text, const Quantity& q);

// A caption label's text without the unit written at its end:
// "比熱kcal/kg℃" → "比熱", "外径　ｍｍ" → "外径", "容器λ　W/ｍ℃" → "容器λ".
// A text that is all unit stays whole.
QString WithoutUnit(const QString& caption);

// A field's name from its row and column captions (either may be empty):
// "厚さ（保温材）".
QString FieldName(const QString& rowCaption, const QString& columnCaption);

// A converted value to three significant digits, with at least one decimal
// when it has any: 0.99981 → "1.0", 7.85 → "7.85", 1200 → "1200",
// 0.0000157 → "0.0000157".
QString Converted(long double x);

}  // namespace UnitHint
