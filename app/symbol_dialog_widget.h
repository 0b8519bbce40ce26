#pragma once

#include <QPointer>
#include <QWidget>

#include "app/dialog_help.h"
#include "commands/symbol_dialog.h"

namespace korvo {

// The "Drawing Symbol" dialog as a Qt dialog over a SymbolDialogModel: the library drop-down
// and the "..." catalogue button, the symbol list with its preview, Delete and Rename, the
// name box, the caller's rows, and OK, Cancel and Help.
class QtSymbolDialog : public SymbolDialogService {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  void SetHelp(DialogHelp help) { help_ = std::move(help); }
  std::optional<SymbolLocation> Run(SymbolDialogModel& model, Profile& profile,
                                    const SymbolSheetLayout& layout) override;

 private:
  QPointer<QWidget> parent_;
  DialogHelp help_;
};

}  // namespace korvo
