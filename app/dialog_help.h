#pragma once

#include <QDialogButtonBox>
#include <QPushButton>
#include <functional>
#include <string>
#include <string_view>

namespace korvo {

// How a dialog's Help button shows its topic; the app sets it to the help window. Empty: the
// dialogs show no Help button.
using DialogHelp = std::function<void(std::u16string_view topic)>;

// Adds a Help button for `topic` to `buttons` when there is help to be had and a topic to ask
// for; a dialog without a topic shows none.
inline void AddHelpButton(QDialogButtonBox& buttons, const DialogHelp& help,
                          std::u16string_view topic) {
  if (!help || topic.empty()) return;
  QPushButton* button = buttons.addButton(QDialogButtonBox::Help);
  button->setObjectName(QStringLiteral("help"));
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked,
                   [help, topic = std::u16string(topic)] { help(topic); });
}

}  // namespace korvo
