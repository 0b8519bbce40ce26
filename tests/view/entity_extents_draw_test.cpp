// Whatever an entity draws lies within its extents: the out-of-view pass and the spatial
// index leave out entities by their extents, so ink outside them would go missing.
#include <algorithm>
#include <climits>
#include <filesystem>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/ellipse_entity.h"
#include "core/insert_entity.h"
#include "core/polyline_entity.h"
#include "core/text_entity.h"
#include "core/text_style.h"
#include "geometry/geometry.h"
#include "platform/raster_device.h"
#include "tests/text/font_test_folder.h"
#include "view/draw_mode.h"
#include "view/render_context.h"

namespace korvo {
namespace {

constexpr int kPixels = 240;  // the picture shows world [0, 60]² at a quarter unit a pixel

// "O" is an arc only, reaching below the baseline and left of the pen; "A" a line stroke.
const std::vector<test::Record> kFont = {
    {u'O', 1.0f, {}, {{0.5f, 0.2f, 0.7f, 0.5f, 5.5f}}},
    {u'A', 1.0f, {{0.1f, 0, 0.7f, 1}}, {}},
};

class EntityExtentsDraw : public test::FontFolderTest {
 protected:
  EntityExtentsDraw() : style_(u"ARCS", u"ARCS", 0, 1, 0, 0) {
    WriteFont("ARCS.kcdfnt", test::SequentialFont(2.0f, kFont));
    drawing_.New();
    drawing_.settings.currentTextStyle = &style_;
    drawing_.settings.viewOrigin = Point(0, 0);
    drawing_.settings.viewExtent = Size{60, 60};
  }

  // Draws the entity alone and checks every lit pixel against its extents mapped to the
  // screen, one pixel of rounding allowed on each side.
  void ExpectInkInsideExtents(Entity& entity) {
    Bitmap bitmap(kPixels, kPixels, 0);
    DeviceContext dc(bitmap);
    dc.SetBackgroundColor(0);  // white ink shows as white
    RenderContext rc(dc, {0, 0, kPixels - 1, kPixels - 1}, drawing_.settings, DrawMode::Normal);
    rc.lineWeightScale = 0;
    entity.Draw(rc);
    Point min, max;
    ASSERT_TRUE(entity.GetExtents(min, max));
    const ScreenPoint low = rc.WorldToScreen(min);   // screen y grows down: low is the
    const ScreenPoint high = rc.WorldToScreen(max);  // bottom-left corner
    int lit = 0, outside = 0;
    for (int y = 0; y < kPixels; ++y) {
      for (int x = 0; x < kPixels; ++x) {
        if (bitmap.Pixel(x, y) == 0) continue;
        ++lit;
        if (x < low.x - 1 || x > high.x + 1 || y > low.y + 1 || y < high.y - 1) ++outside;
      }
    }
    EXPECT_GT(lit, 0) << "nothing was drawn";
    EXPECT_EQ(outside, 0);
  }

  TextStyle style_;
  Drawing drawing_;
};

TEST_F(EntityExtentsDraw, TextsWithArcStrokesSlantAndMirroring) {
  struct Case {
    const char* name;
    double rotation, oblique;
    uint8_t flags, alignment;
  } cases[] = {
      {"plain", 0, 0, 0, 0},
      {"turned", 0.7, 0, 0, 1},
      {"slanted", 0, 0.5, 0, 0},
      {"slanted and turned", 2.5, -0.4, 0, 2},
      {"backward and upside down", 0.3, 0, 6, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextEntity text(Point(25, 30), 6, c.rotation, 1, c.oblique, c.flags, c.alignment, u"OAO\nAO",
                    drawing_.settings);
    ExpectInkInsideExtents(text);
  }
}

TEST_F(EntityExtentsDraw, WidePolylinesWithBulges) {
  const struct Case {
    const char* name;
    double width, bulge;
    bool closed;
  } cases[] = {
      {"thin arcs", 0, 0.8, false},
      {"wide straight", 3, 0, false},
      {"wide arcs closed", 2.5, -0.6, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PolylineEntity polyline;
    polyline.ApplyCurrentProperties(drawing_.settings);
    polyline.AppendVertex(Point(15, 15), c.width, c.width, c.bulge, 0, 0);
    polyline.AppendVertex(Point(40, 20), c.width, c.width / 2, c.bulge, 0, 0);
    polyline.AppendVertex(Point(30, 45), c.width, c.width, c.bulge, 0, 0);
    polyline.SetClosed(c.closed);
    polyline.RebuildSegments();
    ExpectInkInsideExtents(polyline);
  }
}

TEST_F(EntityExtentsDraw, ReferencesWithAttributesBesideTheirBody) {
  const DrawingSettings& s = drawing_.settings;
  InsertEntity insert(u"B", Point(20, 20), 1, 1, 0, s);
  insert.expanded.AddTail(new ArcEntity(s, Point(20, 20), 5, 0, 2));
  insert.expanded.AddTail(new EllipseEntity(s, Point(25, 25), 6, 0.4, 0.5, 0, 5));
  insert.attached.AddTail(new TextEntity(Point(10, 45), 4, 0, 1, 0, 0, 0, u"OA", s));
  ExpectInkInsideExtents(insert);
}

TEST_F(EntityExtentsDraw, CurvesOfEveryKind) {
  const DrawingSettings& s = drawing_.settings;
  CircleEntity circle(Point(30, 30), 12, s);
  ArcEntity arc(s, Point(30, 30), 14, 2.0, 5.5);
  EllipseEntity ellipse(s, Point(30, 30), 20, 0.3, 1.1, 0.5, 4);
  for (Entity* entity : std::initializer_list<Entity*>{&circle, &arc, &ellipse}) {
    SCOPED_TRACE(entity->GetElementCode());
    ExpectInkInsideExtents(*entity);
  }
}

}  // namespace
}  // namespace korvo
