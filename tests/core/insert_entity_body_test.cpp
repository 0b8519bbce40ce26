#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "core/native_drawing.h"
#include "core/native_entity_list.h"
#include "core/native_read_context.h"
#include "core/native_save_context.h"
#include "core/point_entity.h"
#include "geometry/geometry.h"
#include "platform/message_box.h"
#include "tests/core/entity_test_support.h"
#include "tests/core/native_bytes.h"
#include "text/line_type.h"

namespace korvo {
namespace {

using testing::BodyBytes;
using testing::NativeBytes;

// Line types DASHED 0, CONTINUOUS 1, BYBLOCK 2, BYLAYER 3; layers "0" 0, WALLS 1, as a
// writer numbers them.
class InsertBody : public ::testing::Test {
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

  void Read(const std::vector<uint8_t>& bytes, Entity& entity, int version = 4) {
    ArchiveReader reader(bytes);
    reader.version = version;
    reader.loadContext = &context;
    entity.ReadBody(reader);
    EXPECT_EQ(reader.Remaining(), 0u);
  }

  LineEntity* MakeLine(const Point& a, const Point& b) {
    auto* line = new LineEntity(a, b, drawing.settings);
    line->layer = walls;
    line->lineType = dashed;
    line->SetColorIndex(256);
    line->lineWeight = 0.25;
    return line;
  }

  // The fields before the lists: "Door" at (1, 2), scales 2 and 3, rotation 0.5.
  static NativeBytes Fields() {
    NativeBytes bytes;
    bytes.Name(u"Door").Pt(1, 2).F64(2).F64(3).F64(0.5);
    return bytes;
  }

