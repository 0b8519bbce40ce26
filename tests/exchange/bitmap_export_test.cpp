#include "exchange/bitmap_export.h"

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/solid_entity.h"
#include "exchange/bitmap_file.h"
#include "exchange/bitmap_options_model.h"
#include "platform/file_io.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;

// A three-colour drawing shown in the window (0, 0)-(100, 50).
struct ExportFixture : ::testing::Test {
  ExportFixture() {
    drawing.New();
    drawing.settings.viewOrigin = Point(0, 0);
    drawing.settings.viewExtent = Size{100, 50};
    auto* line = new LineEntity(0, 0, 100, 50, drawing.settings);
    line->SetColorIndex(1);  // red
    drawing.entities.AddTail(line);
    auto* solid = new SolidEntity(10, 30, 20, 10, drawing.settings);
    solid->SetColorIndex(3);  // green
    drawing.entities.AddTail(solid);
    auto* circle = new CircleEntity(Point(70, 20), 15, drawing.settings);
    circle->SetColorIndex(5);  // blue
    drawing.entities.AddTail(circle);
    directory =
        fs::path(::testing::TempDir()) /
        ("bitmap_export_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(directory);
  }
  ~ExportFixture() override { fs::remove_all(directory); }

  std::vector<uint8_t> Read(const fs::path& path) {
    return ReadFileBytes(path).value_or(std::vector<uint8_t>{});
  }
  int FilesIn() const {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(directory)) ++count;
    return count;
  }

  Drawing drawing;
  fs::path directory;
  RecordingMessageBox messages;
  BitmapExportOptions options;
};

TEST_F(ExportFixture, WritesThePictureOfTheViewWindow) {
  const fs::path file = directory / "out.bmp";
  ASSERT_TRUE(ExportBitmap(drawing, file, options, BitmapOptionsSource::Arguments, 201, 101,
                           Background::Black, messages));
  EXPECT_TRUE(messages.Messages().empty());
  const std::vector<uint8_t> bytes = Read(file);
  ASSERT_EQ(bytes.size(), 1078u + 204u * 101u);
  const auto pixel = [&](int x, int yFromTop) {
    return bytes[1078 + static_cast<std::size_t>(100 - yFromTop) * 204 +
                 static_cast<std::size_t>(x)];
  };
  // Half a unit a pixel: the line runs corner to corner, the solid is filled green.
  EXPECT_EQ(pixel(0, 100), 1);
  EXPECT_EQ(pixel(200, 0), 1);
  EXPECT_EQ(pixel(40, 30), 3);
  EXPECT_EQ(pixel(140 + 30, 60), 5);  // the circle's right end (100, 20)
  EXPECT_EQ(pixel(140, 60), 0);       // its centre: black background
  EXPECT_EQ(options.width, 201);
}

TEST_F(ExportFixture, RefusesPicturesThatCannotBeMadeAndLeavesNoFile) {
  struct Case {
    const char* name;
    int width, height;
  } cases[] = {{"zero width", 0, 10},
               {"negative height", 10, -5},
               {"too large", INT_MAX, INT_MAX},
               {"too large for memory", 70000, 70000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    messages.Clear();
    BitmapExportOptions current{c.width, c.height, false};
    EXPECT_FALSE(ExportBitmap(drawing, directory / "x.bmp", current, BitmapOptionsSource::Arguments,
                              0, 0, Background::Black, messages));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, u"Not enough memory to complete the operation!");
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Stop);
    EXPECT_EQ(FilesIn(), 0);
  }
}

TEST_F(ExportFixture, UnwritablePathIsRefusedAndAnExistingFileKept) {
  EXPECT_FALSE(ExportBitmap(drawing, directory / "missing" / "x.bmp", options,
                            BitmapOptionsSource::Arguments, 8, 8, Background::Black, messages));
  ASSERT_EQ(messages.Texts(), std::vector<std::u16string>{u"Invalid filename."});
  EXPECT_EQ(FilesIn(), 0);
  // A directory in the way of the name: the write fails, nothing else appears.
  fs::create_directories(directory / "taken.bmp");
  EXPECT_FALSE(ExportBitmap(drawing, directory / "taken.bmp", options,
                            BitmapOptionsSource::Arguments, 8, 8, Background::Black, messages));
  EXPECT_EQ(FilesIn(), 1);
  EXPECT_TRUE(fs::is_directory(directory / "taken.bmp"));
}

TEST_F(ExportFixture, LaterExportsReuseTheOptions) {
  ASSERT_TRUE(ExportBitmap(drawing, directory / "a.bmp", options, BitmapOptionsSource::Arguments,
                           30, 20, Background::White, messages));
  // Width and height 0 keep the last ones; the background is always replaced.
  ASSERT_TRUE(ExportBitmap(drawing, directory / "b.bmp", options, BitmapOptionsSource::Arguments, 0,
                           0, Background::Black, messages));
  EXPECT_EQ(options.width, 30);
  EXPECT_EQ(options.height, 20);
  EXPECT_FALSE(options.whiteBackground);
  EXPECT_EQ(Read(directory / "b.bmp").size(), 1078u + 32u * 20u);
}

struct ScriptedDialog : BitmapOptionsDialog {
  bool Run(BitmapOptionsModel& model) override {
    shownWidth = model.widthText;
    if (!ok) return false;
    model.widthText = u"12";
    model.heightText = u" 7 ";
    model.backgroundChoice = 1;
    return true;
  }
  bool ok = true;
  std::u16string shownWidth;
};

