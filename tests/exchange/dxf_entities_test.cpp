// The records of the entity kinds, byte for byte.
#include <functional>
#include <limits>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/ellipse_entity.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/solid_entity.h"
#include "core/trace_entity.h"
#include "tests/exchange/dxf_test_support.h"

namespace korvo {
namespace {

constexpr double kPi = std::numbers::pi;

// The ENTITIES section of a new drawing holding only `entity`; its handle is 702 (after the
// layer and the text style).
std::string OnlyEntity(const std::function<Entity*(const DrawingSettings&)>& make) {
  Drawing drawing;
  drawing.New();
  drawing.entities.AddTail(make(drawing.settings));
  return testing::EntitiesSection(testing::DxfText(drawing));
}

// The common head of a record on layer "0", line type BYLAYER, colour by layer, line weight by
// layer.
std::string Head(const char* kind, bool lineWeight = true) {
  std::string head = "0\n";
  head += kind;
  head += "\n5\n702\n100\nAcDbEntity\n8\n0\n6\nBYLAYER\n 62\n   256\n";
  if (lineWeight) head += "370\n-1\n";
  return head;
}

TEST(DxfEntityRecords, EachKindWritesItsGroups) {
  struct Case {
    const char* name;
    std::function<Entity*(const DrawingSettings&)> make;
    std::string expected;
  } cases[] = {
      {"point has no line weight",
       [](const DrawingSettings& s) { return new PointEntity(s, 1.5, -2); },
       Head("POINT", false) + "100\nAcDbPoint\n10\n1.500000\n20\n-2.000000\n30\n0.0\n"},
      {"line", [](const DrawingSettings& s) { return new LineEntity(1, 2, 3, 4, s); },
       Head("LINE") + "100\nAcDbLine\n10\n1.000000\n20\n2.000000\n30\n0.0\n"
                      "11\n3.000000\n21\n4.000000\n31\n0.0\n"},
      {"circle", [](const DrawingSettings& s) { return new CircleEntity(Point(5, 6), 2.5, s); },
       Head("CIRCLE") + "100\nAcDbCircle\n10\n5.000000\n20\n6.000000\n30\n0.0\n40\n2.500000\n"},
      {"full ellipse",
       [](const DrawingSettings& s) {
         auto* circle = new CircleEntity(Point(1, 2), 4, s);
         circle->ratio = 0.5;
         circle->rotation = kPi / 2;
         return circle;
       },
       Head("ELLIPSE") + "100\nAcDbEllipse\n10\n1.000000\n20\n2.000000\n30\n0.0\n"
                         "11\n0.000000\n21\n4.000000\n31\n0.0\n210\n0.0\n220\n0.0\n230\n1.0\n"
                         "40\n0.500000\n41\n0.0\n42\n6.283185307179586\n"},
      {"arc in degrees",
       [](const DrawingSettings& s) { return new ArcEntity(s, Point(0, 0), 2, kPi / 2, kPi); },
       Head("ARC") + "100\nAcDbCircle\n10\n0.000000\n20\n0.000000\n30\n0.0\n40\n2.000000\n"
                     "100\nAcDbArc\n50\n90.000000\n51\n180.000000\n"},
      {"arc through zero keeps its normalised start",
       [](const DrawingSettings& s) {
         return new ArcEntity(s, Point(1, 1), 1, 1.5 * kPi, 2.25 * kPi);
       },
       Head("ARC") + "100\nAcDbCircle\n10\n1.000000\n20\n1.000000\n30\n0.0\n40\n1.000000\n"
                     "100\nAcDbArc\n50\n-90.000000\n51\n45.000000\n"},
      {"elliptic arc writes its parameters in radians",
       [](const DrawingSettings& s) {
         return new ArcEntity(s, Point(0, 0), 2, 0.25, 0.0, 0.5, 2.0);
       },
       Head("ELLIPSE") + "100\nAcDbEllipse\n10\n0.000000\n20\n0.000000\n30\n0.0\n"
                         "11\n2.000000\n21\n0.000000\n31\n0.0\n210\n0.0\n220\n0.0\n230\n1.0\n"
                         "40\n0.250000\n41\n0.500000\n42\n2.000000\n"},
      {"a ratio above 1 turns the major axis a quarter",
       [](const DrawingSettings& s) {
         return new ArcEntity(s, Point(0, 0), 1, 2.0, 0.0, kPi / 2, kPi);
       },
       Head("ELLIPSE") + "100\nAcDbEllipse\n10\n0.000000\n20\n0.000000\n30\n0.0\n"
                         "11\n0.000000\n21\n2.000000\n31\n0.0\n210\n0.0\n220\n0.0\n230\n1.0\n"
                         "40\n0.500000\n41\n0.000000\n42\n1.570796\n"},
      {"ellipse entity is an ELLIPSE even when round",
       [](const DrawingSettings& s) {
         return new EllipseEntity(s, Point(3, 0), 1, 1.0, 0.0, 0.0, kPi);
       },
       Head("ELLIPSE") + "100\nAcDbEllipse\n10\n3.000000\n20\n0.000000\n30\n0.0\n"
                         "11\n1.000000\n21\n0.000000\n31\n0.0\n210\n0.0\n220\n0.0\n230\n1.0\n"
                         "40\n1.000000\n41\n0.000000\n42\n3.141593\n"},
      {"solid swaps its last two corners",
       [](const DrawingSettings& s) {
         const Point corners[4] = {{0, 0}, {4, 0}, {4, 3}, {0, 3}};
         return new SolidEntity(std::span<const Point, 4>(corners), s);
       },
       Head("SOLID") +
           "100\nAcDbTrace\n10\n0.000000\n20\n0.000000\n30\n0.0\n11\n4.000000\n21\n0.000000\n"
           "31\n0.0\n12\n0.000000\n22\n3.000000\n32\n0.0\n13\n4.000000\n23\n3.000000\n33\n0.0\n"},
      {"trace",
       [](const DrawingSettings& s) {
         const Point corners[4] = {{1, 1}, {3, 1}, {3, 2}, {1, 2}};
         return new TraceEntity(std::span<const Point, 4>(corners), s);
       },
       Head("TRACE") +
           "100\nAcDbTrace\n10\n1.000000\n20\n1.000000\n30\n0.0\n11\n3.000000\n21\n1.000000\n"
           "31\n0.0\n12\n1.000000\n22\n2.000000\n32\n0.0\n13\n3.000000\n23\n2.000000\n33\n0.0\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(OnlyEntity(c.make), c.expected);
  }
}

TEST(DxfEntityRecords, ColorAndLineWeightPlaceholders) {
  struct Case {
    const char* name;
    int color;
    double lineWeight;
    const char* expected;
  } cases[] = {
      {"by layer", 256, -1.0, " 62\n   256\n370\n-1\n"},
      {"by block", 0, -2.0, " 62\n     0\n370\n-2\n"},
      {"default weight", 1, -3.0, " 62\n     1\n370\n-3\n"},
      {"hundredths", 255, 0.25, " 62\n   255\n370\n25\n"},
      {"hundredths just below a whole number", 12, 2.11, " 62\n    12\n370\n211\n"},
      {"fractions of a hundredth are cut", 12, 0.137, " 62\n    12\n370\n13\n"},
      {"zero", 7, 0.0, " 62\n     7\n370\n0\n"},
      // Values no line weight group can hold are written as the default.
      {"not a number", 7, std::numeric_limits<double>::quiet_NaN(), " 62\n     7\n370\n-3\n"},
      {"infinite", 7, std::numeric_limits<double>::infinity(), " 62\n     7\n370\n-3\n"},
      {"far too large", 7, 1e300, " 62\n     7\n370\n-3\n"},
      {"far too small", 7, -1e300, " 62\n     7\n370\n-3\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string section = OnlyEntity([&](const DrawingSettings& s) {
      auto* line = new LineEntity(0, 0, 1, 1, s);
      line->SetColorIndex(c.color);
      line->lineWeight = c.lineWeight;
      return line;
    });
    EXPECT_NE(section.find(std::string("6\nBYLAYER\n") + c.expected + "100\nAcDbLine\n"),
              std::string::npos)
        << section;
  }
}

}  // namespace
}  // namespace korvo
