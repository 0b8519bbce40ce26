#include "core/drawing_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"

#include "core/drawing.h"
#include "core/line_entity.h"
#include "core/native_drawing.h"
#include "platform/file_io.h"
#include "tests/core/native_bytes.h"

namespace korvo {
namespace {

using testing::NativeBytes;

// A small valid version-4 file: one line type, layer "0", STANDARD, no blocks, the default
// settings and one line. The offsets of its parts are kept for damaging them.
struct SmallFile {
  std::vector<uint8_t> bytes;
  std::size_t lineTypes = 0, layers = 0, styles = 0, blocks = 0, settings = 0, entities = 0;
  std::size_t patternCount = 0, layerName = 0, layerLineType = 0;
};

SmallFile MakeSmallFile(const std::function<void(NativeBytes&)>& blockTable = {}) {
  SmallFile f;
  NativeBytes b;
  b.Raw("KorvoCAD04");
  f.lineTypes = b.bytes.size();
  b.Guard(1).Name(u"DOT").Name(u"");
  f.patternCount = b.bytes.size();
  b.Guard(2).F64(0).F64(-1);
  f.layers = b.bytes.size();
  b.Guard(1);
  f.layerName = b.bytes.size();
  b.Name(u"0").U8(0);
  f.layerLineType = b.bytes.size();
  b.U32(1).I16(7).F64(-3);
  f.styles = b.bytes.size();
  b.Guard(1).Name(u"STANDARD").Name(u"TXT").F64(0).F64(1).F64(1).F64(0).U8(0);
  f.blocks = b.bytes.size();
  if (blockTable) {
    blockTable(b);
  } else {
    b.Guard(0);
  }
  f.settings = b.bytes.size();
  b.Pt(0, 0).Pt(210, 297).Pt(0, 0).F64(210).F64(297).F64(5).F64(2.5).F64(1).F64(1).F64(1);
  b.U8(0).U8(1).I16(256).Pt(0, 0).F64(0).F64(0).F64(0).F64(0).F64(0).U32(1).U8(34).F64(5);
  b.U8(0).U32(8);
  b.U32(3).U32(0).U32(0).F64(-1);  // BYLAYER, "0", STANDARD
  f.entities = b.bytes.size();
  b.Guard(1).Header(1, 0, 0, 7, 0).Pt(0, 0).Pt(1, 1);
  f.bytes = b.bytes;
  return f;
}

void Put32(std::vector<uint8_t>& bytes, std::size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// Opening `bytes` into a drawing that already holds something.
struct Opened {
  OpenResult result;
  std::vector<std::u16string> messages;
  bool cleared = false;  // no entity, layer or text style
  bool completed = false;
};

Opened Open(const std::vector<uint8_t>& bytes) {
  Drawing drawing;
  drawing.New();
  drawing.entities.AddTail(new LineEntity(0, 0, 5, 5, drawing.settings));
  RecordingMessageBox messages;
  Opened opened;
  opened.result = OpenDrawingBytes(bytes, drawing, messages);
  opened.messages = messages.Texts();
  opened.cleared = drawing.entities.empty() && drawing.layers.empty() && drawing.textStyles.empty();
  opened.completed = drawing.entities.empty() && drawing.layers.Find(u"0") != nullptr &&
                     drawing.textStyles.Find(u"STANDARD") != nullptr &&
                     drawing.settings.currentLayer != nullptr;
  return opened;
}

TEST(DrawingFile, TheSmallFileOpens) {
  const SmallFile f = MakeSmallFile();
  Drawing drawing;
  RecordingMessageBox messages;
  const OpenResult result = OpenDrawingBytes(f.bytes, drawing, messages);
  EXPECT_TRUE(result.opened);
  EXPECT_EQ(result.version, 4);
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(drawing.entities.size(), 1u);
  EXPECT_EQ(drawing.layers.Find(u"0")->lineType, drawing.lineTypes.Find(u"CONTINUOUS"));
}

TEST(DrawingFile, DamagedFilesAreRefusedAndLeaveTheDrawingCleared) {
  const SmallFile f = MakeSmallFile();
  using Damage = std::function<void(std::vector<uint8_t>&)>;
  struct Case {
    const char* name;
    Damage damage;
    const char16_t* message;
  } cases[] = {
      {"line type count 3 with the complement of 2",
       [&](auto& b) { Put32(b, f.lineTypes, 3), Put32(b, f.lineTypes + 4, ~2u); },
       kUnexpectedFileFormat},
      {"named string guard", [&](auto& b) { b[f.layerName + 4] ^= 1; }, kUnexpectedFileFormat},
      {"name shorter than its guarded length",
       [&](auto& b) { Put32(b, f.layerName, 2), Put32(b, f.layerName + 4, ~2u); },
       kUnexpectedFileFormat},
      {"pattern count beyond the file",
       [&](auto& b) {
         Put32(b, f.patternCount, 0x7FFFFFFF), Put32(b, f.patternCount + 4, ~0x7FFFFFFFu);
       },
       kUnexpectedFileFormat},
      {"entity count of 2^32-1",
       [&](auto& b) { Put32(b, f.entities, 0xFFFFFFFF), Put32(b, f.entities + 4, 0); },
       kUnexpectedFileFormat},
      {"entity code check", [&](auto& b) { b[f.entities + 8 + 11] ^= 0xFF; },
       kUnexpectedFileFormat},
      {"entity colour check", [&](auto& b) { b[f.entities + 8 + 9] ^= 0x01; },
       kUnexpectedFileFormat},
      {"entity line type check", [&](auto& b) { b[f.entities + 8 + 5] ^= 0x01; },
       kUnexpectedFileFormat},
      {"entity layer check", [&](auto& b) { b[f.entities + 8 + 1] ^= 0x01; },
       kUnexpectedFileFormat},
      {"entity layer beyond its list",
       [&](auto& b) { Put32(b, f.entities + 8 + 26, 1), Put32(b, f.entities + 8 + 1, 1 ^ 0xF0F0); },
       kUnexpectedFileFormat},
      {"layer line type beyond its list", [&](auto& b) { Put32(b, f.layerLineType, 4); },
       kUnexpectedFileFormat},
      {"negative entity layer index",
       [&](auto& b) {
         Put32(b, f.entities + 8 + 26, 0x80000000u);
         Put32(b, f.entities + 8 + 1, 0x80000000u ^ 0xF0F0);
       },
       kFailedToOpenDocument},
      {"settings layer beyond its list", [&](auto& b) { Put32(b, f.entities - 16, 1); },
       kFailedToOpenDocument},
      {"settings text style beyond its list", [&](auto& b) { Put32(b, f.entities - 12, 5); },
       kFailedToOpenDocument},
      {"settings line type beyond its list", [&](auto& b) { Put32(b, f.entities - 20, 4); },
       kUnexpectedFileFormat},
      {"cut inside the entity", [&](auto& b) { b.resize(b.size() - 3); }, kUnexpectedFileFormat},
      {"cut after the magic", [&](auto& b) { b.resize(10); }, kUnexpectedFileFormat},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> bytes = f.bytes;
    c.damage(bytes);
    const Opened opened = Open(bytes);
    EXPECT_FALSE(opened.result.opened);
    EXPECT_EQ(opened.messages, std::vector<std::u16string>{c.message});
    EXPECT_TRUE(opened.cleared);
  }
}

TEST(DrawingFile, AnUnknownKindIsNamedThenRefused) {
  SmallFile f = MakeSmallFile();
  f.bytes[f.entities + 8] = 6;
  f.bytes[f.entities + 8 + 11] = 6 ^ 0x55;
  const Opened opened = Open(f.bytes);
  EXPECT_FALSE(opened.result.opened);
  EXPECT_EQ(opened.messages,
            (std::vector<std::u16string>{u"Undetermined element code: 6", kUnexpectedFileFormat}));
  EXPECT_TRUE(opened.cleared);
}

TEST(DrawingFile, EveryCutOfAFileIsRefusedOrSilentlyEmpty) {
  const SmallFile f = MakeSmallFile();
  for (std::size_t length = 0; length < f.bytes.size(); ++length) {
    SCOPED_TRACE(length);
    const Opened opened = Open(std::vector<uint8_t>(f.bytes.begin(), f.bytes.begin() + length));
    if (length < 10) {
      // Shorter than its magic: nothing is read or reported, and the drawing is new.
      EXPECT_TRUE(opened.result.opened);
      EXPECT_TRUE(opened.messages.empty());
      EXPECT_TRUE(opened.completed);
    } else {
      EXPECT_FALSE(opened.result.opened);
      EXPECT_EQ(opened.messages, std::vector<std::u16string>{kUnexpectedFileFormat});
      EXPECT_TRUE(opened.cleared);
    }
  }
}

TEST(DrawingFile, MagicsOfEveryLength) {
  struct Case {
    const char* name;
    std::string bytes;
    int version;  // -1: not read
    const char16_t* message;
  } cases[] = {
      {"empty", "", -1, nullptr},
      {"eight bytes of a long magic", "KorvoCAD", -1, nullptr},
      {"nine bytes of a long magic", "KorvoCAD0", -1, nullptr},
      {"unknown long magic", "KorvoCAD05", -1, kFailedToOpenDocument},
      {"unknown short magic", "QPXCAD03", -1, kFailedToOpenDocument},
      {"seven bytes", "QPXCAD0", -1, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Opened opened = Open(std::vector<uint8_t>(c.bytes.begin(), c.bytes.end()));
    EXPECT_TRUE(opened.result.opened);
    EXPECT_EQ(opened.result.version, c.version);
    EXPECT_TRUE(opened.completed);
    if (c.message) {
      EXPECT_EQ(opened.messages, std::vector<std::u16string>{c.message});
    } else {
      EXPECT_TRUE(opened.messages.empty());
    }
  }
}

TEST(DrawingFile, BlockRecordsAreCheckedLikeTheRest) {
  auto door = [](uint32_t nameGuard, uint8_t codeCheck) {
    return [=](NativeBytes& b) {
      b.Guard(1).Guard(nameGuard).Str(u"DOOR").Pt(1, 2).F64(3).F64(4).Pt(0, 0);
      b.Guard(1).Header(1, 0, 0, 7, 0).Pt(0, 0).Pt(1, 0);
      b.bytes[b.bytes.size() - 32 - 30 + 11] = codeCheck;
    };
  };
  struct Case {
    const char* name;
    std::function<void(NativeBytes&)> blocks;
    bool opens;
  } cases[] = {
      {"a sound block", door(4, 1 ^ 0x55), true},
      {"a block name whose length differs from its guarded count", door(5, 1 ^ 0x55), false},
      {"a damaged record inside the block", door(4, 1), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Drawing drawing;
    RecordingMessageBox messages;
    const OpenResult result = OpenDrawingBytes(MakeSmallFile(c.blocks).bytes, drawing, messages);
    EXPECT_EQ(result.opened, c.opens);
    if (c.opens) {
      ASSERT_NE(drawing.blocks.Find(u"door"), nullptr);
      EXPECT_EQ(drawing.blocks.Find(u"door")->size(), 1u);
    } else {
      EXPECT_EQ(messages.Texts(), std::vector<std::u16string>{kUnexpectedFileFormat});
      EXPECT_TRUE(drawing.blocks.empty());
    }
  }
}

// A file of references carried inside one another, `depth` deep.
std::vector<uint8_t> NestedReferences(int depth) {
  NativeBytes b;
  b.Raw("KorvoCAD04").Guard(0);
  b.Guard(1).Name(u"0").U8(0).U32(0).I16(7).F64(-3);
  b.Guard(1).Name(u"STANDARD").Name(u"TXT").F64(0).F64(1).F64(1).F64(0).U8(0);
  b.Guard(0);
  b.Pt(0, 0).Pt(210, 297).Pt(0, 0).F64(210).F64(297).F64(5).F64(2.5).F64(1).F64(1).F64(1);
  b.U8(0).U8(1).I16(256).Pt(0, 0).F64(0).F64(0).F64(0).F64(0).F64(0).U32(1).U8(34).F64(5);
  b.U8(0).U32(8).U32(2).U32(0).U32(0).F64(-1);
  for (int level = 0; level < depth; ++level) {
    b.Guard(1).Header(7, 0, 2, 256, -1).Name(u"MISSING").Pt(0, 0).F64(1).F64(1).F64(0);
    b.Guard(0);  // the expanded parts, never saved
  }
  b.Guard(0);  // the innermost reference carries nothing
  return b.bytes;
}

TEST(DrawingFile, ReferencesNestedWithoutEndAreRefused) {
  Drawing drawing;
  RecordingMessageBox messages;
  EXPECT_TRUE(OpenDrawingBytes(NestedReferences(63), drawing, messages).opened);
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(drawing.entities.size(), 1u);

  // Deeper than any drawing goes: refused before the reader's recursion can exhaust the stack.
  const Opened opened = Open(NestedReferences(64));
  EXPECT_FALSE(opened.result.opened);
  EXPECT_EQ(opened.messages, std::vector<std::u16string>{kUnexpectedFileFormat});
  EXPECT_TRUE(opened.cleared);
}

class DrawingFileOnDisk : public ::testing::Test {
 protected:
  testing::ScratchFolder scratch{"korvocad_drawing_file"};
  const std::filesystem::path folder = scratch.path();
};

TEST_F(DrawingFileOnDisk, SaveThenOpenGivesTheDrawingBack) {
  Drawing drawing;
  drawing.New();
  drawing.entities.AddTail(new LineEntity(1, 2, 3, 4, drawing.settings));
  RecordingMessageBox messages;
  const auto path = folder / "plan.KorvoDWG";
  ASSERT_TRUE(SaveDrawing(drawing, path, messages));
  Drawing reopened;
  const OpenResult result = OpenDrawing(path, reopened, messages);
  EXPECT_TRUE(result.opened);
  EXPECT_EQ(result.version, 4);
  EXPECT_EQ(reopened.path, path);
  ASSERT_EQ(reopened.entities.size(), 1u);
  EXPECT_EQ(reopened.entities.Head()->AsLine()->end, Point(3, 4));
  EXPECT_TRUE(messages.Messages().empty());
  // Nothing but the drawing is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(DrawingFileOnDisk, AFailedSaveKeepsThePreviousFile) {
  const auto path = folder / "plan.KorvoDWG";
  {
    std::ofstream old(path, std::ios::binary);
    old << "previous contents";
  }
  Drawing unwritable;  // cleared: no layer and no text style to refer to
  RecordingMessageBox messages;
  EXPECT_FALSE(SaveDrawing(unwritable, path, messages));
  EXPECT_EQ(messages.Texts(), std::vector<std::u16string>{kFailedToSaveDocument});
  const auto bytes = ReadFileBytes(path);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "previous contents");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(DrawingFileOnDisk, SavingIntoAMissingFolderIsReported) {
  Drawing drawing;
  drawing.New();
  RecordingMessageBox messages;
  EXPECT_FALSE(SaveDrawing(drawing, folder / "missing" / "plan.KorvoDWG", messages));
  EXPECT_EQ(messages.Texts(), std::vector<std::u16string>{kFailedToSaveDocument});
}

TEST_F(DrawingFileOnDisk, AMissingFileIsReportedAndTheDrawingKept) {
  Drawing drawing;
  drawing.New();
  drawing.entities.AddTail(new LineEntity(0, 0, 1, 1, drawing.settings));
  RecordingMessageBox messages;
  EXPECT_FALSE(OpenDrawing(folder / "none.KorvoDWG", drawing, messages).opened);
  EXPECT_EQ(messages.Texts(), std::vector<std::u16string>{kFailedToOpenDocument});
  EXPECT_EQ(drawing.entities.size(), 1u);
}

// A refused file leaves a cleared drawing behind: it must no longer carry the name of the
// file it held before, or saving it would empty that file.
TEST_F(DrawingFileOnDisk, ARefusedFileLeavesTheDrawingWithoutAName) {
  const auto previous = folder / "previous.KorvoDWG";
  const auto damaged = folder / "damaged.KorvoDWG";
  std::vector<uint8_t> bytes = MakeSmallFile().bytes;
  bytes.resize(bytes.size() - 1);
  {
    std::ofstream out(damaged, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  Drawing drawing;
  drawing.New();
  drawing.path = previous;
  RecordingMessageBox messages;
  EXPECT_FALSE(OpenDrawing(damaged, drawing, messages).opened);
  EXPECT_EQ(messages.Texts(), std::vector<std::u16string>{kUnexpectedFileFormat});
  EXPECT_TRUE(drawing.entities.empty());
  EXPECT_TRUE(drawing.path.empty()) << drawing.path;
}

// A file that is no drawing at all (an unknown magic) opens as a new drawing, reported, but
// not named after the file: a Save must not write over a file of another kind. A file too
// short to hold a magic is taken as an empty drawing of that name.
TEST_F(DrawingFileOnDisk, AForeignFileOpensUnnamedAndAnEmptyOneNamed) {
  struct Case {
    const char* name;
    std::string bytes;
    bool named;
  } cases[] = {
      {"unknown magic", "PK\x03\x04 not a drawing at all", false},
      {"empty", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto path = folder / (std::string(c.name) + ".KorvoDWG");
    {
      std::ofstream out(path, std::ios::binary);
      out << c.bytes;
    }
    Drawing drawing;
    drawing.New();
    RecordingMessageBox messages;
    const OpenResult result = OpenDrawing(path, drawing, messages);
    EXPECT_TRUE(result.opened);
    EXPECT_EQ(result.foreign, !c.named);
    EXPECT_EQ(drawing.path.empty(), !c.named) << drawing.path;
    EXPECT_NE(drawing.layers.Find(u"0"), nullptr);
  }
}

// A line whose body cannot be written for want of memory.
class UnwritableLine : public LineEntity {
 public:
  using LineEntity::LineEntity;
  bool WriteBody(ArchiveWriter&) const override { throw std::bad_alloc(); }
};

TEST_F(DrawingFileOnDisk, ASaveThatRunsOutOfMemoryIsReported) {
  const auto path = folder / "plan.KorvoDWG";
  std::ofstream(path, std::ios::binary) << "previous contents";
  Drawing drawing;
  drawing.New();
  drawing.entities.AddTail(new UnwritableLine(0, 0, 1, 1, drawing.settings));
  RecordingMessageBox messages;
  EXPECT_FALSE(SaveDrawing(drawing, path, messages));
  EXPECT_EQ(messages.Texts(), std::vector<std::u16string>{kFailedToSaveDocument});
  const auto bytes = ReadFileBytes(path);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "previous contents");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

}  // namespace
}  // namespace korvo

namespace korvo {
namespace {

// What opening left: the result, the messages shown and, when it opened, the drawing as it
// would be saved.
struct OpenOutcome {
  bool opened = false;
  int version = -1;
  std::vector<std::u16string> messages;
  std::vector<uint8_t> saved;
  friend bool operator==(const OpenOutcome&, const OpenOutcome&) = default;
};

OpenOutcome Outcome(const OpenResult& result, const Drawing& drawing,
                    const RecordingMessageBox& messages) {
  OpenOutcome outcome{result.opened, result.version, messages.Texts(), {}};
  if (result.opened) {
    ArchiveWriter writer;
    WriteDrawing(writer, drawing);
    outcome.saved = writer.bytes();
  }
  return outcome;
}

std::vector<uint8_t> FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Reading a file a window at a time gives what reading it whole gives, for every corpus file
// of the reader's fuzz target and the samples, cut short at many lengths and with bytes
// damaged, through windows small enough that every record crosses a window's edge.
TEST_F(DrawingFileOnDisk, ReadingInWindowsAnswersAsReadingWhole) {
  std::vector<std::filesystem::path> files;
  const std::filesystem::path source(KORVOCAD_SOURCE_DIR);
  for (const auto& entry : std::filesystem::directory_iterator(source / "fuzz/corpus/native"))
    files.push_back(entry.path());
  for (const auto& entry : std::filesystem::directory_iterator(source / "samples"))
    if (entry.path().extension() == ".KorvoDWG") files.push_back(entry.path());
  ASSERT_GE(files.size(), 10u);
  const std::filesystem::path variant = folder / "variant.KorvoDWG";
  int refused = 0;
  for (const std::filesystem::path& file : files) {
    const std::vector<uint8_t> whole = FileBytes(file);
    std::vector<std::vector<uint8_t>> variants = {whole};
    for (std::size_t cut = 0; cut < whole.size(); cut += 1 + whole.size() / 40)
      variants.emplace_back(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
    for (std::size_t at = 10; at < whole.size(); at += 1 + whole.size() / 25) {
      variants.push_back(whole);
      variants.back()[at] ^= 0xA5;
    }
    for (const std::vector<uint8_t>& bytes : variants) {
      SCOPED_TRACE(file.filename().string() + ", " + std::to_string(bytes.size()) + " bytes");
      {
        std::ofstream out(variant, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
      }
      RecordingMessageBox inMemory;
      Drawing expected;
      const OpenOutcome reference =
          Outcome(OpenDrawingBytes(bytes, expected, inMemory), expected, inMemory);
      refused += !reference.opened;
      for (const std::size_t window : {std::size_t{16}, std::size_t{1000}, std::size_t{1} << 16}) {
        SCOPED_TRACE(window);
        RecordingMessageBox streamed;
        Drawing drawing;
        EXPECT_EQ(
            Outcome(OpenDrawingStreamed(variant, drawing, streamed, window), drawing, streamed),
            reference);
      }
    }
  }
  EXPECT_GT(refused, 0);  // damaged files were among them
}

}  // namespace
}  // namespace korvo
