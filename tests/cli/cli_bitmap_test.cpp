#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"

#include "cli/cli_app.h"
#include "platform/file_io.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;

const fs::path kSample = fs::path(KORVOCAD_SOURCE_DIR) / "samples" / "sample.KorvoDWG";

struct ConvertResult {
  int status;
  std::string err;
};

ConvertResult Convert(std::vector<std::string> args) {
  args.insert(args.begin(), "convert");
  std::ostringstream out, err;
  const int status = RunCli(args, out, err);
  return {status, err.str()};
}

uint32_t U32At(const std::vector<uint8_t>& bytes, std::size_t at) {
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (uint32_t{bytes[at + 3]} << 24);
}

class CliBitmap : public ::testing::Test {
 protected:
  testing::ScratchFolder scratch{"korvocad_cli_bmp"};
  const fs::path folder = scratch.path();
};

TEST_F(CliBitmap, ConvertWritesABitmapOfTheGivenSize) {
  const fs::path out = folder / "sample.BMP";
  const ConvertResult run =
      Convert({kSample.string(), out.string(), "--width", "241", "--height", "90", "--white"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const auto bytes = ReadFileBytes(out);
  ASSERT_TRUE(bytes.has_value());
  ASSERT_EQ(bytes->size(), 1078u + 244u * 90u);
  EXPECT_EQ((*bytes)[0], 'B');
  EXPECT_EQ(U32At(*bytes, 18), 241u);
  EXPECT_EQ(U32At(*bytes, 22), 90u);
  // A white background: most pixels are palette entry 7.
  std::size_t white = 0;
  for (std::size_t i = 1078; i < bytes->size(); ++i) white += (*bytes)[i] == 7;
  EXPECT_GT(white, bytes->size() / 2);
}

TEST_F(CliBitmap, DefaultSizeAndBlackBackground) {
  const fs::path out = folder / "plain.bmp";
  ASSERT_EQ(Convert({kSample.string(), out.string()}).status, 0);
  const auto bytes = ReadFileBytes(out);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(U32At(*bytes, 18), 640u);
  EXPECT_EQ(U32At(*bytes, 22), 480u);
  std::size_t black = 0;
  for (std::size_t i = 1078; i < bytes->size(); ++i) black += (*bytes)[i] == 0;
  EXPECT_GT(black, bytes->size() / 2);
}

TEST_F(CliBitmap, SizesThatMakeNoPictureAreRefused) {
  for (const char* width : {"0", "-3", "2000000000"}) {
    SCOPED_TRACE(width);
    const fs::path out = folder / "x.bmp";
    const ConvertResult run =
        Convert({kSample.string(), out.string(), "--width", width, "--height", "5"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Not enough memory to complete the operation!\n");
    EXPECT_FALSE(fs::exists(out));
  }
}

TEST_F(CliBitmap, BadOptionsAreUsageErrors) {
  const std::string out = (folder / "x.bmp").string();
  for (const std::vector<std::string>& extra : {std::vector<std::string>{"--width"},
                                                {"--width", "wide"},
                                                {"--height", "1e3"},
                                                {"--white", "--white"},
                                                {"--width", "3", "--width", "4"},
                                                {"--black"},
                                                {"--height", "99999999999"}}) {
    std::vector<std::string> args = {kSample.string(), out};
    args.insert(args.end(), extra.begin(), extra.end());
    const ConvertResult run = Convert(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, CliHelp());
  }
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace korvo
