#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/file_dialog.h"

namespace korvo {

// File dialogs as Qt's own file dialog widget over the main window (the same on every
// desktop, so that tests can answer it).
class QtFileDialog : public FileDialogService {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  std::optional<std::filesystem::path> Run(const FileDialogRequest& request) override;

  // The dialog's filter line for a type: "Name (*.ext)", the pattern added unless the name
  // already shows it.
  static QString FilterText(const FileFilter& filter);

 private:
  QPointer<QWidget> parent_;
};

}  // namespace korvo
