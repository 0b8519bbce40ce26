#include "core/drawing_file.h"

#include <cstdint>
#include <exception>
#include <optional>

#include "core/drawing.h"
#include "core/native_drawing.h"
#include "platform/file_io.h"

namespace korvo {
namespace {

void Report(MessageBoxService& messages, std::u16string_view text) {
  messages.Show(text, MessageButtons::Ok, MessageIcon::Exclamation);
}

class FileSource final : public ArchiveSource {
 public:
  explicit FileSource(FileReader& file) : file_(file) {}
  std::size_t ReadAt(uint64_t offset, uint8_t* buffer, std::size_t size) override {
    return file_.ReadAt(offset, buffer, size);
  }

 private:
  FileReader& file_;
};

OpenResult OpenFromArchive(ArchiveReader& archive, Drawing& drawing, MessageBoxService& messages) {
  // The entity factory reports unknown kinds through the process-wide message box.
  ScopedMessageBox scope(messages);
  drawing.Clear();
  // Whatever follows, the drawing no longer holds the file it was named after.
  drawing.path.clear();
  OpenResult result;
  try {
    const NativeReadOutcome outcome = ReadDrawing(archive, drawing);
    if (outcome == NativeReadOutcome::UnknownMagic) {
      Report(messages, kFailedToOpenDocument);
      result.foreign = true;
    }
    if (outcome == NativeReadOutcome::Read) result.version = archive.version;
  } catch (const ArchiveError& error) {
    drawing.Clear();
    Report(messages, error.kind() == ArchiveErrorKind::InvalidArgument ? kFailedToOpenDocument
                                                                       : kUnexpectedFileFormat);
    return result;
  } catch (const std::exception&) {
    // Nothing but archive errors should come out of reading; should anything else, the
    // user still gets a cleared drawing and a message rather than a crash.
    drawing.Clear();
    Report(messages, kFailedToOpenDocument);
    return result;
  }
  drawing.CompleteAfterOpen();
  result.opened = true;
  return result;
}

}  // namespace

OpenResult OpenDrawingBytes(std::span<const uint8_t> bytes, Drawing& drawing,
                            MessageBoxService& messages) {
  ArchiveReader archive(bytes);
  return OpenFromArchive(archive, drawing, messages);
}

OpenResult OpenDrawingFromSource(ArchiveSource& source, std::size_t size, std::size_t window,
                                 Drawing& drawing, MessageBoxService& messages) {
  ArchiveReader archive(source, size, window);
  return OpenFromArchive(archive, drawing, messages);
}

OpenResult OpenDrawingStreamed(const std::filesystem::path& path, Drawing& drawing,
                               MessageBoxService& messages, std::size_t window) {
  FileReader file;
  const std::optional<uint64_t> size = file.Open(path) ? file.Size() : std::nullopt;
  OpenResult result;
  if (size && *size <= SIZE_MAX) {
    FileSource source(file);
    result =
        OpenDrawingFromSource(source, static_cast<std::size_t>(*size), window, drawing, messages);
  } else {
    // Not a regular file: its size is known only once it has been read.
    const std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes) {
      Report(messages, kFailedToOpenDocument);
      return {};
    }
    result = OpenDrawingBytes(*bytes, drawing, messages);
  }
  if (result.opened && !result.foreign) drawing.path = path;
  return result;
}

OpenResult OpenDrawing(const std::filesystem::path& path, Drawing& drawing,
                       MessageBoxService& messages) {
  return OpenDrawingStreamed(path, drawing, messages, ArchiveReader::kDefaultWindow);
}

bool SaveDrawing(const Drawing& drawing, const std::filesystem::path& path,
                 MessageBoxService& messages) {
  const bool saved = WriteFileAtomically(path, [&drawing](FileWriter& file) {
    ArchiveWriter archive(file);
    try {
      WriteDrawing(archive, drawing);
    } catch (const ArchiveError&) {
      return false;
    } catch (const std::exception&) {
      // Out of memory half way: the previous file stays, and the user is told.
      return false;
    }
    return !file.Failed();
  });
  if (!saved) Report(messages, kFailedToSaveDocument);
  return saved;
}

}  // namespace korvo
