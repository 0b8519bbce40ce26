#pragma once

#include <ostream>
#include <string_view>

#include "platform/message_box.h"
#include "platform/utf16.h"

namespace korvo {

// Shows each message as one line on the error stream, at once, and counts them: the
// command-line tool's messages of opening and saving. Information (such as what a DXF
// import left out) is shown but is no failure.
class StreamMessageBox : public MessageBoxService {
 public:
  explicit StreamMessageBox(std::ostream& err) : err_(err) {}
  MessageAnswer Show(std::u16string_view text, MessageButtons, MessageIcon icon) override {
    err_ << Utf16ToUtf8(text) << '\n';
    if (icon != MessageIcon::Information) ++count_;
    return MessageAnswer::Ok;
  }
  // Messages other than information.
  int count() const { return count_; }

 private:
  std::ostream& err_;
  int count_ = 0;
};

}  // namespace korvo
