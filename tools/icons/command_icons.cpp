#include "command_icons.h"

#include <cmath>
#include <numbers>

namespace korvo::icons {
namespace {

Point Polar(const Point& centre, double radius, double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  return {centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)};
}

// --- shared pieces

void Magnifier(IconCanvas& c, const Point& centre = {10, 14}, double radius = 6.5) {
  c.FillDisc(centre, radius, kPaper);
  c.Circle(centre, radius, kInk, 2);
  const Point rim = Polar(centre, radius + 1, -45);
  c.Line(rim, Polar(centre, radius + 8, -45), kInk, 3.2);
}

void Plus(IconCanvas& c, const Point& at, uint32_t colour, double arm = 3.2) {
  c.Line({at.x - arm, at.y}, {at.x + arm, at.y}, colour, 1.8);
  c.Line({at.x, at.y - arm}, {at.x, at.y + arm}, colour, 1.8);
}

void Minus(IconCanvas& c, const Point& at, uint32_t colour, double arm = 3.2) {
  c.Line({at.x - arm, at.y}, {at.x + arm, at.y}, colour, 1.8);
}

void Page(IconCanvas& c) {
  c.Fill({{5, 2}, {19, 2}, {19, 16}, {14, 21}, {5, 21}}, kPaper);
  c.Polyline({{14, 21}, {5, 21}, {5, 2}, {19, 2}, {19, 16}, {14, 21}, {14, 16}, {19, 16}}, kInk,
             1.3);
}

void Square(IconCanvas& c, const Point& low, double side, uint32_t fill, uint32_t line) {
  const Point high{low.x + side, low.y + side};
  c.Fill({low, {high.x, low.y}, high, {low.x, high.y}}, fill);
  c.Frame(low, high, line, 1.3);
}

// Letter A standing on `foot`, `height` tall.
void LetterA(IconCanvas& c, const Point& foot, double height, uint32_t colour, double width) {
  const double half = height * 0.42;
  const Point top{foot.x, foot.y + height};
  c.Polyline({{foot.x - half, foot.y}, top, {foot.x + half, foot.y}}, colour, width);
  c.Line({foot.x - half * 0.55, foot.y + height * 0.36},
         {foot.x + half * 0.55, foot.y + height * 0.36}, colour, width);
}

void GridDots(IconCanvas& c, uint32_t colour) {
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 5; ++j) c.Dot({4.0 + 4 * i, 4.0 + 4 * j}, colour, 1.7);
}

// --- drawing commands

void Line(IconCanvas& c) {
  c.Line({4, 5}, {20, 19}, kInk, 2);
  c.Dot({4, 5});
  c.Dot({20, 19});
}

void PolylineIcon(IconCanvas& c) {
  c.Polyline({{3, 5}, {8, 18}, {14, 9}, {21, 19}}, kInk, 2);
  for (const Point p : {Point{3, 5}, Point{8, 18}, Point{14, 9}, Point{21, 19}}) c.Dot(p);
}

void FreeLine(IconCanvas& c) {
  Point previous{3, 12};
  for (int i = 1; i <= 36; ++i) {
    const double x = 3 + i * 0.5;
    const Point p{x, 12 + 5 * std::sin(i * 0.35) * std::cos(i * 0.09)};
    c.Line(previous, p, kInk, 2);
    previous = p;
  }
}

void Rectangle(IconCanvas& c) {
  c.Frame({4, 6}, {20, 18}, kInk, 2);
  c.Dot({4, 6});
  c.Dot({20, 18});
}

void PolygonIcon(IconCanvas& c) {
  const Point centre{12, 12};
  for (int i = 0; i < 6; ++i)
    c.Line(Polar(centre, 9, 60.0 * i + 30), Polar(centre, 9, 60.0 * i + 90), kInk, 2);
  c.DashedLine(centre, Polar(centre, 9, 30), kGhost, 1.2, 1);
  c.Dot(centre);
}

