// The DXF reader on small files written by hand: line endings, order, encodings, escapes,
// binary files, and what it refuses or leaves out.
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "core/polyline_entity.h"
#include "core/text_entity.h"
#include "exchange/dxf_export.h"
#include "exchange/dxf_group_reader.h"
#include "exchange/dxf_import.h"
#include "exchange/open_as.h"
#include "platform/message_box.h"
#include "platform/utf16.h"
#include "tests/support/scratch_folder.h"

namespace korvo {
namespace {

using namespace std::string_view_literals;

constexpr double kPi = std::numbers::pi;

std::span<const uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// An ENTITIES section around `records`, lines joined with `eol`.
std::string Entities(const std::vector<std::string>& lines, const std::string& eol = "\n") {
  std::string text = "0" + eol + "SECTION" + eol + "2" + eol + "ENTITIES" + eol;
  for (const std::string& line : lines) text += line + eol;
  return text + "0" + eol + "ENDSEC" + eol + "0" + eol + "EOF" + eol;
}

struct Imported {
  Drawing drawing;
  RecordingMessageBox messages;
  OpenResult result;

  explicit Imported(const std::string& bytes) {
    result = ImportDxfBytes(Bytes(bytes), drawing, messages);
  }
  std::vector<Entity*> entities() const {
    return std::vector<Entity*>(drawing.entities.begin(), drawing.entities.end());
  }
  std::string Messages() const {
    std::string text;
    for (const auto& message : messages.Messages()) text += Utf16ToUtf8(message.text) + "\n";
    return text;
  }
};

const std::vector<std::string> kLine = {"0",  "LINE", "8",  "Walls", "10", "1.5",
                                        "20", "-2",   "11", "3",     "21", "4e1"};

TEST(DxfImport, EveryLineEndingAndTrailingBlanksReadAlike) {
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"LF", Entities(kLine, "\n")},
      {"CR LF", Entities(kLine, "\r\n")},
      {"CR", Entities(kLine, "\r")},
      {"blanks around codes and numbers", Entities({"  0", "LINE ", " 8", "Walls", "10 ", " 1.5\t",
                                                    "20", "-2  ", " 11 ", "3", "21", " 4e1"})},
      {"a byte order mark and blank lines at the end", "\xEF\xBB\xBF" + Entities(kLine) + "\n\n"},
      {"blanks around record kinds",
       "0\n SECTION\n2\nENTITIES\n0\nLINE \n8\nWalls\n10\n1.5\n20\n-2\n11\n3\n21\n4e1\n0\n"
       "ENDSEC \n0\nEOF\t\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Imported in(c.bytes);
    ASSERT_TRUE(in.result.opened) << in.Messages();
    ASSERT_EQ(in.entities().size(), 1u);
    const LineEntity* line = in.entities()[0]->AsLine();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->start, Point(1.5, -2));
    EXPECT_EQ(line->end, Point(3, 40));
    EXPECT_EQ(line->layer->name, u"Walls");
    EXPECT_EQ(in.messages.Messages().size(), 0u) << in.Messages();
  }
}

TEST(DxfImport, GroupsInAnyOrderUnknownCodesAndHandlesDoNotMatter) {
  Imported in(Entities({"0",  "LINE", "999",  "a comment", "21", "4",  "5",  "2A",
                        "11", "3",    "1234", "unknown",   "20", "-2", "10", "1.5",
                        "0",  "LINE", "5",    "2A",        "10", "0",  "11", "1"}));
  ASSERT_TRUE(in.result.opened);
  ASSERT_EQ(in.entities().size(), 2u);
  EXPECT_EQ(in.entities()[0]->AsLine()->start, Point(1.5, -2));
  EXPECT_EQ(in.entities()[0]->AsLine()->end, Point(3, 4));
  // A line with no layer is on layer "0", which the completion keeps.
  EXPECT_EQ(in.entities()[1]->layer->name, u"0");
}

