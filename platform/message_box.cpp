#include "platform/message_box.h"

namespace korvo {
namespace {

MessageAnswer FirstButton(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
      return MessageAnswer::Yes;
    case MessageButtons::RetryCancel:
      return MessageAnswer::Retry;
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
      break;
  }
  return MessageAnswer::Ok;
}

RecordingMessageBox& BuiltIn() {
  static RecordingMessageBox service;
  return service;
}

MessageBoxService* g_service = nullptr;

}  // namespace

MessageBoxService& GetMessageBox() {
  return g_service != nullptr ? *g_service : BuiltIn();
}

MessageBoxService* SetMessageBox(MessageBoxService* service) {
  MessageBoxService* previous = g_service;
  g_service = service;
  return previous;
}

MessageAnswer ShowMessage(std::u16string_view text, MessageIcon icon) {
  return GetMessageBox().Show(text, MessageButtons::Ok, icon);
}

MessageAnswer RecordingMessageBox::Show(std::u16string_view text, MessageButtons buttons,
                                        MessageIcon icon) {
  messages_.push_back({std::u16string(text), buttons, icon});
  if (!answers_.empty()) {
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return FirstButton(buttons);
}

std::vector<std::u16string> RecordingMessageBox::Texts() const {
  std::vector<std::u16string> texts;
  for (const Message& m : messages_) texts.push_back(m.text);
  return texts;
}

bool IsButtonOf(MessageButtons buttons, MessageAnswer answer) {
  switch (buttons) {
    case MessageButtons::Ok:
      return answer == MessageAnswer::Ok;
    case MessageButtons::OkCancel:
      return answer == MessageAnswer::Ok || answer == MessageAnswer::Cancel;
    case MessageButtons::YesNo:
      return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
    case MessageButtons::YesNoCancel:
      return answer == MessageAnswer::Yes || answer == MessageAnswer::No ||
             answer == MessageAnswer::Cancel;
    case MessageButtons::RetryCancel:
      return answer == MessageAnswer::Retry || answer == MessageAnswer::Cancel;
  }
  return false;
}

MessageAnswer CallbackMessageBox::Show(std::u16string_view text, MessageButtons buttons,
                                       MessageIcon icon) {
  messages_.push_back({std::u16string(text), buttons, icon});
  const std::optional<MessageAnswer> answer = callback_ ? callback_(text, buttons) : std::nullopt;
  if (answer && IsButtonOf(buttons, *answer)) return *answer;
  if (failure_.empty()) {
    failure_ =
        (answer ? u"The answer fits no button of the message: " : u"No answer for the message: ") +
        std::u16string(text);
  }
  // The answer that changes nothing: a box without Cancel is dismissed with its "no".
  if (IsButtonOf(buttons, MessageAnswer::Cancel)) return MessageAnswer::Cancel;
  return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

}  // namespace korvo
