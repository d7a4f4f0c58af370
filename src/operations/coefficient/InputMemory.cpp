#include "operations/coefficient/InputMemory.h"

#include "foundation/NumberText.h"
#include "widgets/Form.h"
#include "calc/coefficient/ForcedConvection.h"
#include "operations/coefficient/ItemGrid.h"

namespace {

enum class Keep {
  No,        // not stored
  IfFilled,  // written only when the grid cell holds a text
  Always,    // written in any case; an empty grid cell empties the store cell
};

struct KeptCell {
  int column = -1, row = -1;
  bool valid() const { return column >= 0; }
};

struct MemoryCell {
  KeptCell cell;
  Keep keep = Keep::No;
  // Where older store files kept this value (read while the block's marker
  // is empty, that is before the block was first remembered in its cells).
  KeptCell formerCell{};
};

enum class BlockKind { Simple, Natural, Forced, Fin, LayeredWall };

// The value cells of the item grid in the order of a block's cells.
constexpr int kGridCells[12][2] = {{1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5},
                                   {3, 0}, {3, 1}, {3, 2}, {3, 3}, {3, 4}, {3, 5}};

struct MemoryBlock {
  BlockKind kind;
  int first, last;       // formula numbers of the block
  MemoryCell cells[12];  // in the order of kGridCells
  KeptCell marker{};    // set when the block is remembered (see formerCell)
};

constexpr Keep F = Keep::IfFilled, A = Keep::Always, N = Keep::No;

// The simple formulas kept their first four values in (6,32)..(6,35), the
// cells in which the cylinder panel saves its pipe-flow inputs, so each
// overwrote the other. They now have (6,44)..(6,47) of their own; (6,48)
// marks that these hold the values, and until it is set the values are
// read from the former cells.
// clang-format off
const MemoryBlock kBlocks[] = {
  {BlockKind::Simple, 1, 50,
   {{{6, 44}, F, {6, 32}}, {{6, 45}, A, {6, 33}}, {{6, 46}, F, {6, 34}}, {{6, 47}, F, {6, 35}},
    {{6, 36}, F}, {{6, 37}, F}, {{6, 38}, A}, {{6, 39}, A}, {{6, 40}, A}, {{6, 41}, A}, {{6, 42}, A}, {{6, 43}, A}},
   {6, 48}},
  {BlockKind::Natural, 51, 100,
   {{{6, 11}, F}, {{6, 12}, A}, {{6, 13}, A}, {{6, 14}, A}, {{6, 15}, A}, {{6, 16}, A},
    {{6, 17}, F}, {{6, 18}, A}, {{6, 19}, A}, {{6, 20}, A}, {{6, 21}, F}, {{6, 22}, F}}},
  {BlockKind::Forced, 101, 150,
   {{{2, 41}, A}, {{2, 42}, A}, {{2, 43}, A}, {{2, 44}, A}, {{2, 45}, A}, {{2, 46}, A},
    {{2, 47}, F}, {{2, 48}, A}, {{2, 49}, A}, {{2, 50}, A}, {{2, 51}, A}, {{2, 52}, A}}},
  {BlockKind::Fin, 201, 202,
   {{{1, 41}, A}, {{1, 42}, A}, {{1, 43}, A}, {{1, 44}, A}, {{1, 45}, A}, {{1, 46}, A},
    {{1, 47}, F}, {{1, 48}, A}, {{1, 49}, A}, {{1, 50}, A}, {{1, 51}, A}, {{1, 52}, A}}},
  {BlockKind::LayeredWall, 203, 204,
   {{{1, 53}, A}, {{1, 54}, A}, {{1, 55}, A}, {{1, 56}, A}, {{1, 57}, A}, {{1, 58}, A},
    {{1, 59}, F}, {{}, N}, {{}, N}, {{}, N}, {{}, N}, {{}, N}}},
};
// clang-format on

const MemoryBlock* BlockOf(int n) {
  for (const MemoryBlock& b : kBlocks)
    if (n >= b.first && n <= b.last) return &b;
  return nullptr;
}

}  // namespace

InputMemory::InputMemory(Form& form, ItemGrid& grid) : f(form), grid_(grid) {}

void InputMemory::RememberInputs() {
  const MemoryBlock* block = BlockOf(ToInteger(f.Text("Edit71")));
  if (!block) return;
  ConditionStore& store = f.Store();
  for (int i = 0; i < 12; ++i) {
    const MemoryCell& m = block->cells[i];
    if (m.keep == Keep::No) continue;
    const QString text = grid_.Text(kGridCells[i][0], kGridCells[i][1]);
    if (m.keep == Keep::IfFilled && text.isEmpty()) continue;
    store.SetCell(m.cell.column, m.cell.row, text);
  }
  if (block->marker.valid()) store.SetCell(block->marker.column, block->marker.row, QStringLiteral("1"));
}

void InputMemory::RecallInputs() {
  const MemoryBlock* block = BlockOf(ToInteger(f.Text("Edit71")));
  if (block) {
    const ConditionStore& store = f.Store();
    const bool former =
        block->marker.valid() && store.GetCell(block->marker.column, block->marker.row).isEmpty();
    for (int i = 0; i < 12; ++i) {
      const MemoryCell& m = block->cells[i];
      if (m.keep == Keep::No) continue;
      const int column = kGridCells[i][0], row = kGridCells[i][1];
      // The layered wall's inner diameter only where its caption asks for it.
      if (block->kind == BlockKind::LayeredWall && column == 3 && row == 0 && grid_.IsEmpty(2, 0)) continue;
      const KeptCell from = former && m.formerCell.valid() ? m.formerCell : m.cell;
      grid_.Set(column, row, store.GetCell(from.column, from.row));
    }
    // The evaluation takes μ as ν × ρ; show that rather than a typed value.
    if (block->kind == BlockKind::Forced && grid_.Text(2, 1).startsWith(QStringLiteral("粘性係数"))) {
      const long double rho = grid_.Number(1, 4);
      const long double nu = grid_.Number(1, 2);
      grid_.Set(3, 1, NumberText(DynamicViscosity(nu, rho)));
    }
  }
  // Values without a caption are cleared.
  for (int r = 0; r < 6; ++r)
    for (int c : {0, 2})
      if (grid_.IsEmpty(c, r)) grid_.Set(c + 1, r, QString());
}