// Refusals name where reading stopped and leave the drawing as clearing leaves it.
TEST(DxfImport, WhatCannotBeReadIsRefusedNamingTheLine) {
  std::string binaryText(reinterpret_cast<const char*>(kDxfBinarySentinel),
                         sizeof kDxfBinarySentinel);
  struct Case {
    const char* name;
    std::string bytes;
    const char* message;
  } cases[] = {
      {"a number that is none", Entities({"0", "LINE", "10", "1,5"}),
       "The DXF file cannot be read: line 8: \"1,5\" is not a number (group 10)"},
      {"a code that is none", "0\nSECTION\nxx\nENTITIES\n",
       "The DXF file cannot be read: line 3: a group code was expected, not \"xx\""},
      {"a code without its value", "0\nSECTION\n2\n",
       "The DXF file cannot be read: line 3: the file ends before the value of group 2"},
      {"a code out of range", "0\nSECTION\n99999\nx\n",
       "The DXF file cannot be read: line 3: a group code was expected, not \"99999\""},
      {"no section at all", "999\nonly a comment\n",
       "The DXF file cannot be read: line 1: no SECTION was found; this is not a DXF file"},
      {"binary, ending inside a number",
       binaryText + std::string("\0\0SECTION\0\x02\0ENTITIES\0\0\0LINE\0\x0A\0\x01\x02"sv),
       "The DXF file cannot be read: byte offset 50: the file ends inside a group"},
      {"binary, a text without its end", binaryText + std::string("\0\0SECTION\0\x02\0ENTI"sv),
       "The DXF file cannot be read: byte offset 32: a text runs past the end of the file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Drawing drawing;
    drawing.New();
    RecordingMessageBox messages;
    EXPECT_FALSE(ImportDxfBytes(Bytes(c.bytes), drawing, messages).opened);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(Utf16ToUtf8(messages.Messages()[0].text), c.message);
    EXPECT_TRUE(drawing.entities.empty());
    EXPECT_EQ(drawing.layers.size(), 0u);
  }
}

// A header section holding $ACADVER and $DWGCODEPAGE, then a layer table of one name.
std::string WithLayerName(const std::string& release, const std::string& codePage,
                          const std::string& name) {
  return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\n" + release + "\n9\n$DWGCODEPAGE\n3\n" + codePage +
         "\n0\nENDSEC\n0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\n" + name +
         "\n70\n0\n62\n3\n0\nENDTAB\n0\nENDSEC\n0\nEOF\n";
}

TEST(DxfImport, NamesReadInTheCodePageOfTheirRelease) {
  struct Case {
    const char* name;
    std::string release, codePage, bytes;
    std::u16string expected;
  } cases[] = {
      {"1252", "AC1009", "ANSI_1252", "Caf\xE9", u"Caf\u00E9"},
      {"1251", "AC1015", "ANSI_1251", "\xD1\xEB\xEE\xE9", u"\u0421\u043B\u043E\u0439"},
      {"code page names in any case", "AC1018", "dos866", "\x91\xAB\xAE\xA9",
       u"\u0421\u043B\u043E\u0439"},
      {"an unknown code page is 1252", "AC1015", "ANSI_9999", "\x80", u"\u20AC"},
      {"UTF-8 from 2007 on, whatever the code page", "AC1021", "ANSI_1251", "\xD0\xA1\xD0\xBB",
       u"\u0421\u043B"},
      {"escapes", "AC1015", "ANSI_1252", "a\\U+0416b\\u+00e9", u"a\u0416b\u00E9"},
      {"caret notation; control characters are no name", "AC1015", "ANSI_1252", "a^Ib^ c",
       u"a_b^c"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Imported in(WithLayerName(c.release, c.codePage, c.bytes));
    ASSERT_TRUE(in.result.opened) << in.Messages();
    const Layer* layer = in.drawing.layers.Find(c.expected);
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->name, c.expected);
    EXPECT_EQ(layer->colorIndex, 3);
  }
}

TEST(DxfImport, TextContentsTakeEscapesCaretsAndSpecialCodes) {
  Imported in(Entities(
      {"0", "TEXT", "10", "0", "20", "0", "40", "1", "1", "%%d%%p%%c 100%%% ^ x \\U+0416 %%u"}));
  // "^ " is the caret itself.
  ASSERT_EQ(in.entities().size(), 1u);
  EXPECT_EQ(in.entities()[0]->AsText()->content, u"\u00B0\u00B1\u2300 100% ^x \u0416 ");
}

TEST(DxfImport, NumbersNoDrawingCanHoldDropTheEntityAndAreNamed) {
  Imported in(Entities({"0",  "LINE", "10", "1e400", "11", "1",  "0", "CIRCLE", "10", "nan",
                        "40", "1",    "0",  "ARC",   "40", "-1", "0", "LINE",   "10", "1e-400"}));
  ASSERT_TRUE(in.result.opened);
  ASSERT_EQ(in.entities().size(), 1u);
  EXPECT_EQ(in.entities()[0]->AsLine()->start, Point(0, 0));
  EXPECT_EQ(in.Messages(),
            "Skipped while reading the DXF file: 1 ARC with unusable numbers, 1 CIRCLE with "
            "unusable numbers, 1 LINE with unusable numbers.\n");
}

TEST(DxfImport, AbsurdCountsAreNotTrusted) {
  Imported in(Entities({"0", "LWPOLYLINE", "90", "2000000000", "70", "1", "10", "0", "20", "0",
                        "10", "1", "20", "1"}));
  ASSERT_EQ(in.entities().size(), 1u);
  EXPECT_EQ(in.entities()[0]->AsPolyline()->vertexList.size(), 2u);
  EXPECT_TRUE(in.entities()[0]->AsPolyline()->IsClosed());
}

// BLOCKS of `count` blocks, B0 inserting B1 inserting ... and the last inserting `last`.
std::string Chain(int count, const std::string& last) {
  std::string text = "0\nSECTION\n2\nBLOCKS\n";
  for (int i = 0; i < count; ++i) {
    std::string next = last;
    if (i + 1 < count) next = std::string("B").append(std::to_string(i + 1));
    text.append("0\nBLOCK\n2\nB").append(std::to_string(i));
    text.append("\n10\n0\n20\n0\n0\nLINE\n11\n1\n0\nINSERT\n2\n").append(next);
    text.append("\n0\nENDBLK\n");
  }
  return text + "0\nENDSEC\n" + Entities({"0", "INSERT", "2", "B0"});
}

TEST(DxfImport, BlocksThatContainThemselvesOrNestTooDeepStillOpen) {
  {
    SCOPED_TRACE("a block inserting itself through another");
    Imported in(Chain(2, "B0"));
    ASSERT_TRUE(in.result.opened);
    EXPECT_NE(in.Messages().find("contains a reference to itself"), std::string::npos)
        << in.Messages();
    EXPECT_EQ(in.drawing.blocks.size(), 2u);
  }
  {
    SCOPED_TRACE("nesting deeper than expansion goes");
    Imported in(Chain(200, "NONE"));
    ASSERT_TRUE(in.result.opened);
    EXPECT_EQ(in.drawing.blocks.size(), 200u);
    EXPECT_FALSE(in.Messages().empty());
  }
}

TEST(DxfImport, BlockBasePointsAndNestedReferencesExpand) {
  Imported in(
      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nInner\n10\n1\n20\n1\n0\nLINE\n10\n1\n20\n1\n"
      "11\n2\n21\n1\n0\nENDBLK\n0\nBLOCK\n2\nOuter\n10\n0\n20\n0\n0\nINSERT\n2\ninner\n"
      "10\n5\n20\n0\n0\nENDBLK\n0\nENDSEC\n" +
      Entities({"0", "INSERT", "2", "OUTER", "10", "10", "20", "10", "41", "2", "42", "2"}));
  ASSERT_TRUE(in.result.opened);
  EXPECT_EQ(in.drawing.blocks.Find(u"Inner")->basePoint, Point(1, 1));
  const InsertEntity* outer = in.entities()[0]->AsInsert();
  ASSERT_EQ(outer->expanded.size(), 1u);
  const InsertEntity* inner = outer->expanded.Head()->AsInsert();
  ASSERT_NE(inner, nullptr);
  ASSERT_EQ(inner->expanded.size(), 1u);
  // The line from the inner base (1, 1) to (2, 1) lands at 10 + 2 * 5 and goes 2 along.
  const LineEntity* line = inner->expanded.Head()->AsLine();
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->start, Point(20, 10));
  EXPECT_EQ(line->end, Point(22, 10));
}

