// Exported drawings read back by an independent DXF reader (the ezdxf Python module from the
// distribution's packages), which must find them sound and find in them what was drawn.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <numbers>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/ellipse_entity.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/polyline_entity.h"
#include "core/solid_entity.h"
#include "core/text_entity.h"
#include "core/trace_entity.h"
#include "core/vertex_entity.h"
#include "platform/message_box.h"
#include "tests/exchange/dxf_test_support.h"
#include "text/line_type.h"

namespace korvo {
namespace {

// The distribution's interpreter: its modules are the distribution's packages.
constexpr const char* kPython = "/usr/bin/python3";

// Prints what the reader found, one "key value..." per line.
constexpr const char* kReaderScript = R"(
import sys
from collections import Counter
import ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("errors", len(auditor.errors))
for error in auditor.errors:
    print("error_text", error.message)
msp = doc.modelspace()
for kind, count in sorted(Counter(e.dxftype() for e in msp).items()):
    print("count", kind, count)
def first(kind):
    return msp.query(kind)[0]
line = first("LINE")
print("line", line.dxf.start.x, line.dxf.start.y, line.dxf.end.x, line.dxf.end.y, line.dxf.layer)
print("line_linetype", line.dxf.linetype)
circle = first("CIRCLE")
print("circle", circle.dxf.center.x, circle.dxf.center.y, circle.dxf.radius)
arc = first("ARC")
print("arc", arc.dxf.start_angle, arc.dxf.end_angle)
for e in msp.query("ELLIPSE"):
    print("ellipse", e.dxf.center.x, e.dxf.major_axis.x, e.dxf.major_axis.y, e.dxf.ratio,
          e.dxf.start_param, e.dxf.end_param)
    print("ellipse_ends", *[c for v in (e.start_point, e.end_point) for c in (v.x, v.y)])
for fix in auditor.fixes:
    print("fix", fix.code)
point = first("POINT")
print("point", point.dxf.location.x, point.dxf.location.y)
solid = first("SOLID")
print("solid", *[c for v in (solid.dxf.vtx0, solid.dxf.vtx1, solid.dxf.vtx2, solid.dxf.vtx3)
                 for c in (v.x, v.y)])
print("layer", "My_Layer" in doc.layers, doc.header["$CLAYER"])
dashed = doc.linetypes.get("DASHED")
print("dashed", len(dashed.pattern_tags.tags) if dashed is not None else -1)
block = doc.blocks.get("Door 1")
print("block", len(block) if block is not None else -1)
print("blocks", sum(1 for b in doc.blocks if not b.name.startswith("*") and not b.name.startswith("_")))
print("handseed", doc.header["$HANDSEED"])
)";

// The same for texts, block references and polylines.
constexpr const char* kCompoundScript = R"(
import sys
from collections import Counter
import ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("errors", len(auditor.errors))
for error in auditor.errors:
    print("error_text", error.message)
msp = doc.modelspace()
for kind, count in sorted(Counter(e.dxftype() for e in msp).items()):
    print("count", kind, count)
for text in msp.query("TEXT"):
    print("text", repr(text.dxf.text), text.dxf.halign, text.dxf.insert.x, text.dxf.insert.y,
          text.dxf.style)
    if text.dxf.hasattr("align_point"):
        print("align_point", text.dxf.align_point.x, text.dxf.align_point.y)
for insert in msp.query("INSERT"):
    print("insert", insert.dxf.name, insert.dxf.insert.x, insert.dxf.insert.y, len(insert.attribs))
for line in msp.query("LINE"):
    print("line", line.dxf.start.x, line.dxf.start.y)
for polyline in msp.query("POLYLINE"):
    print("polyline", polyline.dxf.flags, polyline.dxf.smooth_type, polyline.is_closed,
          len(polyline.vertices))
    print("vertex_flags", *[v.dxf.flags for v in polyline.vertices])
    print("vertex_xy", *[c for v in polyline.vertices for c in (v.dxf.location.x, v.dxf.location.y)])
frame = doc.blocks.get("Frame")
print("frame", *sorted(e.dxftype() for e in frame) if frame is not None else ["missing"])
print("handseed", doc.header["$HANDSEED"])
written = list(msp) + [v for p in msp.query("POLYLINE") for v in p.vertices]
print("max_handle", max(int(e.dxf.handle, 16) for e in written))
)";

