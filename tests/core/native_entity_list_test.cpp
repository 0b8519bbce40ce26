#include "core/native_entity_list.h"

#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/ellipse_entity.h"
#include "core/line_entity.h"
#include "core/native_read_context.h"
#include "core/native_save_context.h"
#include "core/point_entity.h"
#include "core/solid_entity.h"
#include "core/trace_entity.h"
#include "platform/message_box.h"
#include "tests/core/entity_test_support.h"
#include "tests/core/native_bytes.h"
#include "text/line_type.h"

namespace korvo {
namespace {

using testing::BodyBytes;
using testing::NativeBytes;

// A drawing with one written line type and two layers, numbered as a writer numbers them:
// line types DASHED 0, CONTINUOUS 1, BYBLOCK 2, BYLAYER 3; layers "0" 0, WALLS 1.
class NativeEntityList : public ::testing::Test {
 protected:
  void SetUp() override {
    drawing.New();
    dashed = new LineType(u"DASHED", u"Dashed", u"2,-1");
    drawing.lineTypes.Add(dashed);
    walls = new Layer(u"WALLS", 3, dashed, 0.5);
    drawing.layers.Add(walls);
    context.NumberTables();
    numbers = std::make_unique<NativeSaveContext>(drawing);
  }

  std::vector<uint8_t> Write(const EntityList& list) {
    ArchiveWriter writer;
    writer.saveContext = numbers.get();
    WriteEntityList(writer, list);
    return writer.bytes();
  }

  void Read(const std::vector<uint8_t>& bytes, EntityList& list, int version = 4) {
    ArchiveReader reader(bytes);
    reader.version = version;
    reader.loadContext = &context;
    ReadEntityList(reader, list);
    EXPECT_EQ(reader.Remaining(), 0u);
  }

  ArchiveErrorKind ReadError(const std::vector<uint8_t>& bytes) {
    EntityList list;
    ArchiveReader reader(bytes);
    reader.loadContext = &context;
    try {
      ReadEntityList(reader, list);
    } catch (const ArchiveError& error) {
      return error.kind();
    }
    ADD_FAILURE() << "the list was accepted";
    return ArchiveErrorKind::BadClass;
  }

