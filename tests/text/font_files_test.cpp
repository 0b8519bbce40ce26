#include "text/font_files.h"

#include <gtest/gtest.h>

#include "tests/text/font_test_folder.h"

namespace korvo {
namespace {

class FontFiles : public test::FontFolderTest {};

TEST_F(FontFiles, PathOfAName) {
  WriteFont("Lower.kcdfnt", {1, 2, 3});
  struct Case {
    const char* name;
    std::u16string font;
    std::optional<std::string> fileName;
  } cases[] = {
      {"exact", u"Lower", "Lower.kcdfnt"},
      {"other letter case finds the file", u"LOWER", "Lower.kcdfnt"},
      {"absent file keeps the name", u"Absent", "Absent.kcdfnt"},
      {"empty", u"", std::nullopt},
      {"slash", u"a/b", std::nullopt},
      {"backslash", u"a\\b", std::nullopt},
      {"parent folder", u"../TXT", std::nullopt},
      {"NUL", std::u16string(u"TX\0T", 4), std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto path = FontFilePath(c.font);
    ASSERT_EQ(path.has_value(), c.fileName.has_value());
    if (!path) continue;
    EXPECT_EQ(path->parent_path(), Folder());
    EXPECT_EQ(path->filename().string(), *c.fileName);
  }
}

TEST_F(FontFiles, OnlyRegularFilesOfAFontsSizeAreRead) {
  WriteFont("Small.kcdfnt", {1, 2, 3});
  std::filesystem::create_directory(Folder() / "Folder.kcdfnt");
  WriteFont("Huge.kcdfnt", {});
  // Sparse: costs no disk space.
  std::filesystem::resize_file(Folder() / "Huge.kcdfnt", kMaxFontFileSize + 1);
  EXPECT_EQ(ReadFontFile(Folder() / "Small.kcdfnt"), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_FALSE(ReadFontFile(Folder() / "Folder.kcdfnt"));
  EXPECT_FALSE(ReadFontFile(Folder() / "Huge.kcdfnt"));
  EXPECT_FALSE(ReadFontFile(Folder() / "Absent.kcdfnt"));
}

}  // namespace
}  // namespace korvo
