#include "exchange/bitmap_export.h"

#include <deque>
#include <vector>

#include "core/drawing.h"
#include "core/entity.h"
#include "core/insert_entity.h"
#include "core/point_display.h"
#include "exchange/bitmap_file.h"
#include "exchange/bitmap_options_model.h"
#include "platform/file_io.h"
#include "platform/raster_device.h"
#include "platform/scoped_change.h"
#include "view/picture.h"
#include "view/render_context.h"

namespace korvo {
namespace {

// The out-of-view marks belong to the screen's window. The export's window may show more,
// so the marks are computed for it and put back afterwards.
using OutOfViewMarks = std::deque<ScopedChange<uint8_t>>;

void SaveFlags(const EntityList& list, OutOfViewMarks& saved) {
  for (Entity* entity : list) {
    saved.emplace_back(entity->flags);
    if (const InsertEntity* insert = entity->AsInsert()) {
      SaveFlags(insert->expanded, saved);
      SaveFlags(insert->attached, saved);
    }
  }
}

}  // namespace

bool ExportBitmap(const Drawing& drawing, const std::filesystem::path& path,
                  BitmapExportOptions& options, BitmapOptionsSource source, int width, int height,
                  Background background, MessageBoxService& messages, BitmapOptionsDialog* dialog) {
  if (source == BitmapOptionsSource::Dialog) {
    BitmapOptionsModel model(options);
    if (dialog == nullptr || !dialog->Run(model)) return false;
    std::u16string message;
    if (!model.Accept(options, message)) {
      messages.Show(message, MessageButtons::Ok, MessageIcon::Exclamation);
      return false;
    }
  } else {
    options.whiteBackground = background == Background::White;
    if (width != 0) options.width = width;
    if (height != 0) options.height = height;
  }

  const uint32_t paper =
      BackgroundColorOf(options.whiteBackground ? Background::White : Background::Black);
  std::unique_ptr<Bitmap> picture = Bitmap::TryCreate(options.width, options.height, paper);
  if (!picture) {
    messages.Show(u"Not enough memory to complete the operation!", MessageButtons::Ok,
                  MessageIcon::Stop);
    return false;
  }
  {
    DeviceContext dc(*picture);
    dc.SetBackgroundColor(paper);
    dc.SetTextColor(paper ^ kWhite);
    // Right and bottom are the last pixel, as for the screen, so the window's lower-left
    // corner lands on the picture's lower-left pixel.
    RenderContext rc(dc, {0, 0, options.width - 1, options.height - 1}, drawing.settings);
    // As on the screen, every pen is one pixel wide.
    rc.lineWeightScale = 0;
    const ScopedPointDisplay points(drawing.settings.pointDisplayMode,
                                    drawing.settings.pointDisplaySize / 2);
    OutOfViewMarks restore;
    SaveFlags(drawing.entities, restore);
    MarkOutOfView(drawing.entities, rc.origin, rc.upperRight);
    rc.FillBackground();
    drawing.entities.Draw(rc);
  }
  const std::vector<uint8_t> bytes = EncodeBitmapFile(*picture);
  picture.reset();
  if (bytes.empty()) {
    messages.Show(u"Not enough memory to complete the operation!", MessageButtons::Ok,
                  MessageIcon::Stop);
    return false;
  }
  const bool written = WriteFileAtomically(path, [&](FileWriter& file) {
    file.Write(bytes.data(), bytes.size());
    return !file.Failed();
  });
  if (!written) messages.Show(u"Invalid filename.", MessageButtons::Ok, MessageIcon::Exclamation);
  return written;
}

}  // namespace korvo
