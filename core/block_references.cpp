#include "core/block_references.h"

#include "core/block_binding.h"
#include "platform/message_box.h"
#include "platform/text_format.h"

namespace korvo {
namespace {

void ShowReport(const BlockResolutionReport& report) {
  for (const std::u16string& name : report.selfReferencing) {
    ShowMessage(
        FormatMessage(u"Block %s contains a reference to itself; that reference is left empty.",
                      {std::u16string_view(name)}),
        MessageIcon::Exclamation);
  }
  if (report.tooDeep) {
    ShowMessage(u"Blocks are nested too deeply; the deepest references are left empty.",
                MessageIcon::Exclamation);
  }
  if (report.tooLarge) {
    ShowMessage(u"Block references would take too much memory; some are left empty.",
                MessageIcon::Exclamation);
  }
}

}  // namespace

void ResolveBlockReferences(EntityList& list, const BlockTable& blocks) {
  BlockResolutionReport report;
  ResolveBlockReferences(list, blocks, report);
  ShowReport(report);
}

void ResolveAllBlockReferences(const BlockTable& blocks, EntityList& entities) {
  BlockResolutionReport report;
  for (BlockDefinition* block : blocks) ResolveBlockReferences(*block, blocks, report);
  ResolveBlockReferences(entities, blocks, report);
  ShowReport(report);
}

}  // namespace korvo
