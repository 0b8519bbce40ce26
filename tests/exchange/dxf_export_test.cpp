#include "exchange/dxf_export.h"

#include <algorithm>
#include <charconv>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "core/circle_entity.h"
#include "core/line_entity.h"
#include "tests/exchange/dxf_test_support.h"
#include "tests/support/decimal_comma_locale.h"
#include "text/line_type.h"

namespace korvo {
namespace {

using testing::Between;
using testing::DxfText;
using testing::EntitiesSection;
using testing::Groups;

std::size_t Count(const std::string& text, std::string_view what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++count;
  return count;
}

TEST(DxfExport, EmptyDrawingGivesTheFixedFileWithItsLayerAndStyleRecords) {
  Drawing drawing;
  drawing.New();
  const std::string text = DxfText(drawing);

  EXPECT_EQ(text.rfind("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1014\n9\n$ACADMAINTVER\n70\n0\n"
                       "9\n$DWGCODEPAGE\n3\nANSI_1252\n",
                       0),
            0u);
  EXPECT_TRUE(text.ends_with("0\nENDSEC\n0\nEOF\n"));
  EXPECT_EQ(text.find('\x01'), std::string::npos) << "a placeholder was left in the file";
  EXPECT_EQ(Count(Between(text, "HEADER", "0\nENDSEC\n"), "9\n$"), 164u);
  EXPECT_EQ(Count(Between(text, "CLASSES", "0\nENDSEC\n"), "0\nCLASS\n"), 24u);

  // The first handle written by code is 700, on the layer record of layer "0".
  EXPECT_NE(text.find("0\nTABLE\n2\nLAYER\n5\n2\n100\nAcDbSymbolTable\n70\n1\n"
                      "0\nLAYER\n5\n700\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n"
                      "2\n0\n70\n     0\n62\n     7\n6\nCONTINUOUS\n370\n-3\n0\nENDTAB\n"),
            std::string::npos);
  // STANDARD uses TXT, whose font file has a description: the second form.
  EXPECT_NE(
      text.find("0\nTABLE\n2\nSTYLE\n5\n3\n100\nAcDbSymbolTable\n70\n1\n"
                "0\nSTYLE\n5\n701\n100\nAcDbSymbolTableRecord\n100\nAcDbTextStyleTableRecord\n"
                "2\nSTANDARD\n70\n0\n40\n0.000000\n41\n1.000000\n50\n0.000000\n71\n0\n"
                "42\n0.0\n3\nSimplex roman, default font (Hershey)\n4\n\n"
                "1001\nACAD\n1000\nTXT\n1071\n       34\n0\nENDTAB\n"),
      std::string::npos);
  EXPECT_NE(text.find("0\nTABLE\n2\nLTYPE\n5\n5\n100\nAcDbSymbolTable\n70\n3\n0\nLTYPE\n5\n12\n"),
            std::string::npos);
  EXPECT_NE(text.find("2\nCONTINUOUS\n70\n64\n3\nSolid line\n72\n65\n73\n0\n40\n0.0\n0\nENDTAB\n"),
            std::string::npos);
  // No block: the block records end, and BLOCKS begins with the fixed blocks.
  EXPECT_NE(text.find("2\n*PAPER_SPACE\n  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n  2\nBLOCKS\n"
                      "0\nBLOCK\n5\n19\n"),
            std::string::npos);
  EXPECT_NE(text.find("0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nSECTION\n2\nOBJECTS\n"),
            std::string::npos);
  // The next free handle, not a fixed number below the handles in use.
  EXPECT_NE(text.find("9\n$HANDSEED\n5\n702\n"), std::string::npos);
}

TEST(DxfExport, HeaderAndViewportTakeTheDrawingSettings) {
  Drawing drawing;
  drawing.New();
  DrawingSettings& s = drawing.settings;
  s.basePoint = Point(1.5, -2);
  s.limitsMin = Point(-10, -20);
  s.limitsMax = Point(100, 50);
  s.linetypeScale = 2.5;
  s.pointDisplayMode = 35;
  s.pointDisplaySize = 0.5;
  s.splineFrame = 1;
  s.splineSegments = 12;
  s.viewOrigin = Point(10, 20);
  s.viewExtent = Size(40, 20);
  s.snapSpacing = 2.5;
  s.gridSpacing = 10;
  s.gridSnap = 1;
  s.gridOn = 0;
  const std::string text = DxfText(drawing);

  const char* expected[] = {
      "9\n$INSBASE\n10\n1.500000\n20\n-2.000000\n30\n0.0\n",
      "9\n$EXTMIN\n10\n-10.000000\n20\n-20.000000\n30\n0.0\n",
      "9\n$EXTMAX\n10\n100.000000\n20\n50.000000\n30\n0.0\n",
      "9\n$LIMMIN\n10\n-10.000000\n20\n-20.000000\n9\n$LIMMAX\n10\n100.000000\n20\n50.000000\n",
      "9\n$LTSCALE\n40\n2.500000\n",
      "9\n$CLAYER\n8\n0\n",
      "9\n$PDMODE\n70\n35\n9\n$PDSIZE\n40\n0.500000\n",
      "9\n$SPLFRAME\n70\n1\n9\n$SPLINETYPE\n70\n6\n9\n$SPLINESEGS\n70\n12\n",
      "12\n30.000000\n22\n30.000000\n13\n0.0\n23\n0.0\n14\n2.500000\n24\n2.500000\n"
      "15\n10.000000\n25\n10.000000\n",
      "40\n20.000000\n41\n2.000000\n42\n50.0\n",
      "75\n1\n76\n0\n77\n0\n",
  };
  for (const char* piece : expected) {
    EXPECT_NE(text.find(piece), std::string::npos) << piece;
  }
}

// Every handle written by code, in file order, with the record it belongs to.
struct WrittenHandle {
  uint32_t handle;
  std::string record;
};
std::vector<WrittenHandle> CodeWrittenHandles(const std::string& text) {
  std::vector<WrittenHandle> handles;
  std::string record;
  for (const testing::Group& group : Groups(text)) {
    if (group.code == "0") record = group.value;
    // Header variables follow "0 SECTION"; $HANDSEED is no record's handle.
    if (group.code != "5" || record == "SECTION") continue;
    uint32_t handle = 0;
    const char* end = group.value.data() + group.value.size();
    // DIMSTYLE has an empty group 5; anything but a whole hexadecimal number is no handle.
    if (std::from_chars(group.value.data(), end, handle, 16).ptr != end) continue;
    if (handle >= 0x700) handles.push_back({handle, record});
  }
  return handles;
}

TEST(DxfExport, HandlesAreConsecutiveAcrossTablesBlocksAndEntities) {
  Drawing drawing;
  drawing.New();
  drawing.lineTypes.Add(new LineType(u"DASHED", u"", u"2,-1"));
  drawing.layers.Add(new Layer(u"WALLS", 1, &ContinuousLineType(), -3.0));
  drawing.textStyles.Add(new TextStyle(u"NOTES", u"TXT", 0, 1, 0, 0));
  EntityList door;
  door.AddTail(new LineEntity(0, 0, 1, 0, drawing.settings));
  drawing.blocks.CreateBlock(u"DOOR", door, Point(), Point(), Size());
  door.DeleteAll();
  drawing.entities.AddTail(new LineEntity(0, 0, 5, 5, drawing.settings));
  auto* erased = new LineEntity(1, 1, 2, 2, drawing.settings);
  erased->flags |= EntityFlag::Erased;
  drawing.entities.AddTail(erased);
  drawing.entities.AddTail(new CircleEntity(Point(1, 1), 1, drawing.settings));

  const std::string text = DxfText(drawing);
  const std::vector<WrittenHandle> handles = CodeWrittenHandles(text);
  const char* records[] = {"LTYPE", "LAYER", "LAYER",  "STYLE", "STYLE", "BLOCK_RECORD",
                           "BLOCK", "LINE",  "ENDBLK", "LINE",  "CIRCLE"};
  ASSERT_EQ(handles.size(), std::size(records));
  for (std::size_t i = 0; i < handles.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(handles[i].handle, 0x700 + i);
    EXPECT_EQ(handles[i].record, records[i]);
  }
  EXPECT_NE(text.find("9\n$HANDSEED\n5\n70B\n"), std::string::npos);
  EXPECT_EQ(Count(EntitiesSection(text), "0\nLINE\n"), 1u) << "the erased line is left out";
}

TEST(DxfExport, SpacesInLayerAndStyleNamesBecomeUnderscoresButLineTypesKeepThem) {
  Drawing drawing;
  drawing.New();
  auto* dashDot = new LineType(u"DASH DOT", u"Dash dot", u"1,-0.5,0,-0.5");
  drawing.lineTypes.Add(dashDot);
  auto* layer = new Layer(u"My Layer", 3, dashDot, -3.0);
  drawing.layers.Add(layer);
  drawing.textStyles.Add(new TextStyle(u"My Style", u"TXT", 0, 1, 0, 0));
  drawing.settings.currentLayer = layer;
  drawing.settings.currentLineType = dashDot;
  drawing.entities.AddTail(new LineEntity(0, 0, 1, 1, drawing.settings));
  const std::string text = DxfText(drawing);

  EXPECT_NE(text.find("9\n$CLAYER\n8\nMy_Layer\n"), std::string::npos);
  EXPECT_NE(text.find("0\nLAYER\n5\n702\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n"
                      "2\nMy_Layer\n70\n     0\n62\n     3\n6\nDASH DOT\n370\n-3\n"),
            std::string::npos);
  EXPECT_NE(text.find("0\nLTYPE\n5\n700\n100\nAcDbSymbolTableRecord\n100\nAcDbLinetypeTableRecord\n"
                      "2\nDASH DOT\n70\n64\n3\nDash dot\n72\n65\n73\n4\n40\n2.000000\n"
                      " 49\n1.000000\n 74\n     0\n 49\n-0.500000\n 74\n     0\n"
                      " 49\n0.000000\n 74\n     0\n 49\n-0.500000\n 74\n     0\n"
                      "0\nENDTAB\n"),
            std::string::npos);
  EXPECT_NE(text.find("2\nMy_Style\n"), std::string::npos);
  EXPECT_NE(EntitiesSection(text).find("8\nMy_Layer\n6\nDASH DOT\n"), std::string::npos);
}

TEST(DxfExport, LayerStateColorAndLineWeight) {
  struct Case {
    const char* name;
    uint8_t flags;
    int color;
    double lineWeight;
    const char* expected;
  } cases[] = {
      {"plain", 0, 7, -3.0, "70\n     0\n62\n     7\n6\nCONTINUOUS\n370\n-3\n"},
      {"frozen", Layer::kFrozen, 1, 0.25, "70\n     1\n62\n     1\n6\nCONTINUOUS\n370\n25\n"},
      {"locked", Layer::kLocked, 255, 0.0, "70\n     4\n62\n   255\n6\nCONTINUOUS\n370\n0\n"},
      {"frozen and locked, off", Layer::kFrozen | Layer::kLocked, -7, 2.11,
       "70\n     5\n62\n    -7\n6\nCONTINUOUS\n370\n211\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Drawing drawing;
    drawing.New();
    Layer* zero = drawing.layers.Find(u"0");
    zero->flags = c.flags;
    zero->colorIndex = static_cast<int16_t>(c.color);
    zero->lineWeight = c.lineWeight;
    std::string expected = "2\n0\n";
    expected += c.expected;
    EXPECT_NE(DxfText(drawing).find(expected), std::string::npos);
  }
}

TEST(DxfExport, BlockRecordsAndDefinitions) {
  Drawing drawing;
  drawing.New();
  EntityList parts;
  parts.AddTail(new LineEntity(0, 0, 1, 0, drawing.settings));
  BlockDefinition* block =
      drawing.blocks.CreateBlock(u"Door 1", parts, Point(), Point(2, 3), Size());
  parts.DeleteAll();
  ASSERT_NE(block, nullptr);
  const std::string text = DxfText(drawing);

  EXPECT_NE(text.find("2\n*PAPER_SPACE\n"
                      "  0\nBLOCK_RECORD\n  5\n702\n100\nAcDbSymbolTableRecord\n"
                      "100\nAcDbBlockTableRecord\n  2\nDoor 1\n"
                      "  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n  2\nBLOCKS\n"
                      "0\nBLOCK\n5\n703\n100\nAcDbEntity\n100\nAcDbBlockBegin\n2\nDoor 1\n70\n0\n"
                      "10\n2.000000\n20\n3.000000\n30\n0.0\n3\nDoor 1\n1\n\n0\nLINE\n5\n704\n"),
            std::string::npos);
  EXPECT_NE(text.find("31\n0.0\n0\nENDBLK\n5\n705\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockEnd\n"
                      "0\nBLOCK\n5\n19\n"),
            std::string::npos);
}

TEST(DxfExport, BlockRecordNamesMatchTheirBlocks) {
  Drawing drawing;
  drawing.New();
  EntityList parts;
  parts.AddTail(new LineEntity(0, 0, 1, 0, drawing.settings));
  drawing.blocks.CreateBlock(u"\u0414\u0432\u0435\u0440\u044C \u00E9", parts, Point(), Point(),
                             Size());
  parts.DeleteAll();
  const std::string text = DxfText(drawing);
  const std::string name = "\\U+0414\\U+0432\\U+0435\\U+0440\\U+044C \xE9\n";
  EXPECT_NE(text.find("AcDbBlockTableRecord\n  2\n" + name), std::string::npos);
  EXPECT_NE(text.find("AcDbBlockBegin\n2\n" + name), std::string::npos);
}

TEST(DxfExport, StyleWithoutFontDescriptionNamesTheFontFile) {
  struct Case {
    const char* name;
    const char16_t* font;
    const char* expected;
  } cases[] = {
      {"extension added", u"PLAINFONT", "3\nPLAINFONT.shx\n4\n\n0\nENDTAB\n"},
      {"extension kept", u"PLAIN.FNT", "3\nPLAIN.FNT\n4\n\n0\nENDTAB\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Drawing drawing;
    drawing.New();
    auto* style =
        new TextStyle(u"Slanted", c.font, 2.5, 0.8, std::numbers::pi / 12, TextStyle::kBackwards);
    // The font's index counts as read and gave no description.
    style->font->loaded = true;
    style->font->description.clear();
    drawing.textStyles.Add(style);
    const std::string text = DxfText(drawing);
    std::string expected(
        "0\nSTYLE\n5\n702\n100\nAcDbSymbolTableRecord\n"
        "100\nAcDbTextStyleTableRecord\n2\nSlanted\n70\n0\n"
        "40\n2.500000\n41\n0.800000\n50\n15.000000\n71\n2\n42\n0.0\n");
    expected += c.expected;
    EXPECT_NE(text.find(expected), std::string::npos);
  }
}

TEST(DxfExport, FileDoesNotDependOnTheLocale) {
  Drawing drawing;
  drawing.New();
  drawing.settings.linetypeScale = 0.75;
  drawing.entities.AddTail(new LineEntity(0.5, -1.25, 1e6 / 3, 2.0 / 3, drawing.settings));
  drawing.entities.AddTail(new CircleEntity(Point(0.1, 0.2), 0.3, drawing.settings));
  const std::string before = DxfText(drawing);
  testing::DecimalCommaLocale comma;
  ASSERT_TRUE(comma.active());
  const std::string after = DxfText(drawing);
  EXPECT_EQ(after, before);
  EXPECT_NE(after.find("10\n0.500000\n20\n-1.250000\n30\n0.0\n11\n333333.333333\n21\n0.666667\n"),
            std::string::npos);
}

TEST(DxfExport, NamesLongerThanALineBufferAreWrittenWhole) {
  Drawing drawing;
  drawing.New();
  const std::u16string name(3000, u'N');
  auto* layer = new Layer(name, 1, &ContinuousLineType(), -3.0);
  drawing.layers.Add(layer);
  drawing.settings.currentLayer = layer;
  drawing.entities.AddTail(new LineEntity(0, 0, 1, 1, drawing.settings));
  const std::string text = DxfText(drawing);
  std::string line(3002, 'N');
  line.front() = line.back() = '\n';
  EXPECT_EQ(Count(text, line), 3u);  // LAYER, $CLAYER and the line's group 8
}

}  // namespace
}  // namespace korvo
