#pragma once

#include <cstdint>

#include "core/entity_list.h"
#include "core/insert_entity.h"
#include "core/polyline_segments.h"

namespace korvo {

class VertexEntity;

// Bits of `polylineFlags`; the others are kept and written but have no effect.
namespace PolylineFlag {
inline constexpr uint8_t Closed = 0x01;
inline constexpr uint8_t SplineFit = 0x04;  // the vertices hold fit vertices and control points
}  // namespace PolylineFlag

// `curveType` values.
namespace PolylineCurve {
inline constexpr uint8_t None = 0;
inline constexpr uint8_t Quadratic = 5;
inline constexpr uint8_t Cubic = 6;
}  // namespace PolylineCurve

// A chain of vertices joined by straight or arc segments of varying width, optionally closed
// and smoothed. The vertices are what the drawing keeps; the segments (wide straight and
// arc segments) are generated from them into the block reference's expanded list, so that
// drawing, extents, snapping and intersections work over them as over a block's parts.
class PolylineEntity : public InsertEntity {
 public:
  // For the factory: no name, no vertices.
  PolylineEntity() = default;
  // Named "#PLINE", with the settings' current properties.
  explicit PolylineEntity(const DrawingSettings& settings);

  int GetElementCode() const override { return ElementCode::Polyline; }
  // The polyline's, then each segment's.
  void ApplyCurrentProperties(const DrawingSettings& settings) override;
  // The polyline's, then each segment's and each vertex's, from the same source.
  void CopyProperties(const Entity& other) override;
  // Only from another polyline.
  Entity& CopyFrom(const Entity& other) override;
  // The segments' box and every vertex (the spline frame is drawn through the vertices);
  // only the segments' while they are stale.
  bool GetExtents(Point& min, Point& max) const override;
  // Every segment and every vertex; the insertion point stays.
  void Translate(const Point& offset) override;
  void Rotate(const Rotation& turn) override;
  void Scale(const Scaling& scaling) override;
  void ReadBody(ArchiveReader& archive) override;
  bool WriteBody(ArchiveWriter& archive) const override;
  // POLYLINE, its VERTEX records and SEQEND.
  bool WriteDxf(DxfWriter& writer) const override;
  // The segments as the parts of a block reference (rebuilt first when stale), then the
  // spline frame when the drawing shows it.
  bool Draw(RenderContext& rc) override;
  // Nothing: a polyline without segments shows no mark, unlike an empty block reference.
  void DrawShape(RenderContext& rc) override;
  // More than one vertex.
  bool IsValid() const override { return vertexList.size() > 1; }

  PolylineEntity* AsPolyline() override { return this; }
  const PolylineEntity* AsPolyline() const override { return this; }
  EntityList* AsVertexList() override { return &vertexList; }
  const EntityList* AsVertexList() const override { return &vertexList; }

  // 70 `polylineFlags`, 75 `curveType`; nothing of the block reference. Clearing the
  // spline-fit bit drops the fit vertices and turns control points into ordinary vertices;
  // every successful set rebuilds the segments.
  bool GetTypeProperty(int code, PropertyValue& out) const override;
  bool SetTypeProperty(int code, const PropertyValue& in) override;

  bool IsClosed() const { return (polylineFlags & PolylineFlag::Closed) != 0; }
  void SetClosed(bool closed);
  // Appends a vertex with the polyline's properties; the segments go stale.
  VertexEntity* AppendVertex(const Point& position, double startWidth, double endWidth,
                             double bulge, uint8_t vertexFlags, double tangentDirection);
  VertexEntity* AppendVertex(double x, double y, double startWidth, double endWidth, double bulge,
                             uint8_t vertexFlags, double tangentDirection) {
    return AppendVertex(Point(x, y), startWidth, endWidth, bulge, vertexFlags, tangentDirection);
  }
  // Appends a vertex at `start` whose bulge makes the arc to `end` that `reference` gives
  // in `mode` (see ArcVertexMode).
  VertexEntity* AppendArcVertex(int mode, const Point& start, const Point& reference,
                                const Point& end, double startWidth, double endWidth,
                                uint8_t vertexFlags, double tangentDirection);
  // Destroys the last vertex; the caller rebuilds the segments.
  void RemoveLastVertex();
  // Generates the segments from the vertices (nothing for an invalid polyline).
  void RebuildSegments();
  // Scaling as a part of a block reference: the vertices and each segment scale by their own
  // rules and nothing is rebuilt. Unequal factors make arc segments elliptic and keep a
  // band's thickness across the stretch, which no vertex can describe; a reference's parts
  // are never saved, so they need not match. Stale segments are built first.
  void ScaleSegments(const Scaling& scaling);
  // Replaces the fit vertices by a B-spline fitted to the vertices, which become control
  // points: `curveType` Quadratic or Cubic, `segmentsPerPatch` evaluation steps per patch.
  // Sets the spline-fit bit and the curve type and rebuilds. False (nothing changed) for
  // another curve type, no segments per patch or a fit too large to hold.
  bool FitSpline(uint8_t type, uint32_t segmentsPerPatch);

  EntityList vertexList;  // owned, in drawing order
  uint8_t polylineFlags = 0;
  uint8_t curveType = PolylineCurve::None;
  uint8_t segmentsValid = 0;  // 1 when the segments match the vertices; never saved
  EntityList& segmentList = expanded;

 private:
  void SetOwners();
  // After the spline-fit bit was cleared: control points become ordinary, fit vertices go.
  void DropSplineFit();
  void UpdateInsertionPoint();
};

}  // namespace korvo
