#include "platform/journal.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

TEST(Journal, ReadsEveryEventKind) {
  const std::string valid =
      "# a line drawn by hand\n"
      "size 320 240\n"
      "\n"
      "command draw_LINE\n"
      "command 32778\n"
      "tap 10 20.5\n"
      "tap-screen 100 -3\n"
      "press 1 2\n"
      "move 3e1 -4\n"
      "release 5 6\n"
      "press-screen 1 2\n"
      "move-screen 3 4\n"
      "release-screen 5 6\n"
      "key enter\n"
      "KEY Down\n"
      "point 3 4\n"
      "relative -1 0.5\n"
      "polar 90 5\n"
      "value 2.5\n"
      "default\n"
      "answer yes\n"
      "dialog ok X=3 Y=\"4 \" #2=\"a b\"\n"
      "dialog cancel\n"
      "expect-prompt \"Start? <done>\"\n"
      "expect-message \"She said \\\"no\\\" \\\\ twice\"\n"
      "save \"out dir/a.KorvoDWG\"\n"
      "screenshot view.BMP\n";
  const JournalReadResult result = ReadJournal(valid);
  ASSERT_TRUE(result.ok()) << result.error->line << ": " << result.error->message;
  const Journal& j = result.journal;
  EXPECT_EQ(j.width, 320);
  EXPECT_EQ(j.height, 240);
  ASSERT_EQ(j.events.size(), 24u);
  const auto& e = j.events;

  EXPECT_EQ(e[0].kind, JournalEventKind::Command);
  EXPECT_EQ(e[0].line, 4u);
  EXPECT_EQ(e[0].text, u"draw_LINE");
  EXPECT_EQ(e[0].commandId, 0u);
  EXPECT_EQ(e[1].commandId, 32778u);
  EXPECT_TRUE(e[1].text.empty());

  EXPECT_EQ(e[2].kind, JournalEventKind::Tap);
  EXPECT_EQ(e[2].x, 10);
  EXPECT_EQ(e[2].y, 20.5);
  EXPECT_EQ(e[3].kind, JournalEventKind::TapScreen);
  EXPECT_EQ(e[3].screenX, 100);
  EXPECT_EQ(e[3].screenY, -3);
  EXPECT_EQ(e[4].kind, JournalEventKind::Press);
  EXPECT_EQ(e[5].kind, JournalEventKind::Move);
  EXPECT_EQ(e[5].x, 30);
  EXPECT_EQ(e[5].y, -4);
  EXPECT_EQ(e[6].kind, JournalEventKind::Release);
  EXPECT_EQ(e[7].kind, JournalEventKind::PressScreen);
  EXPECT_EQ(e[8].kind, JournalEventKind::MoveScreen);
  EXPECT_EQ(e[9].kind, JournalEventKind::ReleaseScreen);
  EXPECT_EQ(e[9].screenX, 5);
  EXPECT_EQ(e[9].screenY, 6);
  EXPECT_EQ(e[10].key, KeyCode::Enter);
  EXPECT_EQ(e[11].key, KeyCode::Down);
  EXPECT_EQ(e[12].kind, JournalEventKind::Point);
  EXPECT_EQ(e[13].kind, JournalEventKind::Relative);
  EXPECT_EQ(e[13].x, -1);
  EXPECT_EQ(e[14].kind, JournalEventKind::Polar);
  EXPECT_EQ(e[14].x, 90);
  EXPECT_EQ(e[14].y, 5);
  EXPECT_EQ(e[15].kind, JournalEventKind::Value);
  EXPECT_EQ(e[15].x, 2.5);
  EXPECT_EQ(e[16].kind, JournalEventKind::Default);
  EXPECT_EQ(e[17].answer, MessageAnswer::Yes);

  EXPECT_EQ(e[18].kind, JournalEventKind::Dialog);
  EXPECT_EQ(e[18].answer, MessageAnswer::Ok);
  ASSERT_EQ(e[18].fields.size(), 3u);
  EXPECT_EQ(e[18].fields[0].label, u"X");
  EXPECT_EQ(e[18].fields[0].value, u"3");
  EXPECT_EQ(e[18].fields[1].label, u"Y");
  EXPECT_EQ(e[18].fields[1].value, u"4 ");
  EXPECT_EQ(e[18].fields[2].label, u"");
  EXPECT_EQ(e[18].fields[2].row, 2u);
  EXPECT_EQ(e[18].fields[2].value, u"a b");
  EXPECT_EQ(e[19].answer, MessageAnswer::Cancel);
  EXPECT_TRUE(e[19].fields.empty());

  EXPECT_EQ(e[20].kind, JournalEventKind::ExpectPrompt);
  EXPECT_EQ(e[20].text, u"Start? <done>");
  EXPECT_EQ(e[21].text, u"She said \"no\" \\ twice");
  EXPECT_EQ(e[22].kind, JournalEventKind::Save);
  EXPECT_EQ(e[22].text, u"out dir/a.KorvoDWG");
  EXPECT_EQ(e[23].kind, JournalEventKind::Screenshot);
  EXPECT_EQ(e[23].line, 27u);
}

