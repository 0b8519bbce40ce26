#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvo {

class BlockDefinition;
class Drawing;

// The prefix of the blocks that hold free-line groups.
inline constexpr std::u16string_view kFreeLineBlockPrefix = u"*FLD";

// Whether a block name is a free-line group's: its first four characters are "*FLD",
// compared without regard to case.
bool IsFreeLineBlockName(std::u16string_view name);

// Free-line groups of `symbol` whose names `drawing` already uses take the next "*FLD"
// names that neither drawing uses, in the symbol's block order, and the references to them in
// `symbol` follow. Returns the (old, new) pairs.
std::vector<std::pair<std::u16string, std::u16string>> RenameClashingFreeLineBlocks(
    const Drawing& drawing, Drawing& symbol);

// Brings a symbol drawing into `drawing` as the block `name`, recording each change in the
// drawing's open undo group:
// - the "*FLD" rule above, then every block of the symbol whose name the drawing does not
//   hold moves over (recorded as added); blocks the drawing holds already stay as they are,
//   and the symbol's references to them show the drawing's definitions;
// - the layers, line types and text styles the symbol's entities use are looked up by name,
//   and those the drawing lacks are added as copies (recorded as added);
// - the symbol's entities become the definition `name`, based at the symbol's insertion base
//   point: a new block (recorded as added) or, when the drawing has one of that name, its new
//   contents (recorded as reloaded), and every reference to it follows.
// The symbol is left without those blocks; its entities stay. Null for an empty name.
BlockDefinition* ImportSymbol(Drawing& drawing, Drawing& symbol, std::u16string_view name);

}  // namespace korvo
