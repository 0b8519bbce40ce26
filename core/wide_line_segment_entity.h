#pragma once

#include <array>

#include "core/line_entity.h"

namespace korvo {

// The corners of a wide straight segment's outline, in drawing order. "Left" is the side to
// the left when looking from the start to the end.
namespace Corner {
inline constexpr int StartLeft = 0;
inline constexpr int StartRight = 1;
inline constexpr int EndRight = 2;
inline constexpr int EndLeft = 3;
}  // namespace Corner

// A straight polyline segment whose width varies linearly from `startWidth` to `endWidth`.
// Generated from a polyline's vertices (a polyline saves its vertices, not these): its outline
// corners are square until the polyline mitres them at a joint.
class WideLineSegmentEntity : public LineEntity {
 public:
  WideLineSegmentEntity() = default;
  WideLineSegmentEntity(const Point& from, const Point& to, double widthAtStart, double widthAtEnd);

  int GetElementCode() const override { return ElementCode::WideLineSegment; }
  // With `pixelSize` 0: either width is non-zero. Otherwise: either width covers at least
  // two whole pixels.
  bool IsFilled(double pixelSize) const override;
  bool GetExtents(Point& min, Point& max) const override;
  // Only from another wide straight segment.
  Entity& CopyFrom(const Entity& other) override;
  void Translate(const Point& offset) override;
  void Rotate(const Rotation& rotation) override;
  void Scale(const Scaling& scaling) override;
  // Start and end, both widths, then the four corners.
  void ReadBody(ArchiveReader& archive) override;
  // What ReadBody reads; a polyline never writes its segments (they are rebuilt from its
  // vertices), but a segment standing on its own is saved like any entity.
  bool WriteBody(ArchiveWriter& archive) const override;
  // Nothing, and false: a polyline writes its vertices, never its segments.
  bool WriteDxf(DxfWriter& writer) const override;
  // A filled band (dashed along the centre line), or a line below two pixels.
  void DrawShape(RenderContext& rc) override;
  // On the centre line, the caps and the long edges.
  double NearestPoint(const Point& p, Point& out, int mode = 0) const override;
  bool CrossesRect(double x1, double y1, double x2, double y2) const override;

  WideLineSegmentEntity* AsWideLineSegment() override { return this; }
  const WideLineSegmentEntity* AsWideLineSegment() const override { return this; }

  // Both start corners at the start point, half the start width either side of it.
  void SquareStart();
  // Both end corners at the end point, half the end width either side of it.
  void SquareEnd();
  // Runs the other way: ends, widths and corners exchanged.
  void Reverse();
  // The unit normal pointing to the left of start→end ((0, 1) for a segment of no length).
  Point LeftNormal() const;

  double startWidth = 0;
  double endWidth = 0;
  std::array<Point, 4> outlineCorners;
};

// Whether a band of `width` world units is filled at `pixelSize` world units per pixel.
bool IsWideAtPixelSize(double width, double pixelSize);

}  // namespace korvo