void Trace(IconCanvas& c) {
  c.Fill({{3, 8}, {6, 5}, {21, 16}, {18, 19}}, kFill);
  c.Polyline({{3, 8}, {6, 5}, {21, 16}, {18, 19}, {3, 8}}, kInk, 1.2);
  c.Dot({4.5, 6.5});
  c.Dot({19.5, 17.5});
}

void FilledSolid(IconCanvas& c) {
  c.Fill({{4, 5}, {20, 7}, {17, 19}, {6, 17}}, kFill);
  c.Polyline({{4, 5}, {20, 7}, {17, 19}, {6, 17}, {4, 5}}, kInk, 1.3);
  for (const Point p : {Point{4, 5}, Point{20, 7}, Point{17, 19}, Point{6, 17}}) c.Dot(p);
}

void Donut(IconCanvas& c) {
  c.FillDisc({12, 12}, 9, kInk);
  c.FillDisc({12, 12}, 4.5, kFace);
}

void CircleRadius(IconCanvas& c) {
  c.Circle({12, 12}, 8.5, kInk, 2);
  c.Line({12, 12}, Polar({12, 12}, 8.5, 35), kAccent, 1.2);
  c.Dot({12, 12});
}

void CircleDiameter(IconCanvas& c) {
  c.Circle({12, 12}, 8.5, kInk, 2);
  c.Line(Polar({12, 12}, 8.5, 210), Polar({12, 12}, 8.5, 30), kAccent, 1.2);
  c.Dot(Polar({12, 12}, 8.5, 210));
  c.Dot(Polar({12, 12}, 8.5, 30));
}

void Circle3Point(IconCanvas& c) {
  c.Circle({12, 12}, 8.5, kInk, 2);
  for (const double a : {100.0, 220.0, 340.0}) c.Dot(Polar({12, 12}, 8.5, a));
}

void Arc3Point(IconCanvas& c) {
  const Point centre{12, 6};
  c.Arc(centre, 10, 15, 165, kInk, 2);
  for (const double a : {15.0, 90.0, 165.0}) c.Dot(Polar(centre, 10, a));
}

void ArcCentre(IconCanvas& c) {
  const Point centre{8, 7};
  c.Arc(centre, 12, 0, 90, kInk, 2);
  c.DashedLine(centre, Polar(centre, 12, 0), kGhost, 1.2);
  c.DashedLine(centre, Polar(centre, 12, 90), kGhost, 1.2);
  c.Dot(centre);
  c.Dot(Polar(centre, 12, 0));
  c.Dot(Polar(centre, 12, 90));
}

void ArcAngle(IconCanvas& c) {
  const Point centre{6, 6};
  c.Arc(centre, 14, 0, 70, kInk, 2);
  c.Line(centre, Polar(centre, 14, 0), kGhost, 1);
  c.Line(centre, Polar(centre, 14, 70), kGhost, 1);
  c.Arc(centre, 5, 0, 70, kAccent, 1.3);
  c.Dot(centre);
}

void EllipseAxes(IconCanvas& c) {
  c.Ellipse({12, 12}, 10, 6, 20, kInk, 2);
  c.DashedLine(Polar({12, 12}, 10, 200), Polar({12, 12}, 10, 20), kGhost, 1.2);
  c.Dot({12, 12});
  c.Dot(Polar({12, 12}, 10, 20));
  c.Dot(Polar({12, 12}, 6, 110));
}

void EllipseEnds(IconCanvas& c) {
  c.Ellipse({12, 12}, 10, 6, 20, kInk, 2);
  c.Dot(Polar({12, 12}, 10, 200));
  c.Dot(Polar({12, 12}, 10, 20));
  c.Dot(Polar({12, 12}, 6, 110));
}

void PointIcon(IconCanvas& c) {
  c.Line({12, 3}, {12, 21}, kGhost, 1);
  c.Line({3, 12}, {21, 12}, kGhost, 1);
  c.Circle({12, 12}, 4, kInk, 1.5);
  c.FillDisc({12, 12}, 1.8, kAccent);
}

