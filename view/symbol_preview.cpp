#include "view/symbol_preview.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/point_display.h"
#include "platform/file_io.h"
#include "view/picture.h"
#include "view/render_context.h"

namespace korvo {
namespace {

// Messages of a read that only feeds a preview are not the user's business: a damaged
// symbol simply shows no picture.
class SilentMessages : public MessageBoxService {
 public:
  MessageAnswer Show(std::u16string_view, MessageButtons, MessageIcon) override {
    return MessageAnswer::Ok;
  }
};

}  // namespace

std::unique_ptr<Bitmap> RenderSymbolPreview(Drawing& symbol, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  const uint32_t paper = BackgroundColorOf(Background::White);
  std::unique_ptr<Bitmap> picture = Bitmap::TryCreate(width, height, paper);
  if (!picture) return nullptr;
  Point low, high;
  if (!symbol.entities.GetExtents(low, high)) return picture;

  DrawingSettings settings = symbol.settings;
  // A margin of a twentieth on each side keeps the outermost strokes off the border; a
  // symbol of no width or height still gets a window of some size.
  const double span = std::max(high.x - low.x, high.y - low.y);
  const double margin = span > 0 ? span / 20 : 1.0;
  settings.viewExtent = Size{high.x - low.x + 2 * margin, high.y - low.y + 2 * margin};
  // The render context anchors the window at the lower-left pixel and takes the larger of the
  // two pixel sizes; the same sizes put the extents in the middle of the other direction.
  const double columns = std::max(width - 1, 1);
  const double rows = std::max(height - 1, 1);
  const double pixel =
      std::max(settings.viewExtent.width / columns, settings.viewExtent.height / rows);
  settings.viewOrigin =
      Point((low.x + high.x) / 2 - pixel * columns / 2, (low.y + high.y) / 2 - pixel * rows / 2);

  DeviceContext dc(*picture);
  dc.SetBackgroundColor(paper);
  dc.SetTextColor(paper ^ kWhite);
  // Right and bottom are the last pixel, as for the screen.
  RenderContext rc(dc, {0, 0, width - 1, height - 1}, settings);
  rc.lineWeightScale = 0;
  const ScopedPointDisplay points(settings.pointDisplayMode, settings.pointDisplaySize / 2);
  MarkOutOfView(symbol.entities, rc.origin, rc.upperRight);
  rc.FillBackground();
  symbol.entities.Draw(rc);
  return picture;
}

SymbolPreview PreviewSymbolFile(const std::filesystem::path& file, int width, int height,
                                MessageBoxService& messages) {
  SymbolPreview preview;
  const std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(file);
  if (!bytes) return preview;
  Drawing symbol;
  SilentMessages silent;
  // A file that is no drawing at all opens as an empty one: no version was read.
  const OpenResult opened = OpenDrawingBytes(*bytes, symbol, silent);
  if (!opened.opened || opened.version < 0) return preview;
  preview.picture = RenderSymbolPreview(symbol, width, height);
  if (!preview.picture) {
    messages.Show(u"Not enough memory to complete the operation!", MessageButtons::Ok,
                  MessageIcon::Stop);
    return preview;
  }
  preview.shown = true;
  return preview;
}

}  // namespace korvo