bool ReaderAvailable() {
  if (!std::filesystem::exists(kPython)) return false;
  const std::string command = std::string(kPython) + " -c 'import ezdxf' >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

class DxfIndependentReader : public ::testing::Test {
 protected:
  void SetUp() override {
    // scripts/install-deps.sh installs python3-ezdxf: its absence is a set-up fault.
    ASSERT_TRUE(ReaderAvailable())
        << "the python3-ezdxf package is not installed (scripts/install-deps.sh installs it)";
  }

  // Exports, runs the reader and returns its lines keyed by their first word (repeated keys
  // keep every line, in order).
  std::multimap<std::string, std::string> Read(const Drawing& drawing,
                                               const char* readerScript = kReaderScript) {
    const std::filesystem::path dxf = folder_ / "drawing.dxf";
    const std::filesystem::path script = folder_ / "read.py";
    const std::filesystem::path output = folder_ / "output.txt";
    RecordingMessageBox messages;
    EXPECT_TRUE(ExportDxf(drawing, dxf, messages));
    std::ofstream(script) << readerScript;
    const std::string command = std::string(kPython) + " " + script.string() + " " + dxf.string() +
                                " >" + output.string() + " 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(output);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(status, 0) << text;
    std::multimap<std::string, std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
      const std::size_t space = line.find(' ');
      lines.emplace(line.substr(0, space),
                    space == std::string::npos ? std::string() : line.substr(space + 1));
    }
    return lines;
  }

  testing::ScratchFolder scratch_{"korvocad_dxf_reader"};
  const std::filesystem::path folder_ = scratch_.path();
};

std::string Only(const std::multimap<std::string, std::string>& lines, const std::string& key) {
  const auto range = lines.equal_range(key);
  EXPECT_EQ(std::distance(range.first, range.second), 1) << key;
  return range.first == range.second ? std::string() : range.first->second;
}

std::vector<double> Numbers(const std::string& text) {
  std::vector<double> numbers;
  std::istringstream stream(text);
  for (double value; stream >> value;) numbers.push_back(value);
  return numbers;
}

void ExpectNumbers(const std::string& text, const std::vector<double>& expected) {
  const std::vector<double> actual = Numbers(text);
  ASSERT_EQ(actual.size(), expected.size()) << text;
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-6) << i;
}

