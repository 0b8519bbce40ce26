// DXF files written by an independent writer (the ezdxf module of the distribution's
// packages) for every release it writes, ASCII and binary, read back entity by entity
// against what the writer was asked to write (the .expected file beside each).
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/polyline_entity.h"
#include "core/solid_entity.h"
#include "core/text_entity.h"
#include "core/text_style.h"
#include "core/vertex_entity.h"
#include "exchange/dxf_import.h"
#include "platform/message_box.h"
#include "platform/utf16.h"
#include "tests/support/scratch_folder.h"
#include "text/line_type.h"

namespace korvo {
namespace {

constexpr const char* kPython = "/usr/bin/python3";
constexpr double kTolerance = 1e-9;

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', begin);
    fields.push_back(
        line.substr(begin, tab == std::string::npos ? std::string::npos : tab - begin));
    if (tab == std::string::npos) return fields;
    begin = tab + 1;
  }
}

// One expected line: its fields after the kind, read as numbers or names on demand.
struct Expected {
  std::vector<std::string> fields;
  std::size_t next = 1;

  std::string Name() { return next < fields.size() ? fields[next++] : std::string(); }
  std::u16string Text() { return Utf8ToUtf16(Name()); }
  // NaN for "*": not compared.
  double Number() {
    const std::string field = Name();
    return field == "*" ? std::nan("") : std::stod(field);
  }
};

void ExpectNear(double actual, double expected, const char* what) {
  if (std::isnan(expected)) return;
  EXPECT_NEAR(actual, expected, kTolerance * std::max(1.0, std::fabs(expected))) << what;
}

void ExpectPoint(const Point& actual, Expected& e, const char* what) {
  const double x = e.Number();
  const double y = e.Number();
  ExpectNear(actual.x, x, what);
  ExpectNear(actual.y, y, what);
}

void ExpectCommon(const Entity& entity, Expected& e) {
  ASSERT_NE(entity.layer, nullptr);
  EXPECT_TRUE(EqualsNoCase(entity.layer->name, e.Text())) << Utf16ToUtf8(entity.layer->name);
  EXPECT_EQ(entity.colorIndex, e.Number());
}

void ExpectText(const Entity& entity, Expected& e) {
  const TextEntity* text = entity.AsText();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->content, e.Text());
  ExpectPoint(text->insertionPoint, e, "insertion point");
  ExpectNear(text->height, e.Number(), "height");
  ExpectNear(text->rotation, e.Number(), "rotation");
  EXPECT_EQ(text->horizontalAlignment, e.Number());
  EXPECT_EQ(text->generationFlags, e.Number());
  ASSERT_NE(text->style, nullptr);
  EXPECT_TRUE(EqualsNoCase(text->style->name, e.Text()));
  ExpectNear(text->widthFactor, e.Number(), "width factor");
}

