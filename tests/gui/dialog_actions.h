#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

// What the GUI tests do inside the editor's dialogs, as a user would.
namespace korvo::dialog_actions {

// The child of `dialog` with that object name, or null.
template <typename T>
T* Child(QWidget* dialog, const QString& name) {
  return dialog != nullptr ? dialog->findChild<T*>(name) : nullptr;
}

// Clicks once the answer that found the dialog has returned: a click that opens another
// modal box would otherwise keep the answer running, and the poll that hands out answers
// does not run again while one of its own answers is still running.
inline void ClickLater(QAbstractButton* button) {
  if (button != nullptr) QTimer::singleShot(0, button, &QAbstractButton::click);
}

inline void ClickLater(QWidget* dialog, const QString& buttonName) {
  ClickLater(Child<QAbstractButton>(dialog, buttonName));
}

// The field a form row labelled `label` edits (the `occurrence`-th such row), or null.
template <typename T>
T* FieldOf(QWidget* dialog, const QString& label, int occurrence = 0) {
  if (dialog == nullptr) return nullptr;
  for (QFormLayout* form : dialog->findChildren<QFormLayout*>()) {
    for (int row = 0; row < form->rowCount(); ++row) {
      auto* item = form->itemAt(row, QFormLayout::LabelRole);
      auto* caption = item != nullptr ? qobject_cast<QLabel*>(item->widget()) : nullptr;
      if (caption == nullptr || caption->text() != label) continue;
      if (occurrence-- > 0) continue;
      auto* field = form->itemAt(row, QFormLayout::FieldRole);
      return field != nullptr ? qobject_cast<T*>(field->widget()) : nullptr;
    }
  }
  return nullptr;
}

// The text of a message box, or an empty string for any other dialog.
inline QString MessageText(QWidget* dialog) {
  auto* box = qobject_cast<QMessageBox*>(dialog);
  return box != nullptr ? box->text() : QString();
}

// Answers a message box with one of its standard buttons.
inline void AnswerMessage(QWidget* dialog, QMessageBox::StandardButton answer) {
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) ClickLater(box->button(answer));
}

// Whether any pixel within `radius` of `at` differs between the two pictures.
inline bool ChangedNear(const QImage& before, const QImage& after, QPoint at, int radius = 1) {
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      const QPoint p = at + QPoint(dx, dy);
      if (!before.rect().contains(p) || !after.rect().contains(p)) continue;
      if (before.pixel(p) != after.pixel(p)) return true;
    }
  }
  return false;
}

}  // namespace korvo::dialog_actions
