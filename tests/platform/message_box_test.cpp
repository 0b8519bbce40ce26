#include "platform/message_box.h"

#include <deque>

#include <gtest/gtest.h>

namespace korvo {
namespace {

TEST(CallbackMessageBox, AnswersFromTheCallbackAndRecords) {
  std::deque<MessageAnswer> answers = {MessageAnswer::No, MessageAnswer::Ok};
  CallbackMessageBox box([&](std::u16string_view, MessageButtons) -> std::optional<MessageAnswer> {
    if (answers.empty()) return std::nullopt;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  });
  ScopedMessageBox scope(box);
  EXPECT_EQ(
      GetMessageBox().Show(u"Save changes?", MessageButtons::YesNoCancel, MessageIcon::Question),
      MessageAnswer::No);
  EXPECT_EQ(ShowMessage(u"Unexpected file format."), MessageAnswer::Ok);
  EXPECT_TRUE(box.Failure().empty());
  ASSERT_EQ(box.Messages().size(), 2u);
  EXPECT_EQ(box.Messages()[1].text, u"Unexpected file format.");
}

TEST(CallbackMessageBox, MissingOrMisfittingAnswersFail) {
  struct Case {
    const char* name;
    std::optional<MessageAnswer> given;
    MessageButtons buttons;
    MessageAnswer shown;
    const char16_t* failurePrefix;
  } cases[] = {
      {"none for Yes/No/Cancel", std::nullopt, MessageButtons::YesNoCancel, MessageAnswer::Cancel,
       u"No answer for the message: "},
      {"none for Yes/No", std::nullopt, MessageButtons::YesNo, MessageAnswer::No,
       u"No answer for the message: "},
      {"none for Ok", std::nullopt, MessageButtons::Ok, MessageAnswer::Ok,
       u"No answer for the message: "},
      {"yes to an Ok box", MessageAnswer::Yes, MessageButtons::Ok, MessageAnswer::Ok,
       u"The answer fits no button of the message: "},
      {"cancel to Yes/No", MessageAnswer::Cancel, MessageButtons::YesNo, MessageAnswer::No,
       u"The answer fits no button of the message: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CallbackMessageBox box([&](std::u16string_view, MessageButtons) { return c.given; });
    EXPECT_EQ(box.Show(u"Q", c.buttons, MessageIcon::None), c.shown);
    EXPECT_EQ(box.Failure(), std::u16string(c.failurePrefix) + u"Q");
  }
}

TEST(MessageButtons, KnowTheirAnswers) {
  EXPECT_TRUE(IsButtonOf(MessageButtons::RetryCancel, MessageAnswer::Retry));
  EXPECT_FALSE(IsButtonOf(MessageButtons::RetryCancel, MessageAnswer::Ok));
  EXPECT_TRUE(IsButtonOf(MessageButtons::OkCancel, MessageAnswer::Cancel));
  EXPECT_FALSE(IsButtonOf(MessageButtons::YesNo, MessageAnswer::Cancel));
}

}  // namespace
}  // namespace korvo
