#include "view/picture.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "core/drawing.h"
#include "core/entity.h"
#include "core/insert_entity.h"
#include "core/point_display.h"
#include "platform/scoped_change.h"
#include "view/render_context.h"

namespace korvo {
namespace {

bool BoxesOverlap(const Point& min, const Point& max, const Point& low, const Point& high) {
  return !(max.x < low.x || min.x > high.x || max.y < low.y || min.y > high.y);
}

void MarkEntityOutOfView(Entity& entity, const Point& low, const Point& high) {
  if (entity.IsErased()) return;
  Point min, max;
  const bool inView = !entity.GetExtents(min, max) || BoxesOverlap(min, max, low, high);
  entity.flags =
      inView ? (entity.flags & ~EntityFlag::OutOfView) : (entity.flags | EntityFlag::OutOfView);
  if (const InsertEntity* insert = entity.AsInsert()) {
    MarkOutOfView(insert->expanded, low, high);
    MarkOutOfView(insert->attached, low, high);
  }
}

// Draws the entities that can show in the render context's window, in drawing order: those
// the spatial index finds there. Any other is either marked out of view or, its mark not yet
// renewed, lies wholly outside the window and would put no pixel in it.
bool DrawEntitiesInWindow(RenderContext& rc, const std::vector<Entity*>& inWindow) {
  for (Entity* entity : inWindow)
    if (!entity->Draw(rc)) return false;
  return true;
}

}  // namespace

void MarkOutOfView(const EntityList& list, const Point& low, const Point& high) {
  for (Entity* entity : list) MarkEntityOutOfView(*entity, low, high);
}

void MarkOutOfView(const Drawing& drawing, const Point& low, const Point& high) {
  drawing.index().RemarkOutOfView(low, high,
                                  [&](Entity& entity) { MarkEntityOutOfView(entity, low, high); });
}

void MarkOutOfViewOfLastPicture(const EntityList& list, const DrawingSettings& settings) {
  const Point& upperRight = settings.lastPoints[0];
  const Point& origin = settings.lastPoints[1];
  if (upperRight == origin) return;
  MarkOutOfView(list, origin, upperRight);
}

void MarkOutOfViewOfLastPicture(const Drawing& drawing) {
  const Point& upperRight = drawing.settings.lastPoints[0];
  const Point& origin = drawing.settings.lastPoints[1];
  if (upperRight == origin) return;
  MarkOutOfView(drawing, origin, upperRight);
}

bool DrawPicture(Drawing& drawing, RenderContext& rc, PictureScan scan) {
  PublishPointDisplay(drawing.settings);
  const bool linear = scan == PictureScan::WholeList;
  if (drawing.settings.SetLastPoints(rc.upperRight, rc.origin)) {
    if (linear)
      MarkOutOfView(drawing.entities, rc.origin, rc.upperRight);
    else
      MarkOutOfView(drawing, rc.origin, rc.upperRight);
  }
  std::vector<Entity*> inWindow;
  if (!linear) drawing.index().Query(rc.origin, rc.upperRight, inWindow);
  const auto drawAll = [&] {
    return linear ? drawing.entities.Draw(rc) : DrawEntitiesInWindow(rc, inWindow);
  };
  rc.SetDrawMode(DrawMode::All);
  if (!drawAll()) return false;
  if (drawing.selection.empty()) return true;
  rc.SetDrawMode(DrawMode::SelectedXor);
  for (Entity* entity : drawing.selection)
    if (!entity->Draw(rc)) return false;
  rc.SetDrawMode(DrawMode::HighlightXor);
  return drawAll();
}

void DrawGrid(RenderContext& rc) {
  const DrawingSettings& settings = *rc.settings;
  const double g = settings.gridSpacing;
  if (!(g > 0) || !settings.gridOn) return;
  // Far from the world's origin the screen position of (0, 0) saturates; the grid is the
  // same at every multiple of g, so a grid point near the window measures it instead.
  Point base(0, 0);
  constexpr double kFar = 134217728.0;  // 2^27 pixels, well inside the saturation limit
  if (!(std::fabs(rc.origin.x / rc.pixelSize) < kFar &&
        std::fabs(rc.origin.y / rc.pixelSize) < kFar))
    base = Point(rc.origin.x - std::fmod(rc.origin.x, g), rc.origin.y - std::fmod(rc.origin.y, g));
  const ScreenPoint zero = rc.WorldToScreen(base);
  const ScreenPoint step = rc.WorldToScreen(Point(base.x + g, base.y + g));
  if (std::abs(int64_t{step.x} - zero.x) <= 2 || std::abs(int64_t{step.y} - zero.y) <= 2) return;

  const double xMin = std::max(rc.origin.x, settings.limitsMin.x);
  const double xMax = std::min(rc.upperRight.x, settings.limitsMax.x);
  const double yMin = std::max(rc.origin.y, settings.limitsMin.y);
  const double yMax = std::min(rc.upperRight.y, settings.limitsMax.y);
  DeviceContext& dc = *rc.dc;
  const int width = dc.bitmap().width();
  // More than a grid line per two pixels cannot happen here; the bound only keeps a broken
  // window from running on.
  const double maxLines = std::max(width, dc.bitmap().height()) + 2.0;

  const bool white = rc.backgroundColor == kWhite;
  MonoBitmap row(width, 1);
  row.Fill(!white);
  const double firstX = std::ceil(xMin / g), lastX = std::floor(xMax / g);
  for (double i = 0; firstX + i <= lastX && i < maxLines; ++i) {
    const int column = rc.WorldToScreen(Point((firstX + i) * g, 0)).x;
    if (white)
      row.SetBit(column, 0, true);
    else
      row.ToggleBit(column, 0);
  }
  // A 0 bit takes the text colour and a 1 bit the background: on white the set bits XOR
  // white, on black the cleared ones XOR white, so every dot inverts what lies beneath.
  const uint32_t text = dc.SetTextColor(white ? 0 : kWhite);
  const uint32_t background = dc.SetBackgroundColor(white ? kWhite : 0);
  const double firstY = std::ceil(yMin / g), lastY = std::floor(yMax / g);
  for (double i = 0; firstY + i <= lastY && i < maxLines; ++i) {
    const int y = rc.WorldToScreen(Point(0, (firstY + i) * g)).y;
    if (y >= 0) dc.BitBlt(0, y, width, 1, row, 0, 0, BlitOp::SourceInvert);
  }
  dc.SetTextColor(text);
  dc.SetBackgroundColor(background);
}

uint32_t GridPenColor(uint32_t backgroundColor) {
  const uint32_t inverted = ~backgroundColor & kWhite;
  uint32_t color = 0;
  for (int shift = 0; shift < 24; shift += 8)
    color |= (((inverted >> shift) & 0xFF) >> 2) * 3 << shift;
  return color;
}

void DrawHighlightChanges(Drawing& drawing, RenderContext& rc) {
  for (Entity* entity : drawing.newlySelected) {
    rc.SetDrawMode(DrawMode::SelectedXor);
    entity->Draw(rc);
    rc.SetDrawMode(DrawMode::HighlightXor);
    entity->Draw(rc);
  }
  for (Entity* entity : drawing.newlyDeselected) {
    // Drawn as selected for the duration, so that both passes find it.
    const ScopedChange asSelected(entity->flags,
                                  static_cast<uint8_t>(entity->flags | EntityFlag::Selected));
    rc.SetDrawMode(DrawMode::HighlightXor);
    entity->Draw(rc);
    rc.SetDrawMode(DrawMode::SelectedXor);
    entity->Draw(rc);
  }
  drawing.newlySelected.clear();
  drawing.newlyDeselected.clear();
}

namespace {

// The device and context a picture of `bitmap` is drawn with.
struct PicturePass {
  PicturePass(Drawing& drawing, Bitmap& bitmap, Background background) : dc(bitmap) {
    dc.SetBackgroundColor(BackgroundColorOf(background));
    dc.SetTextColor(BackgroundColorOf(background) ^ kWhite);
    rc.emplace(dc, ScreenRect{0, 0, bitmap.width() - 1, bitmap.height() - 1}, drawing.settings);
    rc->lineWeightScale = 0;  // every pen on the screen is one pixel wide
  }
  DeviceContext dc;
  std::optional<RenderContext> rc;
};

}  // namespace

bool RenderPicture(Drawing& drawing, Bitmap& bitmap, Background background) {
  if (bitmap.width() < 1 || bitmap.height() < 1) return false;
  PicturePass pass(drawing, bitmap, background);
  pass.rc->FillBackground();
  const bool complete = DrawPicture(drawing, *pass.rc);
  DrawGrid(*pass.rc);
  drawing.newlySelected.clear();
  drawing.newlyDeselected.clear();
  return complete;
}

void UpdatePictureHighlight(Drawing& drawing, Bitmap& bitmap, Background background) {
  if (bitmap.width() < 1 || bitmap.height() < 1) return;
  if (drawing.newlySelected.empty() && drawing.newlyDeselected.empty()) return;
  PicturePass pass(drawing, bitmap, background);
  DrawHighlightChanges(drawing, *pass.rc);
}

}  // namespace korvo
