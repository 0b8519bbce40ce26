#include "app/qt_input_dialog.h"

namespace korvo {

// FIXME: placeholder until the dialog widget exists; answers like a cancelled dialog.
InputDialogAnswer QtInputDialog::Run(const InputDialogRequest&) {
  typed_.clear();
  return {};
}

}  // namespace korvo
