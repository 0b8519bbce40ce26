#include "app/qt_help_viewer.h"

#include <QDesktopServices>
#include <QUrl>
#include <system_error>

#include "app/help_window.h"
#include "platform/program_folder.h"

namespace korvo {
namespace {

QUrl LocalUrl(const std::filesystem::path& file) {
  return QUrl::fromLocalFile(QString::fromStdString(file.string()));
}

bool IsFile(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error);
}

}  // namespace

QtHelpViewer::~QtHelpViewer() {
  // A window with a parent goes with it; one without belongs to the viewer.
  if (window_ != nullptr && window_->parent() == nullptr) delete window_;
}

std::filesystem::path QtHelpViewer::HelpFolder() {
  return ProgramFolder();
}

bool QtHelpViewer::ShowInHelpWindow(const std::filesystem::path& file, std::u16string_view anchor) {
  if (!IsFile(file)) return false;
  if (window_ == nullptr) window_ = new HelpWindow(parent_);
  QUrl page = LocalUrl(file);
  if (!anchor.empty()) page.setFragment(QString::fromStdU16String(std::u16string(anchor)));
  window_->ShowPage(page);
  return true;
}

bool QtHelpViewer::OpenInBrowser(const std::filesystem::path& file) {
  if (!IsFile(file)) return false;
  return QDesktopServices::openUrl(LocalUrl(file));
}

}  // namespace korvo
