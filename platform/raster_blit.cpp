#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/raster_device.h"

namespace korvo {
namespace {

// Shrinks a transfer of w x h pixels from (sx, sy) to (x, y) so that it stays inside both
// pictures; false when nothing is left. The arithmetic is 64-bit, so any int is safe.
bool ClipTransfer(int& x, int& y, int& w, int& h, int& sx, int& sy, int sourceWidth,
                  int sourceHeight, int targetWidth, int targetHeight) {
  const auto clipAxis = [](int& to, int& from, int& size, int fromSize, int toSize) {
    int64_t t = to, f = from, n = size;
    const int64_t shift = std::max<int64_t>({0, -t, -f});
    t += shift, f += shift, n -= shift;
    n = std::min<int64_t>({n, int64_t{toSize} - t, int64_t{fromSize} - f});
    if (n <= 0) return false;
    to = static_cast<int>(t), from = static_cast<int>(f), size = static_cast<int>(n);
    return true;
  };
  return clipAxis(x, sx, w, sourceWidth, targetWidth) &&
         clipAxis(y, sy, h, sourceHeight, targetHeight);
}

}  // namespace

void DeviceContext::BitBlt(int x, int y, int w, int h, const Bitmap& source, int sx, int sy,
                           BlitOp op) {
  Bitmap& target = *bitmap_;
  if (!ClipTransfer(x, y, w, h, sx, sy, source.width(), source.height(), target.width(),
                    target.height()))
    return;
  // A transfer within one picture may overlap: copy rows in the direction that reads each
  // source row before it is overwritten.
  const bool upward = &source == &target && y > sy;
  // Within one row, XOR reads each source pixel before it is changed when walking from the
  // end the transfer moves towards.
  const bool backward = &source == &target && y == sy && x > sx;
  for (int k = 0; k < h; ++k) {
    const int row = upward ? h - 1 - k : k;
    const uint32_t* from = source.Row(sy + row) + sx;
    uint32_t* to = target.Row(y + row) + x;
    if (op == BlitOp::SourceCopy)
      std::memmove(to, from, static_cast<std::size_t>(w) * sizeof(uint32_t));
    else if (backward)
      for (int i = w - 1; i >= 0; --i) to[i] ^= from[i];
    else
      for (int i = 0; i < w; ++i) to[i] ^= from[i];
  }
}

void DeviceContext::BitBlt(int x, int y, int w, int h, const MonoBitmap& source, int sx, int sy,
                           BlitOp op) {
  Bitmap& target = *bitmap_;
  if (!ClipTransfer(x, y, w, h, sx, sy, source.width(), source.height(), target.width(),
                    target.height()))
    return;
  for (int row = 0; row < h; ++row) {
    uint32_t* to = target.Row(y + row) + x;
    for (int i = 0; i < w; ++i) {
      const uint32_t color = source.Bit(sx + i, sy + row) ? backgroundColor_ : textColor_;
      to[i] = op == BlitOp::SourceCopy ? color : (to[i] ^ color);
    }
  }
}

}  // namespace korvo
