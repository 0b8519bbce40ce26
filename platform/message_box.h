#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvo {

enum class MessageIcon { None, Information, Exclamation, Stop, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageAnswer { Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

// The message box of the platform. The shell shows a real dialog; headless programs and
// tests install an implementation that records the messages and answers from a script.
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual MessageAnswer Show(std::u16string_view text, MessageButtons buttons,
                             MessageIcon icon) = 0;
};

// The process-wide message box. Without an installed service, messages are recorded by a
// built-in headless service that answers Ok (or the first button).
MessageBoxService& GetMessageBox();
// Installs `service` (not owned) and returns the previous one; null restores the built-in one.
MessageBoxService* SetMessageBox(MessageBoxService* service);

// Shows `text` with an OK button.
MessageAnswer ShowMessage(std::u16string_view text, MessageIcon icon = MessageIcon::None);

// Records every message; answers from a queue, then with the first button of the box.
class RecordingMessageBox : public MessageBoxService {
 public:
  struct Message {
    std::u16string text;
    MessageButtons buttons;
    MessageIcon icon;
  };

  MessageAnswer Show(std::u16string_view text, MessageButtons buttons, MessageIcon icon) override;

  void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  const std::vector<Message>& Messages() const { return messages_; }
  std::vector<std::u16string> Texts() const;
  void Clear() { messages_.clear(); }

 private:
  std::vector<Message> messages_;
  std::deque<MessageAnswer> answers_;
};

// Whether `answer` is one of the buttons of a box.
bool IsButtonOf(MessageButtons buttons, MessageAnswer answer);

// Records every message and asks a callback for each answer: a journal player hands out its
// next `answer` line. When the callback has none, or gives a button the box does not have,
// the box answers Cancel (No for a Yes/No box) and Failure() says what went wrong, so the
// player can stop instead of going on with an answer nobody gave.
class CallbackMessageBox : public MessageBoxService {
 public:
  using Callback =
      std::function<std::optional<MessageAnswer>(std::u16string_view text, MessageButtons buttons)>;

  explicit CallbackMessageBox(Callback callback) : callback_(std::move(callback)) {}
  MessageAnswer Show(std::u16string_view text, MessageButtons buttons, MessageIcon icon) override;

  const std::vector<RecordingMessageBox::Message>& Messages() const { return messages_; }
  // Empty while every box had a fitting answer; else the first problem.
  const std::u16string& Failure() const { return failure_; }

 private:
  Callback callback_;
  std::vector<RecordingMessageBox::Message> messages_;
  std::u16string failure_;
};

// Installs a service for the lifetime of a scope (tests, the command-line tool).
class ScopedMessageBox {
 public:
  explicit ScopedMessageBox(MessageBoxService& service) : previous_(SetMessageBox(&service)) {}
  ~ScopedMessageBox() { SetMessageBox(previous_); }
  ScopedMessageBox(const ScopedMessageBox&) = delete;
  ScopedMessageBox& operator=(const ScopedMessageBox&) = delete;

 private:
  MessageBoxService* previous_;
};

}  // namespace korvo