void Text(IconCanvas& c) {
  LetterA(c, {12, 4}, 16, kInk, 2.4);
  c.DashedLine({2, 3}, {22, 3}, kGhost, 1.2);
  c.Dot({3, 3});
}

void InsertSymbol(IconCanvas& c) {
  Square(c, {11, 3}, 10, kPaper, kInk);
  c.Circle({16, 8}, 3, kInk, 1.5);
  c.Arrow({3, 21}, {13, 10}, kAccent, 1.6);
}

// --- editing commands

void Copy(IconCanvas& c) {
  c.Frame({3, 3}, {12, 12}, kGhost, 1.3);
  Square(c, {11, 11}, 10, kPaper, kInk);
  c.Arrow({7.5, 7.5}, {14, 14}, kAccent, 1.4);
}

void Move(IconCanvas& c) {
  const Point centre{12, 12};
  for (const double a : {0.0, 90.0, 180.0, 270.0})
    c.Arrow(Polar(centre, 1, a), Polar(centre, 10, a), kInk, 1.8);
  c.Dot(centre);
}

void Mirror(IconCanvas& c) {
  c.DashedLine({12, 2}, {12, 22}, kAccent, 1.6, 1.2);
  c.Fill({{3, 5}, {10, 5}, {10, 17}}, kFill);
  c.Polyline({{3, 5}, {10, 5}, {10, 17}, {3, 5}}, kInk, 1.4);
  c.Polyline({{21, 5}, {14, 5}, {14, 17}, {21, 5}}, kGhost, 1.4);
}

void Rotate(IconCanvas& c) {
  c.Frame({4, 4}, {13, 10}, kGhost, 1.2);
  c.Polyline({{4, 4}, {9.2, 7}, {6.2, 12.2}, {1.0, 9.2}, {4, 4}}, kInk, 1.6);
  c.Arc({4, 4}, 15, 10, 80, kAccent, 1.4);
  c.Arrow(Polar({4, 4}, 15, 70), Polar({4, 4}, 15, 85), kAccent, 1.4);
  c.Dot({4, 4});
}

void Scale(IconCanvas& c) {
  c.Frame({3, 3}, {9, 9}, kGhost, 1.2);
  c.Frame({3, 3}, {21, 21}, kInk, 1.8);
  c.Arrow({8, 8}, {18, 18}, kAccent, 1.5);
  c.Dot({3, 3});
}

void BringToFront(IconCanvas& c) {
  Square(c, {3, 3}, 11, kPaper, kGhost);
  Square(c, {9, 9}, 11, kFill, kInk);
  c.Arrow({20, 3}, {20, 7.5}, kAccent, 1.4);
}

void SendToBack(IconCanvas& c) {
  Square(c, {9, 9}, 11, kFill, kInk);
  Square(c, {3, 3}, 11, kPaper, kGhost);
  c.Arrow({21, 7}, {21, 2.5}, kAccent, 1.4);
}

void Erase(IconCanvas& c) {
  c.DashedLine({3, 5}, {21, 19}, kGhost, 1.6, 1.3);
  c.Line({7, 7}, {17, 17}, kRed, 2.6);
  c.Line({7, 17}, {17, 7}, kRed, 2.6);
}

void MatchProperties(IconCanvas& c) {
  c.Circle({7, 15}, 4.5, kAccent, 2.4);
  c.Frame({13, 3}, {21, 11}, kGhost, 1.2);
  c.Arrow({11, 13}, {16, 8}, kInk, 1.4);
  c.Fill({{13, 3}, {21, 3}, {21, 5}, {13, 5}}, kAccent);
}

