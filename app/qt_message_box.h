#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/message_box.h"

namespace korvo {

// Message boxes as Qt dialogs over the shell's main window, with the string-table texts.
class QtMessageBox : public MessageBoxService {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  MessageAnswer Show(std::u16string_view text, MessageButtons buttons, MessageIcon icon) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace korvo
