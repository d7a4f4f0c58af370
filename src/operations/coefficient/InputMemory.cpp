#include "operations/coefficient/InputMemory.h"

#include "calc/coefficient/ForcedConvection.h"
#include "foundation/NumberText.h"
#include "operations/coefficient/ItemGrid.h"
#include "operations/common/CoefficientControls.h"
#include "widgets/Form.h"

namespace {

enum class Keep {
  No,        // not stored
  IfFilled,  // written only when the grid cell holds a text
  Always,    // written in any case; an empty grid cell empties the store cell
};

// A cell of the store, or none.
struct KeptCell {
  StoreCell cell{-1, -1};
  bool valid() const { return cell.column >= 0; }
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

// The simple formulas kept their first four values in the cells in which the
// cylinder panel saves its pipe-flow inputs, so each overwrote the other.
// They now have cells of their own; CoefficientSimpleMarker marks that these
// hold the values, and until it is set the values are read from the former
// cells.
// clang-format off
const MemoryBlock kBlocks[] = {
  {BlockKind::Simple, 1, 50,
   {{{Cell("CoefficientSimple1")}, F, {Cell("CylinderFluidDensity")}}, {{Cell("CoefficientSimple2")}, A, {Cell("CylinderFluidPipeDiameter")}},
    {{Cell("CoefficientSimple3")}, F, {Cell("CylinderFluidFlow")}}, {{Cell("CoefficientSimple4")}, F, {Cell("CylinderFluidAmbient")}},
    {{Cell("CoefficientSimple5")}, F}, {{Cell("CoefficientSimple6")}, F},
    {{Cell("CoefficientSimple7")}, A}, {{Cell("CoefficientSimple8")}, A},
    {{Cell("CoefficientSimple9")}, A}, {{Cell("CoefficientSimple10")}, A},
    {{Cell("CoefficientSimple11")}, A}, {{Cell("CoefficientSimple12")}, A}},
   {Cell("CoefficientSimpleMarker")}},
  {BlockKind::Natural, 51, 100,
   {{{Cell("CoefficientNatural1")}, F}, {{Cell("CoefficientNatural2")}, A}, {{Cell("CoefficientNatural3")}, A}, {{Cell("CoefficientNatural4")}, A},
    {{Cell("CoefficientNatural5")}, A}, {{Cell("CoefficientNatural6")}, A}, {{Cell("CoefficientNatural7")}, F}, {{Cell("CoefficientNatural8")}, A},
    {{Cell("CoefficientNatural9")}, A}, {{Cell("CoefficientNatural10")}, A}, {{Cell("CoefficientNatural11")}, F}, {{Cell("CoefficientNatural12")}, F}}},
  {BlockKind::Forced, 101, 150,
   {{{Cell("CoefficientForced1")}, A}, {{Cell("CoefficientForced2")}, A}, {{Cell("CoefficientForced3")}, A}, {{Cell("CoefficientForced4")}, A},
    {{Cell("CoefficientForced5")}, A}, {{Cell("CoefficientForced6")}, A}, {{Cell("CoefficientForced7")}, F}, {{Cell("CoefficientForced8")}, A},
    {{Cell("CoefficientForced9")}, A}, {{Cell("CoefficientForced10")}, A}, {{Cell("CoefficientForced11")}, A}, {{Cell("CoefficientForced12")}, A}}},
  {BlockKind::Fin, 201, 202,
   {{{Cell("CoefficientFin1")}, A}, {{Cell("CoefficientFin2")}, A}, {{Cell("CoefficientFin3")}, A}, {{Cell("CoefficientFin4")}, A},
    {{Cell("CoefficientFin5")}, A}, {{Cell("CoefficientFin6")}, A}, {{Cell("CoefficientFin7")}, F}, {{Cell("CoefficientFin8")}, A},
    {{Cell("CoefficientFin9")}, A}, {{Cell("CoefficientFin10")}, A}, {{Cell("CoefficientFin11")}, A}, {{Cell("CoefficientFin12")}, A}}},
  {BlockKind::LayeredWall, 203, 204,
   {{{Cell("CoefficientLayeredWall1")}, A}, {{Cell("CoefficientLayeredWall2")}, A}, {{Cell("CoefficientLayeredWall3")}, A}, {{Cell("CoefficientLayeredWall4")}, A},
    {{Cell("CoefficientLayeredWall5")}, A}, {{Cell("CoefficientLayeredWall6")}, A}, {{Cell("CoefficientLayeredWall7")}, F}, {{}, N},
    {{}, N}, {{}, N}, {{}, N}, {{}, N}}},
};
// clang-format on

const MemoryBlock* BlockOf(int n) {
  for (const MemoryBlock& b : kBlocks)
    if (n >= b.first && n <= b.last) return &b;
  return nullptr;
}

}  // namespace

InputMemory::InputMemory(Form& form, ItemGrid& grid) : f(form), grid_(grid) {}

std::vector<StoreCell> InputMemory::WrittenCells() {
  std::vector<StoreCell> cells;
  for (const MemoryBlock& b : kBlocks) {
    for (const MemoryCell& m : b.cells)
      if (m.keep != Keep::No) cells.push_back(m.cell.cell);
    if (b.marker.valid()) cells.push_back(b.marker.cell);
  }
  return cells;
}

void InputMemory::RememberInputs() {
  const MemoryBlock* block = BlockOf(ToInteger(f.Text(Coefficient::Number)));
  if (!block) return;
  ConditionStore& store = f.Store();
  for (int i = 0; i < 12; ++i) {
    const MemoryCell& m = block->cells[i];
    if (m.keep == Keep::No) continue;
    const QString text = grid_.Text(kGridCells[i][0], kGridCells[i][1]);
    if (m.keep == Keep::IfFilled && text.isEmpty()) continue;
    store.SetCell(m.cell.cell, text);
  }
  if (block->marker.valid()) store.SetCell(block->marker.cell, QStringLiteral("1"));
}

void InputMemory::RecallInputs() {
  const MemoryBlock* block = BlockOf(ToInteger(f.Text(Coefficient::Number)));
  if (block) {
    const ConditionStore& store = f.Store();
    const bool former =
        block->marker.valid() && store.GetCell(block->marker.cell).isEmpty();
    for (int i = 0; i < 12; ++i) {
      const MemoryCell& m = block->cells[i];
      if (m.keep == Keep::No) continue;
      const int column = kGridCells[i][0], row = kGridCells[i][1];
      // The layered wall's inner diameter only where its caption asks for it.
      if (block->kind == BlockKind::LayeredWall && column == 3 && row == 0 && grid_.IsEmpty(2, 0)) continue;
      const KeptCell from = former && m.formerCell.valid() ? m.formerCell : m.cell;
      grid_.Set(column, row, store.GetCell(from.cell));
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
