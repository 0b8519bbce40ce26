#include "commands/file_commands.h"

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "core/drawing.h"
#include "core/drawing_file.h"
#include "exchange/dxf_export.h"
#include "exchange/open_as.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/utf16.h"
#include "platform/window.h"

namespace korvo {
namespace {

constexpr std::u16string_view kUntitled = u"Untitled";
constexpr std::u16string_view kNativeExtension = u"KorvoDWG";

FileFilter NativeFilter() {
  return {u"KorvoCAD Drawing", u"*.KorvoDWG"};
}
FileFilter DxfFilter() {
  return {u"DXF Drawing (*.dxf)", u"*.dxf"};
}

bool IsNativeName(const std::filesystem::path& path) {
  const std::string extension = LowerCaseExtension(path);
  return extension != ".dxf" && extension != ".bmp";
}

}  // namespace

std::u16string DrawingTitle(const Drawing& drawing) {
  if (drawing.path.empty()) return std::u16string(kUntitled);
  return Utf8ToUtf16(drawing.path.filename().string());
}

std::u16string SaveChangesQuestion(const Drawing& drawing) {
  return u"Save changes to " + DrawingTitle(drawing) + u"?";
}

FileCommands::FileCommands(CommandEngine& engine, FileDialogService& fileDialog,
                           BitmapOptionsDialog* bitmapDialog, std::function<void()> drawingLoaded)
    : engine_(engine),
      fileDialog_(fileDialog),
      bitmapDialog_(bitmapDialog),
      drawingLoaded_(std::move(drawingLoaded)) {}

void FileCommands::Register() {
  engine_.RegisterCommand(CommandId::New, [this](CommandEngine&, int) { New(); });
  engine_.RegisterCommand(FileCommandId::Open, [this](CommandEngine& engine, int) {
    // Opening replaces the drawing under a running command, so that command is stopped
    // first, as the commands that interrupt are.
    if (engine.ActiveCommandMenu() != 0 && engine.frameWindow() != nullptr) {
      Window& frame = *engine.frameWindow();
      frame.Post(CommandMessage(&frame, CommandId::Stop));
      frame.Post(CommandMessage(&frame, FileCommandId::Open));
      return;
    }
    Open();
  });
  engine_.RegisterCommand(FileCommandId::Save, [this](CommandEngine&, int) { Save(); });
  engine_.RegisterCommand(CommandId::SaveAs, [this](CommandEngine&, int) { SaveAs(); });
  engine_.RegisterCommand(CommandId::DxfOut,
                          [this](CommandEngine&, int) { SaveAs(SaveAsType::Dxf); });
}

bool FileCommands::SaveModified() {
  Drawing& drawing = engine_.drawing();
  if (!drawing.IsModified()) return true;
  const MessageAnswer answer = engine_.messageBox().Show(
      SaveChangesQuestion(drawing), MessageButtons::YesNoCancel, MessageIcon::Exclamation);
  switch (answer) {
    case MessageAnswer::Yes:
      return Save();
    case MessageAnswer::No:
      return true;
    default:
      return false;
  }
}

bool FileCommands::New() {
  if (!SaveModified()) return false;
  Drawing& drawing = engine_.drawing();
  drawing.New();
  drawing.path.clear();
  Loaded();
  return true;
}

bool FileCommands::Open() {
  FileDialogRequest request;
  request.mode = FileDialogMode::Open;
  request.title = u"Open";
  request.filters = {NativeFilter(), DxfFilter()};
  request.defaultExtension = std::u16string(kNativeExtension);
  std::optional<std::filesystem::path> chosen;
  chosen.swap(nextOpen_);
  if (!chosen) chosen = fileDialog_.Run(request);
  if (!chosen) return false;
  if (!SaveModified()) return false;
  return OpenFile(*chosen);
}

bool FileCommands::OpenFile(const std::filesystem::path& path) {
  Drawing& drawing = engine_.drawing();
  const OpenResult opened = OpenDrawingAs(path, drawing, engine_.messageBox());
  // A damaged file left the drawing cleared, without a single layer: the user goes on with
  // a new one. A file that could not be read at all left the drawing as it was.
  const bool damaged = !opened.opened && drawing.layers.empty();
  if (damaged) {
    drawing.New();
    drawing.path.clear();
  }
  if (opened.opened || damaged) Loaded();
  return opened.opened;
}

void FileCommands::Loaded() {
  if (drawingLoaded_) drawingLoaded_();
  // The window shows the new drawing at once, as after any command that changed it.
  engine_.RepaintNow();
}

bool FileCommands::Save() {
  const Drawing& drawing = engine_.drawing();
  // A drawing read from a DXF file is not written back over it in the native format.
  if (drawing.path.empty() || !IsNativeName(drawing.path)) return SaveAs();
  return SaveTo(drawing.path);
}

bool FileCommands::SaveAs(SaveAsType type) {
  const Drawing& drawing = engine_.drawing();
  FileDialogRequest request;
  request.mode = FileDialogMode::Save;
  request.title = u"Save Drwaing As";
  request.filters = {NativeFilter(), DxfFilter(), {u"256 Color Bitmap (*.bmp)", u"*.bmp"}};
  request.selectedFilter = type == SaveAsType::Dxf ? 1 : 0;
  request.defaultExtension = type == SaveAsType::Dxf ? u"dxf" : std::u16string(kNativeExtension);
  std::filesystem::path proposed =
      drawing.path.empty() ? std::filesystem::path(Utf16ToUtf8(kUntitled)) : drawing.path;
  if (!LowerCaseExtension(proposed).empty()) proposed.replace_extension();
  request.proposed = proposed;
  const std::optional<std::filesystem::path> chosen = fileDialog_.Run(request);
  if (!chosen) return false;
  return SaveTo(WithDefaultExtension(*chosen, request.defaultExtension));
}

bool FileCommands::SaveTo(const std::filesystem::path& path) {
  Drawing& drawing = engine_.drawing();
  MessageBoxService& messages = engine_.messageBox();
  const std::string extension = LowerCaseExtension(path);
  if (extension == ".dxf") return ExportDxf(drawing, path, messages);
  if (extension == ".bmp")
    return ExportBitmapFile(path, BitmapOptionsSource::Dialog, 0, 0, Background::Black);
  if (!SaveDrawing(drawing, path, messages)) return false;
  drawing.path = path;
  drawing.SetModifiedFlag(false);
  return true;
}

bool FileCommands::ExportBitmapFile(const std::filesystem::path& path, BitmapOptionsSource source,
                                    int width, int height, Background background) {
  BitmapOptionsDialog* dialog = bitmapDialog_ != nullptr ? bitmapDialog_ : &acceptingBitmapOptions_;
  return ExportBitmap(engine_.drawing(), path, bitmapOptions_, source, width, height, background,
                      engine_.messageBox(), dialog);
}

}  // namespace korvo
