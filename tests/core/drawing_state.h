#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/drawing.h"
#include "core/entity.h"
#include "core/insert_entity.h"
#include "geometry/point.h"
#include "text/line_type.h"

namespace korvo::testing {

// Everything of one entity that undo must give back: the object itself, its common fields,
// the bytes of its own record and its box (which for a block reference is the box of the
// parts it was expanded with).
struct EntityState {
  const Entity* entity;
  int code;
  unsigned flags;
  int colorIndex;
  const Layer* layer;
  const LineType* lineType;
  double lineWeight;
  std::vector<uint8_t> body;
  bool hasExtents;
  Point min, max;
  friend bool operator==(const EntityState&, const EntityState&) = default;
};

inline EntityState StateOf(const Entity& entity) {
  ArchiveWriter writer;
  entity.WriteBody(writer);
  EntityState state{&entity,
                    entity.GetElementCode(),
                    entity.flags,
                    entity.colorIndex,
                    entity.layer,
                    entity.lineType,
                    entity.lineWeight,
                    writer.bytes(),
                    false,
                    {},
                    {}};
  state.hasExtents = entity.GetExtents(state.min, state.max);
  return state;
}

// The entities that show, in drawing order; markers and erased entities are left out.
inline std::vector<EntityState> VisibleEntities(const Drawing& drawing) {
  std::vector<EntityState> states;
  for (const Entity* entity : drawing.entities) {
    if (!entity->IsErased()) states.push_back(StateOf(*entity));
  }
  return states;
}

struct LayerState {
  const Layer* layer;
  std::u16string name;
  unsigned flags;
  const LineType* lineType;
  int colorIndex;
  double lineWeight;
  friend bool operator==(const LayerState&, const LayerState&) = default;
};

struct StyleState {
  const TextStyle* style;
  std::u16string name;
  double height, widthFactor, obliqueAngle;
  unsigned flags;
  std::u16string font;
  friend bool operator==(const StyleState&, const StyleState&) = default;
};

struct BlockState {
  const BlockDefinition* block;
  std::u16string name;
  Point origin, basePoint;
  std::vector<EntityState> members;
  friend bool operator==(const BlockState&, const BlockState&) = default;
};

// What undo and redo must restore of a whole drawing. Table entries are listed in the
// table's order, since a saved file numbers them in that order.
struct DrawingState {
  std::vector<EntityState> entities;
  std::vector<LayerState> layers;
  std::vector<StyleState> styles;
  std::vector<const LineType*> lineTypes;
  std::vector<BlockState> blocks;
  const Layer* currentLayer;
  const TextStyle* currentTextStyle;
  unsigned gridOn, orthoSnap, objectSnap;
  Point viewOrigin;
  int currentColorIndex;
  friend bool operator==(const DrawingState&, const DrawingState&) = default;
};

inline DrawingState StateOf(const Drawing& drawing) {
  DrawingState state;
  state.entities = VisibleEntities(drawing);
  for (const Layer* layer : drawing.layers)
    state.layers.push_back(
        {layer, layer->name, layer->flags, layer->lineType, layer->colorIndex, layer->lineWeight});
  for (const TextStyle* style : drawing.textStyles)
    state.styles.push_back({style, style->name, style->height, style->widthFactor,
                            style->obliqueAngle, style->flags, std::u16string(style->FontName())});
  state.lineTypes.assign(drawing.lineTypes.begin(), drawing.lineTypes.end());
  for (const BlockDefinition* block : drawing.blocks) {
    BlockState blockState{block, block->name, block->origin, block->basePoint, {}};
    // A reload keeps copies of the definition's entities: their values count, not which
    // objects hold them (references never point into a definition).
    for (const Entity* entity : *block) {
      blockState.members.push_back(StateOf(*entity));
      blockState.members.back().entity = nullptr;
    }
    state.blocks.push_back(std::move(blockState));
  }
  const DrawingSettings& settings = drawing.settings;
  state.currentLayer = settings.currentLayer;
  state.currentTextStyle = settings.currentTextStyle;
  state.gridOn = settings.gridOn;
  state.orthoSnap = settings.orthoSnap;
  state.objectSnap = settings.objectSnap;
  state.viewOrigin = settings.viewOrigin;
  state.currentColorIndex = settings.currentColorIndex;
  return state;
}

inline int CountMarkers(const Drawing& drawing) {
  int count = 0;
  for (const Entity* entity : drawing.entities) count += entity->AsMarker() != nullptr;
  return count;
}

}  // namespace korvo::testing