TEST(Journal, LayoutVariantsReadTheSame) {
  struct Case {
    const char* name;
    std::string text;
  } cases[] = {
      {"plain", "command draw_LINE\ntap 1 2\n"},
      {"CRLF line ends", "command draw_LINE\r\ntap 1 2\r\n"},
      {"no final newline", "command draw_LINE\ntap 1 2"},
      {"tabs and padding", "\t command\t draw_LINE  \n  tap\t1   2\t\n"},
      {"comments", "# start\ncommand draw_LINE # the line\ntap 1 2#no blank before it\n#\n"},
      {"quoted arguments", "command \"draw_LINE\"\ntap \"1\" \"2\"\n"},
      {"upper-case words", "COMMAND draw_LINE\nTap 1 2\n"},
      {"blank lines", "\n\ncommand draw_LINE\n\n\ntap 1 2\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const JournalReadResult result = ReadJournal(c.text);
    ASSERT_TRUE(result.ok()) << result.error->message;
    ASSERT_EQ(result.journal.events.size(), 2u);
    EXPECT_EQ(result.journal.events[0].text, u"draw_LINE");
    EXPECT_EQ(result.journal.events[1].x, 1);
    EXPECT_EQ(result.journal.events[1].y, 2);
  }
}

TEST(Journal, DefaultsWithoutSizeAndForEmptyText) {
  for (const char* text : {"", "\n\n# nothing\n", "tap 0 0"}) {
    SCOPED_TRACE(text);
    const JournalReadResult result = ReadJournal(text);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.journal.width, 480);
    EXPECT_EQ(result.journal.height, 640);
  }
}

TEST(Journal, NonAsciiTextBecomesUtf16) {
  const JournalReadResult result = ReadJournal(
      "expect-message \"Gr\xC3\xB6\xC3\x9F"
      "e \xF0\x9F\x98\x80\"\n");
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.journal.events[0].text, u"Gr\u00F6\u00DFe \U0001F600");
}

TEST(Journal, ReportsErrorsWithTheirLine) {
  struct Case {
    const char* name;
    std::string text;
    std::size_t line;
    const char* messagePart;
  } cases[] = {
      {"unknown word", "tap 1 2\njump 1 2\n", 2, "unknown word 'jump'"},
      {"missing argument", "tap 1\n", 1, "missing argument"},
      {"extra argument", "\ntap 1 2 3\n", 2, "too many arguments"},
      {"argument to default", "default now\n", 1, "too many arguments"},
      {"not a number", "point 1 x\n", 1, "'x' is not a number"},
      {"number with junk", "point 1 2mm\n", 1, "'2mm' is not a number"},
      {"empty number", "point \"\" 2\n", 1, "'' is not a number"},
      {"infinite", "point inf 2\n", 1, "not a finite number"},
      {"not a number at all", "value nan\n", 1, "not a finite number"},
      {"overflowing", "value 1e999\n", 1, "not a finite number"},
      {"pixel not whole", "tap-screen 1.5 2\n", 1, "not a whole number"},
      {"pixel huge", "move-screen 1 99999999999\n", 1, "out of range"},
      {"size after an event", "tap 1 2\nsize 10 10\n", 2, "before the first event"},
      {"size twice", "size 10 10\nsize 20 20\n", 2, "twice"},
      {"size zero", "size 0 10\n", 1, "out of range"},
      {"size negative", "size 10 -1\n", 1, "out of range"},
      {"size huge", "size 16385 10\n", 1, "out of range"},
      {"unterminated quote", "tap 1 2\nexpect-prompt \"Start\n", 2, "unterminated quote"},
      {"bad escape", "expect-prompt \"a\\nb\"\n", 1, "bad escape"},
      {"escape at the end", "expect-prompt \"a\\", 1, "bad escape"},
      {"invalid UTF-8", "tap 1 2\n\n# caf\xE9\n", 3, "invalid UTF-8"},
      {"over-long UTF-8", "save \xC0\xAF\n", 1, "invalid UTF-8"},
      {"NUL byte", std::string("tap 1 2\ntap 1\0 2\n", 16), 2, "NUL"},
      {"unknown key", "key F1\n", 1, "unknown key 'F1'"},
      {"unknown answer", "answer maybe\n", 1, "unknown answer 'maybe'"},
      {"dialog without button", "dialog\n", 1, "missing argument"},
      {"dialog bad button", "dialog yes\n", 1, "expected ok or cancel"},
      {"dialog field without =", "dialog ok X\n", 1, "expected NAME=VALUE"},
      {"dialog field without name", "dialog ok =3\n", 1, "without a name"},
      {"dialog row zero", "dialog ok #0=3\n", 1, "bad row number"},
      {"dialog quoted = is no separator", "dialog ok \"X=3\"\n", 1, "expected NAME=VALUE"},
      {"command number zero", "command 0\n", 1, "out of range"},
      {"command number too big", "command 65536\n", 1, "out of range"},
      {"empty command name", "command \"\"\n", 1, "empty command name"},
      {"screenshot not bmp", "screenshot view.png\n", 1, "end in .bmp"},
      {"expect without text", "expect-prompt\n", 1, "missing argument"},
      {"unquoted blanks", "expect-prompt Start? <done>\n", 1, "too many arguments"},
      {"two events on a line", "press 1 2\tmove 3 4\n", 1, "too many arguments"},
      {"file without answer", "file\n", 1, "missing argument"},
      {"file ok without path", "file ok\n", 1, "missing argument"},
      {"file ok with empty path", "file ok \"\"\n", 1, "empty path"},
      {"file cancel with a path", "file cancel a.dxf\n", 1, "too many arguments"},
      {"file bad button", "file yes a.dxf\n", 1, "expected ok or cancel"},
      {"select without a name", "select\n", 1, "missing argument"},
      {"select of an empty name", "select \"\"\n", 1, "empty name"},
      {"row without a column", "row WALLS\n", 1, "missing argument"},
      {"row of an empty name", "row \"\" frozen\n", 1, "empty row name"},
      {"set without fields", "set\n", 1, "expected NAME=VALUE"},
      {"set of a word", "set Name\n", 1, "expected NAME=VALUE"},
      {"button with two names", "button Apply changes\n", 1, "too many arguments"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const JournalReadResult result = ReadJournal(c.text);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error->line, c.line);
    EXPECT_NE(result.error->message.find(c.messagePart), std::string::npos)
        << result.error->message;
  }
}

