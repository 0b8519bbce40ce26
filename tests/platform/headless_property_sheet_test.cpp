#include "platform/headless_property_sheet.h"

#include <gtest/gtest.h>

#include "platform/journal.h"
#include "platform/journal_dialog_answer.h"

namespace korvo {
namespace {

struct Sheet {
  double spacing = 5;
  int32_t segments = 8;
  uint8_t grid = 0;
  PropertySheetModel model{u"Drawing Settings", u"SETTINGS"};

  Sheet() {
    model.AddChoiceRow(u"Drawing grid, Mode:", &grid, u"ON", u"OFF");
    model.AddDoubleRangeRow(u"Spacing:", &spacing, 2.2250738585072014e-308, 1.7976931348623157e308);
    model.AddIntRow(u"Segments per spline patch:", &segments);
  }
};

ScriptedSheetAnswer Ok(std::vector<ScriptedSheetAnswer::Field> fields) {
  return {PropertySheetResult::Ok, std::move(fields)};
}

TEST(HeadlessPropertySheet, RefusedOkTakesTheNextAnswer) {
  Sheet sheet;
  HeadlessPropertySheet headless;
  headless.QueueAnswer(Ok({{u"Spacing", 0, u"0"}}));
  headless.QueueAnswer(Ok({{u"", 2, u"2.5"}, {u"drawing grid, mode:", 0, u"on"}}));
  EXPECT_EQ(headless.Run(sheet.model), PropertySheetResult::Ok);
  EXPECT_EQ(sheet.spacing, 2.5);
  EXPECT_EQ(sheet.grid, 1);
  ASSERT_EQ(headless.Messages().size(), 1u);
  EXPECT_EQ(headless.Messages()[0],
            u"Spacing: enter a value from 2.2250738585072014e-308 to 1.7976931348623157e+308.");
  EXPECT_EQ(headless.Titles(), std::vector<std::u16string>{u"Drawing Settings"});
}

TEST(HeadlessPropertySheet, CancelsWithoutWriting) {
  struct Case {
    const char* name;
    std::vector<ScriptedSheetAnswer> answers;
    std::vector<std::u16string> messages;
  } cases[] = {
      {"cancel button", {{PropertySheetResult::Cancel, {{u"Spacing", 0, u"3"}}}}, {}},
      {"no answer", {}, {u"No answer for the property sheet Drawing Settings."}},
      {"only refused answers",
       {Ok({{u"Segments per spline patch", 0, u"x"}})},
       {u"Segments per spline patch: \"x\" is not a whole number.",
        u"No answer for the property sheet Drawing Settings."}},
      {"unknown label", {Ok({{u"Grid", 0, u"3"}})}, {u"The sheet has no row Grid."}},
      {"unknown row number", {Ok({{u"", 4, u"3"}})}, {u"The sheet has no such row."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Sheet sheet;
    HeadlessPropertySheet headless;
    for (const auto& answer : c.answers) headless.QueueAnswer(answer);
    EXPECT_EQ(headless.Run(sheet.model), PropertySheetResult::Cancel);
    EXPECT_EQ(headless.Messages(), c.messages);
    EXPECT_EQ(sheet.spacing, 5);
    EXPECT_EQ(sheet.segments, 8);
    // The rows show the values again, not what the script typed.
    EXPECT_EQ(sheet.model.RowText(1), u"5");
  }
}

TEST(HeadlessPropertySheet, AnswersDialogLinesOfAJournal) {
  const JournalReadResult read = ReadJournal(
      "dialog ok \"Drawing grid, Mode:\"=ON #3=-2 spacing=\"1e-3\"\n"
      "dialog cancel\n"
      "tap 1 2\n");
  ASSERT_TRUE(read.ok()) << read.error->message;
  const auto ok = SheetAnswerFromJournal(read.journal.events[0]);
  ASSERT_TRUE(ok);
  Sheet sheet;
  HeadlessPropertySheet headless;
  headless.QueueAnswer(*ok);
  EXPECT_EQ(headless.Run(sheet.model), PropertySheetResult::Ok);
  EXPECT_EQ(sheet.grid, 1);
  EXPECT_EQ(sheet.segments, -2);
  EXPECT_EQ(sheet.spacing, 1e-3);
  const auto cancel = SheetAnswerFromJournal(read.journal.events[1]);
  ASSERT_TRUE(cancel);
  EXPECT_EQ(cancel->button, PropertySheetResult::Cancel);
  EXPECT_FALSE(SheetAnswerFromJournal(read.journal.events[2]));
}

}  // namespace
}  // namespace korvo
