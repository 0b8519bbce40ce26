#include "exchange/save_as.h"

#include <string>
#include <string_view>

#include "core/drawing_file.h"
#include "exchange/bitmap_export.h"
#include "exchange/dxf_export.h"
#include "exchange/open_as.h"

namespace korvo {
namespace {

using SaveFunction = bool (*)(const Drawing&, const std::filesystem::path&, const SaveAsOptions&,
                              MessageBoxService&);

bool SaveNative(const Drawing& drawing, const std::filesystem::path& path, const SaveAsOptions&,
                MessageBoxService& messages) {
  return SaveDrawing(drawing, path, messages);
}

bool SaveDxf(const Drawing& drawing, const std::filesystem::path& path, const SaveAsOptions&,
             MessageBoxService& messages) {
  return ExportDxf(drawing, path, messages);
}

// The picture has exactly the size asked for: a width or height of 0 is refused like any
// other size that makes no picture, rather than standing for "the last one".
bool SaveBitmap(const Drawing& drawing, const std::filesystem::path& path,
                const SaveAsOptions& options, MessageBoxService& messages) {
  BitmapExportOptions current{options.bitmapWidth, options.bitmapHeight, options.whiteBackground};
  return ExportBitmap(drawing, path, current, BitmapOptionsSource::Arguments, 0, 0,
                      options.whiteBackground ? Background::White : Background::Black, messages);
}

// One row per format, by lower-cased extension; a name that matches no row is saved in
// the native format.
struct SaveFormat {
  std::string_view extension;
  SaveFunction save;
};
constexpr SaveFormat kFormats[] = {
    {".korvodwg", SaveNative},
    {".dxf", SaveDxf},
    {".bmp", SaveBitmap},
};

}  // namespace

bool SaveDrawingAs(const Drawing& drawing, const std::filesystem::path& path,
                   const SaveAsOptions& options, MessageBoxService& messages) {
  const std::string extension = LowerCaseExtension(path);
  for (const SaveFormat& format : kFormats) {
    if (format.extension == extension) return format.save(drawing, path, options, messages);
  }
  return SaveNative(drawing, path, options, messages);
}

}  // namespace korvo
