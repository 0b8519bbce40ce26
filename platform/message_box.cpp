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

}  // namespace korvo
