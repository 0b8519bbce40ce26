#pragma once

#include <filesystem>

#include "platform/message_box.h"
#include "view/picture.h"

namespace korvo {

class Drawing;
class BitmapOptionsModel;

// The export options, kept by the program while it runs (never saved). The shell starts
// them at the screen's size.
struct BitmapExportOptions {
  int width = 640;
  int height = 480;
  bool whiteBackground = false;
};

// Shows the options dialog on its model; false when the user cancels.
class BitmapOptionsDialog {
 public:
  virtual ~BitmapOptionsDialog() = default;
  virtual bool Run(BitmapOptionsModel& model) = 0;
};

// Where the export takes its size and background from.
enum class BitmapOptionsSource {
  Dialog,     // the options dialog, started from the kept options
  Arguments,  // the arguments, each width or height of 0 keeping the kept one
};

// Saves the drawing's current view window, fitted into a picture of the options' size, as
// an 8-bit bitmap file with the drawing colours as its palette. From the dialog, Cancel ends
// the export with false; from the arguments, the background always, and width and height
// when not 0, replace the options. A picture that cannot be made
// (a size not positive or too large) shows "Not enough memory to complete the operation!",
// a file that cannot be written "Invalid filename."; either way no file is left behind,
// and an existing file is kept.
bool ExportBitmap(const Drawing& drawing, const std::filesystem::path& path,
                  BitmapExportOptions& options, BitmapOptionsSource source, int width, int height,
                  Background background, MessageBoxService& messages,
                  BitmapOptionsDialog* dialog = nullptr);

}  // namespace korvo
