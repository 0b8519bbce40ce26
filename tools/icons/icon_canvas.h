#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>

#include "core/drawing_settings.h"
#include "geometry/point.h"
#include "platform/raster_device.h"
#include "view/render_context.h"

namespace korvo::icons {

// Colours of the icons, red in the low byte as every pixel.
inline constexpr uint32_t kFace = 0xF3EFEC;    // the button face behind every icon
inline constexpr uint32_t kInk = 0x442A1E;     // the geometry a command makes
inline constexpr uint32_t kAccent = 0x106CE0;  // picked points and what the user taps
inline constexpr uint32_t kGhost = 0xA8968A;   // construction, the state before a change
inline constexpr uint32_t kFill = 0xD89C72;    // filled areas
inline constexpr uint32_t kGreen = 0x4F9A2E;   // zooms and running things
inline constexpr uint32_t kRed = 0x3030C8;     // what goes away
inline constexpr uint32_t kPaper = 0xFFFFFF;   // sheets and fields

// A little drawing on a square of 24 x 24 world units, y up, rendered with the render context
// at four times the icon's size and then averaged down, so that edges are smooth. Widths are
// in world units, that is in pixels of a 24-pixel icon.
class IconCanvas {
 public:
  explicit IconCanvas(int size, uint32_t background = kFace);

  void Line(const Point& a, const Point& b, uint32_t colour, double width = 1.5);
  void Polyline(std::initializer_list<Point> points, uint32_t colour, double width = 1.5);
  // Dashes of `dash` world units with gaps as long.
  void DashedLine(const Point& a, const Point& b, uint32_t colour, double dash = 2,
                  double width = 1);
  // Angles in degrees, counter-clockwise.
  void Arc(const Point& centre, double radius, double startDegrees, double endDegrees,
           uint32_t colour, double width = 1.5);
  void Circle(const Point& centre, double radius, uint32_t colour, double width = 1.5);
  void Ellipse(const Point& centre, double major, double minor, double rotationDegrees,
               uint32_t colour, double width = 1.5);
  // A filled polygon with no outline.
  void Fill(std::initializer_list<Point> points, uint32_t colour);
  void FillDisc(const Point& centre, double radius, uint32_t colour);
  // A rectangle's outline through two opposite corners.
  void Frame(const Point& a, const Point& b, uint32_t colour, double width = 1.5);
  // A picked point: a small filled square.
  void Dot(const Point& p, uint32_t colour = kAccent, double size = 3);
  // A line ending in a filled arrowhead at `to`.
  void Arrow(const Point& from, const Point& to, uint32_t colour, double width = 1.5);

  // The icon at its own size.
  Bitmap Result() const;

 private:
  void SetColour(uint32_t colour, double width);

  int size_;
  DrawingSettings settings_;
  std::unique_ptr<Bitmap> large_;
  std::unique_ptr<DeviceContext> dc_;
  std::unique_ptr<RenderContext> rc_;
};

}  // namespace korvo::icons
