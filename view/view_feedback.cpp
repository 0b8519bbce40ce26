#include "core/drawing.h"
#include "core/entity.h"
#include "core/entity_list.h"
#include "view/view.h"

namespace korvo {
namespace {

constexpr uint32_t kBandColor = kWhite;  // XOR with white inverts whatever lies beneath

DeviceContext& WithBackground(DeviceContext& dc, uint32_t background) {
  dc.SetBackgroundColor(background);
  return dc;
}

// A context on the window in XOR mode: an entity's colour is XOR-ed with the background, so
// that over the background it shows its true colour.
struct WindowPass {
  WindowPass(Bitmap& window, const ScreenRect& client, const DrawingSettings& settings,
             uint32_t background)
      : dc(window), rc(WithBackground(dc, background), client, settings, DrawMode::Xor) {
    rc.lineWeightScale = 0;  // every pen on the screen is one pixel wide
  }
  DeviceContext dc;
  RenderContext rc;
};

}  // namespace

bool View::DrawXor(Entity& entity) {
  if (window_.width() < 1 || window_.height() < 1) return true;
  WindowPass pass(window_, ClientRect(), drawing_.settings, BackgroundColor());
  return entity.Draw(pass.rc);
}

bool View::DrawXor(const EntityList& list, DrawFilter filter, void* filterArg1, void* filterArg2) {
  if (window_.width() < 1 || window_.height() < 1) return true;
  WindowPass pass(window_, ClientRect(), drawing_.settings, BackgroundColor());
  pass.rc.filter = filter;
  pass.rc.filterArg1 = filterArg1;
  pass.rc.filterArg2 = filterArg2;
  return list.Draw(pass.rc);
}

bool View::DrawOver(Entity& entity) {
  if (window_.width() < 1 || window_.height() < 1) return true;
  DeviceContext dc(window_);
  dc.SetBackgroundColor(BackgroundColor());
  dc.SetTextColor(BackgroundColor() ^ kWhite);
  RenderContext rc(dc, ClientRect(), drawing_.settings, DrawMode::Normal);
  rc.lineWeightScale = 0;
  return entity.Draw(rc);
}

void View::DrawRubberBand(const Point& from, const Point& to) {
  if (window_.width() < 1 || window_.height() < 1) return;
  WindowPass pass(window_, ClientRect(), drawing_.settings, BackgroundColor());
  pass.dc.SelectPen({PenStyle::Solid, kBandColor});
  const ScreenPoint a = WorldToScreen(from), b = WorldToScreen(to);
  pass.rc.DrawScreenLine(a.x, a.y, b.x, b.y);
}

void View::DrawRubberFrame(const Point& corner1, const Point& corner2) {
  if (window_.width() < 1 || window_.height() < 1) return;
  WindowPass pass(window_, ClientRect(), drawing_.settings, BackgroundColor());
  pass.dc.SelectPen({PenStyle::Solid, kBandColor});
  pass.rc.DrawScreenFrame(WorldToScreen(corner1), WorldToScreen(corner2));
}

}  // namespace korvo
