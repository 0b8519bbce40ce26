#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace korvo {

// The topics the program asks for besides command names. A topic is an anchor of the help
// file, or, after a leading "*", the file name of a page of its own.
namespace HelpTopics {
inline constexpr std::u16string_view kMainContents = u"Main_Contents";
inline constexpr std::u16string_view kQuickStartPage = u"*KorvoCAD_SM2DT.HTM";

// The help buttons of the dialogs.
inline constexpr std::u16string_view kBitmapOptions = u"bmp_options_dialog";
inline constexpr std::u16string_view kChamferOptions = u"chamfer_options_dialog";
inline constexpr std::u16string_view kDonutOptions = u"donut_options_dialog";
inline constexpr std::u16string_view kTextStyles = u"STYLES";
inline constexpr std::u16string_view kDefineText = u"draw_text_dialog";
inline constexpr std::u16string_view kLayers = u"LAYERS";
inline constexpr std::u16string_view kLineTypes = u"line_types";
inline constexpr std::u16string_view kPointInput = u"specify_points";
inline constexpr std::u16string_view kSelectBlock = u"select_block_dialog";
inline constexpr std::u16string_view kOpenSymbol = u"open_symbol_dialog";
inline constexpr std::u16string_view kSaveSymbol = u"save_symbol_dialog";
}  // namespace HelpTopics

// The help file: one anchor per topic. It and the separate pages lie in the help folder.
inline constexpr std::string_view kHelpFileName = "KorvoCAD.htm";

// What shows help: the shell opens its help window or the desktop's web browser; headless
// programs record what was asked. Neither call waits for the user.
class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // The folder that holds the help file and its pages; empty when the platform cannot say.
  virtual std::filesystem::path HelpFolder() = 0;
  // Shows the HTML file `file` at the anchor `anchor` in the help window. False when the
  // window could not be shown.
  virtual bool ShowInHelpWindow(const std::filesystem::path& file, std::u16string_view anchor) = 0;
  // Opens the page `file` in the desktop's web browser. False when no browser started.
  virtual bool OpenInBrowser(const std::filesystem::path& file) = 0;
};

// Shows `topic`: a topic with a leading "*" opens the rest as a page of the help folder in
// the browser; any other opens the help file at the topic's anchor. False, with nothing
// started and nothing said, when the folder is unknown or the viewer did not start.
bool ShowHelp(std::u16string_view topic, HelpViewer& viewer);
// The help button of a dialog: a dialog without a topic shows nothing and succeeds.
bool ShowDialogHelp(std::u16string_view topic, HelpViewer& viewer);

// Remembers every request and answers with fixed results: headless sessions and tests.
class RecordingHelpViewer : public HelpViewer {
 public:
  enum class Shown { HelpWindow, Browser };
  struct Request {
    Shown shown;
    std::filesystem::path file;
    std::u16string anchor;  // empty for the browser
  };

  explicit RecordingHelpViewer(std::filesystem::path folder = {}) : folder_(std::move(folder)) {}

  std::filesystem::path HelpFolder() override { return folder_; }
  bool ShowInHelpWindow(const std::filesystem::path& file, std::u16string_view anchor) override;
  bool OpenInBrowser(const std::filesystem::path& file) override;

  void SetFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
  // What the viewer answers (and records regardless): a viewer that could not start.
  void SetStarts(bool starts) { starts_ = starts; }
  const std::vector<Request>& Requests() const { return requests_; }

 private:
  std::filesystem::path folder_;
  bool starts_ = true;
  std::vector<Request> requests_;
};

}  // namespace korvo