TEST(DxfImport, TrueColoursTakeTheNearestPaletteIndex) {
  Imported in(Entities({"0", "LINE", "62", "5", "420", "16711680", "0", "LINE", "62", "300"}));
  ASSERT_EQ(in.entities().size(), 2u);
  EXPECT_EQ(in.entities()[0]->colorIndex, 1);
  EXPECT_EQ(in.entities()[1]->colorIndex, 256) << "beyond the palette counts as by layer";
}

// The export writes a whole turn as 360 degrees past its start, which reads back as the
// same arc, and older files' equal angles as a whole turn too.
TEST(DxfImport, FullTurnArcsReadBackWhole) {
  Drawing drawing;
  drawing.New();
  auto* arc = new ArcEntity(drawing.settings, Point(1, 2), 3, kPi / 6, kPi / 6 + 2 * kPi);
  drawing.entities.AddTail(arc);
  testing::ScratchFolder folder("korvocad_dxf_arc");
  RecordingMessageBox messages;
  ASSERT_TRUE(ExportDxf(drawing, folder / "arc.dxf", messages));
  Drawing reopened;
  ASSERT_TRUE(ImportDxf(folder / "arc.dxf", reopened, messages).opened);
  const ArcEntity* back = reopened.entities.Head()->AsArc();
  ASSERT_NE(back, nullptr);
  EXPECT_NEAR(back->startAngle, arc->startAngle, 1e-7);
  EXPECT_EQ(back->endAngle - back->startAngle, 2 * kPi);

  Imported equal(Entities({"0", "ARC", "40", "1", "50", "45", "51", "45"}));
  const ArcEntity* old = equal.entities()[0]->AsArc();
  EXPECT_EQ(old->endAngle - old->startAngle, 2 * kPi);
}

