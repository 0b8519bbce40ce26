#include "platform/headless_input_dialog.h"

#include <gtest/gtest.h>

#include "platform/journal.h"
#include "platform/journal_dialog_answer.h"

namespace korvo {
namespace {

InputDialogRequest WithBase() {
  InputDialogRequest request;
  request.hasBase = true;
  request.base = {1, 1};
  request.defaultPoint = {4, 5};
  return request;
}

ScriptedDialogAnswer Typed(std::u16string x, std::u16string y) {
  ScriptedDialogAnswer answer;
  answer.fields = {{u"X", 0, std::move(x)}, {u"Y", 0, std::move(y)}};
  return answer;
}

TEST(HeadlessInputDialog, RefusedOkTakesTheNextAnswer) {
  HeadlessInputDialog dialog;
  dialog.QueueAnswer(Typed(u"3", u"four"));
  dialog.QueueAnswer(Typed(u"3", u"4"));
  const InputDialogAnswer answer = dialog.Run(WithBase());
  EXPECT_EQ(answer.result, InputDialogResult::Ok);
  EXPECT_EQ(answer.point.x, 3);
  EXPECT_EQ(answer.point.y, 4);
  ASSERT_EQ(dialog.Messages().size(), 1u);
  EXPECT_EQ(dialog.Messages()[0], u"Y: \"four\" is not a number.");
  ASSERT_EQ(dialog.Requests().size(), 1u);
}

TEST(HeadlessInputDialog, ButtonsAndScriptProblems) {
  struct Case {
    const char* name;
    std::vector<ScriptedDialogAnswer> answers;
    InputDialogResult result;
    std::size_t messages;
  } cases[] = {
      {"cancel", {{InputDialogResult::Cancel, {}, {}}}, InputDialogResult::Cancel, 0},
      {"on-screen", {{InputDialogResult::OnScreen, {}, {}}}, InputDialogResult::OnScreen, 0},
      {"no answer", {}, InputDialogResult::Cancel, 1},
      {"only refused answers", {Typed(u"", u"1")}, InputDialogResult::Cancel, 2},
      {"unknown row",
       {{InputDialogResult::Ok, {}, {{u"", 3, u"1"}}}},
       InputDialogResult::Cancel,
       1},
      {"unknown label",
       {{InputDialogResult::Ok, {}, {{u"Z", 0, u"1"}}}},
       InputDialogResult::Cancel,
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HeadlessInputDialog dialog;
    for (const auto& answer : c.answers) dialog.QueueAnswer(answer);
    EXPECT_EQ(dialog.Run(WithBase()).result, c.result);
    EXPECT_EQ(dialog.Messages().size(), c.messages);
  }
  HeadlessInputDialog noBase;
  noBase.QueueAnswer({InputDialogResult::Ok, InputDialogMode::Polar, {}});
  InputDialogRequest request = WithBase();
  request.hasBase = false;
  EXPECT_EQ(noBase.Run(request).result, InputDialogResult::Cancel);
  ASSERT_EQ(noBase.Messages().size(), 1u);
  EXPECT_EQ(noBase.Messages()[0], u"The dialog offers no Polar mode.");
}

TEST(HeadlessInputDialog, AnswersJournalLines) {
  struct Case {
    const char* name;
    const char* line;
    uint32_t flags;
    InputDialogResult result;
    DialogPoint point;
  } cases[] = {
      {"point", "point 0.1 -7", 0, InputDialogResult::Ok, {0.1, -7}},
      {"relative", "relative 2 -1", 0, InputDialogResult::Ok, {3, 0}},
      {"polar", "polar 90 3", 0, InputDialogResult::Ok, {1, 4}},
      {"value for a distance", "value 10", kPointShowDistance, InputDialogResult::Ok, {7, 9}},
      {"value for an angle", "value 0", kPointShowAngle, InputDialogResult::Ok, {6, 1}},
      {"dialog by label", "dialog ok dX=1 dY=\"2\"", 0, InputDialogResult::Ok, {2, 3}},
      {"dialog by row", "dialog ok #2=8", 0, InputDialogResult::Ok, {4, 8}},
      {"dialog untouched", "dialog ok", 0, InputDialogResult::Ok, {4, 5}},
      {"dialog cancel", "dialog cancel X=1", 0, InputDialogResult::Cancel, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const JournalReadResult journal = ReadJournal(c.line);
    ASSERT_TRUE(journal.ok());
    const auto scripted = DialogAnswerFromJournal(journal.journal.events.at(0));
    ASSERT_TRUE(scripted.has_value());
    HeadlessInputDialog dialog;
    dialog.QueueAnswer(*scripted);
    InputDialogRequest request = WithBase();
    request.flags = c.flags;
    const InputDialogAnswer answer = dialog.Run(request);
    EXPECT_EQ(answer.result, c.result);
    EXPECT_EQ(answer.point.x, c.point.x);
    EXPECT_EQ(answer.point.y, c.point.y);
    EXPECT_TRUE(dialog.Messages().empty());
  }
  const JournalReadResult tap = ReadJournal("tap 1 2");
  EXPECT_FALSE(DialogAnswerFromJournal(tap.journal.events.at(0)).has_value());
}

TEST(HeadlessInputDialog, SupplierSeesTheOpenDialog) {
  std::u16string seen;
  HeadlessInputDialog dialog(
      [&](const InputDialogModel& model) -> std::optional<ScriptedDialogAnswer> {
        seen = model.Request().description;
        return ScriptedDialogAnswer{InputDialogResult::Cancel, {}, {}};
      });
  InputDialogRequest request = WithBase();
  request.description = u"Centre of circle";
  EXPECT_EQ(dialog.Run(request).result, InputDialogResult::Cancel);
  EXPECT_EQ(seen, u"Centre of circle");
}

}  // namespace
}  // namespace korvo
