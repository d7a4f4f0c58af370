// The rules a Run holds the sizes and conductivities it reads to, before it
// calculates: a diameter, a length, an area or a conductivity above 0, a
// thickness 0 (no layer) or above. A value that breaks one is refused with
// a message that names the field as the window captions it, its row and
// column captions and its unit from the field catalogue ("層厚さ（保温材）
// mm"), as the sweep names it. The Runs read through these on the window
// and on every copy a view runs them on (a sweep, a thickness solve), so a
// negative insulation never shows millions of watts, nor a negative
// conductivity 0 W.
#pragma once

#include <QString>

class Fields;

namespace FieldRules {

// The field's caption with its unit: "層厚さ（保温材） mm"; the control name
// for a field the catalogue does not hold.
QString Caption(const Fields& f, const char* field);

// A typed text as a message quotes it: cut after 40 characters.
QString Quoted(const QString& text);

// The field's number above 0: a diameter, a length, an area, a
// conductivity. False after a message that names the field; a text that
// is no number passes, for the Run's own reading to refuse.
bool Positive(Fields& f, const char* field);

// The field's number 0 or above: a thickness, where 0 is no layer. False
// after a message that names the field; a text that is no number passes.
bool Thickness(Fields& f, const char* field);

// The field's number 0 or above, where 0 has a meaning of its own (pipe
// flow takes a conductivity of 0 as next to none).
bool NotNegative(Fields& f, const char* field);

}  // namespace FieldRules