  Drawing drawing;
  NativeReadContext context{drawing};
  std::unique_ptr<NativeSaveContext> numbers;
  LineType* dashed = nullptr;
  Layer* walls = nullptr;
};

TEST_F(NativeEntityList, WritesTheCommonHeaderThenTheBody) {
  EntityList list;
  auto* line = new LineEntity(Point(1, 2), Point(3, 4), drawing.settings);
  line->layer = walls;
  line->lineType = &ByLayerLineType();
  line->SetColorIndex(256);
  line->lineWeight = 0.25;
  list.AddTail(line);

  const std::vector<uint8_t> expected = NativeBytes()
                                            .Guard(1)
                                            .U8(1)            // ElementCode of a line
                                            .U32(1 ^ 0xF0F0)  // layer WALLS, masked
                                            .U32(3 ^ 0x0F0F)  // BYLAYER, masked
                                            .U16(0xFEFF)      // NOT 256
                                            .U8(1 ^ 0x55)     // code check
                                            .U16(0x0100)      // colour 256
                                            .F64(0.25)        // line weight
                                            .U32(3)           // line type
                                            .U32(1)           // layer
                                            .Pt(1, 2)
                                            .Pt(3, 4)
                                            .bytes;
  EXPECT_EQ(Write(list), expected);

  EntityList read;
  Read(expected, read);
  ASSERT_EQ(read.size(), 1u);
  const LineEntity* got = read.Head()->AsLine();
  ASSERT_NE(got, nullptr);
  EXPECT_EQ(got->start, Point(1, 2));
  EXPECT_EQ(got->end, Point(3, 4));
  EXPECT_EQ(got->layer, walls);
  EXPECT_EQ(got->lineType, &ByLayerLineType());
  EXPECT_EQ(got->colorIndex, 256);
  EXPECT_EQ(got->lineWeight, 0.25);
  read.DeleteAll();
}

TEST_F(NativeEntityList, BuiltInLineTypesFollowTheWrittenOnes) {
  const LineType& standIn = ByLayerLineType();
  EXPECT_EQ(numbers->LineTypeIndex(dashed, standIn), 0u);
  EXPECT_EQ(numbers->LineTypeIndex(&ContinuousLineType(), standIn), 1u);
  EXPECT_EQ(numbers->LineTypeIndex(&ByBlockLineType(), standIn), 2u);
  EXPECT_EQ(numbers->LineTypeIndex(&ByLayerLineType(), standIn), 3u);
  EXPECT_EQ(numbers->LayerIndex(drawing.layers.Find(u"0")), 0u);
  EXPECT_EQ(numbers->LayerIndex(walls), 1u);
  EXPECT_EQ(context.lineTypeNames,
            (std::vector<std::u16string>{u"DASHED", u"CONTINUOUS", u"BYBLOCK", u"BYLAYER"}));
}

TEST_F(NativeEntityList, EveryKindSurvivesARoundTrip) {
  const DrawingSettings& s = drawing.settings;
  const Point corners[4] = {{0, 0}, {0, 2}, {4, 2}, {4, 0}};
  EntityList list;
  list.AddTail(new LineEntity(Point(-1.5, 2.25), Point(1e300, -0.1), s));
  list.AddTail(new PointEntity(s, 7, -8));
  list.AddTail(new SolidEntity(corners, s));
  list.AddTail(new TraceEntity(corners, s));
  list.AddTail(new CircleEntity(Point(5, 6), 2.5, s));
  list.AddTail(new ArcEntity(s, Point(1, 1), 3, 0.5, 2.5));
  list.AddTail(new EllipseEntity(s, Point(2, 3), 4, 0.25, 0.7, -1, 2));
  int color = 1;
  for (Entity* entity : list) {
    entity->layer = color % 2 ? walls : drawing.layers.Find(u"0");
    entity->lineType = color % 3 ? dashed : &ByBlockLineType();
    entity->SetColorIndex(color * 30);
    entity->lineWeight = color * 0.05;
    ++color;
  }

  EntityList read;
  Read(Write(list), read);
  ASSERT_EQ(read.size(), list.size());
  for (auto a = list.begin(), b = read.begin(); a != list.end(); ++a, ++b) {
    SCOPED_TRACE((*a)->GetElementCode());
    EXPECT_EQ((*b)->GetElementCode(), (*a)->GetElementCode());
    EXPECT_EQ((*b)->layer, (*a)->layer);
    EXPECT_EQ((*b)->lineType, (*a)->lineType);
    EXPECT_EQ((*b)->colorIndex, (*a)->colorIndex);
    EXPECT_EQ((*b)->lineWeight, (*a)->lineWeight);
    EXPECT_EQ(BodyBytes(**b), BodyBytes(**a));
  }
  list.DeleteAll();
  read.DeleteAll();
}

TEST_F(NativeEntityList, ErasedEntitiesAreNeitherWrittenNorCounted) {
  EntityList list;
  auto* erased = new PointEntity(drawing.settings, 1, 1);
  erased->layer = walls;
  erased->flags |= EntityFlag::Erased;
  list.AddTail(erased);
  auto* kept = new PointEntity(drawing.settings, 2, 2);
  kept->layer = walls;
  list.AddTail(kept);

  const std::vector<uint8_t> bytes = Write(list);
  ArchiveReader reader(bytes);
  EXPECT_EQ(reader.ReadGuardedCount(0), 1u);
  EntityList read;
  Read(bytes, read);
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read.Head()->AsPoint()->position, Point(2, 2));
  list.DeleteAll();
  read.DeleteAll();
}

TEST_F(NativeEntityList, OldFilesStoreByBlockAndByLayerAsNegativeIndices) {
  struct Case {
    const char* name;
    int version;
    int16_t stored;
    int16_t expected;
  } cases[] = {
      {"version 0, -1 is by layer", 0, -1, 256}, {"version 3, -1 is by layer", 3, -1, 256},
      {"version 3, -2 is by block", 3, -2, 0},   {"version 2, a palette index stays", 2, 5, 5},
      {"version 4 keeps -1", 4, -1, -1},         {"version 4 keeps -2", 4, -2, -2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto bytes = NativeBytes().Guard(1).Header(16, 0, 1, c.stored, -1.0).Pt(0, 0).bytes;
    EntityList read;
    Read(bytes, read, c.version);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read.Head()->colorIndex, c.expected);
    read.DeleteAll();
  }
}

// A point record with every field consistent, to be damaged one field at a time.
std::vector<uint8_t> PointRecord(const std::function<void(NativeBytes&)>& damage = {}) {
  NativeBytes b;
  b.Guard(1).Header(16, 1, 0, 7, 0.5).Pt(3, 4);
  if (damage) damage(b);
  return b.bytes;
}

TEST_F(NativeEntityList, DamagedRecordsAreRefused) {
  // Offsets in a point record after the 8-byte count: code 8, layer check 9, line type
  // check 13, colour check 17, code check 19, colour 20, weight 22, line type 30, layer 34.
  auto set32 = [](std::size_t at, uint32_t v) {
    return [at, v](NativeBytes& b) {
      for (int i = 0; i < 4; ++i) b.bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
  };
  auto set8 = [](std::size_t at, uint8_t v) {
    return [at, v](NativeBytes& b) { b.bytes[at] = v; };
  };
  struct Case {
    const char* name;
    std::function<void(NativeBytes&)> damage;
    ArchiveErrorKind expected;
  } cases[] = {
      {"count guard", set32(4, 0), ArchiveErrorKind::BadClass},
      {"count beyond the file",
       [](NativeBytes& b) {
         b.bytes.resize(0);
         b.Guard(0xFFFFFFFF);
       },
       ArchiveErrorKind::EndOfFile},
      {"code check", set8(19, 16), ArchiveErrorKind::BadClass},
      {"colour check", set8(17, 0), ArchiveErrorKind::BadClass},
      {"line type check", set32(13, 0), ArchiveErrorKind::BadClass},
      {"layer check", set32(9, 1), ArchiveErrorKind::BadClass},
      {"layer beyond its list",
       [](NativeBytes& b) {
         b.bytes.resize(8);
         b.Header(16, 2, 0, 7, 0).Pt(0, 0);
       },
       ArchiveErrorKind::BadIndex},
      {"line type beyond its list",
       [](NativeBytes& b) {
         b.bytes.resize(8);
         b.Header(16, 0, 4, 7, 0).Pt(0, 0);
       },
       ArchiveErrorKind::BadIndex},
      {"negative layer index",
       [](NativeBytes& b) {
         b.bytes.resize(8);
         b.Header(16, 0xFFFFFFFF, 0, 7, 0).Pt(0, 0);
       },
       ArchiveErrorKind::InvalidArgument},
      {"body cut short", [](NativeBytes& b) { b.bytes.pop_back(); }, ArchiveErrorKind::EndOfFile},
      {"header cut short", [](NativeBytes& b) { b.bytes.resize(20); }, ArchiveErrorKind::EndOfFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadError(PointRecord(c.damage)), c.expected);
  }
}

TEST_F(NativeEntityList, AnUnknownKindIsReportedAndRefused) {
  RecordingMessageBox messages;
  ScopedMessageBox scope(messages);
  const auto bytes = NativeBytes().Guard(1).Header(6, 0, 0, 7, 0).Pt(0, 0).bytes;
  EXPECT_EQ(ReadError(bytes), ArchiveErrorKind::BadClass);
  EXPECT_EQ(messages.Texts(), std::vector<std::u16string>{u"Undetermined element code: 6"});
}

TEST_F(NativeEntityList, ReferencesNeedTheNameListsOfAFileBeingRead) {
  EntityList list;
  const std::vector<uint8_t> bytes = PointRecord();
  ArchiveReader reader(bytes);
  try {
    ReadEntityList(reader, list);
    ADD_FAILURE() << "read without a load context";
  } catch (const ArchiveError& error) {
    EXPECT_EQ(error.kind(), ArchiveErrorKind::BadIndex);
  }
  EXPECT_TRUE(list.empty());
}

// Numbers belong to one write: a list written outside a drawing's file has none to refer to
// and is refused rather than written with whatever another write numbered.
TEST_F(NativeEntityList, ReferencesNeedTheNumbersOfAFileBeingWritten) {
  EntityList list;
  list.AddTail(new LineEntity(Point(0, 0), Point(1, 1), drawing.settings));
  ArchiveWriter writer;
  try {
    WriteEntityList(writer, list);
    ADD_FAILURE() << "written without a save context";
  } catch (const ArchiveError& error) {
    EXPECT_EQ(error.kind(), ArchiveErrorKind::BadIndex);
  }
  list.DeleteAll();
}

// Two drawings with different line type tables number the shared built-in line types each
// for itself, whichever was written last.
TEST_F(NativeEntityList, EachDrawingNumbersTheSharedLineTypesForItself) {
  Drawing plain;
  plain.New();
  const NativeSaveContext plainNumbers(plain);
  EXPECT_EQ(numbers->LineTypeIndex(&ByLayerLineType(), ByLayerLineType()), 3u);
  EXPECT_EQ(plainNumbers.LineTypeIndex(&ByLayerLineType(), ByLayerLineType()), 2u);
  // A line type of another drawing is not numbered here: the stand-in is written.
  EXPECT_EQ(plainNumbers.LineTypeIndex(dashed, ByLayerLineType()), 2u);
}

}  // namespace
}  // namespace korvo