TEST_F(DxfIndependentReader, ReadsEveryKindSoundAndInPlace) {
  Drawing drawing;
  drawing.New();
  auto* dashed = new LineType(u"DASHED", u"Dashed", u"2,-1");
  drawing.lineTypes.Add(dashed);
  auto* layer = new Layer(u"My Layer", 3, dashed, 0.35);
  drawing.layers.Add(layer);
  drawing.settings.currentLayer = layer;
  drawing.settings.currentLineType = dashed;
  DrawingSettings& s = drawing.settings;
  EntityList parts;
  parts.AddTail(new LineEntity(0, 0, 1, 0, s));
  parts.AddTail(new CircleEntity(Point(0, 0), 0.5, s));
  drawing.blocks.CreateBlock(u"Door 1", parts, Point(), Point(), Size());
  drawing.blocks.CreateBlock(u"\u0414\u0432\u0435\u0440\u044C", parts, Point(), Point(), Size());
  parts.DeleteAll();

  drawing.entities.AddTail(new LineEntity(1.25, 2.5, -3, 4, s));
  drawing.entities.AddTail(new LineEntity(0, 0, 10, 10, s));
  drawing.entities.AddTail(new CircleEntity(Point(5, 6), 2.5, s));
  auto* ellipse = new CircleEntity(Point(7, 0), 4, s);
  ellipse->ratio = 0.5;
  drawing.entities.AddTail(ellipse);
  drawing.entities.AddTail(
      new ArcEntity(s, Point(0, 0), 2, std::numbers::pi / 2, std::numbers::pi));
  drawing.entities.AddTail(new EllipseEntity(s, Point(1, 1), 3, 0.25, 0, 0.5, 2.0));
  // Taller than wide: the reader must find the same curve with the axes swapped.
  drawing.entities.AddTail(new EllipseEntity(s, Point(-5, 0), 1, 2.0, 0, 0, std::numbers::pi));
  drawing.entities.AddTail(new PointEntity(s, 8, 9));
  const Point corners[4] = {{0, 0}, {4, 0}, {4, 3}, {0, 3}};
  drawing.entities.AddTail(new SolidEntity(std::span<const Point, 4>(corners), s));
  drawing.entities.AddTail(new TraceEntity(std::span<const Point, 4>(corners), s));
  auto* erased = new PointEntity(s, 1, 1);
  erased->flags |= EntityFlag::Erased;
  drawing.entities.AddTail(erased);

  const auto lines = Read(drawing);
  std::string errorTexts;
  const auto errors = lines.equal_range("error_text");
  for (auto error = errors.first; error != errors.second; ++error)
    errorTexts += error->second + "\n";
  EXPECT_EQ(Only(lines, "errors"), "0") << errorTexts;
  const std::multimap<std::string, std::string> expectedCounts = {
      {"count", "ARC 1"},   {"count", "CIRCLE 1"}, {"count", "ELLIPSE 3"}, {"count", "LINE 2"},
      {"count", "POINT 1"}, {"count", "SOLID 1"},  {"count", "TRACE 1"}};
  const auto counts = lines.equal_range("count");
  const std::multimap<std::string, std::string> actualCounts(counts.first, counts.second);
  EXPECT_EQ(actualCounts, expectedCounts);

  const std::string line = Only(lines, "line");
  EXPECT_TRUE(line.ends_with(" My_Layer")) << line;
  ExpectNumbers(line.substr(0, line.rfind(' ')), {1.25, 2.5, -3, 4});
  EXPECT_EQ(Only(lines, "line_linetype"), "DASHED");
  ExpectNumbers(Only(lines, "circle"), {5, 6, 2.5});
  ExpectNumbers(Only(lines, "arc"), {90, 180});
  const auto ellipses = lines.equal_range("ellipse");
  ASSERT_EQ(std::distance(ellipses.first, ellipses.second), 3);
  ExpectNumbers(ellipses.first->second, {7, 4, 0, 0.5, 0, 2 * std::numbers::pi});
  ExpectNumbers(std::next(ellipses.first)->second, {1, 3, 0, 0.25, 0.5, 2.0});
  ExpectNumbers(std::next(ellipses.first, 2)->second,
                {-5, 0, 2, 0.5, -std::numbers::pi / 2, std::numbers::pi / 2});
  // From (−4, 0) counter-clockwise over the top to (−6, 0).
  const auto ends = lines.equal_range("ellipse_ends");
  ASSERT_EQ(std::distance(ends.first, ends.second), 3);
  ExpectNumbers(std::next(ends.first, 2)->second, {-4, 0, -6, 0});
  // Only the fixed template's dictionaries (owner handles) need the reader's help.
  const auto fixes = lines.equal_range("fix");
  for (auto fix = fixes.first; fix != fixes.second; ++fix) EXPECT_EQ(fix->second, "202");
  ExpectNumbers(Only(lines, "point"), {8, 9});
  ExpectNumbers(Only(lines, "solid"), {0, 0, 4, 0, 0, 3, 4, 3});
  EXPECT_EQ(Only(lines, "layer"), "True My_Layer");
  EXPECT_EQ(Only(lines, "block"), "2");
  EXPECT_EQ(Only(lines, "blocks"), "2");
  EXPECT_NE(Only(lines, "dashed"), "-1");
}

