#pragma once

#include <cstdint>
#include <string>

namespace korvo {

// How the rectangle command shapes its corners.
enum class RectangleCorners : int32_t { Plain = 0, Chamfered = 1, Filleted = 2 };

struct RectangleOptions {
  double lineWidth = 0;
  RectangleCorners corners = RectangleCorners::Plain;
  double chamfer1 = 0;  // cut along the horizontal sides
  double chamfer2 = 0;  // cut along the vertical sides
  double filletRadius = 0;
};

// The values of the "Donut diameters" dialog; the drawing's settings keep them.
struct DonutOptions {
  double insideDiameter = 0.5;
  double outsideDiameter = 1.0;
};

// Justification of new text, as the list of the "Define Text" dialog orders it.
enum class TextJustification : int32_t { Left = 0, Center = 1, Right = 2 };

struct TextOptions {
  std::u16string content;
  int32_t styleIndex = 0;  // in the drawing's text style table; the current style if out of range
  double height = 0;       // 0: asked without a default
  double rotationDegrees = 0;
  double widthFactor = 1;
  double obliqueDegrees = 0;
  TextJustification justification = TextJustification::Left;
};

// The kinds of segment the polyline command draws, in the order of its menu and dialog.
enum class PolylineSegmentMode : int32_t { Line = 0, ArcByCenter = 1, TangentArc = 2 };

// The widths of the next segments; the polyline's input dialog sets them.
struct PolylineOptions {
  double startWidth = 0;
  double endWidth = 0;
};

// Which properties match properties copies.
struct MatchOptions {
  uint8_t color = 1;
  uint8_t layer = 1;
  uint8_t lineType = 1;
  uint8_t lineWeight = 1;
};

// The option values the drawing commands keep between runs in one editor session.
struct DrawOptions {
  RectangleOptions rectangle;
  TextOptions text;
  PolylineOptions polyline;
  MatchOptions match;
};

}  // namespace korvo
