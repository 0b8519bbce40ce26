#include "text/font_file.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "platform/utf16.h"
#include "tests/text/font_bytes.h"

namespace korvo {
namespace {

using test::FontBytes;
using test::IndexedFont;
using test::Record;
using test::SequentialFont;

// One glyph "A" (advance 1.0, one line (0,0)-(0.5,1)), line spacing 1.5, description "Tiny".
const std::vector<uint8_t> kTinySequential = {
    0x01, 0x00,              // N = 1
    0x00, 0x00, 0xC0, 0x3F,  // line spacing 1.5
    0x41, 0x00,              // code 'A'
    0x00, 0x00, 0x80, 0x3F,  // advance 1.0
    0x00, 0x00, 0x00, 0x00,  // unused
    0x01, 0x00,              // L = 1
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x3F, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00,              // A = 0
    'T',  'i',  'n',  'y',  '\r', '\n', 0x00, 0x00, 0x00, 0x00,  // index offset (not used)
    0x00, 0x00, 0x00, 0x00,                                      // sequential
};

// One glyph "B" at offset 6 (advance 0.75, one arc centre (0.25, 0.5), r 0.25, 0..pi), index at
// 40, header line spacing 2.0 which the indexed form does not read.
const std::vector<uint8_t> kTinyIndexed = {
    0x00, 0x00,                                                              // N (not used)
    0x00, 0x00, 0x00, 0x40,                                                  // line spacing 2.0
    0x42, 0x00,                                                              // code 'B'
    0x00, 0x00, 0x40, 0x3F,                                                  // advance 0.75
    0x00, 0x00, 0x00, 0x00,                                                  // unused
    0x00, 0x00,                                                              // L = 0
    0x01, 0x00,                                                              // A = 1
    0x00, 0x00, 0x80, 0x3E, 0x00, 0x00, 0x00, 0x3F, 0x00, 0x00, 0x80, 0x3E,  // 0.25 0.5 0.25
    0x00, 0x00, 0x00, 0x00, 0xDB, 0x0F, 0x49, 0x40,                          // 0 pi
    0x01, 0x00,                                                              // M = 1
    0x42, 0x00, 0x06, 0x00, 0x00, 0x00,                                      // 'B' at 6
    ' ',  'I',  'n',  'd',  'e',  'x',  'e',  'd',  '\t', '\n', 0x28, 0x00,
    0x00, 0x00,              // index offset 40
    0xFF, 0xFF, 0xFF, 0xFF,  // indexed
};

TEST(ReadGlyphIndex, SequentialFormByHand) {
  StrokeFont font(u"tiny");
  ReadGlyphIndex(kTinySequential, font);
  EXPECT_DOUBLE_EQ(font.lineSpacingFactor, 1.5);
  EXPECT_EQ(font.description, u"Tiny");
  ASSERT_EQ(font.glyphs.size(), 1u);
  Glyph& a = font.glyphs.at(u'A');
  EXPECT_EQ(a.filePosition, 6);
  EXPECT_FLOAT_EQ(a.rightExtent, 1.0f);  // the advance until the strokes are read
  EXPECT_TRUE(a.lines.empty());

  ASSERT_TRUE(ReadGlyphStrokes(kTinySequential, a));
  EXPECT_TRUE(a.StrokesRead());
  ASSERT_EQ(a.lines.size(), 1u);
  EXPECT_FLOAT_EQ(a.lines[0].x2, 0.5f);
  EXPECT_FLOAT_EQ(a.lines[0].y2, 1.0f);
  EXPECT_FLOAT_EQ(a.leftExtent, 0);
  EXPECT_FLOAT_EQ(a.rightExtent, 0.5f);
  EXPECT_FLOAT_EQ(a.trailingSpace, 0.5f);
}

TEST(ReadGlyphIndex, IndexedFormByHandKeepsTheDefaultLineSpacing) {
  StrokeFont font(u"tiny");
  ReadGlyphIndex(kTinyIndexed, font);
  EXPECT_DOUBLE_EQ(font.lineSpacingFactor, 1.6666666);
  EXPECT_EQ(font.description, u"Indexed");
  ASSERT_EQ(font.glyphs.size(), 1u);
  Glyph& b = font.glyphs.at(u'B');
  EXPECT_EQ(b.filePosition, 6);
  EXPECT_FLOAT_EQ(b.rightExtent, 0);  // the indexed form knows no advance before the strokes

  ASSERT_TRUE(ReadGlyphStrokes(kTinyIndexed, b));
  ASSERT_EQ(b.arcs.size(), 1u);
  EXPECT_NEAR(b.arcs[0].a1, 0, 1e-7);
  EXPECT_NEAR(b.arcs[0].a2, 3.14159265, 1e-6);
  EXPECT_NEAR(b.leftExtent, 0, 1e-6);
  EXPECT_FLOAT_EQ(b.rightExtent, 0.5f);
  EXPECT_FLOAT_EQ(b.trailingSpace, 0.25f);
}

TEST(ReadGlyphIndex, DuplicateCodes) {
  const std::vector<Record> records = {{u'A', 1.0f, {}, {}}, {u'A', 2.0f, {}, {}}};
  {
    SCOPED_TRACE("sequential: the first record wins");
    const auto bytes = SequentialFont(1.0f, records);
    StrokeFont font(u"dup");
    ReadGlyphIndex(bytes, font);
    ASSERT_EQ(font.glyphs.size(), 1u);
    ASSERT_TRUE(ReadGlyphStrokes(bytes, font.glyphs.at(u'A')));
    EXPECT_FLOAT_EQ(font.glyphs.at(u'A').Advance(), 1.0f);
  }
  {
    SCOPED_TRACE("indexed: the last entry wins");
    const auto bytes = IndexedFont(records);
    StrokeFont font(u"dup");
    ReadGlyphIndex(bytes, font);
    ASSERT_EQ(font.glyphs.size(), 1u);
    ASSERT_TRUE(ReadGlyphStrokes(bytes, font.glyphs.at(u'A')));
    EXPECT_FLOAT_EQ(font.glyphs.at(u'A').Advance(), 2.0f);
  }
}

TEST(ReadGlyphIndex, DescriptionLines) {
  struct Case {
    const char* name;
    std::string_view line;
    std::u16string expected;
  } cases[] = {
      {"trimmed", "  Simplex \t\r\n", u"Simplex"},
      {"carriage returns inside are skipped", "Sim\rplex\n", u"Simplex"},
      {"blank stays empty", " \t \n", u""},
      {"no line feed before the trailer", "Roman", u"Roman"},
      {"stops at the first line feed", "One\nTwo\n", u"One"},
      {"each byte one character", "Caf\xE9\n", u"Caf\u00E9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StrokeFont sequential(u"d");
    ReadGlyphIndex(SequentialFont(1.0f, {{u'A', 1.0f, {}, {}}}, c.line), sequential);
    EXPECT_EQ(sequential.description, c.expected);
    StrokeFont indexed(u"d");
    ReadGlyphIndex(IndexedFont({{u'A', 1.0f, {}, {}}}, {}, c.line), indexed);
    EXPECT_EQ(indexed.description, c.expected);
  }
}

// Damaged files: never a crash, never an allocation the file cannot back; a glyph whose
// record is damaged is missing.
TEST(ReadGlyphIndex, DamagedFiles) {
  const Record a{u'A', 1.0f, {{0, 0, 1, 1}}, {}};
  const Record b{u'B', 1.0f, {}, {{0, 0, 1, 0, 1}}};
  const auto sequential = SequentialFont(1.0f, {a, b});
  const auto indexed = IndexedFont({a, b});
  const auto truncate = [](std::vector<uint8_t> bytes, std::size_t keep) {
    bytes.resize(keep);
    return bytes;
  };
  const auto withGlyphCount = [](std::vector<uint8_t> bytes, uint16_t n) {
    bytes[0] = static_cast<uint8_t>(n);
    bytes[1] = static_cast<uint8_t>(n >> 8);
    return bytes;
  };
  // Sequential font whose only record claims 60000 lines.
  FontBytes manyLines;
  manyLines.U16(1).F32(1).U16(u'A').F32(1).F32(0).U16(60000).F32(0).F32(0).F32(1).F32(1).U16(0);
  manyLines.Text("x\n").U32(0).U32(0);
  // Sequential font whose record claims more arcs than there are.
  FontBytes manyArcs;
  manyArcs.U16(1).F32(1).U16(u'A').F32(1).F32(0).U16(0).U16(50000).Text("x\n").U32(0).U32(0);
  // Indexed: index offset beyond the file, into the header, and a count beyond the file.
  const auto indexAt = [&](uint32_t offset) {
    auto bytes = indexed;
    const std::size_t at = bytes.size() - 8;
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(offset >> (8 * i));
    return bytes;
  };
  FontBytes hugeIndex;
  hugeIndex.U16(0).F32(1);
  const uint32_t recordAt = hugeIndex.Size();
  test::AppendRecord(hugeIndex, a);
  const uint32_t indexOffset = hugeIndex.Size();
  hugeIndex.U16(65535).U16(u'A').U32(recordAt).U32(indexOffset).U32(0xFFFFFFFF);

  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    std::u16string expectedCodes;
  } cases[] = {
      {"empty file", {}, u""},
      {"shorter than header and trailer", truncate(sequential, 13), u""},
      {"sequential cut inside the second record", truncate(sequential, 6 + 30 + 20), u"A"},
      {"sequential glyph count beyond the file", withGlyphCount(sequential, 40000), u"AB"},
      {"line count beyond the file", manyLines.bytes, u""},
      {"arc count beyond the file", manyArcs.bytes, u""},
      {"index offset beyond the file", indexAt(0x7FFFFFF0), u""},
      {"index offset into the header", indexAt(2), u""},
      {"index offset into the trailer", indexAt(static_cast<uint32_t>(indexed.size() - 4)), u""},
      {"index count beyond the file", hugeIndex.bytes, u"A"},
      // The last 8 bytes then hold no indexed marker: the records read in sequence.
      {"indexed file cut inside its trailer", truncate(indexed, indexed.size() - 3), u"AB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StrokeFont font(u"bad");
    ReadGlyphIndex(c.bytes, font);
    for (char16_t code : c.expectedCodes) {
      EXPECT_TRUE(font.glyphs.contains(code)) << static_cast<char>(code);
    }
    EXPECT_EQ(font.glyphs.size(), c.expectedCodes.size());
    for (auto& [code, glyph] : font.glyphs) EXPECT_TRUE(ReadGlyphStrokes(c.bytes, glyph));
  }
}

TEST(ReadGlyphIndex, IndexEntriesThatCannotPointAtARecordAreDropped) {
  const Record a{u'A', 1.0f, {}, {}};
  const auto probe = IndexedFont({a});
  const uint32_t end = static_cast<uint32_t>(probe.size());
  struct Case {
    const char* name;
    uint32_t offset;
  } cases[] = {
      {"into the header", 3},
      {"at the file's start", 0},
      {"at the trailer", end + 6 - 8},  // the extra entry makes the file 6 bytes longer
      {"far past the end", 0xFFFFFFF0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StrokeFont font(u"bad");
    ReadGlyphIndex(IndexedFont({a}, {{u'Z', c.offset}}), font);
    EXPECT_TRUE(font.glyphs.contains(u'A'));
    EXPECT_FALSE(font.glyphs.contains(u'Z'));
  }
}

TEST(ReadGlyphStrokes, DamagedRecordsLeaveTheGlyphUnread) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  // An indexed entry may point anywhere inside the records: at the middle of another record,
  // or at a record whose counts run past the index.
  FontBytes overrun;
  overrun.U16(0).F32(1);
  overrun.U16(u'A').F32(1).F32(0).U16(2).F32(0).F32(0).F32(1).F32(1);  // one line of two
  const uint32_t index = overrun.Size();
  overrun.U16(1).U16(u'A').U32(6).Text("\n").U32(index).U32(0xFFFFFFFF);

  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"not-a-number coordinate", IndexedFont({{u'A', 1.0f, {{0, nan, 1, 1}}, {}}})},
      {"infinite radius", IndexedFont({{u'A', 1.0f, {}, {{0, 0, inf, 0, 1}}}})},
      {"not-a-number advance", IndexedFont({{u'A', nan, {}, {}}})},
      {"line count running past the records", overrun.bytes},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StrokeFont font(u"bad");
    ReadGlyphIndex(c.bytes, font);
    ASSERT_TRUE(font.glyphs.contains(u'A'));
    Glyph& glyph = font.glyphs.at(u'A');
    EXPECT_FALSE(ReadGlyphStrokes(c.bytes, glyph));
    EXPECT_FALSE(glyph.StrokesRead());
    EXPECT_TRUE(glyph.lines.empty());
    EXPECT_TRUE(glyph.arcs.empty());
  }
}

TEST(ReadGlyphIndex, SequentialRecordWithANonFiniteAdvanceIsMissing) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  StrokeFont font(u"bad");
  ReadGlyphIndex(SequentialFont(1.0f, {{u'A', nan, {}, {}}, {u'B', 1.0f, {}, {}}}), font);
  EXPECT_FALSE(font.glyphs.contains(u'A'));
  EXPECT_TRUE(font.glyphs.contains(u'B'));
}

}  // namespace
}  // namespace korvo
