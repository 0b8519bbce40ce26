// The records of texts, block references and polylines, byte for byte.
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "core/polyline_entity.h"
#include "core/text_entity.h"
#include "core/vertex_entity.h"
#include "platform/text_format.h"
#include "tests/exchange/dxf_test_support.h"
#include "text/font_loading.h"
#include "text/line_type.h"

namespace korvo {
namespace {

constexpr double kPi = std::numbers::pi;

class DxfCompoundRecords : public ::testing::Test {
 protected:
  DxfCompoundRecords() { drawing.New(); }

  std::string Entities() { return testing::EntitiesSection(testing::DxfText(drawing)); }

  // The common head on layer "0" with line type, colour and line weight by layer.
  static std::string Head(const char* kind, const char* handle) {
    return std::string("0\n") + kind + "\n5\n" + handle +
           "\n100\nAcDbEntity\n8\n0\n6\nBYLAYER\n 62\n   256\n370\n-1\n";
  }

  Drawing drawing;
};

// Other readers run the lines of one TEXT together: each line is a TEXT of its own. The text
// is turned a quarter, so the second line stands one line spacing (5/3 of the height 2.5,
// the TXT font's spacing) to the right of the first: at x = 1 + 4.166667.
TEST_F(DxfCompoundRecords, LeftAlignedTextWritesEachLineAsATextOfItsOwn) {
  drawing.entities.AddTail(new TextEntity(Point(1, 2), 2.5, kPi / 2, 0.8, kPi / 12, 0, kAlignLeft,
                                          u"A B\nC^\u00E9\u0416", drawing.settings));
  const std::string tail =
      "50\n90.000000\n51\n15.000000\n7\nSTANDARD\n71\n0\n72\n0\n100\nAcDbText\n";
  EXPECT_EQ(Entities(), Head("TEXT", "702") +
                            "100\nAcDbText\n10\n1.000000\n20\n2.000000\n30\n0.0\n"
                            "40\n2.500000\n41\n0.800000\n1\nA B\n" +
                            tail + Head("TEXT", "703") +
                            "100\nAcDbText\n10\n5.166667\n20\n2.000000\n30\n0.0\n"
                            "40\n2.500000\n41\n0.800000\n1\nC^ \xE9\\U+0416\n" +
                            tail);
}

// Lines of an aligned text all start where the widest line starts, so each goes left-aligned
// from there; an empty line draws nothing and writes nothing.
TEST_F(DxfCompoundRecords, AlignedLinesStartTogetherAndEmptyLinesAreLeftOut) {
  StrokeFont& font = *drawing.settings.currentTextStyle->font;
  LoadGlyphs(font, u"H");
  const Glyph* glyph = GetGlyph(font, u'H');
  ASSERT_NE(glyph, nullptr);
  const double width = glyph->rightExtent;  // of "H", the widest line
  drawing.entities.AddTail(
      new TextEntity(Point(10, 4), 2, 0, 1, 0, 0, kAlignRight, u"H\n\nH", drawing.settings));
  const std::string text = Entities();
  const std::string x = "10\n" + FormatFixed(10 - width * 2) + "\n";
  // Line 3 is two line spacings down: 4 - 2 * 2 * 5/3.
  EXPECT_NE(text.find(x + "20\n4.000000\n"), std::string::npos) << text;
  EXPECT_NE(text.find(x + "20\n-2.666667\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("5\n704\n"), std::string::npos) << "only two records";
  EXPECT_EQ(text.find("11\n"), std::string::npos) << "no record is aligned";
}

TEST_F(DxfCompoundRecords, MirroredTextWritesPositiveSizesAndTheMirrorBits) {
  auto* style = new TextStyle(u"My Style", u"TXT", 0, 1, 0, 0);
  drawing.textStyles.Add(style);
  drawing.settings.currentTextStyle = style;
  auto* text = new TextEntity(Point(0, 0), 2, 0, 1, 0, 0, kAlignLeft, u"x", drawing.settings);
  // Only a mirroring scaling leaves these negative.
  text->height = -2;
  text->widthFactor = -0.5;
  drawing.entities.AddTail(text);
  EXPECT_NE(Entities().find("40\n2.000000\n41\n0.500000\n1\nx\n50\n0.000000\n51\n0.000000\n"
                            "7\nMy_Style\n71\n6\n72\n0\n"),
            std::string::npos);
}

TEST_F(DxfCompoundRecords, AlignedTextGivesTheBaselineStartAndTheInsertionPoint) {
  struct Case {
    const char* name;
    uint8_t alignment;
  } cases[] = {{"right", kAlignRight}, {"centre", kAlignCenter}};
  StrokeFont& font = *drawing.settings.currentTextStyle->font;
  // The extents come from the strokes, once they are read.
  LoadGlyphs(font, u"H");
  const Glyph* glyph = GetGlyph(font, u'H');
  ASSERT_NE(glyph, nullptr);
  // A single H: its ink runs from its left to its right extent.
  const double width = glyph->rightExtent;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    drawing.entities.DeleteAll();
    drawing.entities.AddTail(
        new TextEntity(Point(10, 4), 2, kPi / 2, 1, 0, 0, c.alignment, u"H", drawing.settings));
    // Centring takes the first glyph's left extent into account: (W + left) / 2.
    const double offset = c.alignment == kAlignRight ? -width : -(width + glyph->leftExtent) / 2;
    ASSERT_LT(offset, 0);
    // The text runs upwards: the baseline start lies below the insertion point.
    const std::string expected = "10\n" + FormatFixed(10.0) + "\n20\n" +
                                 FormatFixed(4 + offset * 2) +
                                 "\n30\n0.0\n11\n10.000000\n21\n4.000000\n31\n0.0\n40\n";
    EXPECT_NE(Entities().find(expected), std::string::npos) << Entities();
    EXPECT_NE(Entities().find("71\n0\n72\n" + std::to_string(c.alignment) + "\n"),
              std::string::npos);
  }
}

TEST_F(DxfCompoundRecords, InsertIsFollowedByItsAttachedEntitiesWithoutSeqend) {
  auto* insert = new InsertEntity(u"Door 1", Point(5, 6), 2, 3, kPi / 2, drawing.settings);
  insert->attached.AddTail(new LineEntity(0, 0, 1, 1, drawing.settings));
  auto* erased = new LineEntity(2, 2, 3, 3, drawing.settings);
  erased->flags |= EntityFlag::Erased;
  insert->attached.AddTail(erased);
  insert->attached.AddTail(new LineEntity(4, 4, 5, 5, drawing.settings));
  drawing.entities.AddTail(insert);
  drawing.entities.AddTail(new LineEntity(7, 7, 8, 8, drawing.settings));
  const std::string section = Entities();
  EXPECT_EQ(section.find(Head("INSERT", "702") +
                         "100\nAcDbBlockReference\n66\n0\n2\nDoor 1\n10\n5.000000\n20\n6.000000\n"
                         "30\n0.0\n41\n2.000000\n42\n3.000000\n50\n90.000000\n" +
                         Head("LINE", "703")),
            0u)
      << section;
  EXPECT_NE(section.find(Head("LINE", "704") + "100\nAcDbLine\n10\n4.000000\n"), std::string::npos);
  EXPECT_NE(section.find(Head("LINE", "705") + "100\nAcDbLine\n10\n7.000000\n"), std::string::npos);
  EXPECT_EQ(section.find("SEQEND"), std::string::npos);
}

TEST_F(DxfCompoundRecords, ClosedSplineFitPolylineWritesEveryVertex) {
  auto* layer = new Layer(u"Pipe Work", 3, &ContinuousLineType(), -3.0);
  drawing.layers.Add(layer);
  drawing.settings.currentLayer = layer;
  drawing.settings.currentColorIndex = 5;
  drawing.settings.currentLineWeight = 0.5;
  auto* polyline = new PolylineEntity(drawing.settings);
  polyline->AppendVertex(0, 0, 0, 0, 0, VertexFlag::SplineFrame, 0);
  polyline->AppendVertex(1, 0.5, 0.25, 0.5, 0, VertexFlag::SplineFit, 0.75);
  polyline->AppendVertex(4, 0, 0, 0, 0, VertexFlag::SplineFrame, 0);
  polyline->AppendVertex(2, 3, 0, 0, 0.5, VertexFlag::SplineFit, 0);
  polyline->polylineFlags = PolylineFlag::Closed | PolylineFlag::SplineFit;
  polyline->curveType = PolylineCurve::Cubic;
  drawing.entities.AddTail(polyline);

  auto vertex = [](const char* handle, const char* values) {
    return std::string("0\nVERTEX\n5\n") + handle +
           "\n100\nAcDbEntity\n8\nPipe_Work\n6\nBYLAYER\n62\n5\n370\n50\n"
           "100\nAcDbVertex\n100\nAcDb2dVertex\n" +
           values;
  };
  EXPECT_EQ(Entities(),
            "0\nPOLYLINE\n5\n703\n100\nAcDbEntity\n8\nPipe_Work\n6\nBYLAYER\n 62\n     5\n"
            "370\n50\n100\nAcDb2dPolyline\n10\n0.0\n20\n0.0\n30\n0.0\n 70\n5\n 75\n6\n" +
                vertex("704",
                       "10\n0.000000\n20\n0.000000\n30\n0\n40\n0.000000\n41\n0.000000\n"
                       "42\n0.000000\n50\n0.000000\n70\n16\n") +
                vertex("705",
                       "10\n1.000000\n20\n0.500000\n30\n0\n40\n0.250000\n41\n0.500000\n"
                       "42\n0.000000\n50\n0.750000\n70\n8\n") +
                vertex("706",
                       "10\n4.000000\n20\n0.000000\n30\n0\n40\n0.000000\n41\n0.000000\n"
                       "42\n0.000000\n50\n0.000000\n70\n16\n") +
                vertex("707",
                       "10\n2.000000\n20\n3.000000\n30\n0\n40\n0.000000\n41\n0.000000\n"
                       "42\n0.500000\n50\n0.000000\n70\n8\n") +
                "0\nSEQEND\n5\n708\n100\nAcDbEntity\n8\nPipe_Work\n62\n5\n");
}

TEST_F(DxfCompoundRecords, VertexLineWeightText) {
  struct Case {
    const char* name;
    double lineWeight;
    const char* expected;  // between the colour and the subclass markers
  } cases[] = {
      {"by layer writes nothing", -1.0, ""},
      {"by block", -2.0, "370\n-2\n"},
      {"default", -3.0, "370\n-3\n"},
      {"hundredths", 0.35, "370\n35\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    drawing.entities.DeleteAll();
    auto* polyline = new PolylineEntity(drawing.settings);
    polyline->lineWeight = c.lineWeight;
    polyline->AppendVertex(0, 0, 0, 0, 0, 0, 0);
    polyline->AppendVertex(1, 1, 0, 0, 0, 0, 0);
    drawing.entities.AddTail(polyline);
    EXPECT_NE(Entities().find(std::string("62\n256\n") + c.expected + "100\nAcDbVertex\n"),
              std::string::npos);
  }
}

TEST_F(DxfCompoundRecords, VerticesNameTheLineTypeAsTheLineTypeTableDoes) {
  auto* dashDot = new LineType(u"DASH DOT", u"", u"1,-0.5,0,-0.5");
  drawing.lineTypes.Add(dashDot);
  drawing.settings.currentLineType = dashDot;
  auto* polyline = new PolylineEntity(drawing.settings);
  polyline->AppendVertex(0, 0, 0, 0, 0, 0, 0);
  polyline->AppendVertex(1, 1, 0, 0, 0, 0, 0);
  drawing.entities.AddTail(polyline);
  const std::string text = testing::DxfText(drawing);
  EXPECT_NE(text.find("AcDbLinetypeTableRecord\n2\nDASH DOT\n"), std::string::npos);
  const std::string section = testing::EntitiesSection(text);
  EXPECT_NE(section.find("0\nPOLYLINE\n5\n703\n100\nAcDbEntity\n8\n0\n6\nDASH DOT\n"),
            std::string::npos);
  EXPECT_NE(section.find("0\nVERTEX\n5\n704\n100\nAcDbEntity\n8\n0\n6\nDASH DOT\n62\n"),
            std::string::npos);
  EXPECT_NE(section.find("0\nVERTEX\n5\n705\n100\nAcDbEntity\n8\n0\n6\nDASH DOT\n62\n"),
            std::string::npos);
}

TEST_F(DxfCompoundRecords, PolylineWithTooFewVerticesIsLeftOut) {
  auto* polyline = new PolylineEntity(drawing.settings);
  polyline->AppendVertex(0, 0, 0, 0, 0, 0, 0);
  drawing.entities.AddTail(polyline);
  drawing.entities.AddTail(new PolylineEntity(drawing.settings));
  EXPECT_EQ(Entities(), "");
}

}  // namespace
}  // namespace korvo
