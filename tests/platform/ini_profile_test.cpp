#include "platform/ini_profile.h"

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "platform/memory_profile.h"

namespace korvo {
namespace {

constexpr const char16_t* kDefault = u"<default>";

class IniProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             (std::string("korvocad_ini_") +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    path = folder / "KorvoCAD.ini";
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  void Write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::string Contents() {
    const auto bytes = ReadFileBytes(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<unreadable>";
  }

  std::filesystem::path folder;
  std::filesystem::path path;
};

TEST_F(IniProfileTest, ValuesRoundTripThroughTheFile) {
  {
    IniProfile profile(folder / "new" / "deeper" / "KorvoCAD.ini");
    EXPECT_TRUE(profile.SetInt(kSettingsSection, u"WHITEBCKG", 1));
    EXPECT_TRUE(profile.SetString(kSettingsSection, u"SymbolLibrary", u"/home/u/Symbole \u00C4"));
    EXPECT_TRUE(profile.SetInt(u"Plugin", u"Min", INT_MIN));
    EXPECT_TRUE(profile.SetInt(u"Plugin", u"Max", INT_MAX));
    EXPECT_TRUE(profile.SetString(u"Plugin", u"Padded", u"  two blanks  "));
    EXPECT_TRUE(profile.SetString(u"Plugin", u"Quoted", u"\"as written\""));
    EXPECT_TRUE(profile.SetString(u"Plugin", u"Empty", u""));
  }
  IniProfile again(folder / "new" / "deeper" / "KorvoCAD.ini");
  EXPECT_EQ(again.GetInt(u"settings", u"whitebckg", 0), 1);
  EXPECT_EQ(again.GetString(u"SETTINGS", u"SYMBOLLIBRARY", u"-"), u"/home/u/Symbole \u00C4");
  EXPECT_EQ(again.GetInt(u"Plugin", u"Min", 0), INT_MIN);
  EXPECT_EQ(again.GetInt(u"Plugin", u"Max", 0), INT_MAX);
  EXPECT_EQ(again.GetString(u"Plugin", u"Padded", u"-"), u"  two blanks  ");
  EXPECT_EQ(again.GetString(u"Plugin", u"Quoted", u"-"), u"\"as written\"");
  EXPECT_EQ(again.GetString(u"Plugin", u"Empty", u"-"), u"");
  EXPECT_EQ(again.GetString(u"Plugin", u"Missing", u"-"), u"-");
}

TEST_F(IniProfileTest, ChangesKeepEverythingElseInPlace) {
  Write(
      "; written by hand\r\n"
      "[Settings]\r\n"
      "WhiteBckg = 0\r\n"
      "this line means nothing\r\n"
      "Other=kept\r\n"
      "\r\n"
      "[Elsewhere]\r\n"
      "Symbol=a.KorvoDWG\r\n");
  IniProfile profile(path);
  EXPECT_EQ(profile.GetInt(kSettingsSection, u"WHITEBCKG", 7), 0);
  ASSERT_TRUE(profile.SetInt(kSettingsSection, u"WHITEBCKG", 1));
  ASSERT_TRUE(profile.SetString(kSettingsSection, u"Symbol", u"b.KorvoDWG"));
  ASSERT_TRUE(profile.SetString(u"New", u"Key", u"v"));
  EXPECT_EQ(Contents(),
            "; written by hand\n"
            "[Settings]\n"
            "WhiteBckg=1\n"
            "this line means nothing\n"
            "Other=kept\n"
            "Symbol=b.KorvoDWG\n"
            "\n"
            "[Elsewhere]\n"
            "Symbol=a.KorvoDWG\n"
            "[New]\n"
            "Key=v\n");
}

TEST_F(IniProfileTest, MalformedFilesReadWhatTheyCan) {
  struct Case {
    const char* name;
    std::string text;
    const char16_t* section;
    const char16_t* key;
    std::u16string expected;
  } cases[] = {
      {"empty file", "", u"S", u"k", kDefault},
      {"key before any section", "k=1\n[S]\n", u"S", u"k", kDefault},
      {"unclosed section", "[S\nk=1\n", u"S", u"k", kDefault},
      {"no equals sign", "[S]\nk 1\n", u"S", u"k", kDefault},
      {"empty key", "[S]\n=1\n", u"S", u"k", kDefault},
      {"comment", "[S]\n;k=1\n#k=2\n", u"S", u"k", kDefault},
      {"repeated key: first wins", "[S]\nk=1\nk=2\n", u"S", u"k", u"1"},
      {"repeated section: first wins", "[S]\nk=1\n[S]\nk=2\n", u"S", u"k", u"1"},
      {"blanks around names", "  [ S ]  \n  k  =  1  \n", u"S", u"k", u"1"},
      {"equals in value", "[S]\nk=a=b\n", u"S", u"k", u"a=b"},
      {"byte order mark", "\xEF\xBB\xBF[S]\nk=1\n", u"S", u"k", u"1"},
      {"bad UTF-8", "[S]\nk=\xFF\xFE\n", u"S", u"k", u"\uFFFD\uFFFD"},
      {"NUL bytes", std::string("[S]\nk=a\0b\n\0\n", 12), u"S", u"k", std::u16string(u"a\0b", 3)},
      {"no final newline", "[S]\nk=1", u"S", u"k", u"1"},
      {"binary junk", "\x01\x02[\x03]]]==\n[[[\n", u"S", u"k", kDefault},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Write(c.text);
    IniProfile profile(path);
    EXPECT_EQ(profile.GetString(c.section, c.key, kDefault), c.expected);
  }
}

TEST_F(IniProfileTest, UnreadableAndUnwritableFiles) {
  // A folder where the file should be: nothing to read, nothing written, values kept for
  // this run.
  std::filesystem::create_directories(path);
  IniProfile profile(path);
  EXPECT_FALSE(profile.SetInt(kSettingsSection, u"WHITEBCKG", 1));
  EXPECT_EQ(profile.GetInt(kSettingsSection, u"WHITEBCKG", 0), 1);
}

TEST_F(IniProfileTest, OversizedFileIsNeverOverwritten) {
  std::string big = "[S]\nk=1\n";
  big.resize(IniProfile::kMaxFileSize + 1, ';');
  Write(big);
  IniProfile profile(path);
  EXPECT_EQ(profile.GetInt(u"S", u"k", 9), 9);
  EXPECT_FALSE(profile.SetInt(u"S", u"k", 2));
  EXPECT_EQ(profile.GetInt(u"S", u"k", 9), 2);
  EXPECT_EQ(Contents().size(), big.size());
}

TEST_F(IniProfileTest, RefusesNamesAndValuesTheFileCannotHold) {
  IniProfile profile(path);
  struct Case {
    const char* name;
    const char16_t* section;
    const char16_t* key;
    const char16_t* value;
  } cases[] = {
      {"empty section", u"", u"k", u"v"},
      {"bracket in section", u"a]b", u"k", u"v"},
      {"empty key", u"S", u"", u"v"},
      {"equals in key", u"S", u"a=b", u"v"},
      {"padded key", u"S", u" k", u"v"},
      {"comment key", u"S", u";k", u"v"},
      {"line break in value", u"S", u"k", u"a\nb"},
      {"line break in section", u"S\n", u"k", u"v"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(profile.SetString(c.section, c.key, c.value));
  }
  EXPECT_FALSE(std::filesystem::exists(path)) << "nothing was written";
}

TEST(ProfileInt, NonNumbersGiveTheDefault) {
  struct Case {
    const char* name;
    const char16_t* text;
    int expected;
  } cases[] = {
      {"plain", u"42", 42},
      {"negative", u"-7", -7},
      {"plus sign", u"+7", 7},
      {"padded", u" 3\t", 3},
      {"letters", u"abc", -1},
      {"trailing letters", u"12abc", -1},
      {"fraction", u"1.5", -1},
      {"exponent", u"1e3", -1},
      {"empty", u"", -1},
      {"two signs", u"+-1", -1},
      {"beyond int", u"2147483648", -1},
      {"non-ASCII digit", u"\u0661", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryProfile memory;
    memory.SetString(u"S", u"k", c.text);
    EXPECT_EQ(memory.GetInt(u"s", u"K", -1), c.expected);
  }
}

TEST(MemoryProfile, NamesIgnoreCase) {
  MemoryProfile profile;
  EXPECT_EQ(profile.GetString(kSettingsSection, u"Symbol", u"none"), u"none");
  profile.SetString(kSettingsSection, u"Symbol", u"a");
  profile.SetString(u"settings", u"SYMBOL", u"b");
  EXPECT_EQ(profile.GetString(u"Settings", u"symbol", u"none"), u"b");
  profile.SetInt(kSettingsSection, u"WHITEBCKG", -12);
  EXPECT_EQ(profile.GetInt(kSettingsSection, u"whitebckg", 0), -12);
}

TEST(DefaultProfilePath, FollowsTheConfigurationFolderRules) {
  struct Case {
    const char* name;
    const char* xdg;
    const char* home;
    const char* expected;  // null: none
  } cases[] = {
      {"XDG set", "/x/conf", "/home/u", "/x/conf/KorvoCAD/KorvoCAD.ini"},
      {"XDG unset", nullptr, "/home/u", "/home/u/.config/KorvoCAD/KorvoCAD.ini"},
      {"XDG empty", "", "/home/u", "/home/u/.config/KorvoCAD/KorvoCAD.ini"},
      {"XDG relative", "conf", "/home/u", "/home/u/.config/KorvoCAD/KorvoCAD.ini"},
      {"nothing", nullptr, nullptr, nullptr},
      {"empty home", nullptr, "", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto path = DefaultProfilePath(c.xdg, c.home);
    if (c.expected == nullptr) {
      EXPECT_FALSE(path.has_value());
    } else {
      ASSERT_TRUE(path.has_value());
      EXPECT_EQ(path->string(), c.expected);
    }
  }
}

}  // namespace
}  // namespace korvo
