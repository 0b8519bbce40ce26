#include "exchange/dxf_import.h"

#include <new>

#include "core/block_references.h"
#include "core/drawing.h"
#include "exchange/dxf_entity_reader.h"
#include "exchange/dxf_import_context.h"
#include "exchange/dxf_read_error.h"
#include "exchange/dxf_section_readers.h"
#include "platform/file_view.h"
#include "platform/message_box.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

void ReadSections(DxfRecordReader& reader, DxfImportContext& context) {
  DxfRecord record;
  bool anySection = false;
  while (reader.Next(record)) {
    if (record.Is("EOF")) break;
    if (!record.Is("SECTION")) continue;
    anySection = true;
    const std::string_view name = record.Text(2);
    if (name == "HEADER") {
      ReadDxfHeader(record, context);
    } else if (name == "TABLES") {
      ReadDxfTables(reader, record, context);
    } else if (name == "BLOCKS") {
      ReadDxfBlocks(reader, record, context);
    } else if (name == "ENTITIES") {
      ReadDxfEntities(reader, record, context, context.drawing.entities);
      // Records that end a block have no place here; the section ends at ENDSEC.
      while (reader.PeekKind() == "ENDBLK" || reader.PeekKind() == "BLOCK") {
        reader.Next(record);
        ReadDxfEntities(reader, record, context, context.drawing.entities);
      }
      if (reader.PeekKind() == "ENDSEC") reader.Next(record);
    } else {
      SkipDxfSection(reader, record);
    }
  }
  if (!anySection) {
    throw DxfReadError(reader.groups().Where(record.position) +
                       ": no SECTION was found; this is not a DXF file");
  }
}

void Refuse(Drawing& drawing, MessageBoxService& messages, const std::string& why) {
  drawing.Clear();
  messages.Show(Utf8ToUtf16("The DXF file cannot be read: " + why), MessageButtons::Ok,
                MessageIcon::Exclamation);
}

}  // namespace

OpenResult ImportDxfBytes(std::span<const uint8_t> bytes, Drawing& drawing,
                          MessageBoxService& messages) {
  // Block resolution reports through the process-wide message box.
  ScopedMessageBox scope(messages);
  drawing.Clear();
  drawing.path.clear();
  // Names in the file find the shared built-in line types, not copies of them.
  drawing.lineTypes.AddBuiltIns();
  OpenResult result;
  std::u16string skipped;
  try {
    DxfImportContext context(drawing);
    DxfRecordReader reader(bytes);
    ReadSections(reader, context);
    ApplyDxfHeaderAfterTables(context);
    ResolveAllBlockReferences(drawing.blocks, drawing.entities);
    skipped = context.SkippedReport();
  } catch (const DxfReadError& error) {
    Refuse(drawing, messages, error.what());
    return result;
  } catch (const std::bad_alloc&) {
    Refuse(drawing, messages, "it needs more memory than there is");
    return result;
  } catch (const std::exception& error) {
    Refuse(drawing, messages, error.what());
    return result;
  }
  drawing.CompleteAfterOpen();
  result.opened = true;
  if (!skipped.empty()) messages.Show(skipped, MessageButtons::Ok, MessageIcon::Information);
  return result;
}

OpenResult ImportDxf(const std::filesystem::path& path, Drawing& drawing,
                     MessageBoxService& messages) {
  const std::optional<FileView> file = FileView::Open(path);
  if (!file) {
    messages.Show(kFailedToOpenDocument, MessageButtons::Ok, MessageIcon::Exclamation);
    return {};
  }
  OpenResult result = ImportDxfBytes(file->bytes(), drawing, messages);
  if (result.opened) drawing.path = path;
  return result;
}

}  // namespace korvo
