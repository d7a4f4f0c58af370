// The fields of a calculator as its Run reads and writes them: the window's
// own (Form), or a copy of their texts (FieldSnapshot) on which a view runs
// the very same Run without touching the window, in any thread.
#pragma once

#include <QString>

#include "widgets/AppState.h"

class Fields {
 public:
  virtual ~Fields() = default;

  // A field's text, a label's or button's caption, a choice list's entry.
  virtual QString Text(const char* name) const = 0;
  // Checks for a pending floating-point fault first, then writes.
  virtual void SetText(const char* name, const QString& text) = 0;
  // A radio button or check box.
  virtual bool IsChecked(const char* name) const = 0;
  // A message for the engineer; a pending floating-point fault is reported instead.
  virtual void Message(const QString& text) = 0;
  // The selections' modes and the constants a Run reads (AppState.h).
  virtual RunModes Modes() const = 0;

  bool IsEmpty(const char* name) const { return Text(name).isEmpty(); }
  // The field's text as a number; ConversionError when it is none. Digits,
  // sign, point and E typed full-width read as their half-width forms.
  virtual long double Number(const char* name) const;
};
