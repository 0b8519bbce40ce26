#pragma once

namespace korvo {

class DxfImportContext;
class DxfRecordReader;
struct DxfRecord;

// Each reads its section from the record after SECTION up to and including its ENDSEC (a
// section missing its ENDSEC ends at the next SECTION or EOF, which is left unread).
//
// HEADER is the SECTION record itself: its groups are the variables.
void ReadDxfHeader(const DxfRecord& section, DxfImportContext& context);
void ReadDxfTables(DxfRecordReader& reader, DxfRecord& record, DxfImportContext& context);
void ReadDxfBlocks(DxfRecordReader& reader, DxfRecord& record, DxfImportContext& context);
// Any section not read here: its records are passed over.
void SkipDxfSection(DxfRecordReader& reader, DxfRecord& record);

// After the whole file: the current layer the header named, once the tables are known.
void ApplyDxfHeaderAfterTables(DxfImportContext& context);

}  // namespace korvo
