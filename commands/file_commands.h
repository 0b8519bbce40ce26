#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "exchange/bitmap_export.h"
#include "platform/file_dialog.h"

namespace korvo {

class CommandEngine;
class Drawing;

// The menu's identifiers of the file commands; New and Save As also have command-table rows.
namespace FileCommandId {
inline constexpr int Open = 57601;
inline constexpr int Save = 57603;
}  // namespace FileCommandId

// The name a drawing goes by in the title and the save question: its file name, or
// "Untitled" while it has none.
std::u16string DrawingTitle(const Drawing& drawing);

// The question asked before a modified drawing is replaced or the program ends.
std::u16string SaveChangesQuestion(const Drawing& drawing);

// Without a window of its own the options dialog takes the options as they stand.
class AcceptingBitmapOptions : public BitmapOptionsDialog {
 public:
  bool Run(BitmapOptionsModel&) override { return true; }
};

// The options dialog answered by a callback (a journal); false cancels.
class CallbackBitmapOptions : public BitmapOptionsDialog {
 public:
  explicit CallbackBitmapOptions(std::function<bool(BitmapOptionsModel&)> callback)
      : callback_(std::move(callback)) {}
  bool Run(BitmapOptionsModel& model) override { return callback_(model); }

 private:
  std::function<bool(BitmapOptionsModel&)> callback_;
};

// New, Open, Save and Save As, and the save question of New, Open and closing the program.
//
// Save As chooses the format by the extension of the name: ".dxf" DXF, ".bmp" a bitmap
// (after the options dialog), anything else the native file under exactly that name, which
// then becomes the drawing's name. Every write goes to a temporary file renamed over the
// target, so a failed save leaves the previous file alone.
class FileCommands {
 public:
  // `drawingLoaded` runs after the drawing was replaced (new or opened). `bitmapDialog` may
  // be null: the kept options are then used as they stand. All must outlive this object.
  FileCommands(CommandEngine& engine, FileDialogService& fileDialog,
               BitmapOptionsDialog* bitmapDialog, std::function<void()> drawingLoaded);

  // Makes New, Open, Save, Save As and the DXF export commands of the engine.
  void Register();

  // When the drawing is modified, asks whether to save it: Yes saves (Save As when it has
  // no name), No goes on, Cancel stays. True when the caller may go on.
  bool SaveModified();
  bool New();
  // Asks for a file, then replaces the drawing by it. A damaged file is reported and leaves
  // a new drawing.
  bool Open();
  bool OpenFile(const std::filesystem::path& path);
  // The next Open takes this file instead of asking for one (a file handed to the running
  // editor by a later start).
  void SetNextOpen(std::filesystem::path path) { nextOpen_ = std::move(path); }
  bool Save();
  // The DXF export is Save As with the DXF type preselected and ".dxf" added to a bare name.
  enum class SaveAsType { Native, Dxf };
  bool SaveAs(SaveAsType type = SaveAsType::Native);
  // The format chosen by the extension; true when the file was written.
  bool SaveTo(const std::filesystem::path& path);

  // The bitmap export's options, kept while the program runs.
  BitmapExportOptions& bitmapOptions() { return bitmapOptions_; }
  // The bitmap export with the kept options: asked in the options dialog first, or replaced
  // by the arguments (a width or height of 0 keeps the kept one). True when written.
  bool ExportBitmapFile(const std::filesystem::path& path, BitmapOptionsSource source, int width,
                        int height, Background background);

 private:
  void Loaded();

  CommandEngine& engine_;
  FileDialogService& fileDialog_;
  BitmapOptionsDialog* bitmapDialog_;
  AcceptingBitmapOptions acceptingBitmapOptions_;
  std::function<void()> drawingLoaded_;
  BitmapExportOptions bitmapOptions_;
  std::optional<std::filesystem::path> nextOpen_;
};

}  // namespace korvo