void Explode(IconCanvas& c) {
  c.Line({6, 3}, {18, 3}, kInk, 1.8);
  c.Line({6, 21}, {18, 21}, kInk, 1.8);
  c.Line({3, 6}, {3, 18}, kInk, 1.8);
  c.Line({21, 6}, {21, 18}, kInk, 1.8);
  for (const double a : {45.0, 135.0, 225.0, 315.0})
    c.Arrow(Polar({12, 12}, 2, a), Polar({12, 12}, 8, a), kAccent, 1.2);
}

void Break(IconCanvas& c) {
  c.Line({2, 12}, {9, 12}, kInk, 2);
  c.Line({15, 12}, {22, 12}, kInk, 2);
  c.DashedLine({9, 12}, {15, 12}, kGhost, 1, 1);
  c.Dot({9, 12});
  c.Dot({15, 12});
}

void Trim(IconCanvas& c) {
  c.Line({14, 2}, {14, 22}, kInk, 2);
  c.Line({2, 12}, {14, 12}, kInk, 2);
  c.DashedLine({14, 12}, {22, 12}, kGhost, 1.2, 1.2);
  c.Line({17, 9}, {21, 15}, kRed, 1.6);
  c.Line({17, 15}, {21, 9}, kRed, 1.6);
}

void Chamfer(IconCanvas& c) {
  c.Polyline({{3, 21}, {3, 10}, {10, 3}, {21, 3}}, kInk, 2);
  c.DashedLine({3, 10}, {3, 3}, kGhost, 1, 1);
  c.DashedLine({3, 3}, {10, 3}, kGhost, 1, 1);
  c.Line({3, 10}, {10, 3}, kAccent, 2);
}

void ArrayRectangular(IconCanvas& c) {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      Square(c, {3.0 + 7 * i, 3.0 + 7 * j}, 4.5, i + j == 0 ? kFill : kPaper, kInk);
}

void ArrayPolar(IconCanvas& c) {
  c.Dot({12, 12}, kAccent, 2.5);
  for (int i = 0; i < 6; ++i) {
    const Point at = Polar({12, 12}, 8, 60.0 * i + 90);
    c.FillDisc(at, 2.5, i == 0 ? kFill : kPaper);
    c.Circle(at, 2.5, kInk, 1.3);
  }
}

void PolylineEdit(IconCanvas& c) {
  c.Polyline({{3, 6}, {9, 17}, {15, 8}, {21, 18}}, kInk, 1.8);
  for (const Point p : {Point{3, 6}, Point{9, 17}, Point{15, 8}, Point{21, 18}})
    c.Frame({p.x - 1.6, p.y - 1.6}, {p.x + 1.6, p.y + 1.6}, kAccent, 1.1);
}

void RunScript(IconCanvas& c) {
  Page(c);
  for (const double y : {16.0, 12.5, 9.0}) c.Line({8, y}, {13, y}, kGhost, 1.2);
  c.Fill({{12, 3}, {12, 11}, {19, 7}}, kGreen);
}

// --- views, tables and settings

void ZoomAll(IconCanvas& c) {
  c.DashedLine({2, 2}, {22, 2}, kGhost, 1.5);
  c.DashedLine({22, 2}, {22, 22}, kGhost, 1.5);
  c.DashedLine({22, 22}, {2, 22}, kGhost, 1.5);
  c.DashedLine({2, 22}, {2, 2}, kGhost, 1.5);
  Magnifier(c, {10, 14}, 5.5);
}

void ZoomWindow(IconCanvas& c) {
  Magnifier(c);
  c.Frame({7, 11}, {13, 17}, kAccent, 1.2);
}

void ZoomInteractive(IconCanvas& c) {
  Magnifier(c);
  c.Arrow({10, 14}, {10, 19}, kGreen, 1.3);
  c.Arrow({10, 14}, {10, 9}, kGreen, 1.3);
}

void ZoomInInteractive(IconCanvas& c) {
  Magnifier(c);
  Plus(c, {10, 14}, kGreen, 2.6);
  c.Arrow({17, 2}, {22, 7}, kAccent, 1.2);
}

