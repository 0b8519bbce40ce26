#include "commands/layers_dialog.h"

#include <algorithm>

#include "commands/layer_removal.h"
#include "commands/table_dialog_strings.h"
#include "commands/table_name_check.h"
#include "core/drawing.h"
#include "platform/message_box.h"
#include "platform/text_format.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

using namespace TableDialogString;

void AssignLayer(Layer& to, const Layer& from) {
  to.name = from.name;
  to.flags = from.flags;
  to.lineType = from.lineType;
  to.colorIndex = from.colorIndex;
  to.lineWeight = from.lineWeight;
}

// Gives `layer` the values of `from`, moving it to its new key when the name changes key.
void Rekey(LayerTable& table, Layer& layer, const Layer& from) {
  const bool moves = ToUpper(layer.name) != ToUpper(from.name);
  AssignLayer(layer, from);
  if (moves) table.Rekey(&layer);
}

// A name no dialog can give (it starts with a control character).
std::u16string SpareName(int number) {
  std::u16string name = Ascii(std::to_string(number));
  name.insert(name.begin(), u'\x01');
  return name;
}

}  // namespace

LayersDialogModel::LayersDialogModel(Drawing& drawing, MessageBoxService& messages,
                                     LineTypeLibrary library, LineTypeRunner runLineType)
    : drawing_(drawing),
      messages_(messages),
      library_(std::move(library)),
      runLineType_(std::move(runLineType)) {
  for (Layer* layer : drawing.layers) {
    if (layer == drawing.settings.currentLayer) current_ = rows_.size();
    rows_.push_back({layer, std::make_unique<Layer>(*layer)});
  }
}

LayersDialogModel::~LayersDialogModel() = default;

std::optional<std::size_t> LayersDialogModel::FindRow(std::u16string_view name) const {
  return FindRowByName(rows_, name);
}

bool LayersDialogModel::SelectRow(std::size_t row) {
  if (row >= rows_.size()) return false;
  selected_ = row;
  return true;
}

