#include <algorithm>

#include "core/drawing.h"
#include "view/view.h"

namespace korvo {
namespace {

// Thumb positions come from the shell; beyond this they only move the window off any drawing
// and would overflow the pixel arithmetic.
constexpr int kThumbLimit = 1 << 29;

// Pulls the window back inside the limits: its far edge first, then its near one.
void ClampToLimits(double& origin, double visible, double low, double high) {
  if (origin + visible > high) origin = high - visible;
  if (origin < low) origin = low;
}

int ThumbOffset(int current, int position) {
  return std::clamp(position, -kThumbLimit, kThumbLimit) - current;
}

}  // namespace

void View::ScrollHorizontal(ScrollCode code, int position) {
  const DrawingSettings& settings = drawing_.settings;
  const Size visible = VisibleExtent();
  Point origin = settings.viewOrigin;
  switch (code) {
    case ScrollCode::LineUp:
    case ScrollCode::PageUp:
      origin.x -= visible.width / 2;
      break;
    case ScrollCode::LineDown:
    case ScrollCode::PageDown:
      origin.x += visible.width / 2;
      break;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack: {
      const ScreenRect client = ClientRect();
      origin = ScreenToWorld(client.left + ThumbOffset(scrollBars_.horizontal.position, position),
                             client.bottom);
      thumbScroll_ = true;
      break;
    }
    default:
      return;
  }
  ClampToLimits(origin.x, visible.width, settings.limitsMin.x, settings.limitsMax.x);
  ApplyWindow(origin, settings.viewExtent, false);
}

void View::ScrollVertical(ScrollCode code, int position) {
  const DrawingSettings& settings = drawing_.settings;
  const Size visible = VisibleExtent();
  Point origin = settings.viewOrigin;
  switch (code) {
    case ScrollCode::LineUp:
    case ScrollCode::PageUp:
      origin.y += visible.height / 2;
      break;
    case ScrollCode::LineDown:
    case ScrollCode::PageDown:
      origin.y -= visible.height / 2;
      break;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack: {
      const ScreenRect client = ClientRect();
      origin = ScreenToWorld(client.left,
                             client.bottom + ThumbOffset(scrollBars_.vertical.position, position));
      thumbScroll_ = true;
      break;
    }
    default:
      return;
  }
  ClampToLimits(origin.y, visible.height, settings.limitsMin.y, settings.limitsMax.y);
  ApplyWindow(origin, settings.viewExtent, false);
}

void View::ScrollLine(ScrollDirection direction) {
  switch (direction) {
    case ScrollDirection::Left:
      ScrollHorizontal(ScrollCode::LineUp);
      break;
    case ScrollDirection::Right:
      ScrollHorizontal(ScrollCode::LineDown);
      break;
    case ScrollDirection::Up:
      ScrollVertical(ScrollCode::LineUp);
      break;
    case ScrollDirection::Down:
      ScrollVertical(ScrollCode::LineDown);
      break;
  }
}

}  // namespace korvo