  Drawing drawing;
  NativeReadContext context{drawing};
  std::unique_ptr<NativeSaveContext> numbers;
  LineType* dashed = nullptr;
  Layer* walls = nullptr;
};

TEST_F(InsertBody, AttachedEntitiesFollowTheAlwaysEmptyList) {
  InsertEntity insert(u"Door", {1, 2}, 2, 3, 0.5, drawing.settings);
  insert.attached.AddTail(MakeLine({0, 0}, {1, 1}));
  // Expanded parts are never written.
  insert.expanded.AddTail(MakeLine({5, 5}, {6, 6}));
  const std::vector<uint8_t> expected = Fields()
                                            .Guard(0)  // expanded
                                            .Guard(1)  // attached
                                            .Header(1, 1, 0, 256, 0.25)
                                            .Pt(0, 0)
                                            .Pt(1, 1)
                                            .bytes;
  EXPECT_EQ(BodyBytes(insert, numbers.get()), expected);

  InsertEntity read;
  Read(expected, read);
  EXPECT_EQ(read.blockName, u"Door");
  EXPECT_EQ(read.insertionPoint, Point(1, 2));
  EXPECT_EQ(read.rotation, 0.5);
  EXPECT_TRUE(read.expanded.empty());
  ASSERT_EQ(read.attached.size(), 1u);
  const LineEntity* line = read.attached.Head()->AsLine();
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->end, Point(1, 1));
  EXPECT_EQ(line->layer, walls);
  EXPECT_EQ(line->lineType, dashed);
  EXPECT_EQ(line->lineWeight, 0.25);
}

TEST_F(InsertBody, StoredExpandedPartsAreReadAndDropped) {
  struct Case {
    const char* name;
    int version;
    bool hasAttached;
  } cases[] = {{"version 0", 0, false},
               {"version 1", 1, false},
               {"version 2", 2, true},
               {"version 4", 4, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NativeBytes bytes = Fields();
    bytes.Guard(2).Header(1, 0, 1, 7, -1).Pt(0, 0).Pt(9, 9).Header(16, 1, 0, 3, -2).Pt(4, 4);
    if (c.hasAttached) bytes.Guard(1).Header(16, 1, 0, 256, 0).Pt(-1, -1);
    InsertEntity read;
    Read(bytes.bytes, read, c.version);
    EXPECT_TRUE(read.expanded.empty());
    ASSERT_EQ(read.attached.size(), c.hasAttached ? 1u : 0u);
    if (c.hasAttached) {
      EXPECT_EQ(read.attached.Head()->AsPoint()->position, Point(-1, -1));
    }
  }
}

TEST_F(InsertBody, ErasedAttachedEntitiesAreNotWritten) {
  InsertEntity insert(u"Door", {1, 2}, 2, 3, 0.5, drawing.settings);
  insert.attached.AddTail(MakeLine({0, 0}, {1, 1}));
  insert.attached.Head()->flags |= EntityFlag::Erased;
  EXPECT_EQ(BodyBytes(insert, numbers.get()), Fields().Guard(0).Guard(0).bytes);
}

TEST_F(InsertBody, TruncatedOrDamagedBodiesAreRefused) {
  const std::vector<uint8_t> whole =
      Fields().Guard(0).Guard(1).Header(1, 1, 0, 256, 0.25).Pt(0, 0).Pt(1, 1).bytes;
  for (std::size_t length = 0; length < whole.size(); ++length) {
    SCOPED_TRACE(length);
    InsertEntity read;
    ArchiveReader reader(std::span<const uint8_t>(whole.data(), length));
    reader.loadContext = &context;
    try {
      read.ReadBody(reader);
      ADD_FAILURE() << "a truncated body was accepted";
    } catch (const ArchiveError& error) {
      EXPECT_EQ(error.kind(), ArchiveErrorKind::EndOfFile);
    }
  }
  // An attached list whose count is not guarded by its complement.
  std::vector<uint8_t> damaged = Fields().Guard(0).U32(1).U32(1).bytes;
  InsertEntity read;
  ArchiveReader reader(damaged);
  reader.loadContext = &context;
  try {
    read.ReadBody(reader);
    ADD_FAILURE() << "a damaged count was accepted";
  } catch (const ArchiveError& error) {
    EXPECT_EQ(error.kind(), ArchiveErrorKind::BadClass);
  }
}

std::vector<uint8_t> Written(const Drawing& drawing) {
  ArchiveWriter writer;
  WriteDrawing(writer, drawing);
  return writer.bytes();
}

TEST_F(InsertBody, SaveAndReopenKeepsAttachedAndRebuildsExpanded) {
  BlockDefinition* hinge =
      drawing.blocks.CreateBlock(u"HINGE", EntityList(), Point(), Point(), Size{1, 1});
  hinge->AddTail(MakeLine({0, 0}, {0, 1}));
  BlockDefinition* door =
      drawing.blocks.CreateBlock(u"DOOR", EntityList(), Point(), Point(10, 10), Size{1, 1});
  door->AddTail(MakeLine({10, 10}, {11, 10}));
  door->AddTail(new InsertEntity(u"hinge", {12, 10}, 1, 1, 0, drawing.settings));
  auto* insert = new InsertEntity(u"door", {0, 0}, 2, 2, kHalfPi, drawing.settings);
  insert->attached.AddTail(MakeLine({0, 5}, {3, 5}));
  drawing.entities.AddTail(insert);

  Drawing reopened;
  RecordingMessageBox messages;
  ASSERT_TRUE(OpenDrawingBytes(Written(drawing), reopened, messages).opened);
  EXPECT_TRUE(messages.Messages().empty());
  ASSERT_EQ(reopened.entities.size(), 1u);
  const InsertEntity* read = reopened.entities.Head()->AsInsert();
  ASSERT_NE(read, nullptr);
  ASSERT_EQ(read->attached.size(), 1u);
  EXPECT_EQ(read->attached.Head()->AsLine()->end, Point(3, 5));
  EXPECT_EQ(read->attached.Head()->layer, reopened.layers.Find(u"WALLS"));
  // Rebuilt from the definition: (11, 10) lands at (0, 2), and the nested hinge at
  // (12, 10) turns to (0, 4) with its line pointing to −x.
  ASSERT_EQ(read->expanded.size(), 2u);
  const LineEntity* line = read->expanded.Head()->AsLine();
  ASSERT_NE(line, nullptr);
  testing::ExpectPointNear(line->start, {0, 0});
  testing::ExpectPointNear(line->end, {0, 2});
  const InsertEntity* nested = read->expanded.Tail()->AsInsert();
  ASSERT_NE(nested, nullptr);
  ASSERT_EQ(nested->expanded.size(), 1u);
  testing::ExpectPointNear(nested->expanded.Head()->AsLine()->start, {0, 4});
  testing::ExpectPointNear(nested->expanded.Head()->AsLine()->end, {-2, 4});
  // Both blocks were written, the nested one because the door uses it.
  EXPECT_NE(reopened.blocks.Find(u"HINGE"), nullptr);
  EXPECT_EQ(Written(reopened), Written(drawing));
}

TEST_F(InsertBody, AFileWithASelfReferencingBlockOpensAndSaysSo) {
  BlockDefinition* loop =
      drawing.blocks.CreateBlock(u"LOOP", EntityList(), Point(), Point(), Size{1, 1});
  loop->AddTail(MakeLine({0, 0}, {1, 0}));
  loop->AddTail(new InsertEntity(u"LOOP", {1, 0}, 1, 1, 0, drawing.settings));
  drawing.entities.AddTail(new InsertEntity(u"LOOP", {0, 0}, 1, 1, 0, drawing.settings));

  Drawing reopened;
  RecordingMessageBox messages;
  ASSERT_TRUE(OpenDrawingBytes(Written(drawing), reopened, messages).opened);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text,
            u"Block LOOP contains a reference to itself; that reference is left empty.");
  const InsertEntity* top = reopened.entities.Head()->AsInsert();
  ASSERT_EQ(top->expanded.size(), 2u);
  EXPECT_TRUE(top->expanded.Tail()->AsInsert()->expanded.empty());
}

}  // namespace
}  // namespace korvo
