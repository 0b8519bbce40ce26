#include "app/main_window.h"

namespace korvo {

void MainWindow::BuildToolbars() {}

void MainWindow::RefreshToolbars() {}

}  // namespace korvo
