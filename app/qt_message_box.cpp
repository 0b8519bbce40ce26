#include "app/qt_message_box.h"

#include <QMessageBox>

namespace korvo {
namespace {

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return QMessageBox::Ok;
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
      return QMessageBox::Retry | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None:
      return QMessageBox::NoIcon;
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Stop:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

MessageAnswer AnswerOf(int button, MessageButtons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return MessageAnswer::Ok;
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Retry:
      return MessageAnswer::Retry;
    default:
      // Closing the box is its cancel, or its only answer where it has none.
      if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
      if (buttons == MessageButtons::YesNo) return MessageAnswer::No;
      return MessageAnswer::Cancel;
  }
}

// The first button is the default, as the platform's boxes have it.
QMessageBox::StandardButton FirstOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
      return QMessageBox::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes;
    case MessageButtons::RetryCancel:
      return QMessageBox::Retry;
  }
  return QMessageBox::Ok;
}

// Escape and the window's close button give Cancel, or No or OK where the box has no Cancel.
QMessageBox::StandardButton EscapeOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return QMessageBox::Ok;
    case MessageButtons::YesNo:
      return QMessageBox::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
    case MessageButtons::RetryCancel:
      return QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

}  // namespace

MessageAnswer QtMessageBox::Show(std::u16string_view text, MessageButtons buttons,
                                 MessageIcon icon) {
  QMessageBox box(IconOf(icon), QStringLiteral("KorvoCAD"),
                  QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())),
                  ButtonsOf(buttons), parent_.data());
  // Texts such as "<%g, %g>" would otherwise be taken for markup and vanish.
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(FirstOf(buttons));
  box.setEscapeButton(EscapeOf(buttons));
  return AnswerOf(box.exec(), buttons);
}

}  // namespace korvo