TEST(Journal, FileAnswersCarryTheNameOrCancel) {
  const JournalReadResult result = ReadJournal("file ok \"my drawing.dxf\"\nFILE Cancel\n");
  ASSERT_TRUE(result.ok()) << result.error->message;
  const auto& e = result.journal.events;
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0].kind, JournalEventKind::File);
  EXPECT_EQ(e[0].answer, MessageAnswer::Ok);
  EXPECT_EQ(e[0].text, u"my drawing.dxf");
  EXPECT_EQ(e[1].kind, JournalEventKind::File);
  EXPECT_EQ(e[1].answer, MessageAnswer::Cancel);
  EXPECT_TRUE(e[1].text.empty());
}

TEST(Journal, ReadsTheTableDialogLines) {
  const JournalReadResult result = ReadJournal(
      "select \"Walls 2\"\nrow WALLS frozen\nset Name=\"A B\" \"Width factor\"=0.5\n"
      "button \"Apply changes\"\n");
  ASSERT_TRUE(result.ok()) << result.error->message;
  const auto& e = result.journal.events;
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0].kind, JournalEventKind::Select);
  EXPECT_EQ(e[0].text, u"Walls 2");
  EXPECT_EQ(e[1].kind, JournalEventKind::RowAction);
  EXPECT_EQ(e[1].text, u"WALLS");
  EXPECT_EQ(e[1].column, u"frozen");
  EXPECT_EQ(e[2].kind, JournalEventKind::SetFields);
  ASSERT_EQ(e[2].fields.size(), 2u);
  EXPECT_EQ(e[2].fields[0].label, u"Name");
  EXPECT_EQ(e[2].fields[0].value, u"A B");
  EXPECT_EQ(e[2].fields[1].label, u"Width factor");
  EXPECT_EQ(e[2].fields[1].value, u"0.5");
  EXPECT_EQ(e[3].kind, JournalEventKind::PushButton);
  EXPECT_EQ(e[3].text, u"Apply changes");
}

TEST(Journal, QuotedDigitsNameACommand) {
  const JournalReadResult result = ReadJournal("command \"32778\"\n");
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.journal.events[0].commandId, 0u);
  EXPECT_EQ(result.journal.events[0].text, u"32778");
}

TEST(Journal, LongWordsAreCutShortInMessages) {
  const std::string word(100000, 'w');
  const JournalReadResult result = ReadJournal(word + "\n");
  ASSERT_FALSE(result.ok());
  EXPECT_LT(result.error->message.size(), 80u);
}

TEST(Journal, ReadsAMillionLines) {
  std::string text;
  const std::size_t lines = 1000000;
  text.reserve(lines * 12);
  for (std::size_t i = 0; i < lines; ++i) text += i % 2 == 0 ? "tap 1.5 -2\n" : "# comment\n";
  const JournalReadResult result = ReadJournal(text);
  ASSERT_TRUE(result.ok());
  ASSERT_EQ(result.journal.events.size(), lines / 2);
  EXPECT_EQ(result.journal.events.back().line, lines - 1);
}

TEST(Journal, SeedCorpusIsValid) {
  // The fuzzer starts from these; an invalid seed would only exercise the error paths.
  const std::filesystem::path folder =
      std::filesystem::path(KORVOCAD_SOURCE_DIR) / "fuzz" / "corpus" / "journal";
  std::size_t seen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    SCOPED_TRACE(entry.path().filename().string());
    const auto bytes = ReadFileBytes(entry.path());
    ASSERT_TRUE(bytes.has_value());
    const JournalReadResult result =
        ReadJournal(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    EXPECT_TRUE(result.ok()) << result.error->line << ": " << result.error->message;
    ++seen;
  }
  EXPECT_GT(seen, 0u);
}

}  // namespace
}  // namespace korvo
