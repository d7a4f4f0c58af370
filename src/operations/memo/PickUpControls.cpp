#include "operations/memo/PickUpControls.h"

#include <iterator>

namespace PickUpControls {

namespace {
// clang-format off
constexpr Control kLabels[] = {
  // surface model (Panel4)
  {"Label13", "Panel4"}, {"Label14", "Panel4"}, {"Label15", "Panel4"}, {"Label16", "Panel4"},
  {"Label17", "Panel4"}, {"Label18", "Panel4"},
  // flat plate and flat wall (Panel9)
  {"Label20", "Panel9"}, {"Label21", "Panel9"}, {"Label22", "Panel9"}, {"Label23", "Panel9"},
  {"Label24", "Panel9"}, {"Label25", "Panel9"}, {"Label26", "Panel9"}, {"Label27", "Panel9"},
  {"Label28", "Panel9"}, {"Label29", "Panel9"}, {"Label30", "Panel9"},
  // heater and cylinder (Panel5)
  {"Label1", "Panel5"}, {"Label2", "Panel5"}, {"Label3", "Panel5"}, {"Label4", "Panel5"},
  {"Label5", "Panel5"}, {"Label6", "Panel5"}, {"Label7", "Panel5"}, {"Label8", "Panel5"},
  {"Label9", "Panel5"}, {"Label10", "Panel5"}, {"Label11", "Panel5"}, {"Label12", "Panel5"},
  // container heating (Panel14)
  {"Label33", "Panel14"}, {"Label39", "Panel14"}, {"Label40", "Panel14"}, {"Label41", "Panel14"},
  {"Label42", "Panel14"}, {"Label43", "Panel14"}, {"Label44", "Panel14"}, {"Label45", "Panel14"},
  {"Label46", "Panel14"}, {"Label47", "Panel14"}, {"Label48", "Panel14"}, {"Label49", "Panel14"},
  {"Label50", "Panel14"}, {"Label51", "Panel14"}, {"Label53", "Panel14"}, {"Label54", "Panel14"},
  {"Label55", "Panel14"}, {"Label57", "Panel14"}, {"Label58", "Panel14"}, {"Label59", "Panel14"},
  {"Label60", "Panel14"},
};

constexpr Control kFields[] = {
  // surface model (Panel4)
  {"Edit15", "Panel4"}, {"Edit16", "Panel4"}, {"Edit17", "Panel4"}, {"Edit18", "Panel4"},
  {"Edit19", "Panel4"}, {"Edit20", "Panel4"},
  // flat plate and flat wall (Panel9)
  {"Edit5", "Panel9"}, {"Edit23", "Panel9"}, {"Edit24", "Panel9"}, {"Edit25", "Panel9"},
  {"Edit26", "Panel9"}, {"Edit27", "Panel9"}, {"Edit28", "Panel9"}, {"Edit29", "Panel9"},
  {"Edit30", "Panel9"}, {"Edit31", "Panel9"}, {"Edit32", "Panel9"}, {"Edit33", "Panel9"},
  {"Edit76", "Panel9"},
  // heater and cylinder (Panel5)
  {"Edit1", "Panel5"}, {"Edit2", "Panel5"}, {"Edit4", "Panel5"}, {"Edit6", "Panel5"},
  {"Edit7", "Panel5"}, {"Edit8", "Panel5"}, {"Edit9", "Panel5"}, {"Edit10", "Panel5"},
  {"Edit11", "Panel5"}, {"Edit12", "Panel5"}, {"Edit13", "Panel5"}, {"Edit14", "Panel5"},
  {"Edit21", "Panel5"}, {"Edit34", "Panel5"},
  // container heating (Panel14)
  {"Edit35", "Panel14"}, {"Edit36", "Panel14"}, {"Edit37", "Panel14"}, {"Edit38", "Panel14"},
  {"Edit39", "Panel14"}, {"Edit40", "Panel14"}, {"Edit41", "Panel14"}, {"Edit42", "Panel14"},
  {"Edit43", "Panel14"}, {"Edit44", "Panel14"}, {"Edit45", "Panel14"}, {"Edit46", "Panel14"},
  {"Edit47", "Panel14"}, {"Edit48", "Panel14"}, {"Edit50", "Panel14"}, {"Edit51", "Panel14"},
  {"Edit52", "Panel14"}, {"Edit53", "Panel14"}, {"Edit54", "Panel14"}, {"Edit55", "Panel14"},
};
// clang-format on

static_assert(std::size(kLabels) == 50);
static_assert(std::size(kFields) == 53);
}  // namespace

std::span<const Control> Labels() { return kLabels; }
std::span<const Control> Fields() { return kFields; }

}  // namespace PickUpControls