void ExpectEntity(const std::string& kind, const Entity& entity, Expected& e) {
  if (kind != "ATTRIB") ExpectCommon(entity, e);
  if (kind == "LINE") {
    ASSERT_NE(entity.AsLine(), nullptr);
    ExpectPoint(entity.AsLine()->start, e, "start");
    ExpectPoint(entity.AsLine()->end, e, "end");
  } else if (kind == "POINT") {
    ASSERT_NE(entity.AsPoint(), nullptr);
    ExpectPoint(entity.AsPoint()->position, e, "position");
  } else if (kind == "CIRCLE") {
    const CircleEntity* circle = entity.AsCircle();
    ASSERT_NE(circle, nullptr);
    ExpectPoint(circle->center, e, "centre");
    ExpectNear(circle->radius, e.Number(), "radius");
    ExpectNear(circle->ratio, e.Number(), "ratio");
    ExpectNear(circle->rotation, e.Number(), "rotation");
  } else if (kind == "ARC" || kind == "ELLIPSE") {
    const ArcEntity* arc = entity.AsArc();
    ASSERT_NE(arc, nullptr);
    ExpectPoint(arc->center, e, "centre");
    ExpectNear(arc->radius, e.Number(), "radius");
    if (kind == "ELLIPSE") ExpectNear(arc->ratio, e.Number(), "ratio");
    ExpectPoint(arc->StartPoint(), e, "start point");
    ExpectPoint(arc->EndPoint(), e, "end point");
    if (kind == "ARC") ExpectNear(arc->endAngle - arc->startAngle, e.Number(), "span");
  } else if (kind == "SOLID" || kind == "TRACE") {
    const SolidEntity* solid = entity.AsSolid();
    ASSERT_NE(solid, nullptr);
    EXPECT_EQ(entity.AsTrace() != nullptr, kind == "TRACE");
    for (const Point& corner : solid->corners) ExpectPoint(corner, e, "corner");
  } else if (kind == "TEXT" || kind == "ATTRIB") {
    if (kind == "ATTRIB") {
      ASSERT_NE(entity.AsText(), nullptr);
      EXPECT_EQ(entity.AsText()->content, e.Text());
      ExpectPoint(entity.AsText()->insertionPoint, e, "attribute");
      ExpectNear(entity.AsText()->height, e.Number(), "height");
    } else {
      ExpectText(entity, e);
    }
  } else if (kind == "INSERT") {
    const InsertEntity* insert = entity.AsInsert();
    ASSERT_NE(insert, nullptr);
    ASSERT_EQ(entity.AsPolyline(), nullptr);
    EXPECT_TRUE(EqualsNoCase(insert->blockName, e.Text()));
    ExpectPoint(insert->insertionPoint, e, "insertion point");
    ExpectNear(insert->xScale, e.Number(), "x scale");
    ExpectNear(insert->yScale, e.Number(), "y scale");
    ExpectNear(insert->rotation, e.Number(), "rotation");
    EXPECT_EQ(insert->attached.size(), e.Number());
    EXPECT_FALSE(insert->expanded.empty()) << "the block was found and expanded";
  } else if (kind == "POLYLINE") {
    const PolylineEntity* polyline = entity.AsPolyline();
    ASSERT_NE(polyline, nullptr);
    EXPECT_EQ(polyline->polylineFlags, e.Number());
    ASSERT_EQ(polyline->vertexList.size(), e.Number());
    for (const Entity* member : polyline->vertexList) {
      const VertexEntity* vertex = member->AsVertex();
      ASSERT_NE(vertex, nullptr);
      ExpectPoint(vertex->position, e, "vertex");
      ExpectNear(vertex->startWidth, e.Number(), "start width");
      ExpectNear(vertex->endWidth, e.Number(), "end width");
      ExpectNear(vertex->bulge, e.Number(), "bulge");
      EXPECT_EQ(vertex->vertexFlags, e.Number());
    }
  } else {
    ADD_FAILURE() << "unknown expectation " << kind;
  }
}

void ExpectTables(const std::string& kind, const Drawing& drawing, Expected& e) {
  if (kind == "LAYER") {
    const std::u16string name = e.Text();
    const Layer* layer = drawing.layers.Find(name);
    ASSERT_NE(layer, nullptr) << Utf16ToUtf8(name);
    EXPECT_EQ(layer->name, name);
    EXPECT_EQ(layer->colorIndex, e.Number());
    ASSERT_NE(layer->lineType, nullptr);
    EXPECT_TRUE(EqualsNoCase(layer->lineType->name, e.Text()));
    EXPECT_EQ(layer->lineWeight, e.Number());
    EXPECT_EQ(layer->flags, e.Number());
  } else if (kind == "LTYPE") {
    const LineType* type = drawing.lineTypes.Find(e.Text());
    ASSERT_NE(type, nullptr);
    std::vector<double> pattern;
    for (std::size_t i = e.next; i < e.fields.size(); ++i) pattern.push_back(e.Number());
    EXPECT_EQ(type->pattern, pattern);
  } else if (kind == "STYLE") {
    const TextStyle* style = drawing.textStyles.Find(e.Text());
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->FontName(), e.Text());
    ExpectNear(style->widthFactor, e.Number(), "width factor");
  } else if (kind == "BLOCK") {
    const BlockDefinition* block = drawing.blocks.Find(e.Text());
    ASSERT_NE(block, nullptr);
    ExpectPoint(block->basePoint, e, "base point");
    EXPECT_EQ(block->size(), e.Number());
  } else if (kind == "LIMITS") {
    ExpectPoint(drawing.settings.limitsMin, e, "lower limit");
    ExpectPoint(drawing.settings.limitsMax, e, "upper limit");
  } else if (kind == "CLAYER") {
    ASSERT_NE(drawing.settings.currentLayer, nullptr);
    EXPECT_EQ(drawing.settings.currentLayer->name, e.Text());
  }
}

