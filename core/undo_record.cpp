#include "core/undo_record.h"

#include "core/undo_entity_records.h"
#include "core/undo_table_records.h"

namespace korvo {

std::unique_ptr<UndoRecord> MakeUndoRecord(Drawing& drawing, UndoKind kind,
                                           const UndoObject& object, ListPosition position) {
  switch (kind) {
    case UndoKind::SettingsChanged:
    case UndoKind::CurrentLayerChanged:
      return MakeSettingsUndoRecord(drawing, kind);
    case UndoKind::EntityErased:
    case UndoKind::EntityAdded:
    case UndoKind::EntityModified:
    case UndoKind::DrawingOrderChanged: {
      Entity* const* entity = std::get_if<Entity*>(&object);
      return entity ? MakeEntityUndoRecord(drawing, kind, *entity, position) : nullptr;
    }
    case UndoKind::TextStylesReplaced:
      return MakeTextStylesUndoRecord(drawing);
    case UndoKind::LayerModified:
    case UndoKind::LayerAdded:
    case UndoKind::TextStyleAdded:
    case UndoKind::LineTypeAdded:
    case UndoKind::LayerRemoved:
      return MakeTableUndoRecord(drawing, kind, object);
    case UndoKind::BlockAdded:
    case UndoKind::BlockRemoved:
    case UndoKind::BlockReloaded: {
      BlockDefinition* const* block = std::get_if<BlockDefinition*>(&object);
      return block ? MakeBlockUndoRecord(drawing, kind, *block) : nullptr;
    }
  }
  return nullptr;  // a number outside the kinds
}

}  // namespace korvo
