#include <algorithm>
#include <new>

#include "platform/raster_device.h"

namespace korvo {

Bitmap::Bitmap(int width, int height, uint32_t fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

std::unique_ptr<Bitmap> Bitmap::TryCreate(int width, int height, uint32_t fill,
                                          std::size_t maxBytes) {
  if (width <= 0 || height <= 0) return nullptr;
  const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  if (pixels > maxBytes / sizeof(uint32_t)) return nullptr;
  try {
    return std::make_unique<Bitmap>(width, height, fill);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void Bitmap::Fill(uint32_t value) {
  std::fill(pixels_.begin(), pixels_.end(), value);
}

MonoBitmap::MonoBitmap(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      rowBytes_((static_cast<std::size_t>(width_) + 15) / 16 * 2),
      bits_(rowBytes_ * static_cast<std::size_t>(height_), 0) {}

bool MonoBitmap::Bit(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  const uint8_t byte =
      bits_[static_cast<std::size_t>(y) * rowBytes_ + static_cast<std::size_t>(x) / 8];
  return (byte & (0x80 >> (x % 8))) != 0;
}

void MonoBitmap::SetBit(int x, int y, bool on) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  uint8_t& byte = bits_[static_cast<std::size_t>(y) * rowBytes_ + static_cast<std::size_t>(x) / 8];
  const uint8_t mask = static_cast<uint8_t>(0x80 >> (x % 8));
  byte = on ? static_cast<uint8_t>(byte | mask) : static_cast<uint8_t>(byte & ~mask);
}

void MonoBitmap::ToggleBit(int x, int y) {
  SetBit(x, y, !Bit(x, y));
}

void MonoBitmap::Fill(bool on) {
  std::fill(bits_.begin(), bits_.end(), on ? uint8_t{0xFF} : uint8_t{0});
}

}  // namespace korvo
