#include <gtest/gtest.h>

#include "commands/command_engine.h"
#include "platform/property_sheet.h"
#include "tests/commands/journal_harness.h"

namespace korvo::testing {
namespace {

constexpr int kSheetCommand = 1000;

// A command of the test that shows a two-row sheet each time it runs and keeps the results.
struct SheetRun {
  explicit SheetRun(const char* journal) : run(journal) {
    run.session->engine().RegisterCommand(kSheetCommand, [this](CommandEngine& engine, int) {
      PropertySheetModel sheet(u"Array", u"ARRAY");
      sheet.AddIntRangeRow(u"Rows:", &rows, 1, 100);
      sheet.AddChoiceRow(u"Rows:", &flag, u"ON", u"OFF");  // a second row of the same label
      results.push_back(engine.propertySheet().Run(sheet));
    });
  }

  JournalHarness run;
  int32_t rows = 2;
  uint8_t flag = 0;
  std::vector<PropertySheetResult> results;
};

TEST(PropertySheetJournal, DialogLinesAnswerTheOpenSheet) {
  struct Case {
    const char* name;
    const char* journal;
    std::vector<PropertySheetResult> results;
    int32_t rows;
    uint8_t flag;
    const char* transcript;
  } cases[] = {
      {"label and row number",
       "command 1000\ndialog ok rows=7 #2=on\n",
       {PropertySheetResult::Ok},
       7,
       1,
       ""},
      {"cancel", "command 1000\ndialog cancel rows=7\n", {PropertySheetResult::Cancel}, 2, 0, ""},
      {"refused, then answered again",
       "command 1000\ndialog ok Rows:=0\ndialog ok Rows:=100\n",
       {PropertySheetResult::Ok},
       100,
       0,
       "refused: Rows: enter a whole number from 1 to 100.\n"},
      {"the journal ends with the sheet open",
       "command 1000\n",
       {PropertySheetResult::Cancel},
       2,
       0,
       ""},
      {"one line for each sheet",
       "command 1000\ndialog ok #1=3\ncommand 1000\ndialog ok #1=4\n",
       {PropertySheetResult::Ok, PropertySheetResult::Ok},
       4,
       0,
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SheetRun sheet(c.journal);
    EXPECT_EQ(sheet.run.Run().status, JournalStatus::Ran) << sheet.run.outcome.message;
    EXPECT_EQ(sheet.results, c.results);
    EXPECT_EQ(sheet.rows, c.rows);
    EXPECT_EQ(sheet.flag, c.flag);
    EXPECT_EQ(sheet.run.transcript.str(), c.transcript);
  }
}

TEST(PropertySheetJournal, LinesThatCannotAnswerTheSheetStopTheJournal) {
  struct Case {
    const char* name;
    const char* journal;
    std::size_t eventLine;
    const char* message;
  } cases[] = {
      {"another event", "command 1000\ntap 1 1\n", 2,
       "the property sheet \"Array\" is open but not answered on this line"},
      {"unknown label", "command 1000\ndialog ok Columns=3\n", 2,
       "the property sheet \"Array\" has no row \"Columns\""},
      {"row number past the rows", "command 1000\ndialog ok #3=1\n", 2,
       "the property sheet \"Array\" has no row #3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SheetRun sheet(c.journal);
    const JournalOutcome outcome = sheet.run.Run();
    EXPECT_EQ(outcome.status, JournalStatus::SyntaxError);
    EXPECT_EQ(outcome.line, JournalHarness::LineOfEvent(c.eventLine));
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_EQ(sheet.rows, 2);
  }
}

}  // namespace
}  // namespace korvo::testing
