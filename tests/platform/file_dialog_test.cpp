#include "platform/file_dialog.h"

#include <gtest/gtest.h>

namespace korvo {
namespace {

TEST(FileDialog, DefaultExtensionOnlyWhereTheNameHasNone) {
  struct Case {
    const char* name;
    const char* chosen;
    const char16_t* extension;
    const char* expected;
  } cases[] = {
      {"no extension", "/d/part", u"KorvoDWG", "/d/part.KorvoDWG"},
      {"own extension kept", "/d/part.dxf", u"KorvoDWG", "/d/part.dxf"},
      {"any extension kept", "/d/part.txt", u"KorvoDWG", "/d/part.txt"},
      {"dot in the folder only", "/d.old/part", u"KorvoDWG", "/d.old/part.KorvoDWG"},
      {"hidden file is no extension", "/d/.part", u"KorvoDWG", "/d/.part.KorvoDWG"},
      {"trailing dot takes it", "/d/part.", u"dxf", "/d/part.dxf"},
      {"no default", "/d/part", u"", "/d/part"},
      {"nothing chosen", "", u"dxf", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WithDefaultExtension(c.chosen, c.extension), std::filesystem::path(c.expected));
  }
}

TEST(FileDialog, HeadlessAnswersInOrderThenAsksThenCancels) {
  int asked = 0;
  HeadlessFileDialog dialog([&](const FileDialogRequest&) {
    ++asked;
    return std::optional<std::filesystem::path>("supplied");
  });
  dialog.QueueAnswer(std::filesystem::path("first"));
  dialog.QueueAnswer(std::nullopt);
  FileDialogRequest request;
  request.title = u"Open";
  EXPECT_EQ(dialog.Run(request), std::filesystem::path("first"));
  EXPECT_EQ(dialog.Run(request), std::nullopt);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(dialog.Run(request), std::filesystem::path("supplied"));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(dialog.Requests().size(), 3u);

  HeadlessFileDialog silent;
  EXPECT_EQ(silent.Run(request), std::nullopt);
}

}  // namespace
}  // namespace korvo
