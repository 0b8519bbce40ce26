// Layers (151-156) and blocks (161-165) of the drawing.
#include "plugin/services_table.h"

#include <cmath>

#include "core/drawing.h"
#include "plugin/line_type_lookup.h"
#include "plugin/plugin_context.h"
#include "plugin/service_support.h"
#include "plugin/service_table.h"
#include "text/line_type.h"

namespace korvo {
namespace {

namespace Code {
inline constexpr int32_t Name = 2;
inline constexpr int32_t LineTypeName = 6;
inline constexpr int32_t Color = 62;
inline constexpr int32_t Flags = 70;
inline constexpr int32_t LineWeight = 370;
}  // namespace Code

// Line weights of a layer: by block has no meaning there and becomes the default.
constexpr double kByBlockWeight = -2.0;
constexpr double kDefaultWeight = -3.0;
constexpr double kCurrentWeight = -1.0;

Drawing* DrawingOf(PluginContext* context) {
  return context != nullptr && context->IsLive() ? context->drawing : nullptr;
}

// A layer's line type from a placement-style argument: null takes the current line type;
// by layer becomes CONTINUOUS and by block the current layer's (a layer cannot defer to
// itself or to a block). Null when a name names no line type.
LineType* LayerLineType(PluginContext& context, const char16_t* argument) {
  const DrawingSettings& s = context.drawing->settings;
  LineType* lineType = nullptr;
  if (argument == nullptr) {
    lineType = s.currentLineType;
  } else if (argument == PluginByLayerLineType()) {
    lineType = &ByLayerLineType();
  } else if (argument == PluginByBlockLineType()) {
    lineType = &ByBlockLineType();
  } else {
    const auto name = ReadServiceText(argument);
    if (!name || name->empty()) return nullptr;
    lineType = TakePluginLineType(context, *name);
    if (lineType == nullptr) return nullptr;
  }
  if (lineType == &ByBlockLineType())
    lineType = s.currentLayer != nullptr ? s.currentLayer->lineType : nullptr;
  if (lineType == nullptr || lineType == &ByLayerLineType()) lineType = &ContinuousLineType();
  return lineType;
}

PluginLayer* FindLayer(PluginContext* context, const char16_t* name) {
  Drawing* drawing = DrawingOf(context);
  if (drawing == nullptr) return nullptr;
  const auto text = ReadServiceText(name);
  if (name != nullptr && !text) return nullptr;
  Layer* layer =
      !text || text->empty() ? drawing->settings.currentLayer : drawing->layers.Find(*text);
  return layer != nullptr ? context->Issue(layer) : nullptr;
}

PluginLayer* AddLayer(PluginContext* context, const char16_t* name, uint8_t flags,
                      int16_t colorIndex, double lineWeight, const char16_t* lineTypeName) {
  Drawing* drawing = DrawingOf(context);
  const auto text = ReadServiceText(name);
  if (drawing == nullptr || !text || text->empty() || drawing->layers.Find(*text) != nullptr ||
      !std::isfinite(lineWeight)) {
    return nullptr;
  }
  const DrawingSettings& s = drawing->settings;
  int color = colorIndex == -1 ? s.currentColorIndex : colorIndex;
  if (color == 0 || color == 256) color = 7;
  double weight = lineWeight;
  if (weight == kCurrentWeight) weight = s.currentLineWeight;
  if (weight == kCurrentWeight && s.currentLayer != nullptr) weight = s.currentLayer->lineWeight;
  if (weight == kByBlockWeight) weight = kDefaultWeight;
  LineType* lineType = LayerLineType(*context, lineTypeName);
  if (lineType == nullptr) return nullptr;
  auto* layer = new Layer(*text, color, lineType, weight);
  layer->flags = flags;
  drawing->layers.Add(layer);
  drawing->undo.RecordChange(UndoKind::LayerAdded, layer);
  drawing->SetModifiedFlag(true);
  return context->Issue(layer);
}

int32_t FirstLayer(PluginContext* context, char16_t* out) {
  Drawing* drawing = DrawingOf(context);
  if (drawing == nullptr) return 0;
  context->layerCursor = 0;
  return WalkNames(drawing->layers, context->layerCursor, out) ? 1 : 0;
}

int32_t NextLayer(PluginContext* context, char16_t* out) {
  Drawing* drawing = DrawingOf(context);
  return drawing != nullptr && WalkNames(drawing->layers, context->layerCursor, out) ? 1 : 0;
}

Layer* LayerOf(PluginContext* context, PluginLayer* layer) {
  return DrawingOf(context) != nullptr ? context->CheckLayer(layer) : nullptr;
}

int32_t GetLayerProperty(PluginContext* context, PluginLayer* handle, int32_t code, void* out) {
  Layer* layer = LayerOf(context, handle);
  if (layer == nullptr || out == nullptr) return 0;
  switch (code) {
    case Code::Name:
      return WriteServiceText(static_cast<char16_t*>(out), layer->name) ? 1 : 0;
    case Code::LineTypeName:
      return WriteServiceText(static_cast<char16_t*>(out), layer->lineType != nullptr
                                                               ? layer->lineType->name
                                                               : ContinuousLineType().name)
                 ? 1
                 : 0;
    case Code::Color:
      *static_cast<int32_t*>(out) = layer->colorIndex;
      return 1;
    case Code::Flags:
      *static_cast<int32_t*>(out) = layer->flags;
      return 1;
    case Code::LineWeight:
      *static_cast<double*>(out) = layer->lineWeight;
      return 1;
    default:
      return 0;
  }
}

// The layer's state goes into the undo step once per command, before its first change.
void RecordLayer(PluginContext& context, Layer* layer) {
  if (!context.changedLayers.insert(layer).second) return;
  context.drawing->undo.RecordChange(UndoKind::LayerModified, layer);
}

int32_t SetLayerProperty(PluginContext* context, PluginLayer* handle, int32_t code,
                         const void* value) {
  Layer* layer = LayerOf(context, handle);
  if (layer == nullptr || value == nullptr) return 0;
  Drawing& drawing = *context->drawing;
  switch (code) {
    case Code::Name: {
      const auto name = ReadServiceText(static_cast<const char16_t*>(value));
      if (!name || name->empty()) return 0;
      Layer* holder = drawing.layers.Find(*name);
      if (holder != nullptr && holder != layer) return 0;
      RecordLayer(*context, layer);
      RenameEntry(drawing.layers, layer, *name);
      break;
    }
    case Code::LineTypeName: {
      LineType* lineType = LayerLineType(*context, static_cast<const char16_t*>(value));
      if (lineType == nullptr) return 0;
      RecordLayer(*context, layer);
      layer->lineType = lineType;
      break;
    }
    case Code::Color: {
      // 1-255, negative for a layer that is off; by block and by layer mean nothing here.
      const int32_t color = *static_cast<const int32_t*>(value);
      if (color == 0 || color < -255 || color > 255) return 0;
      RecordLayer(*context, layer);
      layer->SetColorIndex(color);
      break;
    }
    case Code::Flags: {
      const int32_t flags = *static_cast<const int32_t*>(value);
      if (flags < 0 || flags > 0xFF) return 0;
      RecordLayer(*context, layer);
      layer->flags = static_cast<uint8_t>(flags);
      break;
    }
    case Code::LineWeight: {
      double weight = *static_cast<const double*>(value);
      if (!std::isfinite(weight)) return 0;
      if (weight == kByBlockWeight) weight = kDefaultWeight;
      RecordLayer(*context, layer);
      layer->lineWeight = weight;
      break;
    }
    default:
      return 0;
  }
  drawing.SetModifiedFlag(true);
  return 1;
}

PluginBlock* FindBlock(PluginContext* context, const char16_t* name) {
  Drawing* drawing = DrawingOf(context);
  const auto text = ReadServiceText(name);
  if (drawing == nullptr || !text) return nullptr;
  BlockDefinition* block = drawing->blocks.Find(*text);
  return block != nullptr ? context->Issue(block) : nullptr;
}

int32_t FirstBlock(PluginContext* context, char16_t* out) {
  Drawing* drawing = DrawingOf(context);
  if (drawing == nullptr) return 0;
  context->blockCursor = 0;
  return WalkNames(drawing->blocks, context->blockCursor, out) ? 1 : 0;
}

int32_t NextBlock(PluginContext* context, char16_t* out) {
  Drawing* drawing = DrawingOf(context);
  return drawing != nullptr && WalkNames(drawing->blocks, context->blockCursor, out) ? 1 : 0;
}

int32_t GetBlockBase(PluginContext* context, PluginBlock* handle, PluginPoint* out) {
  BlockDefinition* block = DrawingOf(context) != nullptr ? context->CheckBlock(handle) : nullptr;
  if (block == nullptr || out == nullptr) return 0;
  *out = {block->basePoint.x, block->basePoint.y};
  return 1;
}

// The block goes into the undo step once per command; its references are refreshed later
// (at the next point question, RefreshBlocks or the end of the command).
int32_t SetBlockBase(PluginContext* context, PluginBlock* handle, const PluginPoint* base) {
  BlockDefinition* block = DrawingOf(context) != nullptr ? context->CheckBlock(handle) : nullptr;
  if (block == nullptr || base == nullptr || !std::isfinite(base->x) || !std::isfinite(base->y))
    return 0;
  Drawing& drawing = *context->drawing;
  if (context->changedBlocks.find(block) == context->changedBlocks.end())
    drawing.undo.RecordChange(UndoKind::BlockReloaded, block);
  context->changedBlocks[block] = true;
  block->basePoint = Point(base->x, base->y);
  drawing.SetModifiedFlag(true);
  return 1;
}

}  // namespace

LineType* TakePluginLineType(PluginContext& context, std::u16string_view name) {
  Drawing& drawing = *context.drawing;
  const std::size_t before = drawing.lineTypes.size();
  LineType* lineType = FindPluginLineType(context, name);
  if (lineType != nullptr && drawing.lineTypes.size() > before) {
    drawing.undo.RecordChange(UndoKind::LineTypeAdded, lineType);
    drawing.SetModifiedFlag(true);
  }
  return lineType;
}

void* LayerBlockService(int32_t id) {
  switch (id) {
    case PluginService::FindLayer:
      return ServiceAddressOf<FindLayerFn>(&FindLayer);
    case PluginService::AddLayer:
      return ServiceAddressOf<AddLayerFn>(&AddLayer);
    case PluginService::FirstLayer:
      return ServiceAddressOf<NameWalkFn>(&FirstLayer);
    case PluginService::NextLayer:
      return ServiceAddressOf<NameWalkFn>(&NextLayer);
    case PluginService::GetLayerProperty:
      return ServiceAddressOf<GetLayerPropertyFn>(&GetLayerProperty);
    case PluginService::SetLayerProperty:
      return ServiceAddressOf<SetLayerPropertyFn>(&SetLayerProperty);
    case PluginService::FindBlock:
      return ServiceAddressOf<FindBlockFn>(&FindBlock);
    case PluginService::FirstBlock:
      return ServiceAddressOf<NameWalkFn>(&FirstBlock);
    case PluginService::NextBlock:
      return ServiceAddressOf<NameWalkFn>(&NextBlock);
    case PluginService::GetBlockBase:
      return ServiceAddressOf<GetBlockBaseFn>(&GetBlockBase);
    case PluginService::SetBlockBase:
      return ServiceAddressOf<SetBlockBaseFn>(&SetBlockBase);
    default:
      return nullptr;
  }
}

void* TableService(int32_t id) {
  if (void* address = LayerBlockService(id)) return address;
  return StyleService(id);
}

}  // namespace korvo
