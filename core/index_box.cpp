#include "core/index_box.h"

#include <algorithm>
#include <cmath>

#include "core/arc_entity.h"
#include "core/entity.h"
#include "core/insert_entity.h"
#include "core/text_entity.h"
#include "text/text_layout.h"

namespace korvo {
namespace {

// Crossings are accepted up to a millionth of a curve's radius (in its unit frame) or of a
// turn beyond an end; a radius is at most the size of the drawing around it, which the
// coordinates' magnitude stands in for. Ten times that leaves room for rounding.
constexpr double kRelativeMargin = 1e-5;

class BoxBuilder {
 public:
  void Include(const Point& p) {
    min_.x = std::min(min_.x, p.x);
    min_.y = std::min(min_.y, p.y);
    max_.x = std::max(max_.x, p.x);
    max_.y = std::max(max_.y, p.y);
    // NaN fails every comparison above: remember it.
    finite_ = finite_ && std::isfinite(p.x) && std::isfinite(p.y);
    any_ = true;
  }
  void Include(const Point& low, const Point& high) {
    Include(low);
    Include(high);
  }
  bool Finish(Point& min, Point& max) const {
    if (!any_ || !finite_) return false;
    const double size = (max_.x - min_.x) + (max_.y - min_.y);
    const double magnitude =
        std::max({std::fabs(min_.x), std::fabs(min_.y), std::fabs(max_.x), std::fabs(max_.y)});
    const double margin = kRelativeMargin * (size + magnitude) + 1e-9;
    min = Point(min_.x - margin, min_.y - margin);
    max = Point(max_.x + margin, max_.y + margin);
    return std::isfinite(min.x) && std::isfinite(min.y) && std::isfinite(max.x) &&
           std::isfinite(max.y);
  }

 private:
  Point min_{kMaxCoordinate, kMaxCoordinate};
  Point max_{-kMaxCoordinate, -kMaxCoordinate};
  bool any_ = false;
  bool finite_ = true;
  static constexpr double kMaxCoordinate = 1.7976931348623157e308;
};

void IncludeTextFrame(const TextEntity& text, BoxBuilder& box) {
  const TextFrame frame = GetTextFrame(text.Placement());
  const double c = std::cos(text.rotation);
  const double s = std::sin(text.rotation);
  for (const double x : {frame.left, frame.right}) {
    for (const double y : {frame.bottom, frame.top})
      box.Include(text.insertionPoint + Point(x * c - y * s, x * s + y * c));
  }
}

void IncludeEntity(const Entity& entity, BoxBuilder& box) {
  Point low, high;
  if (entity.GetExtents(low, high)) box.Include(low, high);
  if (const InsertEntity* insert = entity.AsInsert()) {
    // Without body parts the reference answers at its insertion point.
    if (insert->expanded.empty()) box.Include(insert->insertionPoint);
    for (const Entity* part : insert->expanded) IncludeEntity(*part, box);
    for (const Entity* part : insert->attached) IncludeEntity(*part, box);
  } else if (const ArcEntity* arc = entity.AsArc()) {
    box.Include(arc->center);
  } else if (const TextEntity* text = entity.AsText()) {
    box.Include(text->insertionPoint);
    IncludeTextFrame(*text, box);
  }
}

}  // namespace

bool GetIndexBox(const Entity& entity, Point& min, Point& max) {
  BoxBuilder box;
  IncludeEntity(entity, box);
  return box.Finish(min, max);
}

}  // namespace korvo