void ZoomInOnce(IconCanvas& c) {
  Magnifier(c);
  Plus(c, {10, 14}, kGreen);
}

void ZoomOutOnce(IconCanvas& c) {
  Magnifier(c);
  Minus(c, {10, 14}, kGreen);
}

void Layers(IconCanvas& c) {
  const uint32_t tints[] = {kPaper, kFill, kPaper};
  for (int i = 0; i < 3; ++i) {
    const double y = 4.0 + 5.5 * i;
    c.Fill({{2, y + 3}, {12, y}, {22, y + 3}, {12, y + 6}}, tints[i]);
    c.Polyline({{2, y + 3}, {12, y}, {22, y + 3}, {12, y + 6}, {2, y + 3}}, kInk, 1.3);
  }
}

void Styles(IconCanvas& c) {
  LetterA(c, {8, 4}, 15, kInk, 2.2);
  LetterA(c, {18, 4}, 9, kAccent, 1.6);
  c.Line({2, 3}, {22, 3}, kGhost, 1);
}

void LineTypes(IconCanvas& c) {
  c.DashedLine({3, 18}, {21, 18}, kInk, 2.5, 1.6);
  c.Line({3, 12}, {21, 12}, kInk, 3.2);
  c.Line({3, 6}, {21, 6}, kAccent, 1.6);
}

void Settings(IconCanvas& c) {
  const Point centre{12, 12};
  for (int i = 0; i < 8; ++i) {
    const double a = 45.0 * i;
    c.Fill({Polar(centre, 6, a - 14), Polar(centre, 10, a - 9), Polar(centre, 10, a + 9),
            Polar(centre, 6, a + 14)},
           kInk);
  }
  c.FillDisc(centre, 7, kInk);
  c.FillDisc(centre, 3, kFace);
}

void SetBase(IconCanvas& c) {
  Square(c, {9, 9}, 12, kPaper, kGhost);
  c.Line({3, 9}, {15, 9}, kInk, 1.3);
  c.Line({9, 3}, {9, 15}, kInk, 1.3);
  c.Circle({9, 9}, 3, kAccent, 1.5);
}

void Grid(IconCanvas& c) {
  GridDots(c, kInk);
}

void GridSnap(IconCanvas& c) {
  GridDots(c, kGhost);
  c.Line({12, 6}, {12, 18}, kAccent, 1.3);
  c.Line({6, 12}, {18, 12}, kAccent, 1.3);
  c.Frame({10, 10}, {14, 14}, kInk, 1.3);
}

void OrthoSnap(IconCanvas& c) {
  c.Arrow({4, 4}, {4, 21}, kInk, 1.8);
  c.Arrow({4, 4}, {21, 4}, kInk, 1.8);
  c.Frame({4, 4}, {9, 9}, kAccent, 1.2);
}

void ObjectSnap(IconCanvas& c) {
  c.Line({3, 5}, {15, 17}, kInk, 1.8);
  c.Circle({16, 9}, 5, kGhost, 1.2);
  c.Frame({12.5, 14.5}, {17.5, 19.5}, kAccent, 1.4);
}

void IntersectionSnap(IconCanvas& c) {
  c.Line({3, 5}, {21, 19}, kInk, 1.8);
  c.Line({3, 19}, {21, 5}, kInk, 1.8);
  c.Frame({9, 9}, {15, 15}, kAccent, 1.4);
}

void Undo(IconCanvas& c) {
  c.Arc({12, 8}, 8, 0, 150, kInk, 2.2);
  const Point end = Polar({12, 8}, 8, 150);
  c.Fill({{end.x - 4.5, end.y - 0.5}, {end.x + 2.5, end.y + 1.5}, {end.x - 0.5, end.y - 6}}, kInk);
}

void Redo(IconCanvas& c) {
  c.Arc({12, 8}, 8, 30, 180, kInk, 2.2);
  const Point end = Polar({12, 8}, 8, 30);
  c.Fill({{end.x + 4.5, end.y - 0.5}, {end.x - 2.5, end.y + 1.5}, {end.x + 0.5, end.y - 6}}, kInk);
}

