// The window is laid out from tables: one row per control with its kind,
// control name (its objectName), parent, position, size, caption and look.
// Each panel group keeps its table in the folder of the subsystem that owns
// it; BuildControls turns a table into widgets.
#pragma once

#include <span>

class Form;

enum class Kind {
  Panel,      // a coloured frame (QFrame)
  Label,      // a caption (QLabel); clicks reach the operations wired to it
  Edit,       // a single-line field (QLineEdit)
  Button,     // a push button
  Radio,      // a radio button; the ones of one parent exclude each other
  Group,      // a titled group box
  Memo,       // a multi-line text area (QPlainTextEdit)
  Grid,       // a StringGrid; caption "columns,rows"
  List,       // a FileListBox
  Chart,      // a ChartView
  Choice,     // a drop-down list to choose one entry from (QComboBox)
  CheckList,  // a list whose entries are checked (QListWidget)
  Progress,   // a progress bar
  Table,      // a read-only table with captioned columns (QTableWidget)
};

enum ControlFlags : unsigned {
  kHidden = 1u << 0,
  kDisabled = 1u << 1,
  kInput = 1u << 2,     // input field colour #B5FFB5
  kBold = 1u << 3,
  kChecked = 1u << 4,   // radio button selected at start
  kNoWrap = 1u << 5,    // memo: long lines scroll instead of wrapping
  kReadOnly = 1u << 6,

  // How the control follows its parent when the window grows (AnchorLayout).
  // Without any the control keeps its place and size at the top left.
  kAnchorRight = 1u << 8,     // keeps its distance to the parent's right edge
  kAnchorBottom = 1u << 9,    // keeps its distance to the parent's bottom edge
  kStretchWidth = 1u << 10,   // takes the parent's growth in width
  kStretchHeight = 1u << 11,  // takes the parent's growth in height
  kCentreX = 1u << 12,        // moves by half the parent's growth in width
  kCentreY = 1u << 13,        // moves by half the parent's growth in height
  // The control's children keep the arrangement of the table, as one block
  // centred in the control, whatever room the control takes.
  kCentreContent = 1u << 14,
};
inline constexpr unsigned kStretch = kStretchWidth | kStretchHeight;

// The blue of the panels' frames.
inline constexpr unsigned kPanel = 0xC1C1FF;

// A control named by its meaning (the identifiers beside each subsystem's
// control tables, e.g. Cylinder::Ambient), standing for its objectName
// ("Edit3") wherever a control name is taken.
struct Control {
  const char* name;
  constexpr operator const char*() const { return name; }
};

struct ControlSpec {
  Kind kind;
  const char* name;
  const char* parent;  // control name of the parent; "" for the window itself
  int x, y, w, h;
  const char* caption;
  unsigned flags = 0;
  unsigned colour = 0;  // background 0xRRGGBB; 0 keeps the default
};

// Creates the controls of the table, in order (a parent before its children).
void BuildControls(Form& form, std::span<const ControlSpec> table);
