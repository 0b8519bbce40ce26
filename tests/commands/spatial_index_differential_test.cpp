// Every question the spatial index answers, asked both through the index and by walking the
// whole list, over random drawings and after random edits with undo and redo: the answers
// must be the same.
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "commands/entity_picking.h"
#include "commands/snapping.h"
#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/ellipse_entity.h"
#include "core/entity.h"
#include "core/insert_entity.h"
#include "core/layer.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/polyline_entity.h"
#include "core/text_entity.h"
#include "geometry/geometry.h"
#include "platform/raster_device.h"
#include "text/font_files.h"
#include "view/picture.h"
#include "view/render_context.h"

namespace korvo {
namespace {

constexpr double kSide = 100;  // entities lie in [0, 100]²

// A drawing of random entities of every kind that snaps and picks look at, many small and a
// few large, with coincident copies, erased ones and ones on a locked layer.
class RandomDrawing {
 public:
  explicit RandomDrawing(uint64_t seed) : random_(seed) {
    drawing.New();
    drawing.undo.SetLevels(50);
    locked_ = new Layer(u"LOCKED", 3, nullptr, -3.0);
    locked_->SetLocked(true);
    drawing.layers.Add(locked_);
  }

  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  Point AnyPoint() { return Point(Uniform(0, kSide), Uniform(0, kSide)); }
  // Mostly short: a drafter's density, where only a few entities meet near a point.
  double Size() { return Below(10) == 0 ? Uniform(10, 60) : Uniform(0.5, 6); }

  Entity* MakeEntity() {
    const DrawingSettings& s = drawing.settings;
    const Point at = AnyPoint();
    switch (Below(9)) {
      case 0:
      case 1:
        return new LineEntity(at, at + Point(Uniform(-1, 1), Uniform(-1, 1)) * Size(), s);
      case 2:
        return new ArcEntity(s, at, Size(), Uniform(-kPi, kPi), Uniform(-kPi, kPi));
      case 3:
        return new CircleEntity(at, Size(), s);
      case 4:
        return new EllipseEntity(s, at, Size(), Uniform(0.2, 1), Uniform(0, kPi), 0,
                                 Uniform(1, kTwoPi));
      case 5:
        return new TextEntity(at, Uniform(0.5, 4), Uniform(0, kTwoPi), 1, Below(3) * 0.3, 0,
                              static_cast<uint8_t>(Below(3)), u"Ab O\nQ8", s);
      case 6:
        return MakeReference(at);
      case 7:
        return MakePolyline(at);
      default:
        return new PointEntity(s, at);
    }
  }

  // A reference whose parts are a line and an arc, with a text attribute off its body;
  // sometimes one that never found its block (no parts at all).
  Entity* MakeReference(const Point& at) {
    const DrawingSettings& s = drawing.settings;
    auto* insert = new InsertEntity(u"B", at, 1, 1, 0, s);
    if (Below(5) == 0) return insert;
    insert->expanded.AddTail(new LineEntity(at, at + Point(Size(), 0), s));
    insert->expanded.AddTail(new ArcEntity(s, at + Point(0, 2), Size(), 0, Uniform(0.5, 3)));
    insert->attached.AddTail(new TextEntity(at + Point(0, -Size()), 1.5, 0, 1, 0, 0, 0, u"ID", s));
    return insert;
  }

  Entity* MakePolyline(const Point& at) {
    auto* polyline = new PolylineEntity();
    polyline->ApplyCurrentProperties(drawing.settings);
    Point p = at;
    const int vertices = 2 + Below(4);
    const double width = Below(2) == 0 ? 0 : Uniform(0.2, 2);
    for (int i = 0; i < vertices; ++i) {
      polyline->AppendVertex(p, width, width, Below(3) == 0 ? Uniform(-1, 1) : 0, 0, 0);
      p = p + Point(Uniform(-1, 1), Uniform(-1, 1)) * Size();
    }
    polyline->SetClosed(Below(3) == 0);
    polyline->RebuildSegments();
    return polyline;
  }

  void Populate(int count) {
    std::vector<Entity*> added;
    for (int i = 0; i < count; ++i) {
      Entity* entity = nullptr;
      if (!added.empty() && Below(8) == 0) {
        // Coincident with an earlier one: ties between equal answers.
        entity = EntityList::Clone(*added[static_cast<std::size_t>(Below(added.size()))]);
      } else {
        entity = MakeEntity();
      }
      if (Below(10) == 0) entity->layer = locked_;
      drawing.entities.AddTail(entity);
      added.push_back(entity);
    }
    for (Entity* entity : added)
      if (Below(12) == 0) drawing.Erase(entity);
    drawing.undo.EndUndoGroup();
  }