// --- files and the shell

void NewDrawing(IconCanvas& c) {
  Page(c);
  Plus(c, {12, 9}, kGreen, 3);
}

void SaveAs(IconCanvas& c) {
  c.Fill({{3, 3}, {21, 3}, {21, 18}, {18, 21}, {3, 21}}, kInk);
  c.Fill({{7, 14}, {17, 14}, {17, 21}, {7, 21}}, kPaper);
  c.Fill({{14, 15}, {16, 15}, {16, 20}, {14, 20}}, kInk);
  c.Fill({{6, 3}, {18, 3}, {18, 10}, {6, 10}}, kFill);
}

void DxfOut(IconCanvas& c) {
  Page(c);
  c.Arrow({9, 9}, {22, 9}, kAccent, 1.8);
  c.Line({8, 16}, {14, 16}, kGhost, 1.2);
}

void Palette(IconCanvas& c) {
  Square(c, {3, 13}, 8, kPaper, kInk);
  Square(c, {13, 13}, 8, kPaper, kInk);
  Square(c, {3, 3}, 8, kPaper, kInk);
  Square(c, {13, 3}, 8, kFill, kInk);
  c.Line({4.5, 14.5}, {9.5, 19.5}, kInk, 1.2);
  c.Circle({17, 17}, 2.5, kInk, 1.2);
  c.Dot({7, 7}, kAccent, 2.5);
}

void DialogInput(IconCanvas& c) {
  c.Fill({{2, 6}, {22, 6}, {22, 18}, {2, 18}}, kPaper);
  c.Frame({2, 6}, {22, 18}, kInk, 1.3);
  for (int i = 0; i < 4; ++i) c.Dot({5.5 + 4.3 * i, 14}, kInk, 2.2);
  c.Line({5, 9.5}, {19, 9.5}, kAccent, 1.8);
}

void EnterDefault(IconCanvas& c) {
  c.Polyline({{19, 19}, {19, 10}}, kInk, 2.2);
  c.Arrow({19, 10}, {4, 10}, kInk, 2.2);
}

void Assistant(IconCanvas& c) {
  c.Frame({3, 14}, {21, 20}, kInk, 1.4);
  c.Fill({{3, 4}, {21, 4}, {21, 10}, {3, 10}}, kFill);
  c.Frame({3, 4}, {21, 10}, kInk, 1.4);
  c.Arrow({8, 13}, {8, 10.5}, kAccent, 1.2);
  c.Arrow({16, 11}, {16, 13.5}, kAccent, 1.2);
}