TEST_F(ExportFixture, AskingRunsTheDialogOnTheCurrentOptions) {
  ScriptedDialog dialog;
  dialog.ok = false;
  EXPECT_FALSE(ExportBitmap(drawing, directory / "c.bmp", options, BitmapOptionsSource::Dialog, 0,
                            0, Background::Black, messages, &dialog));
  EXPECT_EQ(dialog.shownWidth, u"640");
  EXPECT_EQ(FilesIn(), 0);
  dialog.ok = true;
  ASSERT_TRUE(ExportBitmap(drawing, directory / "c.bmp", options, BitmapOptionsSource::Dialog, 0, 0,
                           Background::Black, messages, &dialog));
  EXPECT_EQ(options.width, 12);
  EXPECT_EQ(options.height, 7);
  EXPECT_TRUE(options.whiteBackground);
  const std::vector<uint8_t> bytes = Read(directory / "c.bmp");
  ASSERT_EQ(bytes.size(), 1078u + 12u * 7u);
  EXPECT_EQ(bytes[1078 + 1], 7);  // white background
}

TEST(BitmapOptionsModelTest, TextsAndAccept) {
  BitmapOptionsModel model(BitmapExportOptions{320, 240, true});
  EXPECT_EQ(model.widthText, u"320");
  EXPECT_EQ(model.heightText, u"240");
  EXPECT_EQ(model.backgroundChoice, 1);
  BitmapExportOptions options;
  std::u16string message;
  model.widthText = u"-5";  // no range checks
  model.backgroundChoice = 0;
  ASSERT_TRUE(model.Accept(options, message));
  EXPECT_EQ(options.width, -5);
  EXPECT_FALSE(options.whiteBackground);
  for (const char16_t* bad : {u"", u"12px", u"1.5", u"99999999999", u"- 3"}) {
    model.heightText = bad;
    EXPECT_FALSE(model.Accept(options, message)) << std::string(bad, bad + 0);
    EXPECT_EQ(message, u"Please enter an integer.");
  }
  EXPECT_EQ(options.height, 240);
}

// An independent reader (Pillow, from Debian's packages) opens the file.
TEST_F(ExportFixture, IndependentReaderOpensTheFile) {
  // scripts/install-deps.sh installs python3-pil: its absence is a set-up fault.
  ASSERT_TRUE(fs::exists("/usr/bin/python3") &&
              std::system("/usr/bin/python3 -c 'import PIL' >/dev/null 2>&1") == 0)
      << "/usr/bin/python3 with PIL is not installed (scripts/install-deps.sh installs it)";
  const fs::path file = directory / "sample.bmp";
  ASSERT_TRUE(ExportBitmap(drawing, file, options, BitmapOptionsSource::Arguments, 241, 120,
                           Background::Black, messages));
  const fs::path report = directory / "report.txt";
  const std::string script =
      "import sys\n"
      "from PIL import Image\n"
      "im = Image.open(sys.argv[1])\n"
      "t = im.tile[0]\n"
      "im.load()\n"
      "p = im.getpalette()\n"
      "out = open(sys.argv[2], 'w')\n"
      "print(im.format, im.size[0], im.size[1], im.mode, im.info.get('compression', 0), file=out)\n"
      "print(' '.join(str(v) for v in p[:768]), file=out)\n"
      "print(im.getpixel((0, 119)), im.getpixel((240, 0)), im.getpixel((120, 5)), file=out)\n"
      "print(t[0], t[2], t[3][0], t[3][1], t[3][2], file=out)\n";
  const fs::path scriptFile = directory / "read.py";
  std::ofstream(scriptFile) << script;
  const std::string command = "/usr/bin/python3 '" + scriptFile.string() + "' '" + file.string() +
                              "' '" + report.string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::ifstream in(report);
  std::string format, mode;
  int width = 0, height = 0, compression = -1;
  in >> format >> width >> height >> mode >> compression;
  EXPECT_EQ(format, "BMP");
  EXPECT_EQ(width, 241);
  EXPECT_EQ(height, 120);
  EXPECT_EQ(mode, "P");  // 8 bits per pixel through a palette
  std::vector<int> palette(768);
  for (int& v : palette) in >> v;
  const auto rgb = [&](int i) {
    return std::vector<int>{palette[3 * i], palette[3 * i + 1], palette[3 * i + 2]};
  };
  EXPECT_EQ(rgb(0), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(rgb(1), (std::vector<int>{255, 0, 0}));
  EXPECT_EQ(rgb(2), (std::vector<int>{255, 255, 0}));
  EXPECT_EQ(rgb(3), (std::vector<int>{0, 255, 0}));
  EXPECT_EQ(rgb(5), (std::vector<int>{0, 0, 255}));
  EXPECT_EQ(rgb(7), (std::vector<int>{255, 255, 255}));
  EXPECT_EQ(rgb(8), (std::vector<int>{128, 128, 128}));
  EXPECT_EQ(rgb(21), (std::vector<int>{255, 159, 127}));
  EXPECT_EQ(rgb(255), (std::vector<int>{255, 255, 255}));
  int lowerLeft = -1, upperRight = -1, top = -1;
  in >> lowerLeft >> upperRight >> top;
  EXPECT_EQ(lowerLeft, 1);  // the red diagonal starts at the window's lower-left corner
  EXPECT_EQ(top, 0);
  EXPECT_NE(upperRight, -1);
  // How the reader decodes the pixels: raw bytes of 8-bit palette indices from offset 1078,
  // rows of 244 bytes (241 padded to 4), bottom-up.
  std::string decoder, rawMode;
  int offset = 0, stride = 0, orientation = 0;
  in >> decoder >> offset >> rawMode >> stride >> orientation;
  EXPECT_EQ(decoder, "raw");
  EXPECT_EQ(offset, 1078);
  EXPECT_EQ(rawMode, "P");
  EXPECT_EQ(stride, 244);
  EXPECT_EQ(orientation, -1);
}

}  // namespace
}  // namespace korvo
