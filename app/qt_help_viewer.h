#pragma once

#include <QPointer>
#include <QWidget>

#include "app/help_window.h"
#include "platform/help_viewer.h"

namespace korvo {

// Help in the shell: the help file and the folder of the program in a help window of the
// editor, separate pages in the desktop's web browser.
class QtHelpViewer : public HelpViewer {
 public:
  QtHelpViewer() = default;
  ~QtHelpViewer() override;
  QtHelpViewer(const QtHelpViewer&) = delete;
  QtHelpViewer& operator=(const QtHelpViewer&) = delete;

  // The window the help window belongs to; it closes with it.
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::filesystem::path HelpFolder() override;
  // False when the file does not exist: an empty window would help nobody.
  bool ShowInHelpWindow(const std::filesystem::path& file, std::u16string_view anchor) override;
  bool OpenInBrowser(const std::filesystem::path& file) override;

  // Null until help was first shown (or after its parent closed it).
  HelpWindow* window() const { return window_; }

 private:
  QPointer<QWidget> parent_;
  QPointer<HelpWindow> window_;
};

}  // namespace korvo
