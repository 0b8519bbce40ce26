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

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/ellipse_entity.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/solid_entity.h"
#include "core/trace_entity.h"
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

bool ReaderAvailable() {
  if (!std::filesystem::exists(kPython)) return false;
  const std::string command = std::string(kPython) + " -c 'import ezdxf' >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

class DxfIndependentReader : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ReaderAvailable()) GTEST_SKIP() << "the python3-ezdxf package is not installed";
    folder_ = std::filesystem::temp_directory_path() /
              ("korvocad_dxf_reader_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code error;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, error);
  }

  // Exports, runs the reader and returns its lines keyed by their first word (repeated keys
  // keep every line, in order).
  std::multimap<std::string, std::string> Read(const Drawing& drawing) {
    const std::filesystem::path dxf = folder_ / "drawing.dxf";
    const std::filesystem::path script = folder_ / "read.py";
    const std::filesystem::path output = folder_ / "output.txt";
    RecordingMessageBox messages;
    EXPECT_TRUE(ExportDxf(drawing, dxf, messages));
    std::ofstream(script) << kReaderScript;
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

  std::filesystem::path folder_;
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

}  // namespace
}  // namespace korvo
