// The BLOCKS section: one definition per BLOCK ... ENDBLK.
#include "core/drawing.h"
#include "exchange/dxf_entity_reader.h"
#include "exchange/dxf_import_context.h"
#include "exchange/dxf_section_readers.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

bool StartsWithNoCase(std::u16string_view name, std::u16string_view prefix) {
  return name.size() >= prefix.size() && EqualsNoCase(name.substr(0, prefix.size()), prefix);
}

// Where the entities of a BLOCK go: model space's block adds to the drawing, a new name
// makes a definition, anything else is read and dropped (counted by `dropped`).
EntityList* TargetOf(const DxfRecord& record, DxfImportContext& context, const char*& dropped) {
  const std::u16string name = context.DecodeName(record.Text(2));
  constexpr int64_t kExternalReference = 4;
  if (StartsWithNoCase(name, u"*MODEL_SPACE")) return &context.drawing.entities;
  if (StartsWithNoCase(name, u"*PAPER_SPACE") || record.Integer(67, 0) != 0) {
    dropped = "in paper space";
    return nullptr;
  }
  if (name.empty()) {
    dropped = "in a BLOCK without a name";
    return nullptr;
  }
  if ((record.Integer(70, 0) & kExternalReference) != 0) {
    dropped = "in an external reference";
    return nullptr;
  }
  if (context.drawing.blocks.Find(name) != nullptr) {
    dropped = "in a second BLOCK of the same name";
    return nullptr;
  }
  auto* block = new BlockDefinition(name);
  const Point base = record.PointAt(10);
  if (AllUsable({base.x, base.y})) block->basePoint = base;
  context.drawing.blocks.Add(block);
  return block;
}

}  // namespace

void ReadDxfBlocks(DxfRecordReader& reader, DxfRecord& record, DxfImportContext& context) {
  for (;;) {
    const std::string_view next = reader.PeekKind();
    if (next == "SECTION" || next == "EOF") return;
    if (!reader.Next(record) || record.Is("ENDSEC")) return;
    if (!record.Is("BLOCK")) continue;
    const char* dropped = nullptr;
    EntityList* target = TargetOf(record, context, dropped);
    if (target != nullptr) {
      ReadDxfEntities(reader, record, context, *target);
    } else {
      EntityList discarded;
      ReadDxfEntities(reader, record, context, discarded);
      if (!discarded.empty()) context.Skip(dropped, static_cast<int64_t>(discarded.size()));
    }
    if (reader.PeekKind() == "ENDBLK") reader.Next(record);
  }
}

}  // namespace korvo