  Entity* AnyEntity() {
    const int n = static_cast<int>(drawing.entities.size());
    auto it = drawing.entities.begin();
    for (int i = Below(n); i > 0; --i) ++it;
    return *it;
  }

  // A point where answers are likely: on or near an entity's key point, or anywhere.
  Point QueryPoint() {
    if (Below(3) == 0) return AnyPoint();
    Point key;
    AnyEntity()->NearestKeyPoint(AnyPoint(), key);
    if (!std::isfinite(key.x) || !std::isfinite(key.y)) return AnyPoint();
    return key + Point(Uniform(-1, 1), Uniform(-1, 1)) * Uniform(0, 2);
  }

  // One command's worth of change, as the editing commands and the plug-in's services make
  // it: some through the drawing, some straight on the list or the entity.
  void Edit() {
    std::vector<Entity*> chosen;
    for (int i = 1 + Below(4); i > 0; --i) chosen.push_back(AnyEntity());
    switch (Below(6)) {
      case 0:  // move, as a transform command does
        drawing.undo.RecordListChange(UndoKind::EntityModified, chosen);
        for (Entity* entity : chosen) entity->Translate(Point(Uniform(-20, 20), Uniform(-20, 20)));
        break;
      case 1:  // rotate about a point
        drawing.undo.RecordListChange(UndoKind::EntityModified, chosen);
        for (Entity* entity : chosen) entity->Rotate(Rotation::About(AnyPoint(), Uniform(0, 3)));
        break;
      case 2: {  // add, as a plug-in does, straight onto the list
        std::vector<Entity*> added;
        for (int i = 1 + Below(5); i > 0; --i) {
          added.push_back(Below(2) == 0 ? EntityList::Clone(*AnyEntity()) : MakeEntity());
          drawing.entities.AddTail(added.back());
        }
        drawing.undo.RecordListChange(UndoKind::EntityAdded, added);
        break;
      }
      case 3:
        for (Entity* entity : chosen) drawing.Erase(entity);
        break;
      case 4:
        drawing.BringToFront(chosen);
        break;
      default:
        drawing.SendToBack(chosen);
        break;
    }
    drawing.undo.EndUndoGroup();
    drawing.SetModifiedFlag(true);
  }

  Drawing drawing;

