#include "core/color_palette.h"
#include "core/entity_list.h"
#include "core/insert_entity.h"
#include "core/layer.h"
#include "platform/scoped_change.h"
#include "text/line_type.h"
#include "view/render_context.h"

namespace korvo {
namespace {

// Half the side of the square that marks a selected reference with nothing to draw.
constexpr int kMarkHalfSide = 5;

// This reference's by-block values taken from the reference it is drawn inside of.
void TakeByBlockFromParent(Entity& entity, const Entity& parent) {
  if (entity.lineWeight == LineWeight::ByBlock) {
    entity.lineWeight = parent.lineWeight == LineWeight::ByLayer && parent.layer != nullptr
                            ? parent.layer->lineWeight
                            : parent.lineWeight;
  }
  if (entity.colorIndex == kColorByBlock) {
    entity.SetColorIndex(parent.colorIndex == kColorByLayer && parent.layer != nullptr
                             ? parent.layer->colorIndex
                             : parent.colorIndex);
  }
  if (entity.lineType == &ByBlockLineType()) {
    entity.lineType = parent.lineType == &ByLayerLineType() && parent.layer != nullptr
                          ? parent.layer->lineType
                          : parent.lineType;
  }
}

}  // namespace

bool InsertEntity::Draw(RenderContext& rc) {
  if (!IsVisible()) return true;
  if (expanded.empty() && attached.empty()) return Entity::Draw(rc);

  // A nested reference takes its by-block properties from its parent for this draw only.
  const ScopedChange restoreLineWeight(lineWeight);
  const ScopedChange restoreColorIndex(colorIndex);
  const ScopedChange restoreLineType(lineType);
  if (rc.parentInsert != nullptr) TakeByBlockFromParent(*this, *rc.parentInsert);
  const ScopedChange restoreParent(rc.parentInsert, this);
  const bool selected = IsSelected();
  for (const EntityList* list : {&expanded, &attached}) {
    for (Entity* part : *list) {
      // A part draws selected exactly when its reference is.
      const auto partFlags = static_cast<uint8_t>(selected ? (part->flags | EntityFlag::Selected)
                                                           : (part->flags & ~EntityFlag::Selected));
      const ScopedChange restoreFlags(part->flags, partFlags);
      if (!part->Draw(rc)) return false;
    }
  }
  return true;
}

void InsertEntity::DrawShape(RenderContext& rc) {
  if (!IsSelected()) return;
  const ScreenPoint at = rc.WorldToScreen(insertionPoint);
  // Right and bottom one past the last pixel: ten pixels each way.
  rc.dc->FillRect(
      {at.x - kMarkHalfSide, at.y - kMarkHalfSide, at.x + kMarkHalfSide, at.y + kMarkHalfSide},
      rc.dc->brush());
}

}  // namespace korvo
