#include "commands/break_entity.h"

#include <cmath>
#include <utility>

#include "commands/edit_command.h"
#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/ellipse_entity.h"
#include "core/line_entity.h"
#include "geometry/geometry.h"
#include "view/view.h"

namespace korvo {
namespace {

// Points from NearestPoint carry rounding; a cut this close to an end is at that end.
constexpr double kSamePoint = 1e-9;
constexpr double kSameAngle = 1e-9;

bool Coincide(const Point& p, const Point& q) {
  return Distance(p, q) <= kSamePoint;
}

// The parameter of a curve point, as an angle in the curve's unit frame.
double ParameterOf(const CurveFrame& frame, const Point& p) {
  const Point q = frame.ToUnit(p);
  return SafeAtan2(q.y, q.x);
}

// `t` shifted by whole turns into [start, start + 2π).
double IntoTurnFrom(double t, double start) {
  double shifted = start + NormalizeAngle(t - start);
  if (shifted >= start + kTwoPi - kSameAngle) shifted -= kTwoPi;
  return shifted;
}

// How the pieces of a cut enter the drawing and the window.
class Cut {
 public:
  Cut(Drawing& drawing, View* view, Entity& entity)
      : drawing_(drawing), view_(view), entity_(entity) {}

  void TakeImageOff() {
    if (view_ != nullptr) view_->DrawXor(entity_);
  }
  // A copy of the entity (unselected) for a new piece.
  Entity* Piece() {
    Entity* piece = EntityList::Clone(entity_);
    if (piece != nullptr) piece->flags &= ~EntityFlag::Selected;
    return piece;
  }
  // Links `piece` right after the entity and records it as added.
  void AddAfter(Entity* piece) {
    const ListPosition at = drawing_.entities.Find(&entity_);
    drawing_.entities.InsertBefore(at ? drawing_.entities.Next(at) : ListPosition{}, piece);
    drawing_.undo.RecordEntityChange(UndoKind::EntityAdded, piece);
    Show(*piece);
  }
  void RecordModified() { drawing_.undo.RecordEntityChange(UndoKind::EntityModified, &entity_); }
  void Erase() { drawing_.Erase(&entity_); }
  void Show(Entity& entity) {
    Entity* const shown[] = {&entity};
    RemarkOutOfView(drawing_, shown);
    if (view_ != nullptr) view_->DrawOver(entity);
  }

 private:
  Drawing& drawing_;
  View* view_;
  Entity& entity_;
};

bool BreakLine(Cut& cut, LineEntity& line, Point a, Point b) {
  const Point s = line.start, e = line.end;
  if (Distance(s, b) < Distance(s, a)) std::swap(a, b);
  if ((Coincide(a, s) && Coincide(b, s)) || (Coincide(a, e) && Coincide(b, e))) return false;
  cut.TakeImageOff();
  if (!Coincide(b, e)) {
    if (Entity* piece = cut.Piece()) {
      piece->AsLine()->start = b;
      cut.AddAfter(piece);
    }
  }
  if (Coincide(a, s)) {
    cut.Erase();
  } else {
    cut.RecordModified();
    line.end = a;
    cut.Show(line);
  }
  return true;
}

bool BreakCircle(Drawing& drawing, Cut& cut, CircleEntity& circle, const Point& a, const Point& b) {
  if (Coincide(a, b)) return false;
  const CurveFrame frame = circle.Frame();
  const double from = ParameterOf(frame, b), to = ParameterOf(frame, a);
  ArcEntity* arc = circle.ratio == 1.0
                       ? new ArcEntity(drawing.settings, frame.center, frame.radius, from, to)
                       : new EllipseEntity(drawing.settings, frame.center, frame.radius,
                                           frame.ratio, frame.rotation, from, to);
  arc->CopyProperties(circle);
  cut.TakeImageOff();
  cut.AddAfter(arc);
  cut.Erase();
  return true;
}

bool BreakArc(Cut& cut, ArcEntity& arc, const Point& a, const Point& b) {
  const CurveFrame frame = arc.Frame();
  const double start = arc.startAngle, end = arc.endAngle;
  double ta = IntoTurnFrom(ParameterOf(frame, a), start);
  double tb = IntoTurnFrom(ParameterOf(frame, b), start);
  // A point past the end is nearer to it than to the start.
  if (ta > end + kSameAngle) ta -= kTwoPi;
  if (tb > end + kSameAngle) tb -= kTwoPi;
  if (tb < ta) std::swap(ta, tb);
  const bool headLeft = ta - start > kSameAngle;
  const bool tailLeft = end - tb > kSameAngle;
  // Both points at the same end: what is left is the whole arc.
  if ((!headLeft && tb - start <= kSameAngle) || (!tailLeft && end - ta <= kSameAngle))
    return false;
  if (!headLeft && !tailLeft) {
    cut.TakeImageOff();
    cut.Erase();
    return true;
  }
  cut.TakeImageOff();
  if (headLeft && tailLeft) {
    if (Entity* piece = cut.Piece()) {
      ArcEntity* tail = piece->AsArc();
      tail->startAngle = tb;
      tail->endAngle = end;
      tail->NormalizeArc();
      cut.AddAfter(piece);
    }
  }
  cut.RecordModified();
  if (headLeft) {
    arc.endAngle = ta;
  } else {
    arc.startAngle = tb;
  }
  arc.NormalizeArc();
  cut.Show(arc);
  return true;
}

}  // namespace

bool BreakEntity(Drawing& drawing, View* view, Entity& entity, Point a, Point b,
                 BreakPoints points) {
  const int code = entity.GetElementCode();
  const bool cuttable = code == ElementCode::Line || code == ElementCode::Circle ||
                        code == ElementCode::Arc || code == ElementCode::Ellipse;
  if (!cuttable) return false;
  Point on;
  if (entity.NearestPoint(a, on) != kNoDistance) a = on;
  if (points == BreakPoints::One) {
    b = a;
  } else if (entity.NearestPoint(b, on) != kNoDistance) {
    b = on;
  }
  Cut cut(drawing, view, entity);
  if (code == ElementCode::Line) return BreakLine(cut, *entity.AsLine(), a, b);
  if (code == ElementCode::Circle) return BreakCircle(drawing, cut, *entity.AsCircle(), a, b);
  return BreakArc(cut, *entity.AsArc(), a, b);
}

}  // namespace korvo