 private:
  std::mt19937_64 random_;
  Layer* locked_ = nullptr;
};

void ExpectSameSearch(const SnapSearch& indexed, const SnapSearch& linear) {
  EXPECT_EQ(indexed.found, linear.found);
  EXPECT_EQ(indexed.aborted, linear.aborted);
  if (!indexed.found || !linear.found) return;
  EXPECT_EQ(indexed.point, linear.point);
  EXPECT_EQ(indexed.distance, linear.distance);
}

// Every pointwise question at `count` random points, both ways; returns how many found
// something.
int ComparePointQuestions(RandomDrawing& scene, int count, int intersectionEvery) {
  const Drawing& drawing = scene.drawing;
  const EntityList& list = drawing.entities;
  const EntityFilter onlyLines = [](const Entity& e) { return e.AsLine() != nullptr; };
  int hits = 0;
  for (int i = 0; i < count; ++i) {
    const Point p = scene.QueryPoint();
    const double aperture = scene.Uniform(0.01, 3);
    SCOPED_TRACE(::testing::Message()
                 << "query " << i << " at " << p.x << ", " << p.y << " aperture " << aperture);
    const SnapSearch object = ObjectSnap(list, p, aperture);
    ExpectSameSearch(ObjectSnap(drawing, p, aperture), object);
    hits += object.found;
    if (i % intersectionEvery == 0) {
      ExpectSameSearch(IntersectionSnap(drawing, p, aperture), IntersectionSnap(list, p, aperture));
      const SnapSettings both{false, 0, true, true};
      const CursorSnap indexed = SnapCursor(p, both, drawing, aperture, CursorStyle::Crosshair);
      const CursorSnap linear = SnapCursor(p, both, list, aperture, CursorStyle::Crosshair);
      EXPECT_EQ(indexed.world, linear.world);
      EXPECT_EQ(indexed.kind, linear.kind);
    }
    Entity* const picked = FindEntityAt(list, p, aperture);
    EXPECT_EQ(FindEntityAt(drawing, p, aperture), picked);
    hits += picked != nullptr;
    EXPECT_EQ(FindEntityAt(drawing, p, aperture, onlyLines),
              FindEntityAt(list, p, aperture, onlyLines));
    const Point corner = p + Point(scene.Uniform(-15, 15), scene.Uniform(-15, 15));
    EXPECT_EQ(WindowSelectionCandidates(drawing, p, corner),
              WindowSelectionCandidates(list, p, corner));
  }
  return hits;
}

// The out-of-view marks the index leaves for a window are those of the whole walk.
void CompareOutOfViewMarks(RandomDrawing& scene) {
  Drawing& drawing = scene.drawing;
  const Point low = scene.AnyPoint() - Point(20, 20);
  const Point high = low + Point(scene.Uniform(5, 60), scene.Uniform(5, 60));
  MarkOutOfView(drawing, low, high);
  std::vector<uint8_t> indexed;
  for (const Entity* entity : drawing.entities) indexed.push_back(entity->flags);
  MarkOutOfView(drawing.entities, low, high);
  std::vector<uint8_t> linear;
  for (const Entity* entity : drawing.entities) linear.push_back(entity->flags);
  EXPECT_EQ(indexed, linear);
}

// A 96-pixel picture of a window of the drawing, through either scan.
Bitmap Picture(Drawing& drawing, const Point& origin, double pixelSize, PictureScan scan) {
  Bitmap bitmap(96, 96);
  DeviceContext dc(bitmap);
  drawing.settings.viewOrigin = origin;
  drawing.settings.viewExtent = {96 * pixelSize, 96 * pixelSize};
  // Forget the last window, so that either scan marks for this one itself.
  drawing.settings.lastPoints = {};
  RenderContext rc(dc, {0, 0, 95, 95}, drawing.settings);
  rc.lineWeightScale = 0;
  rc.FillBackground();
  DrawPicture(drawing, rc, scan);
  return bitmap;
}

void ComparePictures(RandomDrawing& scene) {
  const Point origin = scene.AnyPoint() - Point(10, 10);
  const double pixelSize = scene.Uniform(0.05, 0.6);
  const Bitmap linear = Picture(scene.drawing, origin, pixelSize, PictureScan::WholeList);
  const Bitmap indexed = Picture(scene.drawing, origin, pixelSize, PictureScan::Index);
  int differing = 0;
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x) differing += linear.Pixel(x, y) != indexed.Pixel(x, y);
  EXPECT_EQ(differing, 0);
}

class SpatialIndexDifferential : public ::testing::Test {
 protected:
  ScopedFontFolder fonts_{std::filesystem::path(KORVOCAD_SOURCE_DIR) / "data" / "FONTS"};
};

TEST_F(SpatialIndexDifferential, RandomDrawingsAnswerAsTheListWalks) {
  for (const uint64_t seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    RandomDrawing scene(seed);
    scene.Populate(200);
    // The comparison means little unless the questions find things.
    EXPECT_GT(ComparePointQuestions(scene, 1000, 8), 250);
    for (int i = 0; i < 4; ++i) {
      // Out-of-view marks hide much of the drawing from snaps and picks, so fewer hits.
      CompareOutOfViewMarks(scene);
      EXPECT_GT(ComparePointQuestions(scene, 100, 10), 0);
    }
    ComparePictures(scene);
  }
}

TEST_F(SpatialIndexDifferential, AnswersFollowEditsUndoAndRedo) {
  for (const uint64_t seed : {11u, 12u}) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    RandomDrawing scene(seed);
    scene.Populate(160);
    int hits = ComparePointQuestions(scene, 100, 10);  // the index is built before the edits
    for (int step = 0; step < 40; ++step) {
      SCOPED_TRACE(::testing::Message() << "step " << step);
      const int action = scene.Below(4);
      if (action == 0 && scene.drawing.undo.CanUndo())
        scene.drawing.undo.Undo();
      else if (action == 1 && scene.drawing.undo.CanRedo())
        scene.drawing.undo.Redo();
      else
        scene.Edit();
      hits += ComparePointQuestions(scene, 60, 12);
      if (step % 5 == 0) {
        CompareOutOfViewMarks(scene);
        ComparePictures(scene);
      }
    }
    EXPECT_GT(hits, 250);
  }
}

}  // namespace
}  // namespace korvo
