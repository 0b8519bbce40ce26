#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "app/dialog_help.h"
#include "platform/input_dialog.h"

namespace korvo {

// The point input dialog as a Qt dialog over an InputDialogModel: a choice of the offered
// modes, the rows of the chosen one, OK, Cancel, "On-screen" and Help.
class QtInputDialog : public InputDialogService {
 public:
  static constexpr std::u16string_view kHelpTopic = u"specify_points";

  void SetParent(QWidget* parent) { parent_ = parent; }
  void SetHelp(DialogHelp help) { help_ = std::move(help); }
  // What the user typed into the view before the dialog took the focus, all of it each time:
  // the next dialog starts with it in its rows, and a dialog that opened with typed text
  // takes the keys that still reached the view while it came up.
  void SetTypedText(QString text);
  InputDialogAnswer Run(const InputDialogRequest& request) override;

 private:
  QPointer<QWidget> parent_;
  DialogHelp help_;
  QString typed_;
  std::function<void(const QString&)> typingOn_;  // while a dialog opened by typing is up
};

}  // namespace korvo
