#include "core/undo_table_records.h"

#include <utility>

#include "core/drawing.h"
#include "core/undo_membership_record.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

class SettingsRecord : public UndoRecord {
 public:
  explicit SettingsRecord(const DrawingSettings& settings)
      : UndoRecord(UndoKind::SettingsChanged),
        saved_(std::make_unique<DrawingSettings>(settings)) {}

  void Undo(Drawing& drawing) override { Exchange(drawing); }
  void Redo(Drawing& drawing) override { Exchange(drawing); }
  void Discard(Drawing&, GroupState, const TextStyleHeld&) override { saved_.reset(); }

 private:
  void Exchange(Drawing& drawing) {
    if (!saved_) return;
    std::swap(drawing.settings, *saved_);
    // The mode switches live only in the settings: the buttons must show them again.
    drawing.undo.NotifyModesRestored();
  }

  std::unique_ptr<DrawingSettings> saved_;
};

class CurrentLayerRecord : public UndoRecord {
 public:
  explicit CurrentLayerRecord(Layer* previous)
      : UndoRecord(UndoKind::CurrentLayerChanged), saved_(previous) {}

  void Undo(Drawing& drawing) override { std::swap(drawing.settings.currentLayer, saved_); }
  void Redo(Drawing& drawing) override { std::swap(drawing.settings.currentLayer, saved_); }
  void Discard(Drawing&, GroupState, const TextStyleHeld&) override {}

 private:
  Layer* saved_;
};

void SwapLayerValues(Layer& a, Layer& b) {
  std::swap(a.name, b.name);
  std::swap(a.flags, b.flags);
  std::swap(a.lineType, b.lineType);
  std::swap(a.colorIndex, b.colorIndex);
  std::swap(a.lineWeight, b.lineWeight);
}

class LayerModifiedRecord : public UndoRecord {
 public:
  explicit LayerModifiedRecord(Layer* layer)
      : UndoRecord(UndoKind::LayerModified),
        layer_(layer),
        saved_(std::make_unique<Layer>(*layer)) {}

  void Undo(Drawing& drawing) override { Exchange(drawing); }
  void Redo(Drawing& drawing) override { Exchange(drawing); }
  void Discard(Drawing&, GroupState, const TextStyleHeld&) override { saved_.reset(); }

 private:
  // The table is keyed by the upper-cased name: a new name re-keys the layer in its place.
  void Exchange(Drawing& drawing) {
    if (!saved_) return;
    const bool rekey = ToUpper(layer_->name) != ToUpper(saved_->name);
    SwapLayerValues(*layer_, *saved_);
    if (rekey) drawing.layers.Rekey(layer_);
  }

  Layer* layer_;
  std::unique_ptr<Layer> saved_;
};

template <class T>
T* Get(const UndoObject& object) {
  const auto* held = std::get_if<T*>(&object);
  return held ? *held : nullptr;
}

}  // namespace

std::unique_ptr<UndoRecord> MakeSettingsUndoRecord(Drawing& drawing, UndoKind kind) {
  if (kind == UndoKind::SettingsChanged) return std::make_unique<SettingsRecord>(drawing.settings);
  if (kind == UndoKind::CurrentLayerChanged)
    return std::make_unique<CurrentLayerRecord>(drawing.settings.currentLayer);
  return nullptr;
}

std::unique_ptr<UndoRecord> MakeTableUndoRecord(Drawing& drawing, UndoKind kind,
                                                const UndoObject& object) {
  using LayerRecord = MembershipRecord<Layer, LayerTable>;
  using StyleRecord = MembershipRecord<TextStyle, TextStyleTable>;
  using LineTypeRecord = MembershipRecord<LineType, LineTypeTable>;
  switch (kind) {
    case UndoKind::LayerModified:
      if (Layer* layer = Get<Layer>(object)) return std::make_unique<LayerModifiedRecord>(layer);
      return nullptr;
    case UndoKind::LayerAdded:
    case UndoKind::LayerRemoved:
      if (Layer* layer = Get<Layer>(object)) {
        const auto change = kind == UndoKind::LayerAdded ? LayerRecord::Change::Added
                                                         : LayerRecord::Change::Removed;
        return std::make_unique<LayerRecord>(kind, drawing.layers, layer, change);
      }
      return nullptr;
    case UndoKind::TextStyleAdded:
      if (TextStyle* style = Get<TextStyle>(object))
        return std::make_unique<StyleRecord>(kind, drawing.textStyles, style,
                                             StyleRecord::Change::Added);
      return nullptr;
    case UndoKind::LineTypeAdded:
      if (LineType* type = Get<LineType>(object))
        return std::make_unique<LineTypeRecord>(kind, drawing.lineTypes, type,
                                                LineTypeRecord::Change::Added);
      return nullptr;
    default:
      return nullptr;
  }
}

}  // namespace korvo
