#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "platform/file_io.h"
#include "platform/ini_profile.h"
#include "plugin/plugin_api.h"
#include "tests/plugin/service_fixture.h"
#include "tests/support/scratch_folder.h"

namespace korvo::testing {
namespace {

namespace S = PluginService;

TEST(DocumentServices, ArgumentsDocumentAndMainWindow) {
  ServiceFixture f;
  f.context.arguments = u"-x";
  f.context.documentPath = u"/tmp/a.KorvoDWG";
  f.context.documentTitle = u"a.KorvoDWG";
  EXPECT_EQ(std::u16string(f.Service<GetArgumentsFn>(S::GetArguments)(&f.context)), u"-x");
  EXPECT_EQ(std::u16string(f.Service<GetDocumentPathFn>(S::GetDocumentPath)(&f.context)),
            u"/tmp/a.KorvoDWG");
  EXPECT_EQ(std::u16string(f.Service<GetDocumentTitleFn>(S::GetDocumentTitle)(&f.context)),
            u"a.KorvoDWG");
  // The main window is answered without asking for a drawing.
  f.context.drawing = nullptr;
  EXPECT_EQ(f.Service<GetArgumentsFn>(S::GetArguments)(&f.context), nullptr);
  Window* frame = f.session.engine().frameWindow();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(f.Service<GetMainWindowFn>(S::GetMainWindow)(&f.context), static_cast<void*>(frame));
}

TEST(DocumentServices, TheProgramsSectionIsRefusedInAnyLetterCase) {
  const char16_t* sections[] = {u"SETTINGS", u"settings",  u"Settings",
                                u"sEtTiNgS", u" SETTINGS", u"SETTINGS\t"};
  for (const char16_t* section : sections) {
    SCOPED_TRACE(std::string(section, section + std::char_traits<char16_t>::length(section)));
    ServiceFixture f;
    f.session.profile().SetInt(u"SETTINGS", u"WHITEBCKG", 1);
    f.session.profile().SetString(u"SETTINGS", u"Symbol", u"door");
    PluginContext* c = &f.context;
    int32_t number = 42;
    char16_t text[kPluginTextCapacity] = u"untouched";
    uint8_t bytes[4] = {1, 2, 3, 4};
    uint32_t size = sizeof bytes;
    EXPECT_EQ(f.Service<GetProfileIntFn>(S::GetProfileInt)(c, section, u"WHITEBCKG", 0, &number),
              0);
    EXPECT_EQ(f.Service<WriteProfileIntFn>(S::WriteProfileInt)(c, section, u"WHITEBCKG", 0), 0);
    EXPECT_EQ(f.Service<GetProfileStringFn>(S::GetProfileString)(c, section, u"Symbol", u"", text),
              0);
    EXPECT_EQ(f.Service<WriteProfileStringFn>(S::WriteProfileString)(c, section, u"Symbol", u"x"),
              0);
    EXPECT_EQ(f.Service<GetProfileBinaryFn>(S::GetProfileBinary)(c, section, u"B", bytes, &size),
              0);
    EXPECT_EQ(f.Service<WriteProfileBinaryFn>(S::WriteProfileBinary)(c, section, u"B", bytes, 4),
              0);
    EXPECT_EQ(number, 42);
    EXPECT_EQ(std::u16string(text), u"untouched");
    EXPECT_EQ(f.session.profile().GetInt(u"SETTINGS", u"WHITEBCKG", -1), 1);
    EXPECT_EQ(f.session.profile().GetString(u"SETTINGS", u"Symbol", u""), u"door");
    EXPECT_EQ(f.session.profile().GetString(u"SETTINGS", u"B", u"none"), u"none");
  }
}

TEST(DocumentServices, PluginSectionsLiveInTheHostsProfileFile) {
  ScratchFolder folder;
  IniProfile profile(folder / "KorvoCAD.ini");
  ServiceFixture f(&profile);
  PluginContext* c = &f.context;
  f.session.view().SetWhiteBackground(true);  // the host writes its own section
  EXPECT_EQ(f.Service<WriteProfileIntFn>(S::WriteProfileInt)(c, u"KCADCCS", u"Rows", 5), 1);
  EXPECT_EQ(f.Service<WriteProfileStringFn>(S::WriteProfileString)(c, u"KCADCCS", u"Name", u"wall"),
            1);
  const uint8_t bytes[] = {0x00, 0x7F, 0xFF};
  EXPECT_EQ(
      f.Service<WriteProfileBinaryFn>(S::WriteProfileBinary)(c, u"KCADCCS", u"Blob", bytes, 3), 1);

  // A profile read afresh from the file has both sections.
  IniProfile again(folder / "KorvoCAD.ini");
  EXPECT_EQ(again.GetInt(u"SETTINGS", u"WHITEBCKG", 0), 1);
  EXPECT_EQ(again.GetInt(u"kcadccs", u"rows", 0), 5);
  EXPECT_EQ(again.GetString(u"KCADCCS", u"Name", u""), u"wall");
  EXPECT_EQ(again.GetString(u"KCADCCS", u"Blob", u""), u"007FFF");

  int32_t number = 0;
  EXPECT_EQ(f.Service<GetProfileIntFn>(S::GetProfileInt)(c, u"kcadccs", u"ROWS", 1, &number), 1);
  EXPECT_EQ(number, 5);
  EXPECT_EQ(f.Service<GetProfileIntFn>(S::GetProfileInt)(c, u"KCADCCS", u"Cols", 7, &number), 1);
  EXPECT_EQ(number, 7);  // the default of a missing entry
}

TEST(DocumentServices, StringsComeBackCutToTheBufferAndTerminated) {
  ServiceFixture f;
  const std::u16string stored(300, u'q');
  f.session.profile().SetString(u"KCADCCS", u"Long", stored);
  char16_t out[kPluginTextCapacity + 4];
  std::fill(std::begin(out), std::end(out), u'#');
  auto get = f.Service<GetProfileStringFn>(S::GetProfileString);
  ASSERT_EQ(get(&f.context, u"KCADCCS", u"Long", u"", out), 1);
  EXPECT_EQ(std::u16string(out), std::u16string(kPluginTextCapacity - 1, u'q'));
  for (int i = kPluginTextCapacity; i < kPluginTextCapacity + 4; ++i) EXPECT_EQ(out[i], u'#');
  ASSERT_EQ(get(&f.context, u"KCADCCS", u"Missing", u"fallback", out), 1);
  EXPECT_EQ(std::u16string(out), u"fallback");
}

TEST(DocumentServices, BinaryValuesNeedABufferLargeEnough) {
  ServiceFixture f;
  PluginContext* c = &f.context;
  const uint8_t written[] = {1, 2, 3, 4, 5};
  ASSERT_EQ(f.Service<WriteProfileBinaryFn>(S::WriteProfileBinary)(c, u"P", u"B", written, 5), 1);
  auto get = f.Service<GetProfileBinaryFn>(S::GetProfileBinary);
  struct Case {
    const char* name;
    uint32_t capacity;
    int32_t served;
    uint32_t size;
  } cases[] = {
      {"too small", 4, 0, 5},
      {"exact", 5, 1, 5},
      {"larger", 8, 1, 5},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    uint8_t buffer[9] = {9, 9, 9, 9, 9, 9, 9, 9, 9};
    uint32_t size = k.capacity;
    EXPECT_EQ(get(c, u"P", u"B", buffer, &size), k.served);
    EXPECT_EQ(size, k.size);
    const uint8_t expected = k.served ? 5 : 9;
    EXPECT_EQ(buffer[4], expected);
    EXPECT_EQ(buffer[5], 9);  // never past the value
  }
  uint32_t size = 8;
  uint8_t buffer[8];
  EXPECT_EQ(get(c, u"P", u"Missing", buffer, &size), 0);
  f.session.profile().SetString(u"P", u"Damaged", u"0G");
  EXPECT_EQ(get(c, u"P", u"Damaged", buffer, &size), 0);
}

}  // namespace
}  // namespace korvo::testing
