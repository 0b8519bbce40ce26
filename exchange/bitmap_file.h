#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace korvo {

class Bitmap;

// The colour table of exported bitmaps, red in the low byte: entry 0 black, entry i the
// colour of drawing colour index i.
const std::array<uint32_t, 256>& BitmapPalette();

// The palette entry nearest to `colour` (smallest squared distance in RGB; the lowest
// index among equals).
uint8_t NearestPaletteIndex(uint32_t color);

// Bytes per stored row of an 8-bit picture `width` pixels wide: padded to 4.
uint32_t BitmapRowSize(int width);

// The whole 8-bit file of `picture`: the 14-byte file header, the 40-byte information
// header, the 1024-byte colour table and the rows bottom-up, each pixel mapped to its
// nearest palette entry. Empty when the picture is too large for the file's 32-bit sizes.
std::vector<uint8_t> EncodeBitmapFile(const Bitmap& picture);

// The whole 24-bit file of `picture`, every colour kept: the 14-byte file header, the
// 40-byte information header and the rows bottom-up, blue, green, red, padded to 4 bytes.
// Empty when the picture is too large for the file's 32-bit sizes.
std::vector<uint8_t> EncodeTrueColorBitmapFile(const Bitmap& picture);
// Writes that file beside `path` and renames it over `path` only when every byte was
// written; false (and `path` untouched) otherwise.
bool WriteTrueColorBitmap(const std::filesystem::path& path, const Bitmap& picture);

}  // namespace korvo
