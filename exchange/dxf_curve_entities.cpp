// The DXF records of circles, arcs and ellipses.
#include <cmath>
#include <numbers>

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/ellipse_entity.h"
#include "exchange/dxf_templates.h"
#include "exchange/dxf_writer.h"
#include "geometry/curve_geometry.h"

namespace korvo {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// A full ellipse runs over the whole parameter range.
constexpr std::string_view kFullStart = "0.0\n";
constexpr std::string_view kFullEnd = "6.283185307179586\n";

// ELLIPSE: the centre, the major axis end relative to the centre, the ratio and the
// parameter range; a full ellipse writes the range as fixed text.
bool WriteEllipse(DxfWriter& writer, const Entity& entity, CurveFrame curve, const double* start,
                  const double* end) {
  double startParameter = start != nullptr ? *start : 0;
  double endParameter = end != nullptr ? *end : 0;
  if (curve.ratio > 1) {
    // DXF wants the longer axis as the major one: turn the frame a quarter, which moves
    // every parameter back by a quarter turn.
    curve.rotation += std::numbers::pi / 2;
    curve.radius *= curve.ratio;
    curve.ratio = 1 / curve.ratio;
    startParameter -= std::numbers::pi / 2;
    endParameter -= std::numbers::pi / 2;
  }
  writer.WriteEntity(DxfEllipseTemplate(), entity, [&](DxfField field) {
    switch (field) {
      case DxfField::XCoord1:
        return writer.Real(curve.center.x);
      case DxfField::YCoord1:
        return writer.Real(curve.center.y);
      case DxfField::XCoord2:
        return writer.Real(curve.radius * std::cos(curve.rotation));
      case DxfField::YCoord2:
        return writer.Real(curve.radius * std::sin(curve.rotation));
      case DxfField::Ratio:
        return writer.Real(curve.ratio);
      case DxfField::StartAngle:
        return start != nullptr ? writer.Real(startParameter) : writer.Literal(kFullStart);
      case DxfField::EndAngle:
        return end != nullptr ? writer.Real(endParameter) : writer.Literal(kFullEnd);
      default:
        return;
    }
  });
  return !writer.failed();
}

}  // namespace

bool CircleEntity::WriteDxf(DxfWriter& writer) const {
  if (ratio != 1.0) return WriteEllipse(writer, *this, Frame(), nullptr, nullptr);
  writer.WriteEntity(DxfCircleTemplate(), *this, [&](DxfField field) {
    switch (field) {
      case DxfField::XCoord1:
        return writer.Real(center.x);
      case DxfField::YCoord1:
        return writer.Real(center.y);
      case DxfField::Radius:
        return writer.Real(radius);
      default:
        return;
    }
  });
  return !writer.failed();
}

bool ArcEntity::WriteDxf(DxfWriter& writer) const {
  if (ratio != 1.0 || GetElementCode() == ElementCode::Ellipse) {
    return WriteEllipse(writer, *this, Frame(), &startAngle, &endAngle);
  }
  // ARC angles are directions: the axis rotation is folded in, then normalised as stored
  // angles are.
  double start = startAngle + rotation;
  double end = endAngle + rotation;
  const bool full = IsFullTurn(startAngle, endAngle);
  NormalizeAngles(start, end);
  // Normalising brings the end of a full turn back onto its start, which readers take as an
  // empty arc: the whole turn is written as start and start + 360 degrees.
  if (full) end = start + kTwoPi;
  writer.WriteEntity(DxfArcTemplate(), *this, [&](DxfField field) {
    switch (field) {
      case DxfField::XCoord1:
        return writer.Real(center.x);
      case DxfField::YCoord1:
        return writer.Real(center.y);
      case DxfField::Radius:
        return writer.Real(radius);
      case DxfField::StartAngle:
        return writer.Degrees(start);
      case DxfField::EndAngle:
        return writer.Degrees(end);
      default:
        return;
    }
  });
  return !writer.failed();
}

}  // namespace korvo
