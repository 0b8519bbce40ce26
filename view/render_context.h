#pragma once

#include <span>
#include <vector>

#include "core/drawing_settings.h"
#include "geometry/point.h"
#include "platform/raster_device.h"
#include "view/draw_mode.h"

namespace korvo {

class Entity;
class LineType;

// A draw filter's answer for one entity; the values are the codes the filter protocol
// uses, so that a filter written against the numbers keeps its meaning.
enum class DrawVerdict {
  Abort = 0,  // end the pass: the draw reports false
  Draw = 1,
  Skip = 2,  // leave this entity out and go on
};

// Asked before each entity draws.
using DrawFilter = DrawVerdict (*)(const Entity& entity, void* filterArg1, void* filterArg2);

// The drawing context of one pass: binds a device to the world window of a settings record,
// carries the draw mode and the colour, pen and line type resolved for the entity being
// drawn, and offers the primitives every entity kind draws itself with.
//
// Mapping: pixelSize = max(viewExtent.width / W, viewExtent.height / H) with W = right - left
// and H = bottom - top of the device rectangle (right and bottom being its last pixel);
// sx = round((wx - origin.x) / pixelSize) + left, sy = bottom - round((wy - origin.y) /
// pixelSize). World y grows up, screen y grows down.
class RenderContext {
 public:
  // `deviceRect`: right and bottom are the last pixel; `drawingSettings` is kept by pointer. Sets
  // the device's background mode to transparent, takes the background from the device's background
  // colour, resets the highlight line type to dashes of about 2.8 pixels and sets `drawMode`.
  RenderContext(DeviceContext& device, const ScreenRect& deviceRect,
                const DrawingSettings& drawingSettings, int mode = DrawMode::Normal,
                DrawFilter drawFilter = nullptr, void* arg1 = nullptr, void* arg2 = nullptr);
  virtual ~RenderContext() = default;
  RenderContext(const RenderContext&) = delete;
  RenderContext& operator=(const RenderContext&) = delete;

  // Modes 0, 2, 4 and 5 also set the device's raster operation; returns the previous mode.
  int SetDrawMode(int mode);
  bool IsXorMode() const;

  ScreenPoint WorldToScreen(const Point& p) const;
  void WorldToScreenMany(std::span<const Point> points, std::span<ScreenPoint> out) const;
  Point ScreenToWorld(int x, int y) const;

  // From the first point to the second, the end included (the device leaves out the last
  // pixel of a line, so the end is extended by one pixel along the longer axis, along both
  // on an exact diagonal). Coinciding ends draw one pixel.
  void DrawScreenLine(int x1, int y1, int x2, int y2);
  // The outline of the rectangle with corners p1 and p2.
  void DrawScreenFrame(const ScreenPoint& p1, const ScreenPoint& p2);
  // A world segment, dashed by `lineType`; each dash is a screen line, or a polygon
  // `penWidthPixels` wide when that is 2 or more.
  void DrawLine(const Point& p1, const Point& p2);
  // A circle or a full ellipse: `radius` is the major radius, `rotation` the direction of the
  // major axis (radians), `ratio` minor / major. A radius of 0 draws nothing.
  void DrawCircle(const Point& center, double radius, double rotation = 0, double ratio = 1);
  // The arc from parameter `startAngle` to `endAngle`, counter-clockwise, of the curve above;
  // dashed along the parameter.
  void DrawArc(const Point& center, double radius, double startAngle, double endAngle,
               double rotation = 0, double ratio = 1);
  // A circular arc whose width (world units) changes linearly from start to end; drawn like
  // DrawArc when both are below 1.5 pixels.
  void DrawWideArc(const Point& center, double radius, double startAngle, double endAngle,
                   double startWidth, double endWidth);
  // The screen points of one piece of the curve, consecutive points on the same pixel
  // dropped. For a pen 2 or more pixels wide the inner and outer edges are closed into a
  // polygon and the result is true (draw as polygon); otherwise false (an open polyline).
  bool BuildArcPoints(const Point& center, double radius, double startAngle, double endAngle,
                      double rotation, double ratio, std::vector<ScreenPoint>& out) const;
  // Fills the screen rectangle, one pixel larger on the right and bottom, with the
  // background colour.
  void FillBackground();
  // The 8 x 8 pattern brush of selected filled entities, shifted so that the pattern stays
  // aligned between pictures of different origins.
  void MakeHighlightBrush(int shiftX, int shiftY);

  ScreenRect screenRect;  // right and bottom are the last pixel
  ScreenRect limitsRect;  // the drawing limits on the device; right and bottom one past
  Point origin;           // world point of pixel (left, bottom)
  Point upperRight;       // world point of pixel (right, top)
  double pixelSize = 1;   // world units per pixel, the same along x and y
  DeviceContext* dc;
  // The record the mapping came from: the caller's copy for this pass, which must outlive
  // the context.
  const DrawingSettings* settings;
  DrawFilter filter = nullptr;
  void* filterArg1 = nullptr;
  void* filterArg2 = nullptr;
  const Entity* parentInsert = nullptr;  // the block reference whose block is being drawn
  uint32_t backgroundColor = 0;          // kWhite or 0
  uint32_t gridColor = 0x101010;
  const LineType* lineType = nullptr;  // pattern in force; null draws continuous
  Brush highlightBrush;
  int drawMode = DrawMode::Normal;
  int penWidthPixels = 1;  // at 2 or more, lines and arcs are filled polygons
  // Pixels per unit of line weight, and the weight that "default" stands for. The view sets
  // the factor to 0 so that every pen on the screen is one pixel wide.
  double lineWeightScale = 0.125;
  double defaultLineWeight = 0;

 private:
  // Draws the screen segment between two unrounded screen points, clipped to a range where
  // rounding to integers is exact; non-finite ends draw nothing.
  void DrawScreenSegment(Point a, Point b);
  void DrawWideSegment(Point a, Point b, const Point& worldDirection);
  void DrawArcPiece(const Point& center, double radius, double startAngle, double endAngle,
                    double rotation, double ratio);
  Point ToScreenExact(const Point& world) const;
};

// Angular segments BuildArcPoints uses for an arc of `span` radians of a curve whose major
// radius is `radiusPixels` pixels: about one per pixel of radius per eighth of a turn, at
// most 512 per eighth, at least one.
int ArcSegmentCount(double radiusPixels, double span);

// Rounds half away from zero (with a hair of margin so that exact halves never fall back),
// saturating far outside any device instead of overflowing.
int RoundToPixel(double value);

}  // namespace korvo
