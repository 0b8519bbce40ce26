#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/input_dialog.h"

namespace korvo {

// The point input dialog as a Qt dialog over an InputDialogModel.
class QtInputDialog : public InputDialogService {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  // What the user typed into the view before the dialog opened: it goes into the first row.
  void SetTypedText(QString text) { typed_ = std::move(text); }
  InputDialogAnswer Run(const InputDialogRequest& request) override;

 private:
  QPointer<QWidget> parent_;
  QString typed_;
};

}  // namespace korvo
