#include "core/color_palette.h"
#include "core/entity_list.h"
#include "core/insert_entity.h"
#include "core/layer.h"
#include "text/line_type.h"
#include "view/render_context.h"

namespace korvo {
namespace {

// Half the side of the square that marks a selected reference with nothing to draw.
constexpr int kMarkHalfSide = 5;

// Puts back the by-block properties a nested reference takes from its parent for one draw.
class PropertiesGuard {
 public:
  explicit PropertiesGuard(Entity& entity)
      : entity_(entity),
        lineWeight_(entity.lineWeight),
        colorIndex_(entity.colorIndex),
        lineType_(entity.lineType) {}
  ~PropertiesGuard() {
    entity_.lineWeight = lineWeight_;
    entity_.SetColorIndex(colorIndex_);
    entity_.lineType = lineType_;
  }
  PropertiesGuard(const PropertiesGuard&) = delete;
  PropertiesGuard& operator=(const PropertiesGuard&) = delete;

 private:
  Entity& entity_;
  double lineWeight_;
  int16_t colorIndex_;
  LineType* lineType_;
};

class ParentInsertGuard {
 public:
  ParentInsertGuard(RenderContext& rc, const Entity& insert) : rc_(rc), previous_(rc.parentInsert) {
    rc_.parentInsert = &insert;
  }
  ~ParentInsertGuard() { rc_.parentInsert = previous_; }
  ParentInsertGuard(const ParentInsertGuard&) = delete;
  ParentInsertGuard& operator=(const ParentInsertGuard&) = delete;

 private:
  RenderContext& rc_;
  const Entity* previous_;
};

// A part draws selected exactly when its reference is; its own bit is put back afterwards.
class SelectedFlagGuard {
 public:
  SelectedFlagGuard(Entity& part, bool selected) : part_(part), flags_(part.flags) {
    part_.flags = selected ? (flags_ | EntityFlag::Selected) : (flags_ & ~EntityFlag::Selected);
  }
  ~SelectedFlagGuard() {
    part_.flags = static_cast<uint8_t>((part_.flags & ~EntityFlag::Selected) |
                                       (flags_ & EntityFlag::Selected));
  }
  SelectedFlagGuard(const SelectedFlagGuard&) = delete;
  SelectedFlagGuard& operator=(const SelectedFlagGuard&) = delete;

 private:
  Entity& part_;
  uint8_t flags_;
};

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

  PropertiesGuard restoreProperties(*this);
  if (rc.parentInsert != nullptr) TakeByBlockFromParent(*this, *rc.parentInsert);
  ParentInsertGuard restoreParent(rc, *this);
  const bool selected = IsSelected();
  for (const EntityList* list : {&expanded, &attached}) {
    for (Entity* part : *list) {
      SelectedFlagGuard restoreFlag(*part, selected);
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
