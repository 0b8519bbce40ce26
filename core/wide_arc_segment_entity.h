#pragma once

#include "core/arc_entity.h"

namespace korvo {

// A circular polyline segment running counter-clockwise from its start angle to its end
// angle, its width varying linearly with the angle from `startWidth` to `endWidth`.
// Generated from a polyline's vertices; a polyline saves its vertices, not these.
class WideArcSegmentEntity : public ArcEntity {
 public:
  WideArcSegmentEntity() = default;
  // The arc about `centre` from the direction of `from` to the direction of `to`, with the
  // radius of `from`.
  WideArcSegmentEntity(const Point& center, const Point& from, const Point& to, double widthAtStart,
                       double widthAtEnd);

  int GetElementCode() const override { return ElementCode::WideArcSegment; }
  bool IsFilled(double pixelSize) const override;
  // Both ends at the inner and outer radius and the outer band at every quarter turn within.
  bool GetExtents(Point& min, Point& max) const override;
  // Only from another wide arc segment.
  Entity& CopyFrom(const Entity& other) override;
  void Scale(const Scaling& scaling) override;
  // A discarded point, the arc, then both widths.
  void ReadBody(ArchiveReader& archive) override;
  // What ReadBody reads; a polyline never writes its segments (they are rebuilt from its
  // vertices), but a segment standing on its own is saved like any entity.
  bool WriteBody(ArchiveWriter& archive) const override;
  // Nothing, and false: a polyline writes its vertices, never its segments.
  bool WriteDxf(DxfWriter& writer) const override;
  // A filled band dashed along the arc, its widths cut to the diameter; a thin arc when it
  // has no width.
  void DrawShape(RenderContext& rc) override;
  // On the arc, and when wide on the band's outline.
  double NearestPoint(const Point& p, Point& out, int mode = 0) const override;
  // When wide, the band between its inner and outer edge; otherwise the arc.
  bool CrossesRect(double x1, double y1, double x2, double y2) const override;

  WideArcSegmentEntity* AsWideArcSegment() override { return this; }
  const WideArcSegmentEntity* AsWideArcSegment() const override { return this; }

  // The width at parameter `a` (between the start and end angle).
  double WidthAt(double a) const;
  // The point at parameter `a` moved `offset` outwards from the arc (inwards when negative).
  Point OffsetPointAt(double a, double offset) const;

  double startWidth = 0;
  double endWidth = 0;
};

}  // namespace korvo
