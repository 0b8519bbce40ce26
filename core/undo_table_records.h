#pragma once

#include <memory>

#include "core/undo_record.h"

namespace korvo {

// Records of the drawing settings, the current layer and the table entries. Each returns
// null when `object` is not what the kind expects (see UndoKind).
std::unique_ptr<UndoRecord> MakeSettingsUndoRecord(Drawing& drawing, UndoKind kind);
std::unique_ptr<UndoRecord> MakeTableUndoRecord(Drawing& drawing, UndoKind kind,
                                                const UndoObject& object);
std::unique_ptr<UndoRecord> MakeTextStylesUndoRecord(Drawing& drawing);
std::unique_ptr<UndoRecord> MakeBlockUndoRecord(Drawing& drawing, UndoKind kind,
                                                BlockDefinition* block);

}  // namespace korvo
