// ExportDxf on real files: the previous file survives every failure.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"

#include "core/line_entity.h"
#include "platform/message_box.h"
#include "tests/exchange/dxf_test_support.h"

namespace korvo {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class DxfExportFile : public ::testing::Test {
 protected:
  DxfExportFile() {
    drawing_.New();
    for (int i = 0; i < 20000; ++i) {
      drawing_.entities.AddTail(new LineEntity(i, 0, i, 1, drawing_.settings));
    }
  }

  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder_),
                                                  std::filesystem::directory_iterator()));
  }
  void WriteOldFile(const std::filesystem::path& path) {
    std::ofstream(path, std::ios::binary) << "previous contents\n";
  }

  testing::ScratchFolder scratch_{"korvocad_dxf"};
  const std::filesystem::path folder_ = scratch_.path();
  Drawing drawing_;
  RecordingMessageBox messages_;
};

TEST_F(DxfExportFile, WritesTheWholeFileAndNoTemporaryRemains) {
  const std::filesystem::path path = folder_ / "out.dxf";
  WriteOldFile(path);
  ASSERT_TRUE(ExportDxf(drawing_, path, messages_));
  EXPECT_EQ(ReadAll(path), testing::DxfText(drawing_));
  EXPECT_EQ(FilesInFolder(), 1u);
  EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(DxfExportFile, AFolderThatDoesNotExistIsAnInvalidFileName) {
  const std::filesystem::path path = folder_ / "missing" / "out.dxf";
  EXPECT_FALSE(ExportDxf(drawing_, path, messages_));
  EXPECT_FALSE(std::filesystem::exists(path));
  ASSERT_EQ(messages_.Texts().size(), 1u);
  EXPECT_EQ(messages_.Texts()[0], u"Invalid filename.");
}

TEST_F(DxfExportFile, AFailedWriteLeavesThePreviousFile) {
  const std::filesystem::path path = folder_ / "out.dxf";
  WriteOldFile(path);
  // Files may not grow beyond 64 KiB for a moment: the export's writes fail with EFBIG.
  rlimit previous{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
  rlimit small = previous;
  small.rlim_cur = 64 * 1024;
  auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool exported = ExportDxf(drawing_, path, messages_);
  ::setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(exported);
  EXPECT_EQ(messages_.Texts(), std::vector<std::u16string>{u"Failed to save document."});
  EXPECT_EQ(ReadAll(path), "previous contents\n");
  EXPECT_EQ(FilesInFolder(), 1u) << "the temporary file is removed";
}

}  // namespace
}  // namespace korvo
