#pragma once

namespace korvo {

class DrawingSettings;

// The parts of a point display mode: the low nibble picks the symbol, two bits add a
// circle and a square around it. Valid modes are 0-4, 32-36, 64-68 and 96-100.
namespace PointSymbol {
inline constexpr int Dot = 0;
inline constexpr int Nothing = 1;
inline constexpr int Plus = 2;
inline constexpr int Cross = 3;
inline constexpr int Tick = 4;
inline constexpr int SymbolMask = 0x0F;
inline constexpr int Circle = 32;
inline constexpr int Square = 64;
}  // namespace PointSymbol

// How points are shown at the moment. The view publishes the drawing's values before every
// redraw; a point's extents and its picking follow them, so they are shared by all points
// rather than stored in each.
struct PointDisplay {
  int mode = 34;
  double halfSize = 2.5;  // half the drawing's point display size
};

const PointDisplay& CurrentPointDisplay();
void SetPointDisplay(const PointDisplay& display);
// The drawing's mode and half its display size.
void PublishPointDisplay(const DrawingSettings& settings);

// Sets the display values for the lifetime of a scope and restores the previous ones.
class ScopedPointDisplay {
 public:
  ScopedPointDisplay(int mode, double halfSize);
  ~ScopedPointDisplay();
  ScopedPointDisplay(const ScopedPointDisplay&) = delete;
  ScopedPointDisplay& operator=(const ScopedPointDisplay&) = delete;

 private:
  PointDisplay previous_;
};

}  // namespace korvo
