#pragma once

#include <string_view>

namespace korvo {

class DxfImportContext;
class DxfRecordReader;
class EntityList;
struct DxfRecord;

// Whether a record of this kind ends a run of entities (ENDSEC, ENDBLK, BLOCK, SECTION, EOF).
bool EndsDxfEntities(std::string_view kind);

// Reads entity records into `target` up to the record that ends the run, which is left
// unread. POLYLINE takes its VERTEX records and SEQEND; an INSERT whose 66 is 1 takes its
// ATTRIB records (as texts in its attached list) and SEQEND. Entities in paper space and
// kinds that have no place here are counted as skipped.
void ReadDxfEntities(DxfRecordReader& reader, DxfRecord& record, DxfImportContext& context,
                     EntityList& target);

}  // namespace korvo
