#pragma once

#include <cstdint>

#include "core/point_entity.h"

namespace korvo {

// The `vertexFlags` values a vertex can carry.
namespace VertexFlag {
inline constexpr uint8_t CurveFitExtra = 1;    // extra vertex created by curve fitting
inline constexpr uint8_t CurveFitTangent = 2;  // curve-fit tangent defined
inline constexpr uint8_t SplineFit = 8;        // vertex created by spline fitting
inline constexpr uint8_t SplineFrame = 16;     // spline frame control point
}  // namespace VertexFlag

// One vertex of a polyline: its position and the shape of the segment that leaves it
// (widths at both ends and the bulge of an arc).
class VertexEntity : public PointEntity {
 public:
  VertexEntity() = default;

  int GetElementCode() const override { return ElementCode::Vertex; }
  // Header, position, widths, flags, bulge and tangent.
  Entity& CopyFrom(const Entity& other) override;
  // Widths scale by |sx|; a mirroring scaling turns the arc the other way.
  void Scale(const Scaling& scaling) override;
  void ReadBody(ArchiveReader& archive) override;
  bool WriteBody(ArchiveWriter& archive) const override;

  VertexEntity* AsVertex() override { return this; }
  const VertexEntity* AsVertex() const override { return this; }

  // 40, 41 widths, 42 bulge, 50 tangent direction (doubles), 70 flags; the position by 10,
  // 20 and both pair orders. Setting 70 takes only 1, 2, 8 or 16. Every change marks the
  // owner's segments stale.
  bool GetTypeProperty(int code, PropertyValue& out) const override;
  bool SetTypeProperty(int code, const PropertyValue& in) override;

  bool IsControlPoint() const { return (vertexFlags & VertexFlag::SplineFrame) != 0; }

  double startWidth = 0;  // at the start of the segment that leaves this vertex
  double endWidth = 0;    // at its end
  uint8_t vertexFlags = 0;
  // Tangent of a quarter of the arc's included angle: 0 straight, > 0 counter-clockwise,
  // 1 a half circle.
  double bulge = 0;
  double tangentDirection = 0;      // radians; stored and exported only
  PolylineEntity* owner = nullptr;  // not saved; set after every read and copy
};

}  // namespace korvo