bool LayersDialogModel::RowAction(std::size_t row, LayerColumn column) {
  if (row >= rows_.size()) return false;
  Layer& copy = *rows_[row].copy;
  const bool isCurrent = current_ == row;
  switch (column) {
    case LayerColumn::LineType:
      return EditLineType(rows_[row]);
    case LayerColumn::Frozen:
      // The layer one draws on cannot disappear.
      if (isCurrent) return false;
      copy.SetFrozen(!copy.IsFrozen());
      return true;
    case LayerColumn::Locked:
      copy.SetLocked(!copy.IsLocked());
      return true;
    case LayerColumn::Current:
      if (isCurrent) return false;
      current_ = row;
      copy.SetFrozen(false);
      return true;
    case LayerColumn::Delete:
      if (isCurrent) {
        messages_.Show(kCurrentLayerNotDeleted, MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
      }
      if (rows_[row].original != nullptr && !CanRemoveLayer(drawing_, rows_[row].original)) {
        messages_.Show(FormatMessage(kLayerInBlock, {std::u16string_view(copy.name)}),
                       MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
      }
      DeleteRow(row);
      return true;
  }
  return false;
}

bool LayersDialogModel::EditLineType(WorkingLayer& row) {
  Layer& copy = *row.copy;
  LineTypeValues values;
  values.lineType = copy.lineType;
  values.colorIndex = copy.colorIndex;
  values.lineWeight = copy.lineWeight;
  values.linetypeScale = drawing_.settings.linetypeScale;
  LineTypeDialogModel dialog(drawing_.lineTypes, library_, values, LineTypeDialogMask::kLayer,
                             false);
  if (!runLineType_ || !runLineType_(dialog)) return false;
  const LineTypeValues& chosen = dialog.Result();
  // A type of the library stays the library's until the dialog is confirmed.
  copy.lineType = chosen.lineType;
  copy.SetColorIndex(chosen.colorIndex);
  copy.lineWeight = chosen.lineWeight;
  return true;
}

void LayersDialogModel::DeleteRow(std::size_t row) {
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
  const auto shift = [row](std::optional<std::size_t>& index) {
    if (!index) return;
    if (*index == row) {
      index.reset();
    } else if (*index > row) {
      --*index;
    }
  };
  shift(current_);
  shift(selected_);
}

bool LayersDialogModel::NameTaken(std::u16string_view name, const Layer* except,
                                  bool ignoreCase) const {
  const std::u16string key = ToUpper(name);
  return std::any_of(rows_.begin(), rows_.end(), [&](const WorkingLayer& row) {
    if (row.copy.get() == except) return false;
    return ignoreCase ? ToUpper(row.copy->name) == key : row.copy->name == name;
  });
}

bool LayersDialogModel::RefuseName(std::u16string_view name, const Layer* except) {
  if (const auto why = CheckTableName(name, kEnterLayerName)) {
    messages_.Show(*why, MessageButtons::Ok, MessageIcon::Exclamation);
    return true;
  }
  if (NameTaken(name, except, true)) {
    messages_.Show(FormatMessage(kLayerNameInUse, {name}), MessageButtons::Ok,
                   MessageIcon::Exclamation);
    return true;
  }
  return false;
}

bool LayersDialogModel::CanNew() const {
  return !editText_.empty() && !NameTaken(editText_, nullptr, false);
}

bool LayersDialogModel::CanRename() const {
  if (!selected_) return false;
  const Layer* chosen = rows_[*selected_].copy.get();
  return editText_ != chosen->name && !NameTaken(editText_, chosen, false);
}

bool LayersDialogModel::New() {
  if (!CanNew() || RefuseName(editText_, nullptr)) return false;
  auto layer = std::make_unique<Layer>(editText_, 7, &ContinuousLineType(), -3.0);
  rows_.push_back({nullptr, std::move(layer)});
  selected_ = rows_.size() - 1;
  return true;
}

bool LayersDialogModel::Rename() {
  if (!CanRename()) return false;
  Layer& chosen = *rows_[*selected_].copy;
  if (RefuseName(editText_, &chosen)) return false;
  chosen.name = editText_;
  return true;
}

bool LayersDialogModel::Changes() const {
  if (rows_.size() != drawing_.layers.size()) return true;
  const Layer* current = current_ ? rows_[*current_].original : nullptr;
  if (current != nullptr && current != drawing_.settings.currentLayer) return true;
  return std::any_of(rows_.begin(), rows_.end(), [](const WorkingLayer& row) {
    return row.original == nullptr || !(*row.copy == *row.original);
  });
}

LineType* LayersDialogModel::TypeInDrawing(LineType* type) {
  const bool fromLibrary = std::any_of(library_.begin(), library_.end(),
                                       [type](const auto& held) { return held.get() == type; });
  if (!fromLibrary) return type;
  if (LineType* held = drawing_.lineTypes.Find(type->name)) return held;
  auto* added = new LineType(*type);
  drawing_.lineTypes.Add(added);
  drawing_.undo.RecordChange(UndoKind::LineTypeAdded, added);
  return added;
}

void LayersDialogModel::ApplyModified() {
  std::vector<WorkingLayer*> modified;
  for (WorkingLayer& row : rows_) {
    if (row.original != nullptr && !(*row.copy == *row.original)) modified.push_back(&row);
  }
  // A layer whose name another one takes moves to a name nobody uses first, so that two
  // layers never share a key, not even in the middle of a cycle of renames; each step is a
  // record of its own, and undoing them in reverse takes the same safe path back.
  int spare = 0;
  for (WorkingLayer* row : modified) {
    const std::u16string key = ToUpper(row->original->name);
    const bool taken = std::any_of(modified.begin(), modified.end(), [&](WorkingLayer* other) {
      return other != row && ToUpper(other->copy->name) == key;
    });
    if (!taken) continue;
    Layer parked(*row->original);
    do {
      parked.name = SpareName(spare++);
    } while (drawing_.layers.Find(parked.name) != nullptr);
    drawing_.undo.RecordChange(UndoKind::LayerModified, row->original);
    Rekey(drawing_.layers, *row->original, parked);
  }
  for (WorkingLayer* row : modified) {
    drawing_.undo.RecordChange(UndoKind::LayerModified, row->original);
    Rekey(drawing_.layers, *row->original, *row->copy);
  }
}

void LayersDialogModel::Confirm() {
  if (!Changes()) return;
  Drawing& drawing = drawing_;
  // Opening the group may delete what the previous command left for its undo: before any of
  // the drawing's entities or layers are looked at.
  drawing.undo.BeginUndoGroup();
  for (WorkingLayer& row : rows_) row.copy->lineType = TypeInDrawing(row.copy->lineType);

  const std::vector<Layer*> before(drawing.layers.begin(), drawing.layers.end());
  for (Layer* layer : before) {
    const bool kept = std::any_of(rows_.begin(), rows_.end(), [layer](const WorkingLayer& row) {
      return row.original == layer;
    });
    if (!kept) RemoveLayer(drawing, layer);
  }
  ApplyModified();
  for (WorkingLayer& row : rows_) {
    if (row.original != nullptr) continue;
    row.original = row.copy.get();
    drawing.layers.Add(row.copy.release());
    drawing.undo.RecordChange(UndoKind::LayerAdded, row.original);
    row.copy = std::make_unique<Layer>(*row.original);
  }
  Layer* current = current_ ? rows_[*current_].original : nullptr;
  if (current != nullptr && current != drawing.settings.currentLayer) {
    drawing.undo.RecordChange(UndoKind::CurrentLayerChanged);
    drawing.settings.currentLayer = current;
  }
}

}  // namespace korvo