constexpr CommandIcon kIcons[] = {
    {"draw_LINE", "Line", Line},
    {"draw_POLYLINE", "Polyline", PolylineIcon},
    {"draw_FREELINE", "Free line", FreeLine},
    {"draw_RECTANGLE", "Rectangle", Rectangle},
    {"draw_POLYGON", "Polygon", PolygonIcon},
    {"draw_CIRCLERAD", "Circle: centre, radius", CircleRadius},
    {"draw_CIRCLEDIA", "Circle: diameter", CircleDiameter},
    {"draw_CIRCLE3PT", "Circle: 3 points", Circle3Point},
    {"draw_ARC3PT", "Arc: 3 points", Arc3Point},
    {"draw_ARCCEN", "Arc: centre, start, end", ArcCentre},
    {"draw_ARCANG", "Arc: centre, start, angle", ArcAngle},
    {"draw_ELLIPSERAD", "Ellipse: centre, axes", EllipseAxes},
    {"draw_ELLIPSEDIA", "Ellipse: axis ends", EllipseEnds},
    {"draw_POINT", "Point", PointIcon},
    {"draw_TRACE", "Trace", Trace},
    {"draw_FSOLID", "Filled solid", FilledSolid},
    {"draw_DONUT", "Donut", Donut},
    {"draw_TEXT", "Text", Text},
    {"draw_INSERT", "Insert symbol", InsertSymbol},
    {"modify_MOVE", "Move", Move},
    {"draw_COPY", "Copy", Copy},
    {"modify_ROTATE", "Rotate", Rotate},
    {"modify_SCALE", "Scale", Scale},
    {"modify_MIRROR", "Mirror", Mirror},
    {"modify_ERASE", "Erase", Erase},
    {"tool_TRIM", "Trim", Trim},
    {"tool_BREAK", "Break", Break},
    {"tool_CHAMFER", "Chamfer", Chamfer},
    {"modify_EXPLODE", "Explode", Explode},
    {"tool_PEDIT", "Edit polyline", PolylineEdit},
    {"tool_ARRAYRECT", "Rectangular array", ArrayRectangular},
    {"tool_ARRAYPOLAR", "Polar array", ArrayPolar},
    {"modify_MATCHPROPS", "Match properties", MatchProperties},
    {"modify_FRONT", "Bring to front", BringToFront},
    {"modify_BACK", "Send to back", SendToBack},
    {"UNDO", "Undo", Undo},
    {"REDO", "Redo", Redo},
    {"ZOOMALL", "Zoom all", ZoomAll},
    {"ZOOMWIN", "Zoom window", ZoomWindow},
    {"ZOOMINOUT", "Zoom in and out", ZoomInteractive},
    {"ZOOMIN", "Zoom in by taps", ZoomInInteractive},
    {"ZOOMINONCE", "Zoom in once", ZoomInOnce},
    {"ZOOMOUTONCE", "Zoom out once", ZoomOutOnce},
    {"GRID", "Grid", Grid},
    {"GRIDSNAP", "Snap to grid", GridSnap},
    {"ORTHOSNAP", "Ortho", OrthoSnap},
    {"OBJECTSNAP", "Object snap", ObjectSnap},
    {"INTSNAP", "Intersection snap", IntersectionSnap},
    {"LAYERS", "Layers", Layers},
    {"STYLES", "Text styles", Styles},
    {"LINE_TYPES", "Line type, weight and colour", LineTypes},
    {"SETTINGS", "Drawing settings", Settings},
    {"SETBASE", "Insertion base point", SetBase},
    {"new", "New drawing", NewDrawing},
    {"save_as", "Save as", SaveAs},
    {"file_DXFOUT", "Export DXF", DxfOut},
    {"tool_RUNSJSCRIPT", "Run a script", RunScript},
    {"CMDPALETTE", "Command palette", Palette},
    {"DialogInput", "Type the point", DialogInput},
    {"EnterDefault", "Accept the default", EnterDefault},
    {"ASSISTANT", "Switch toolbars", Assistant},
};

}  // namespace

std::span<const CommandIcon> CommandIcons() {
  return kIcons;
}

const CommandIcon* FindCommandIcon(std::string_view name) {
  for (const CommandIcon& icon : kIcons)
    if (icon.name == name) return &icon;
  return nullptr;
}

void DrawApplicationIcon(IconCanvas& c) {
  // A sheet with an arc through three picked points over its chord.
  c.Fill({{1.5, 1.5}, {22.5, 1.5}, {22.5, 22.5}, {1.5, 22.5}}, 0x5A3A24);
  c.Fill({{3.5, 3.5}, {20.5, 3.5}, {20.5, 20.5}, {3.5, 20.5}}, kPaper);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) c.Dot({6.0 + 4 * i, 6.0 + 4 * j}, 0xE0D6CC, 1.4);
  const Point centre{12, 8};
  c.Arc(centre, 7, 0, 180, kInk, 2);
  c.Line({5, 8}, {19, 8}, kInk, 1.4);
  for (const double a : {0.0, 90.0, 180.0}) c.Dot(Polar(centre, 7, a), kAccent, 2.6);
}

}  // namespace korvo::icons
