#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/tables.h"
#include "text/line_type_table.h"

namespace korvo {

class EntityList;

// Deeper nesting is not expanded: each level costs stack while expanding, copying and
// destroying, and no drawing made by hand nests blocks anywhere near this deep.
inline constexpr int kMaxBlockNesting = 64;

// Blocks that each hold a few references to the next grow exponentially when expanded: a
// file of a few kilobytes could ask for more parts than any memory holds. Ten million parts
// take about a gigabyte, far more than drawings made by hand need.
inline constexpr std::size_t kMaxExpandedParts = 10'000'000;

// What expanding the references of a list had to leave undone.
struct BlockResolutionReport {
  // Blocks that contain a reference to themselves, directly or through other blocks; the
  // reference that would have repeated the expansion without end is left empty.
  std::vector<std::u16string> selfReferencing;
  // True when references nested deeper than kMaxBlockNesting were left empty.
  bool tooDeep = false;
  // True when references were left empty because expanding them would have made more than
  // `partLimit` parts in all.
  bool tooLarge = false;
  // Parts made so far by the resolutions that share this report, and the most they may make.
  std::size_t partsMade = 0;
  std::size_t partLimit = kMaxExpandedParts;
};

// Every block reference (element code 7; polylines are not references here) whose
// expanded list is empty is expanded from the block of its name, and so are the references
// it thereby receives and those among its attached entities. A name not in `blocks` leaves
// the reference empty. When `list` is itself one of the definitions in `blocks`, a reference
// to that definition counts as self-referencing.
void ResolveBlockReferences(EntityList& list, const BlockTable& blocks,
                            BlockResolutionReport& report);

// Every reference (polylines included) named like `block`, without regard to case, is
// expanded again from it; inside the others the search goes on through their parts. A
// reference that sits directly in `block` and names it is left alone.
void RebindBlock(EntityList& list, const BlockDefinition& block);

// References named `oldName` (without regard to case) are given `newName`, at any depth.
void RenameBlockReferences(EntityList& list, std::u16string_view oldName,
                           std::u16string_view newName);

// For entities that come from another drawing: the layer, line type and (for text) text
// style of every entity, at any depth, is replaced by the same-named entry of these tables;
// a missing entry is first added as a copy (a copied layer's line type is taken over the
// same way). Built-in line types are shared and stay as they are when not in the table.
void ImportTables(EntityList& list, LayerTable& layers, LineTypeTable& lineTypes,
                  TextStyleTable& textStyles);

// The same lookup without adding anything: entities whose names are not found keep their
// entries.
void RebindTables(EntityList& list, const LayerTable& layers, const LineTypeTable& lineTypes,
                  const TextStyleTable& textStyles);

}  // namespace korvo