class DxfImportEzdxf : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new testing::ScratchFolder("korvocad_ezdxf_files");
    const std::string script =
        std::string(KORVOCAD_SOURCE_DIR) + "/tests/exchange/data/ezdxf_drawings.py";
    const std::string command = std::string(kPython) + " " + script + " " +
                                folder_->path().string() + " 2>" +
                                (folder_->path() / "errors.txt").string();
    status_ = std::system(command.c_str());
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  void SetUp() override {
    // scripts/install-deps.sh installs python3-ezdxf: without it the set-up is broken.
    std::ifstream errors(folder_->path() / "errors.txt");
    const std::string text(std::istreambuf_iterator<char>(errors), {});
    ASSERT_EQ(status_, 0) << "the ezdxf writer failed (is python3-ezdxf installed?)\n" << text;
  }

  static testing::ScratchFolder* folder_;
  static int status_;
};
testing::ScratchFolder* DxfImportEzdxf::folder_ = nullptr;
int DxfImportEzdxf::status_ = -1;

TEST_F(DxfImportEzdxf, EveryReleaseAsciiAndBinaryReadsAsWritten) {
  const char* releases[] = {"R12", "R2000", "R2004", "R2007", "R2010", "R2013", "R2018"};
  for (const char* release : releases) {
    for (const char* form : {"ascii", "binary"}) {
      const std::string name = std::string(release) + "_" + form;
      SCOPED_TRACE(name);
      RecordingMessageBox messages;
      Drawing drawing;
      const OpenResult result = ImportDxf(folder_->path() / (name + ".dxf"), drawing, messages);
      ASSERT_TRUE(result.opened);
      ASSERT_EQ(messages.Messages().size(), 1u) << "one note of what was skipped";
      const std::string note = Utf16ToUtf8(messages.Messages()[0].text);
      EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Information);

      std::ifstream in(folder_->path() / (name + ".expected"));
      ASSERT_TRUE(in.good());
      std::vector<const Entity*> entities(drawing.entities.begin(), drawing.entities.end());
      std::size_t index = 0;
      const InsertEntity* lastInsert = nullptr;
      std::size_t attribute = 0;
      int lineNumber = 0;
      for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        Expected e{Split(line)};
        const std::string& kind = e.fields[0];
        SCOPED_TRACE(::testing::Message() << "expected line " << lineNumber << ": " << line);
        if (kind == "SKIP") {
          const std::string what = e.Name();
          const std::string count = std::to_string(static_cast<int>(e.Number()));
          EXPECT_NE(note.find(count + " " + what), std::string::npos) << note;
        } else if (kind == "ATTRIB") {
          ASSERT_NE(lastInsert, nullptr);
          ASSERT_LT(attribute, lastInsert->attached.size());
          auto position = lastInsert->attached.begin();
          std::advance(position, static_cast<std::ptrdiff_t>(attribute++));
          ExpectEntity(kind, **position, e);
        } else if (kind == "LINE" || kind == "POINT" || kind == "CIRCLE" || kind == "ARC" ||
                   kind == "ELLIPSE" || kind == "SOLID" || kind == "TRACE" || kind == "TEXT" ||
                   kind == "INSERT" || kind == "POLYLINE") {
          ASSERT_LT(index, entities.size());
          const Entity& entity = *entities[index++];
          ExpectEntity(kind, entity, e);
          lastInsert = kind == "INSERT" ? entity.AsInsert() : nullptr;
          attribute = 0;
        } else {
          ExpectTables(kind, drawing, e);
        }
      }
      EXPECT_EQ(index, entities.size()) << "no entity more than was written";
    }
  }
}

}  // namespace
}  // namespace korvo
