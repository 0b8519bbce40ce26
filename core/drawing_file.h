#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/message_box.h"

namespace korvo {

class ArchiveSource;
class Drawing;

// The messages of opening and saving.
inline constexpr char16_t kUnexpectedFileFormat[] = u"Unexpected file format.";
inline constexpr char16_t kFailedToOpenDocument[] = u"Failed to open document.";
inline constexpr char16_t kFailedToSaveDocument[] = u"Failed to save document.";

struct OpenResult {
  // The open operation succeeded: the drawing holds the file, completed with layer "0",
  // the built-in line types and "STANDARD" where missing. A file shorter than a magic or
  // with an unknown magic also succeeds, as a new drawing. On failure the drawing is
  // cleared and loses its path (a damaged file) or is untouched (a file that cannot be read
  // at all).
  bool opened = false;
  int version = -1;  // the version of the file read; -1 when none was
  // The file is not a drawing (its magic is unknown): the new drawing is not named after it,
  // so that a later Save cannot write over a file of another kind.
  bool foreign = false;
};

// Opens a drawing file as the user meets it: every failure is shown through `messages`.
// A regular file is read a window at a time, never held whole in memory; anything else
// (a pipe) is read whole first. A file that cannot be opened or read leaves the drawing as
// it was; a read that fails half way counts as a file that ends there.
OpenResult OpenDrawing(const std::filesystem::path& path, Drawing& drawing,
                       MessageBoxService& messages);
// The same with a window of `window` bytes (tests use tiny ones to cross every boundary).
OpenResult OpenDrawingStreamed(const std::filesystem::path& path, Drawing& drawing,
                               MessageBoxService& messages, std::size_t window);
// The `size` bytes of any source, read `window` bytes at a time; the drawing keeps its path
// cleared.
OpenResult OpenDrawingFromSource(ArchiveSource& source, std::size_t size, std::size_t window,
                                 Drawing& drawing, MessageBoxService& messages);
OpenResult OpenDrawingBytes(std::span<const uint8_t> bytes, Drawing& drawing,
                            MessageBoxService& messages);

// Writes the drawing in the newest version. The file is replaced only after the whole
// drawing reached the disk, so a failed save leaves the previous file as it was; the
// failure is shown through `messages`.
bool SaveDrawing(const Drawing& drawing, const std::filesystem::path& path,
                 MessageBoxService& messages);

}  // namespace korvo
