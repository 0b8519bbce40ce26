#include "exchange/save_as.h"

#include <unistd.h>

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

// The extension is what follows the last "." after the last separator, so a name that is
// nothing but an extension still chooses its format.
TEST(SaveDrawingAs, ExtensionChoosesTheFormat) {
  const testing::ScratchFolder scratch("korvocad_save_as");
  const std::filesystem::path& folder = scratch.path();
  Drawing drawing;
  drawing.New();
  drawing.entities.AddTail(new LineEntity(0, 0, 1, 1, drawing.settings));
  const std::string dxf = testing::DxfText(drawing);

  struct Case {
    const char* name;
    bool isDxf;
  } cases[] = {
      {"plan.dxf", true},      {"plan.DxF", true}, {".dxf", true},   {".DXF", true},
      {"plan.dxf.old", false}, {"plan", false},    {"plan.", false}, {"plan.korvodwg", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::filesystem::path path = folder / c.name;
    RecordingMessageBox messages;
    ASSERT_TRUE(SaveDrawingAs(drawing, path, SaveAsOptions{}, messages));
    const std::string written = ReadAll(path);
    EXPECT_FALSE(written.empty());
    EXPECT_EQ(written == dxf, c.isDxf);
    std::filesystem::remove(path);
  }
}

}  // namespace
}  // namespace korvo
