#pragma once

#include <memory>

#include "core/entity_list.h"
#include "core/undo_record.h"

namespace korvo {

// Records of the drawing's entities: erased, added, modified and moved in the drawing order.
// `position` is the entity's node in the drawing's list (for the drawing order, the old node,
// which now holds the marker). Null when the entity is not at `position`.
std::unique_ptr<UndoRecord> MakeEntityUndoRecord(Drawing& drawing, UndoKind kind, Entity* entity,
                                                 ListPosition position);

}  // namespace korvo
