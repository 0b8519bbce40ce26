#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "platform/property_sheet.h"
#include "plugin/plugin_api.h"
#include "tests/plugin/service_fixture.h"

namespace korvo::testing {
namespace {

namespace S = PluginService;

// The plug-in's side of a sheet: the values it edits and the calls it makes.
struct DialogCalls : ServiceFixture {
  PluginDialog* Create(const char16_t* title = u"Drawing Settings",
                       const char16_t* name = u"SETTINGS") {
    return Service<CreatePropertyDialogFn>(S::CreatePropertyDialog)(&context, title, name);
  }
  int32_t Run(PluginDialog* dialog) {
    int32_t result = 0;
    EXPECT_EQ(Service<RunDialogFn>(S::RunDialog)(&context, dialog, &result), 1);
    return result;
  }
};

TEST(DialogServices, RowsOfEveryKindRunAndReadBack) {
  DialogCalls calls;
  char16_t name[16] = u"wall";
  int32_t count = 8, rows = 2, mode = 7;
  double size = 5, spacing = 2.5;
  uint8_t frame = 0, grid = 1;
  PluginDialog* dialog = calls.Create();
  ASSERT_NE(dialog, nullptr);
  PluginContext* c = &calls.context;
  EXPECT_EQ(calls.Service<AddTextRowFn>(S::AddTextRow)(c, dialog, u"Name:", name, 15), 1);
  EXPECT_EQ(calls.Service<AddIntRowFn>(S::AddIntRow)(c, dialog, u"Segments:", &count), 1);
  EXPECT_EQ(calls.Service<AddIntRangeRowFn>(S::AddIntRangeRow)(c, dialog, u"Rows:", &rows, 1, 9),
            1);
  EXPECT_EQ(calls.Service<AddDoubleRowFn>(S::AddDoubleRow)(c, dialog, u"Size:", &size), 1);
  EXPECT_EQ(calls.Service<AddDoubleRangeRowFn>(S::AddDoubleRangeRow)(c, dialog, u"Spacing:",
                                                                     &spacing, 1e-9, 1e9),
            1);
  EXPECT_EQ(calls.Service<AddYesNoRowFn>(S::AddYesNoRow)(c, dialog, u"Frame:", &frame), 1);
  EXPECT_EQ(
      calls.Service<AddChoiceRowFn>(S::AddChoiceRow)(c, dialog, u"Grid:", &grid, u"ON", u"OFF"), 1);
  EXPECT_EQ(calls.Service<AddListRowFn>(S::AddListRow)(c, dialog, u"Mode:", &mode,
                                                       u"0\n1\n2\n3\n4\n32\n33\n34"),
            1);

  calls.sheets.QueueAnswer({PropertySheetResult::Ok,
                            {{u"name", 0, u"door"},
                             {u"", 2, u"0"},
                             {u"rows", 0, u"9"},
                             {u"size", 0, u"0.5"},
                             {u"spacing", 0, u"10"},
                             {u"frame", 0, u"yes"},
                             {u"grid", 0, u"off"},
                             {u"mode", 0, u"32"}}});
  EXPECT_EQ(calls.Run(dialog), 1);
  EXPECT_EQ(std::u16string(name), u"door");
  EXPECT_EQ(count, 0);
  EXPECT_EQ(rows, 9);
  EXPECT_EQ(size, 0.5);
  EXPECT_EQ(spacing, 10);
  EXPECT_EQ(frame, 1);
  EXPECT_EQ(grid, 0);
  EXPECT_EQ(mode, 5);

  char16_t text[kPluginTextCapacity] = {};
  int32_t i = -1;
  double d = -1;
  uint8_t f = 9;
  EXPECT_EQ(calls.Service<GetRowTextFn>(S::GetRowText)(c, dialog, 0, text), 1);
  EXPECT_EQ(std::u16string(text), u"door");
  EXPECT_EQ(calls.Service<GetRowIntFn>(S::GetRowInt)(c, dialog, 1, &i), 1);
  EXPECT_EQ(i, 0);
  EXPECT_EQ(calls.Service<GetRowIntFn>(S::GetRowIntRange)(c, dialog, 2, &i), 1);
  EXPECT_EQ(i, 9);
  EXPECT_EQ(calls.Service<GetRowDoubleFn>(S::GetRowDouble)(c, dialog, 3, &d), 1);
  EXPECT_EQ(d, 0.5);
  EXPECT_EQ(calls.Service<GetRowDoubleFn>(S::GetRowDoubleRange)(c, dialog, 4, &d), 1);
  EXPECT_EQ(d, 10);
  EXPECT_EQ(calls.Service<GetRowFlagFn>(S::GetRowYesNo)(c, dialog, 5, &f), 1);
  EXPECT_EQ(f, 1);
  EXPECT_EQ(calls.Service<GetRowFlagFn>(S::GetRowChoice)(c, dialog, 6, &f), 1);
  EXPECT_EQ(f, 0);
  EXPECT_EQ(calls.Service<GetRowIntFn>(S::GetRowValue)(c, dialog, 7, &i), 1);
  EXPECT_EQ(i, 5);

  // Each getter serves its own kind of row; a row past the end or negative is refused.
  EXPECT_EQ(calls.Service<GetRowIntFn>(S::GetRowInt)(c, dialog, 2, &i), 0);
  EXPECT_EQ(calls.Service<GetRowIntFn>(S::GetRowValue)(c, dialog, 1, &i), 0);
  EXPECT_EQ(calls.Service<GetRowFlagFn>(S::GetRowYesNo)(c, dialog, 6, &f), 0);
  EXPECT_EQ(calls.Service<GetRowDoubleFn>(S::GetRowDouble)(c, dialog, 8, &d), 0);
  EXPECT_EQ(calls.Service<GetRowTextFn>(S::GetRowText)(c, dialog, -1, text), 0);
  EXPECT_EQ(calls.Service<DestroyDialogFn>(S::DestroyDialog)(c, dialog), 1);
}

TEST(DialogServices, CancelLeavesTheValuesAndSettersChangeOnlyTheSheet) {
  DialogCalls calls;
  PluginContext* c = &calls.context;
  int32_t segments = 8;
  uint8_t grid = 1;
  PluginDialog* dialog = calls.Create();
  calls.Service<AddIntRowFn>(S::AddIntRow)(c, dialog, u"Segments:", &segments);
  calls.Service<AddChoiceRowFn>(S::AddChoiceRow)(c, dialog, u"Grid:", &grid, u"ON", u"OFF");
  EXPECT_EQ(calls.Service<SetIntRowFn>(S::SetIntRow)(c, dialog, 0, 12), 1);
  EXPECT_EQ(calls.Service<SetChoiceRowFn>(S::SetChoiceRow)(c, dialog, 1, 0, nullptr, u"AUS"), 1);
  EXPECT_EQ(calls.Service<SetIntRowFn>(S::SetIntRow)(c, dialog, 1, 12), 0);  // not an int row
  EXPECT_EQ(segments, 8);
  calls.sheets.QueueAnswer({PropertySheetResult::Cancel, {}});
  EXPECT_EQ(calls.Run(dialog), 2);
  EXPECT_EQ(segments, 8);
  EXPECT_EQ(grid, 1);
  // An OK without typing writes what the setters left.
  calls.sheets.QueueAnswer({PropertySheetResult::Ok, {}});
  EXPECT_EQ(calls.Run(dialog), 1);
  EXPECT_EQ(segments, 12);
  EXPECT_EQ(grid, 0);
  EXPECT_EQ(calls.sheets.Titles().size(), 2u);
}

TEST(DialogServices, TheNameOfAScriptedCommandReplacesTheGivenOne) {
  DialogCalls calls;
  PluginDialog* given = calls.Create(u"Array", u"ARRAY");
  calls.context.dialogNameOverride = u"MyScript";
  PluginDialog* scripted = calls.Create(u"Array", u"ARRAY");
  ASSERT_NE(given, nullptr);
  ASSERT_NE(scripted, nullptr);
  // The host's own objects behind the pointers it handed out.
  EXPECT_EQ(reinterpret_cast<PropertySheetModel*>(given)->Name(), u"ARRAY");
  EXPECT_EQ(reinterpret_cast<PropertySheetModel*>(scripted)->Name(), u"MyScript");
  EXPECT_EQ(reinterpret_cast<PropertySheetModel*>(scripted)->Title(), u"Array");
  EXPECT_EQ(calls.context.dialogs.size(), 2u);
}

TEST(DialogServices, ForeignStaleAndMadeUpDialogsAreRefused) {
  DialogCalls calls;
  DialogCalls other;
  PluginContext* c = &calls.context;
  PluginDialog* foreign = other.Create();
  PluginDialog* stale = calls.Create();
  ASSERT_EQ(calls.Service<DestroyDialogFn>(S::DestroyDialog)(c, stale), 1);
  // Never followed: the host compares it with the dialogs it made.
  PluginDialog* madeUp = reinterpret_cast<PluginDialog*>(uintptr_t{0x10});
  int32_t value = 3;
  char16_t text[kPluginTextCapacity + 1];
  std::fill(std::begin(text), std::end(text), u'#');
  for (PluginDialog* dialog : {foreign, stale, madeUp, static_cast<PluginDialog*>(nullptr)}) {
    SCOPED_TRACE(reinterpret_cast<uintptr_t>(dialog));
    int32_t result = 99;
    EXPECT_EQ(calls.Service<AddIntRowFn>(S::AddIntRow)(c, dialog, u"A", &value), 0);
    EXPECT_EQ(calls.Service<RunDialogFn>(S::RunDialog)(c, dialog, &result), 0);
    EXPECT_EQ(result, 99);
    EXPECT_EQ(calls.Service<SetIntRowFn>(S::SetIntRow)(c, dialog, 0, 1), 0);
    EXPECT_EQ(calls.Service<GetRowTextFn>(S::GetRowText)(c, dialog, 0, text), 0);
    EXPECT_EQ(calls.Service<DestroyDialogFn>(S::DestroyDialog)(c, dialog), 0);
  }
  EXPECT_EQ(text[0], u'#');
  EXPECT_TRUE(calls.sheets.Titles().empty());
  // The other context's dialog is still its own.
  EXPECT_EQ(other.Service<DestroyDialogFn>(S::DestroyDialog)(&other.context, foreign), 1);
}

TEST(DialogServices, TextsComeBackCutToTheBufferAndTerminated) {
  DialogCalls calls;
  PluginContext* c = &calls.context;
  PluginDialog* dialog = calls.Create();
  std::u16string longText(400, u'x');
  ASSERT_EQ(calls.Service<AddTextRowFn>(S::AddTextRow)(c, dialog, u"Note:", nullptr, 500), 1);
  ASSERT_EQ(calls.Service<SetTextRowFn>(S::SetTextRow)(c, dialog, 0, longText.c_str()), 1);
  // One buffer's worth of characters, then a canary the service must not touch.
  char16_t out[kPluginTextCapacity + 4];
  std::fill(std::begin(out), std::end(out), u'#');
  ASSERT_EQ(calls.Service<GetRowTextFn>(S::GetRowText)(c, dialog, 0, out), 1);
  EXPECT_EQ(std::u16string(out), std::u16string(kPluginTextCapacity - 1, u'x'));
  EXPECT_EQ(out[kPluginTextCapacity - 1], 0);
  for (int i = kPluginTextCapacity; i < kPluginTextCapacity + 4; ++i) EXPECT_EQ(out[i], u'#');
  // A text too long for the row is refused, not cut.
  ASSERT_EQ(calls.Service<AddTextRowFn>(S::AddTextRow)(c, dialog, u"Tag:", nullptr, 3), 1);
  EXPECT_EQ(calls.Service<SetTextRowFn>(S::SetTextRow)(c, dialog, 1, u"abcd"), 0);
}

TEST(DialogServices, MessageBoxStyles) {
  struct Case {
    const char* name;
    int32_t style;
    MessageAnswer answer;
    int32_t served;
    MessageButtons buttons;
    MessageIcon icon;
  } cases[] = {
      {"ok", 0, MessageAnswer::Ok, 1, MessageButtons::Ok, MessageIcon::None},
      {"yes/no/cancel", 3, MessageAnswer::No, 1, MessageButtons::YesNoCancel, MessageIcon::None},
      {"yes/no/cancel, question", 0x23, MessageAnswer::Cancel, 1, MessageButtons::YesNoCancel,
       MessageIcon::Question},
      {"ok, stop", 0x10, MessageAnswer::Ok, 1, MessageButtons::Ok, MessageIcon::Stop},
      {"yes/no/cancel, exclamation", 0x33, MessageAnswer::Yes, 1, MessageButtons::YesNoCancel,
       MessageIcon::Exclamation},
      {"yes/no, information", 0x44, MessageAnswer::No, 1, MessageButtons::YesNo,
       MessageIcon::Information},
      {"second button default", 0x101, MessageAnswer::Cancel, 1, MessageButtons::OkCancel,
       MessageIcon::None},
      {"abort/retry/ignore", 2, MessageAnswer::Ok, 0, MessageButtons::Ok, MessageIcon::None},
      {"unknown icon", 0x50, MessageAnswer::Ok, 0, MessageButtons::Ok, MessageIcon::None},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DialogCalls calls;
    calls.boxes.QueueAnswer(c.answer);
    int32_t result = -5;
    EXPECT_EQ(
        calls.Service<MessageBoxFn>(S::MessageBox)(&calls.context, u"Hello", c.style, &result),
        c.served);
    if (c.served == 0) {
      EXPECT_TRUE(calls.boxes.Messages().empty());
      EXPECT_EQ(result, -5);
      continue;
    }
    ASSERT_EQ(calls.boxes.Messages().size(), 1u);
    EXPECT_EQ(calls.boxes.Messages()[0].text, u"Hello");
    EXPECT_EQ(calls.boxes.Messages()[0].buttons, c.buttons);
    EXPECT_EQ(calls.boxes.Messages()[0].icon, c.icon);
    EXPECT_EQ(result, static_cast<int32_t>(c.answer));
  }
}

TEST(DialogServices, MessageBoxIdShowsTheModulesOwnString) {
  DialogCalls calls;
  auto show = calls.Service<MessageBoxIdFn>(S::MessageBoxId);
  int32_t result = 0;
  // No module strings at all.
  EXPECT_EQ(show(&calls.context, 105, 0, &result), 0);
  calls.context.moduleString = [](int32_t id) -> std::u16string {
    return id == 105 ? u"Polyline has to have at least 2 vertices!" : u"";
  };
  EXPECT_EQ(show(&calls.context, 106, 0, &result), 0);
  EXPECT_TRUE(calls.boxes.Messages().empty());
  EXPECT_EQ(show(&calls.context, 105, 0x30, &result), 1);
  ASSERT_EQ(calls.boxes.Messages().size(), 1u);
  EXPECT_EQ(calls.boxes.Messages()[0].text, u"Polyline has to have at least 2 vertices!");
  EXPECT_EQ(calls.boxes.Messages()[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(result, 1);
}

TEST(DialogServices, AContextWithoutDrawingServesNoDialog) {
  DialogCalls calls;
  calls.context.drawing = nullptr;
  EXPECT_EQ(calls.Create(), nullptr);
  int32_t result = 0;
  EXPECT_EQ(calls.Service<MessageBoxFn>(S::MessageBox)(&calls.context, u"Hi", 0, &result), 0);
  EXPECT_TRUE(calls.context.dialogs.empty());
}

}  // namespace
}  // namespace korvo::testing
