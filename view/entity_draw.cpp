#include <algorithm>
#include <cmath>

#include "core/color_palette.h"
#include "core/entity.h"
#include "core/entity_list.h"
#include "core/layer.h"
#include "geometry/geometry.h"
#include "text/line_type.h"
#include "view/render_context.h"
#include "view/render_state_guard.h"

namespace korvo {
namespace {

// Pen widths beyond this are not told apart on any device; the bound keeps the conversion
// to an integer defined for absurd line weights.
constexpr double kMaxPenWidth = 4096;

bool IsHighlightMode(int mode) {
  return mode == DrawMode::HighlightXor || mode == DrawMode::SelectedXor;
}

bool DrawsSelectedSolid(int mode) {
  return mode == DrawMode::All || mode == DrawMode::SelectedXor;
}

double ResolveLineWeight(const Entity& entity, const RenderContext& rc) {
  double weight = entity.lineWeight;
  if (weight == LineWeight::ByBlock) {
    if (const Entity* parent = rc.parentInsert) {
      weight = parent->lineWeight;
      if (weight == LineWeight::ByLayer && parent->layer) weight = parent->layer->lineWeight;
    } else {
      weight = LineWeight::Default;
    }
  }
  if (weight == LineWeight::ByLayer && entity.layer) weight = entity.layer->lineWeight;
  if (weight == LineWeight::Default || weight == LineWeight::ByBlock) weight = rc.defaultLineWeight;
  return weight;
}

const LineType* ResolveLineType(const Entity& entity, const RenderContext& rc) {
  const LineType* type = entity.lineType;
  if (type == &ByLayerLineType()) {
    type = entity.layer ? entity.layer->lineType : nullptr;
  } else if (type == &ByBlockLineType()) {
    if (const Entity* parent = rc.parentInsert) {
      type = parent->lineType;
      if (type == &ByLayerLineType()) type = parent->layer ? parent->layer->lineType : nullptr;
    } else {
      type = &ContinuousLineType();
    }
  }
  if (type == nullptr) type = &ContinuousLineType();
  // A pattern finer than about a pixel is not dashed.
  if (type->PatternLength() * rc.settings->linetypeScale / rc.pixelSize < kSqrt2)
    type = &ContinuousLineType();
  return type;
}

uint32_t ResolveColor(const Entity& entity, const RenderContext& rc) {
  if (entity.colorIndex == kColorByLayer) return entity.layer ? entity.layer->GetColor() : kWhite;
  if (entity.colorIndex == kColorByBlock && rc.parentInsert) {
    const Entity& parent = *rc.parentInsert;
    if (parent.colorIndex == kColorByLayer) return parent.layer ? parent.layer->GetColor() : kWhite;
    return parent.GetColor();
  }
  return entity.GetColor();
}

}  // namespace

bool Entity::Draw(RenderContext& rc) {
  if ((flags & EntityFlag::Erased) != 0 || visible == 0) return true;
  if (rc.filter) {
    const DrawVerdict verdict = rc.filter(*this, rc.filterArg1, rc.filterArg2);
    if (verdict == DrawVerdict::Abort) return false;
    if (verdict == DrawVerdict::Skip) return true;
  }
  const bool selected = IsSelected();
  if (!selected && IsHighlightMode(rc.drawMode)) return true;
  if (!IsVisible() || (flags & EntityFlag::OutOfView) != 0) return true;

  const RenderStateGuard restore(rc);
  const double width = rc.lineWeightScale * ResolveLineWeight(*this, rc);
  rc.penWidthPixels =
      std::isnan(width) ? 1 : static_cast<int>(std::clamp(std::trunc(width), 1.0, kMaxPenWidth));
  rc.lineType = ResolveLineType(*this, rc);

  const bool highlighted = selected && !DrawsSelectedSolid(rc.drawMode);
  const bool filled = IsFilled(rc.pixelSize);
  PenStyle penStyle = PenStyle::Solid;
  if (highlighted && !filled && rc.penWidthPixels < 2) {
    // Selected thin geometry shows dotted.
    rc.lineType = &ContinuousLineType();
    penStyle = PenStyle::Dotted;
  }

  uint32_t color = ResolveColor(*this, rc);
  uint32_t textBackground = rc.backgroundColor;
  if (highlighted && filled && color == rc.backgroundColor) {
    // A filled area in the background colour shows only through the highlight pattern.
    color = 0;
  } else {
    // White on a white background would vanish, so it is drawn black.
    if (color == kWhite && rc.backgroundColor == kWhite) color = 0;
    if (rc.IsXorMode()) {
      // XOR over the background then shows the true colour, and a second pass removes it.
      color ^= rc.backgroundColor;
      textBackground = 0;
    }
  }

  rc.dc->SetTextColor(color);
  rc.dc->SetBackgroundColor(textBackground);
  rc.dc->SelectPen({penStyle, color});
  rc.dc->SelectBrush(highlighted ? rc.highlightBrush : Brush::Solid(color));
  DrawShape(rc);
  return true;
}

void Entity::DrawShape(RenderContext&) {}

bool EntityList::Draw(RenderContext& rc) const {
  for (Entity* entity : *this)
    if (!entity->Draw(rc)) return false;
  return true;
}

}  // namespace korvo