TEST(DxfImport, BinaryFilesOfBothCodeWidths) {
  const std::string sentinel(reinterpret_cast<const char*>(kDxfBinarySentinel),
                             sizeof kDxfBinarySentinel);
  double x = 2.5;
  std::string real(8, '\0');
  std::memcpy(real.data(), &x, 8);  // the machines we build for are little-endian
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"two-byte codes (release 13 on)",
       sentinel + std::string("\0\0SECTION\0\x02\0ENTITIES\0\0\0LINE\0\x0A\0"sv) + real +
           std::string("\x3E\0\x05\0\0\0ENDSEC\0\0\0EOF\0"sv)},
      {"one-byte codes (release 12)", sentinel +
                                          std::string("\0SECTION\0\x02"
                                                      "ENTITIES\0\0LINE\0\x0A"sv) +
                                          real + std::string("\x3E\x05\0\0ENDSEC\0\0EOF\0"sv)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Imported in(c.bytes);
    ASSERT_TRUE(in.result.opened) << in.Messages();
    ASSERT_EQ(in.entities().size(), 1u);
    EXPECT_EQ(in.entities()[0]->AsLine()->start, Point(2.5, 0));
    EXPECT_EQ(in.entities()[0]->colorIndex, 5);
  }
}

TEST(DxfImport, PaperSpaceAndOtherKindsAreCountedInOneMessage) {
  Imported in(
      Entities({"0", "LINE", "67", "1", "0", "HATCH", "0", "HATCH", "0", "SPLINE", "0", "POINT"}));
  ASSERT_TRUE(in.result.opened);
  EXPECT_EQ(in.entities().size(), 1u);
  ASSERT_EQ(in.messages.Messages().size(), 1u);
  EXPECT_EQ(in.messages.Messages()[0].icon, MessageIcon::Information);
  EXPECT_EQ(in.Messages(),
            "Skipped while reading the DXF file: 2 HATCH, 1 SPLINE, 1 in paper space.\n");
}

