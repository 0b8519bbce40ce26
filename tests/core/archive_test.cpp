#include "core/archive.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/core/native_bytes.h"

namespace korvo {
namespace {

using testing::NativeBytes;

ArchiveErrorKind ErrorOf(const std::vector<uint8_t>& bytes, void (*read)(ArchiveReader&)) {
  ArchiveReader reader(bytes);
  try {
    read(reader);
  } catch (const ArchiveError& error) {
    return error.kind();
  }
  ADD_FAILURE() << "accepted";
  return ArchiveErrorKind::InvalidArgument;
}

TEST(Archive, StringLengthPrefixes) {
  struct Case {
    const char* name;
    std::size_t length;
    std::vector<uint8_t> prefix;  // after the announcement 0xFF 0xFE 0xFF
  } cases[] = {
      {"empty", 0, {0x00}},
      {"254 in one byte", 254, {0xFE}},
      {"255 in a word", 255, {0xFF, 0xFF, 0x00}},
      {"0xFFFD in a word", 0xFFFD, {0xFF, 0xFD, 0xFF}},
      {"0xFFFE in a double word", 0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
      {"0x10000 in a double word", 0x10000, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::u16string text(c.length, u'\u00E9');
    ArchiveWriter writer;
    writer.WriteString(text);
    std::vector<uint8_t> expected = {0xFF, 0xFE, 0xFF};
    expected.insert(expected.end(), c.prefix.begin(), c.prefix.end());
    for (std::size_t i = 0; i < c.length; ++i) expected.insert(expected.end(), {0xE9, 0x00});
    EXPECT_EQ(writer.bytes(), expected);
    ArchiveReader reader(expected);
    EXPECT_EQ(reader.ReadString(), text);
    EXPECT_EQ(reader.Remaining(), 0u);
  }
}

TEST(Archive, EightBitStringsAreReadInTheSystemCodePage) {
  const auto bytes = NativeBytes().U8(4).U8('a').U8(0x80).U8(0xE4).U8(0x9F).bytes;
  ArchiveReader reader(bytes);
  EXPECT_EQ(reader.ReadString(), u"a\u20AC\u00E4\u0178");
  // A long 8-bit string takes the word form without the announcement.
  std::vector<uint8_t> long8 = {0xFF, 0x2C, 0x01};
  long8.insert(long8.end(), 300, 'x');
  ArchiveReader longReader(long8);
  EXPECT_EQ(longReader.ReadString(), std::u16string(300, u'x'));
}

TEST(Archive, NamedStringsAndGuardedCounts) {
  const auto named = NativeBytes().Name(u"LAYER").bytes;
  ArchiveReader reader(named);
  EXPECT_EQ(reader.ReadNamedString(), u"LAYER");

  auto readNamed = [](ArchiveReader& r) { r.ReadNamedString(); };
  auto readCount = [](ArchiveReader& r) { r.ReadGuardedCount(8); };
  EXPECT_EQ(ErrorOf(NativeBytes().Guard(4).Str(u"LAYER").bytes, readNamed),
            ArchiveErrorKind::BadClass);
  EXPECT_EQ(ErrorOf(NativeBytes().U32(5).U32(0).Str(u"LAYER").bytes, readNamed),
            ArchiveErrorKind::BadClass);
  EXPECT_EQ(ErrorOf(NativeBytes().U32(3).U32(~2u).bytes, readCount), ArchiveErrorKind::BadClass);
  // A count the rest of the file cannot hold is refused before anything is allocated.
  EXPECT_EQ(ErrorOf(NativeBytes().Guard(0xFFFFFFFF).F64(1).bytes, readCount),
            ArchiveErrorKind::EndOfFile);
  EXPECT_EQ(ErrorOf(NativeBytes().Guard(2).F64(1).bytes, readCount), ArchiveErrorKind::EndOfFile);
  const std::vector<uint8_t> two = NativeBytes().Guard(2).F64(1).F64(2).bytes;
  ArchiveReader fits(two);
  EXPECT_EQ(fits.ReadGuardedCount(8), 2u);
}

TEST(Archive, StringsLongerThanTheFileAreRefused) {
  auto readString = [](ArchiveReader& r) { r.ReadString(); };
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"UTF-16 one character short", {0xFF, 0xFE, 0xFF, 0x02, 'a', 0, 'b'}},
      {"8-bit double-word length", {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0x7F, 'a'}},
      {"64-bit length",
       {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
        0xFF, 0x7F}},
      {"prefix cut short", {0xFF, 0xFE}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ErrorOf(c.bytes, readString), ArchiveErrorKind::EndOfFile);
  }
}

}  // namespace
}  // namespace korvo