TEST_F(DxfIndependentReader, ReadsTextsReferencesAndPolylines) {
  Drawing drawing;
  drawing.New();
  DrawingSettings& s = drawing.settings;
  EntityList parts;
  parts.AddTail(new LineEntity(0, 0, 1, 0, s));
  drawing.blocks.CreateBlock(u"Door 1", parts, Point(), Point(), Size());
  parts.DeleteAll();
  // A block holding a text, a polyline and a reference to the first block.
  parts.AddTail(new TextEntity(Point(0, 1), 1, 0, 1, 0, 0, kAlignCenter, u"Tag", s));
  auto* outline = new PolylineEntity(s);
  outline->AppendVertex(0, 0, 0, 0, 0, 0, 0);
  outline->AppendVertex(2, 0, 0, 0, 1, 0, 0);
  parts.AddTail(outline);
  parts.AddTail(new InsertEntity(u"Door 1", Point(3, 0), 1, 1, 0, s));
  drawing.blocks.CreateBlock(u"Frame", parts, Point(), Point(), Size());
  parts.DeleteAll();

  drawing.entities.AddTail(new TextEntity(Point(1, 2), 2.5, 0, 1, 0, 0, kAlignLeft, u"A B\nC", s));
  drawing.entities.AddTail(new TextEntity(Point(20, 0), 2, 0, 1, 0, 0, kAlignRight, u"H", s));
  auto* insert = new InsertEntity(u"Door 1", Point(5, 6), 1, 1, 0, s);
  insert->attached.AddTail(new LineEntity(7, 8, 9, 9, s));
  drawing.entities.AddTail(insert);
  drawing.entities.AddTail(new LineEntity(-1, -2, 0, 0, s));
  auto* polyline = new PolylineEntity(s);
  polyline->AppendVertex(0, 0, 0, 0, 0, VertexFlag::SplineFrame, 0);
  polyline->AppendVertex(1, 0.5, 0, 0, 0, VertexFlag::SplineFit, 0);
  polyline->AppendVertex(4, 0, 0, 0, 0, VertexFlag::SplineFrame, 0);
  polyline->AppendVertex(2, 3, 0, 0, 0, VertexFlag::SplineFrame, 0);
  polyline->polylineFlags = PolylineFlag::Closed | PolylineFlag::SplineFit;
  polyline->curveType = PolylineCurve::Quadratic;
  drawing.entities.AddTail(polyline);

  const auto lines = Read(drawing, kCompoundScript);
  std::string errorTexts;
  const auto errors = lines.equal_range("error_text");
  for (auto error = errors.first; error != errors.second; ++error)
    errorTexts += error->second + "\n";
  EXPECT_EQ(Only(lines, "errors"), "0") << errorTexts;
  const std::multimap<std::string, std::string> expectedCounts = {
      {"count", "INSERT 1"}, {"count", "LINE 2"}, {"count", "POLYLINE 1"}, {"count", "TEXT 3"}};
  const auto counts = lines.equal_range("count");
  const std::multimap<std::string, std::string> actualCounts(counts.first, counts.second);
  EXPECT_EQ(actualCounts, expectedCounts);

  // Each line of the two-line text is a TEXT of its own, the second one line spacing
  // (5/3 of the height 2.5) below the first.
  const auto texts = lines.equal_range("text");
  ASSERT_EQ(std::distance(texts.first, texts.second), 3);
  auto text = texts.first;
  EXPECT_TRUE(text->second.starts_with("'A B' 0 ")) << text->second;
  ExpectNumbers(text->second.substr(8, text->second.rfind(' ') - 8), {1, 2});
  ++text;
  EXPECT_TRUE(text->second.starts_with("'C' 0 ")) << text->second;
  ExpectNumbers(text->second.substr(6, text->second.rfind(' ') - 6), {1, 2 - 2.5 * 1.6666666});
  ++text;
  EXPECT_TRUE(text->second.starts_with("'H' 2 ")) << text->second;
  ExpectNumbers(Only(lines, "align_point"), {20, 0});

  EXPECT_TRUE(Only(lines, "insert").starts_with("Door 1 ")) << Only(lines, "insert");
  ExpectNumbers(Only(lines, "insert").substr(7), {5, 6, 0});
  // The attached line survives as an ordinary entity after the reference.
  const auto lineStarts = lines.equal_range("line");
  ASSERT_EQ(std::distance(lineStarts.first, lineStarts.second), 2);
  ExpectNumbers(lineStarts.first->second, {7, 8});

  EXPECT_EQ(Only(lines, "frame"), "INSERT POLYLINE TEXT");
  EXPECT_EQ(Only(lines, "polyline"), "5 5 True 4");
  EXPECT_EQ(Only(lines, "vertex_flags"), "16 8 16 16");
  ExpectNumbers(Only(lines, "vertex_xy"), {0, 0, 1, 0.5, 4, 0, 2, 3});
  // New objects numbered from the header's seed cannot collide with the entities' handles.
  const uint32_t seed = static_cast<uint32_t>(std::stoul(Only(lines, "handseed"), nullptr, 16));
  EXPECT_GT(seed, std::stoul(Only(lines, "max_handle")));
}

}  // namespace
}  // namespace korvo

namespace korvo {
namespace {

constexpr const char* kArcScript = R"(
import sys
import ezdxf
doc = ezdxf.readfile(sys.argv[1])
for arc in doc.modelspace().query("ARC"):
    print("arc", arc.dxf.start_angle, arc.dxf.end_angle)
    print("span", arc.construction_tool().angle_span)
)";

// A full turn reaches an independent reader as a whole circle, not as an empty arc.
TEST_F(DxfIndependentReader, AFullTurnArcIsReadAsTheWholeCircle) {
  Drawing drawing;
  drawing.New();
  drawing.entities.AddTail(new ArcEntity(drawing.settings, Point(1, 2), 3, std::numbers::pi / 6,
                                         std::numbers::pi / 6 + 2 * std::numbers::pi));
  const auto lines = Read(drawing, kArcScript);
  ExpectNumbers(Only(lines, "arc"), {30, 390});
  ExpectNumbers(Only(lines, "span"), {360});
}

}  // namespace
}  // namespace korvo