TEST(DxfImport, OpeningChoosesDxfByExtensionInAnyCase) {
  testing::ScratchFolder folder("korvocad_open_as");
  const std::string line = Entities(kLine);
  for (const char* name : {"a.dxf", "b.DXF", "c.Dxf"}) {
    SCOPED_TRACE(name);
    std::ofstream(folder / name, std::ios::binary) << line;
    Drawing drawing;
    RecordingMessageBox messages;
    ASSERT_TRUE(OpenDrawingAs(folder / name, drawing, messages).opened);
    EXPECT_EQ(drawing.entities.size(), 1u);
    EXPECT_EQ(drawing.path, folder / name);
  }
  // Any other name is a native drawing file, which this is not.
  std::ofstream(folder / "d.KorvoDWG", std::ios::binary) << line;
  Drawing drawing;
  RecordingMessageBox messages;
  OpenDrawingAs(folder / "d.KorvoDWG", drawing, messages);
  EXPECT_TRUE(drawing.entities.empty());
}

}  // namespace
}  // namespace korvo

namespace korvo {
namespace {

TEST(DxfImport, HeaderAndActiveViewportGiveTheSettings) {
  const std::string header =
      "0\nSECTION\n2\nHEADER\n9\n$INSBASE\n10\n1\n20\n2\n30\n0\n9\n$LTSCALE\n40\n2.5\n9\n"
      "$PDMODE\n70\n35\n9\n$PDSIZE\n40\n-3\n9\n$VIEWCTR\n10\n100\n20\n50\n9\n$VIEWSIZE\n40\n297\n"
      "0\nENDSEC\n";
  {
    SCOPED_TRACE("the header's view keeps the view's aspect");
    Imported in(header + "0\nEOF\n");
    const DrawingSettings& s = in.drawing.settings;
    EXPECT_EQ(s.basePoint, Point(1, 2));
    EXPECT_EQ(s.linetypeScale, 2.5);
    EXPECT_EQ(s.pointDisplayMode, 35);
    EXPECT_EQ(s.pointDisplaySize, -3);
    EXPECT_EQ(s.viewExtent, (Size{210, 297}));
    EXPECT_EQ(s.viewOrigin, Point(100 - 105, 50 - 148.5));
  }
  {
    SCOPED_TRACE("the active viewport wins");
    Imported in(header +
                "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nVPORT\n0\nVPORT\n2\n*ACTIVE\n12\n10\n22\n20\n"
                "40\n8\n41\n1.5\n14\n0.5\n24\n0.5\n15\n2\n25\n2\n75\n0\n76\n1\n0\nENDTAB\n0\n"
                "ENDSEC\n0\nEOF\n");
    const DrawingSettings& s = in.drawing.settings;
    EXPECT_EQ(s.viewExtent, (Size{12, 8}));
    EXPECT_EQ(s.viewOrigin, Point(4, 16));
    EXPECT_EQ(s.snapSpacing, 0.5);
    EXPECT_EQ(s.gridSpacing, 2);
    EXPECT_EQ(s.gridSnap, 0);
    EXPECT_EQ(s.gridOn, 1);
  }
}

}  // namespace
}  // namespace korvo
