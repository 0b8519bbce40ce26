#include "core/insert_entity.h"

#include <algorithm>

#include "core/block_definition.h"
#include "core/coordinate_property.h"
#include "core/dxf_group_codes.h"
#include "core/polyline_entity.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

// The parts a reference expands from its block are never saved: a polyline among them is
// scaled segment by segment instead of being rebuilt from its scaled vertices, so that it
// stretches as the block's other parts do.
void ScaleExpandedPart(Entity& part, const Scaling& scaling) {
  if (PolylineEntity* polyline = part.AsPolyline()) {
    polyline->ScaleSegments(scaling);
  } else {
    part.Scale(scaling);
  }
}

}  // namespace

InsertEntity::InsertEntity(std::u16string name, const Point& insertion, double scaleX,
                           double scaleY, double angle, const DrawingSettings& settings)
    : Entity(settings),
      insertionPoint(insertion),
      xScale(scaleX),
      yScale(scaleY),
      rotation(angle),
      blockName(std::move(name)) {}

void InsertEntity::SetBlock(const BlockDefinition& block) {
  // Scale and rotate about the base point while the parts are still in block coordinates,
  // then carry the base point onto the insertion point.
  expanded.CopyFrom(block);
  const Scaling scaling{block.basePoint, xScale, yScale};
  for (Entity* part : expanded) ScaleExpandedPart(*part, scaling);
  expanded.Rotate(Rotation::About(block.basePoint, rotation));
  expanded.Translate(insertionPoint);
  expanded.TranslateToOrigin(block.basePoint);
}

void InsertEntity::CopyInsertFrom(const InsertEntity& other) {
  if (&other == this) return;
  CopyHeaderFrom(other);
  insertionPoint = other.insertionPoint;
  xScale = other.xScale;
  yScale = other.yScale;
  rotation = other.rotation;
  blockName = other.blockName;
  expanded.CopyFrom(other.expanded);
  attached.CopyFrom(other.attached);
}

Entity& InsertEntity::CopyFrom(const Entity& other) {
  if (const InsertEntity* insert = other.AsInsert()) CopyInsertFrom(*insert);
  return *this;
}

bool InsertEntity::GetExtents(Point& min, Point& max) const {
  const bool inExpanded = expanded.GetExtents(min, max);
  Point low, high;
  if (!attached.GetExtents(low, high)) return inExpanded;
  if (!inExpanded) {
    min = low, max = high;
    return true;
  }
  min = Point(std::min(min.x, low.x), std::min(min.y, low.y));
  max = Point(std::max(max.x, high.x), std::max(max.y, high.y));
  return true;
}

void InsertEntity::Translate(const Point& offset) {
  insertionPoint.Translate(offset);
  ForEachPart([&](Entity& part) { part.Translate(offset); });
}

void InsertEntity::Rotate(const Rotation& turn) {
  if (!turn.IsRegular()) return;
  insertionPoint.Rotate(turn);
  rotation += turn.angle;
  ForEachPart([&](Entity& part) { part.Rotate(turn); });
}

void InsertEntity::Scale(const Scaling& scaling) {
  if (!scaling.IsRegular()) return;
  xScale *= scaling.sx;
  yScale *= scaling.sy;
  insertionPoint.Scale(scaling);
  for (Entity* part : expanded) ScaleExpandedPart(*part, scaling);
  // Attached parts are saved with the reference: they scale as they would on their own.
  for (Entity* part : attached) part->Scale(scaling);
}

bool InsertEntity::CrossesRect(double x1, double y1, double x2, double y2) const {
  if (expanded.empty() && attached.empty())
    return insertionPoint.x >= x1 && insertionPoint.x <= x2 && insertionPoint.y >= y1 &&
           insertionPoint.y <= y2;
  bool crosses = false;
  ForEachPart([&](const Entity& part) { crosses = crosses || part.CrossesRect(x1, y1, x2, y2); });
  return crosses;
}

double InsertEntity::NearestPoint(const Point& p, Point& out, int mode) const {
  if (!expanded.empty()) return expanded.NearestPoint(p, out, mode);
  out = insertionPoint;
  return Distance(p, insertionPoint);
}

double InsertEntity::NearestKeyPoint(const Point& p, Point& out) const {
  // A reference whose block was never found still snaps somewhere sensible.
  if (expanded.empty() && attached.empty()) {
    out = insertionPoint;
    return Distance(p, insertionPoint);
  }
  double best = kNoDistance;
  out = Point(0, 0);
  ForEachPart([&](const Entity& part) {
    Point candidate;
    const double distance = part.NearestKeyPoint(p, candidate);
    if (distance < best) best = distance, out = candidate;
  });
  return best;
}

template <class Intersect>
int InsertEntity::SumOverParts(Intersect intersect) const {
  int count = 0;
  ForEachPart([&](const Entity& part) { count += intersect(part); });
  return count;
}

int InsertEntity::IntersectWithCircle(const CircleEntity& circle, PointList& out) const {
  return SumOverParts([&](const Entity& part) { return part.IntersectWithCircle(circle, out); });
}

int InsertEntity::IntersectWithArc(const ArcEntity& arc, PointList& out) const {
  return SumOverParts([&](const Entity& part) { return part.IntersectWithArc(arc, out); });
}

int InsertEntity::IntersectWithLine(const LineEntity& line, PointList& out) const {
  return SumOverParts([&](const Entity& part) { return part.IntersectWithLine(line, out); });
}

int InsertEntity::IntersectWithPoint(const PointEntity&, PointList&) const {
  return 0;
}

int InsertEntity::IntersectWith(const Entity& other, PointList& out) const {
  return SumOverParts([&](const Entity& part) { return part.IntersectWith(other, out); });
}

int InsertEntity::IntersectSelf(PointList& out) const {
  int count = 0;
  for (auto it = expanded.begin(); it != expanded.end(); ++it) {
    const Entity& part = **it;
    if (!part.IsVisible()) continue;
    count += part.IntersectSelf(out);
    for (auto later = std::next(it); later != expanded.end(); ++later) {
      if ((*later)->IsVisible()) count += part.IntersectWith(**later, out);
    }
    for (const Entity* other : attached) {
      if (other->IsVisible()) count += part.IntersectWith(*other, out);
    }
  }
  return count;
}

bool InsertEntity::GetTypeProperty(int code, PropertyValue& out) const {
  switch (code) {
    case DxfGroup::BlockName:
      out = blockName;
      return true;
    case DxfGroup::XScale:
      out = xScale;
      return true;
    case DxfGroup::YScale:
      out = yScale;
      return true;
    case DxfGroup::Rotation:
      out = rotation;
      return true;
    default:
      break;
  }
  return GetCoordinate(
      insertionPoint, MatchCoordinateCode(code, DxfGroup::X1, DxfGroup::Y1, PairOrder::EitherOrder),
      out);
}

bool InsertEntity::SetTypeProperty(int code, const PropertyValue& in) {
  switch (code) {
    case DxfGroup::BlockName: {
      const std::u16string* name = std::get_if<std::u16string>(&in);
      if (name == nullptr || name->empty()) return false;
      blockName = *name;
      return true;
    }
    case DxfGroup::XScale:
      return GetDouble(in, xScale);
    case DxfGroup::YScale:
      return GetDouble(in, yScale);
    case DxfGroup::Rotation:
      return GetDouble(in, rotation);
    default:
      break;
  }
  return SetCoordinate(
      insertionPoint, MatchCoordinateCode(code, DxfGroup::X1, DxfGroup::Y1, PairOrder::EitherOrder),
      in);
}

}  // namespace korvo
