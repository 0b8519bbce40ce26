#include "exchange/bitmap_file.h"

#include <cstdint>
#include <unordered_map>

#include "core/color_palette.h"
#include "platform/file_io.h"
#include "platform/raster_device.h"

namespace korvo {
namespace {

constexpr uint32_t kPixelOffset = 14 + 40 + 256 * 4;  // 1078
constexpr uint32_t kTrueColorPixelOffset = 14 + 40;   // no colour table

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

void PutHeaders(std::vector<uint8_t>& out, int width, int height, uint32_t bitsPerPixel,
                uint32_t pixelOffset, uint32_t imageSize) {
  // File header.
  out.push_back('B');
  out.push_back('M');
  PutU32(out, imageSize + pixelOffset);  // file size
  PutU32(out, 0);                        // reserved
  PutU32(out, pixelOffset);              // offset of the pixels
  // Information header.
  PutU32(out, 40);  // its size
  PutU32(out, static_cast<uint32_t>(width));
  PutU32(out, static_cast<uint32_t>(height));  // positive: rows bottom-up
  PutU16(out, 1);                              // planes
  PutU16(out, bitsPerPixel);
  PutU32(out, 0);  // no compression
  PutU32(out, imageSize);
  for (int i = 0; i < 4; ++i) PutU32(out, 0);  // resolution and colour counts
}

std::array<uint32_t, 256> MakePalette() {
  std::array<uint32_t, 256> palette{};
  palette[0] = 0;
  for (int i = 1; i < 256; ++i) palette[static_cast<std::size_t>(i)] = ColorFromIndex(i);
  return palette;
}

}  // namespace

const std::array<uint32_t, 256>& BitmapPalette() {
  static const std::array<uint32_t, 256> palette = MakePalette();
  return palette;
}

uint8_t NearestPaletteIndex(uint32_t color) {
  const auto& palette = BitmapPalette();
  int best = 0;
  int64_t bestDistance = INT64_MAX;
  for (int i = 0; i < 256; ++i) {
    const uint32_t entry = palette[static_cast<std::size_t>(i)];
    const int64_t dr = int64_t{RedOf(color)} - RedOf(entry);
    const int64_t dg = int64_t{GreenOf(color)} - GreenOf(entry);
    const int64_t db = int64_t{BlueOf(color)} - BlueOf(entry);
    const int64_t distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) best = i, bestDistance = distance;
  }
  return static_cast<uint8_t>(best);
}

uint32_t BitmapRowSize(int width) {
  return static_cast<uint32_t>((static_cast<uint64_t>(width) + 3) / 4 * 4);
}

std::vector<uint8_t> EncodeBitmapFile(const Bitmap& picture) {
  const int width = picture.width(), height = picture.height();
  const uint32_t rowSize = BitmapRowSize(width);
  // The file's sizes are 32-bit: a picture too large for them has no file.
  if (uint64_t{rowSize} * static_cast<uint64_t>(height) + kPixelOffset > UINT32_MAX) return {};
  const uint32_t imageSize = rowSize * static_cast<uint32_t>(height);
  std::vector<uint8_t> out;
  out.reserve(kPixelOffset + imageSize);
  PutHeaders(out, width, height, 8, kPixelOffset, imageSize);
  // Colour table: blue, green, red, 0.
  for (uint32_t color : BitmapPalette()) {
    out.push_back(static_cast<uint8_t>(BlueOf(color)));
    out.push_back(static_cast<uint8_t>(GreenOf(color)));
    out.push_back(static_cast<uint8_t>(RedOf(color)));
    out.push_back(0);
  }
  // A picture holds few colours: each is looked up in the table once.
  std::unordered_map<uint32_t, uint8_t> mapped;
  uint32_t lastColor = 0;
  uint8_t lastIndex = 0;
  bool haveLast = false;
  for (int y = height - 1; y >= 0; --y) {
    const uint32_t* row = picture.Row(y);
    for (int x = 0; x < width; ++x) {
      const uint32_t color = row[x] & kColorBits;
      if (!haveLast || color != lastColor) {
        auto found = mapped.find(color);
        if (found == mapped.end()) found = mapped.emplace(color, NearestPaletteIndex(color)).first;
        lastColor = color, lastIndex = found->second, haveLast = true;
      }
      out.push_back(lastIndex);
    }
    for (uint32_t pad = static_cast<uint32_t>(width); pad < rowSize; ++pad) out.push_back(0);
  }
  return out;
}

std::vector<uint8_t> EncodeTrueColorBitmapFile(const Bitmap& picture) {
  const int width = picture.width(), height = picture.height();
  const uint64_t rowSize = (static_cast<uint64_t>(width) * 3 + 3) / 4 * 4;
  if (rowSize * static_cast<uint64_t>(height) + kTrueColorPixelOffset > UINT32_MAX) return {};
  const uint32_t imageSize = static_cast<uint32_t>(rowSize * static_cast<uint64_t>(height));
  std::vector<uint8_t> out;
  out.reserve(kTrueColorPixelOffset + imageSize);
  PutHeaders(out, width, height, 24, kTrueColorPixelOffset, imageSize);
  for (int y = height - 1; y >= 0; --y) {
    const uint32_t* row = picture.Row(y);
    for (int x = 0; x < width; ++x) {
      out.push_back(static_cast<uint8_t>(BlueOf(row[x])));
      out.push_back(static_cast<uint8_t>(GreenOf(row[x])));
      out.push_back(static_cast<uint8_t>(RedOf(row[x])));
    }
    for (uint64_t pad = static_cast<uint64_t>(width) * 3; pad < rowSize; ++pad) out.push_back(0);
  }
  return out;
}

bool WriteTrueColorBitmap(const std::filesystem::path& path, const Bitmap& picture) {
  const std::vector<uint8_t> bytes = EncodeTrueColorBitmapFile(picture);
  if (bytes.empty()) return false;
  return WriteFileAtomically(path, [&bytes](FileWriter& out) {
    out.Write(bytes.data(), bytes.size());
    return true;
  });
}

}  // namespace korvo
