#include "app/main_window.h"

namespace korvo {

void MainWindow::BuildMenus() {}

void MainWindow::RefreshMenus() {}

}  // namespace korvo
