#include "app/main_window.h"
#include "app/toolbar_set.h"

namespace korvo {

void MainWindow::BuildToolbars() {
  toolbars_ = new ToolbarSet(*this);
}

void MainWindow::RefreshToolbars() {
  toolbars_->Refresh();
}

}  // namespace korvo
