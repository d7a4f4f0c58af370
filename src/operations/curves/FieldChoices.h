// The fields a sweep can vary and read, by their captions: from the field
// catalogue, the fields of the calculator on screen as they show now, each
// captioned with its labels' current texts and its unit, "厚さ（保温材） mm".
#pragma once

#include <QString>
#include <vector>

class Form;
struct Quantity;

struct FieldChoice {
  const char* field = nullptr;  // control name
  QString name;                 // its labels' texts without units: "厚さ（保温材）"
  QString caption;              // with the unit: "厚さ（保温材） mm"
  QString unit;                 // "" for a pure number
  const Quantity* quantity = nullptr;
};

// The input fields that show, are enabled and in the input colour (the
// coefficient panel's aside), in the catalogue's order.
std::vector<FieldChoice> SweepInputs(const Form& f);
// The result fields that show (those written by the calculator on screen),
// in the catalogue's order.
std::vector<FieldChoice> SweepOutputs(const Form& f);
