#include "platform/file_io.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"

namespace korvo {
namespace {

class FileIo : public ::testing::Test {
 protected:
  std::string Contents(const std::filesystem::path& path) {
    const auto bytes = ReadFileBytes(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<unreadable>";
  }
  std::size_t FilesInFolder() {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
  }

  testing::ScratchFolder scratch{"korvocad_file_io"};
  const std::filesystem::path folder = scratch.path();
};

TEST_F(FileIo, ReadsWholeFilesOfAnySize) {
  for (std::size_t size :
       {std::size_t{0}, std::size_t{1}, std::size_t{65536}, std::size_t{200001}}) {
    SCOPED_TRACE(size);
    std::string text(size, 'x');
    for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>('a' + i % 26);
    const auto path = folder / "data.bin";
    std::ofstream(path, std::ios::binary) << text;
    EXPECT_EQ(Contents(path), text);
  }
  EXPECT_FALSE(ReadFileBytes(folder / "missing").has_value());
  EXPECT_FALSE(ReadFileBytes(folder).has_value()) << "a folder is not a file";
  // A stream without end is given up at its limit instead of filling memory.
  EXPECT_FALSE(ReadFileBytes("/dev/zero", 1 << 20).has_value());
}

TEST_F(FileIo, AtomicWriteReplacesOnlyAfterSuccess) {
  const auto target = folder / "drawing.KorvoDWG";
  std::ofstream(target, std::ios::binary) << "old";
  ::chmod(target.c_str(), 0640);

  EXPECT_FALSE(WriteFileAtomically(target, [](FileWriter& file) {
    file.Write("half of the new");
    return false;
  }));
  EXPECT_EQ(Contents(target), "old");
  EXPECT_EQ(FilesInFolder(), 1u) << "the temporary file is removed";

  EXPECT_TRUE(WriteFileAtomically(target, [](FileWriter& file) {
    file.Write("new");
    return true;
  }));
  EXPECT_EQ(Contents(target), "new");
  EXPECT_EQ(FilesInFolder(), 1u);
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u) << "the replaced file's permissions stay";
}

TEST_F(FileIo, AtomicWriteThatThrowsLeavesNoTemporaryFile) {
  const auto target = folder / "drawing.KorvoDWG";
  std::ofstream(target, std::ios::binary) << "old";
  EXPECT_THROW(WriteFileAtomically(target,
                                   [](FileWriter& file) -> bool {
                                     file.Write("half of the new");
                                     throw std::runtime_error("out of memory");
                                   }),
               std::runtime_error);
  EXPECT_EQ(Contents(target), "old");
  EXPECT_EQ(FilesInFolder(), 1u) << "the temporary file is removed";
}

TEST_F(FileIo, AtomicWriteOfTheLongestNameSucceeds) {
  // As long as a file name may be: the temporary name must not be longer.
  const auto target = folder / (std::string(246, 'n') + ".KorvoDWG");
  EXPECT_TRUE(WriteFileAtomically(target, [](FileWriter& file) {
    file.Write("new");
    return true;
  }));
  EXPECT_EQ(Contents(target), "new");
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(FileIo, AtomicWriteIntoAMissingFolderFails) {
  bool called = false;
  EXPECT_FALSE(WriteFileAtomically(folder / "none" / "x", [&](FileWriter&) {
    called = true;
    return true;
  }));
  EXPECT_FALSE(called);
}

}  // namespace
}  // namespace korvo
