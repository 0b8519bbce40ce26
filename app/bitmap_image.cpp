#include "app/bitmap_image.h"

#include <cstdint>

namespace korvo {

QImage ImageOfBitmap(const Bitmap& bitmap) {
  QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGBX8888);
  if (image.isNull()) return image;
  // Our pixels hold red in the low byte, the byte order of this format; the fourth byte is
  // forced opaque.
  for (int y = 0; y < bitmap.height(); ++y) {
    const uint32_t* from = bitmap.Row(y);
    auto* to = reinterpret_cast<uint32_t*>(image.scanLine(y));
    for (int x = 0; x < bitmap.width(); ++x) to[x] = from[x] | 0xFF000000u;
  }
  return image;
}

}  // namespace korvo
