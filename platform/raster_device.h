#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/pixel_color.h"

namespace korvo {

// Pixel values are described in platform/pixel_color.h.
//
// Screen coordinates: x grows to the right, y grows downward, (0, 0) is the top-left pixel.

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// A rectangle of pixels. Each user says whether right and bottom are the last pixel (the
// render context's screen rectangle) or one past it (rectangle fills).
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// A picture of 32-bit pixels, rows top to bottom.
class Bitmap {
 public:
  // Larger bitmaps are refused rather than attempted (1 GiB of pixels).
  static constexpr std::size_t kMaxBytes = std::size_t{1} << 30;

  // A negative size counts as 0.
  Bitmap(int width, int height, uint32_t fill = 0);
  // Null when a side is not positive, the pixels would exceed `maxBytes`, or memory runs out.
  static std::unique_ptr<Bitmap> TryCreate(int width, int height, uint32_t fill = 0,
                                           std::size_t maxBytes = kMaxBytes);

  int width() const { return width_; }
  int height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  uint32_t Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
  void SetPixel(int x, int y, uint32_t value) { pixels_[Index(x, y)] = value; }
  void Fill(uint32_t value);
  uint32_t* Row(int y) { return pixels_.data() + Index(0, y); }
  const uint32_t* Row(int y) const { return pixels_.data() + Index(0, y); }
  const std::vector<uint32_t>& pixels() const { return pixels_; }

  friend bool operator==(const Bitmap&, const Bitmap&) = default;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};

// A one-bit picture: rows padded to 16 bits, the most significant bit of each byte leftmost.
class MonoBitmap {
 public:
  MonoBitmap(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  std::size_t rowBytes() const { return rowBytes_; }
  bool Bit(int x, int y) const;
  void SetBit(int x, int y, bool on);
  void ToggleBit(int x, int y);
  void Fill(bool on);

 private:
  int width_ = 0;
  int height_ = 0;
  std::size_t rowBytes_ = 0;
  std::vector<uint8_t> bits_;
};

enum class PenStyle { Solid = 0, Dotted = 2, Null = 5 };

// Pens are always one pixel wide; wide lines are drawn as polygons by their callers.
struct Pen {
  PenStyle style = PenStyle::Solid;
  uint32_t color = 0;
  friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { Solid, Hollow, Pattern };

// A pattern brush holds 8 rows of 8 pixels, bit 7 leftmost, aligned to the bitmap's (0, 0).
// A 0 bit paints the device's text colour, a 1 bit its background colour, so that a
// monochrome pattern takes the colours of whatever draws with it.
struct Brush {
  BrushStyle style = BrushStyle::Solid;
  uint32_t color = kWhite;
  std::array<uint8_t, 8> pattern{};

  static Brush Solid(uint32_t color) { return {BrushStyle::Solid, color, {}}; }
  static Brush Hollow() { return {BrushStyle::Hollow, 0, {}}; }
  static Brush Pattern(const std::array<uint8_t, 8>& rows) {
    return {BrushStyle::Pattern, 0, rows};
  }
  friend bool operator==(const Brush&, const Brush&) = default;
};

// How pens and brushes combine with what is already there.
enum class RasterOp { Copy, Xor };
// How block transfers combine source and destination.
enum class BlitOp { SourceCopy, SourceInvert };
// Whether the gaps of a dotted pen are painted with the background colour.
enum class BackgroundMode { Transparent, Opaque };

// Drawing on a bitmap with integer, deterministic rules (no anti-aliasing), so that a test
// can assert pixels. Every primitive touches each pixel at most once, so drawing anything
// twice with the XOR operation restores every pixel. Coordinates outside the bitmap are
// clipped exactly: the pixels drawn are those the unclipped primitive would draw inside.
// Integer coordinates are first clamped to +-2^29, far beyond any bitmap, which keeps the
// arithmetic in 64 bits.
class DeviceContext {
 public:
  explicit DeviceContext(Bitmap& target) : bitmap_(&target) {}

  Bitmap& bitmap() const { return *bitmap_; }

  // Each setter returns the previous value.
  Pen SelectPen(const Pen& pen);
  Brush SelectBrush(const Brush& brush);
  RasterOp SetRasterOp(RasterOp op);
  uint32_t SetBackgroundColor(uint32_t color);
  uint32_t SetTextColor(uint32_t color);
  BackgroundMode SetBackgroundMode(BackgroundMode mode);
  const Pen& pen() const { return pen_; }
  const Brush& brush() const { return brush_; }
  RasterOp rasterOp() const { return rasterOp_; }
  uint32_t backgroundColor() const { return backgroundColor_; }
  uint32_t textColor() const { return textColor_; }
  BackgroundMode backgroundMode() const { return backgroundMode_; }

  // Lines. A line from A to B draws every pixel of its walk except B itself, so that
  // connected lines meet without drawing the joint twice. The walk steps one pixel at a
  // time along the longer axis (x on ties); at step i of n the other coordinate is the
  // ideal one rounded half up: start + sign * floor((2 * i * |minor| + n) / (2 * n)).
  // A dotted pen draws the steps whose index, counted from the last MoveTo, is even.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  ScreenPoint CurrentPosition() const { return position_; }
  // MoveTo the first point, LineTo each following one.
  void Polyline(std::span<const ScreenPoint> points);

  // A closed polygon: its outline (the lines between consecutive points and back to the
  // first) with the pen, and the pixels inside it that are not on the outline with the
  // brush, the even-odd rule deciding inside for each pixel centre. With the null pen the
  // brush covers the outline too.
  void Polygon(std::span<const ScreenPoint> points);
  // The ellipse inscribed in the box (right and bottom one past the last pixel): the
  // polygon through points on its boundary about one pixel apart, rounded to pixels.
  void Ellipse(int left, int top, int right, int bottom);
  // Right and bottom one past the last pixel; the current raster operation applies.
  void FillRect(const ScreenRect& rect, const Brush& brush);

  // Copies w x h pixels from `source` at (sx, sy) to (x, y), clipped to both bitmaps.
  void BitBlt(int x, int y, int w, int h, const Bitmap& source, int sx, int sy, BlitOp op);
  // The same from a one-bit picture: 0 bits give the text colour, 1 bits the background.
  void BitBlt(int x, int y, int w, int h, const MonoBitmap& source, int sx, int sy, BlitOp op);

 private:
  void DrawLinePixels(int x0, int y0, int x1, int y1);
  uint32_t BrushPixel(const Brush& brush, int x, int y) const;
  void Apply(uint32_t& pixel, uint32_t color) const {
    pixel = rasterOp_ == RasterOp::Xor ? (pixel ^ (color & kColorBits)) : (color & kColorBits);
  }

  Bitmap* bitmap_;
  Pen pen_;
  Brush brush_ = Brush::Solid(kWhite);
  RasterOp rasterOp_ = RasterOp::Copy;
  uint32_t backgroundColor_ = kWhite;
  uint32_t textColor_ = 0;
  BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
  ScreenPoint position_;
  int64_t styleCounter_ = 0;  // steps drawn since the last MoveTo, for dotted pens
};

}  // namespace korvo
