#include "platform/help_viewer.h"

#include "platform/utf16.h"

namespace korvo {

bool ShowHelp(std::u16string_view topic, HelpViewer& viewer) {
  const std::filesystem::path folder = viewer.HelpFolder();
  if (folder.empty()) return false;
  if (topic.starts_with(u'*')) {
    const std::u16string_view page = topic.substr(1);
    // A page is a file of the help folder, never a path that leads out of it.
    if (page.empty() || page == u"." || page == u".." ||
        page.find(u'/') != std::u16string_view::npos)
      return false;
    return viewer.OpenInBrowser(folder / Utf16ToUtf8(page));
  }
  return viewer.ShowInHelpWindow(folder / kHelpFileName, topic);
}

bool ShowDialogHelp(std::u16string_view topic, HelpViewer& viewer) {
  if (topic.empty()) return true;
  return ShowHelp(topic, viewer);
}

bool RecordingHelpViewer::ShowInHelpWindow(const std::filesystem::path& file,
                                           std::u16string_view anchor) {
  requests_.push_back({Shown::HelpWindow, file, std::u16string(anchor)});
  return starts_;
}

bool RecordingHelpViewer::OpenInBrowser(const std::filesystem::path& file) {
  requests_.push_back({Shown::Browser, file, {}});
  return starts_;
}

}  // namespace korvo
