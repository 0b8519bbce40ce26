#pragma once

#include "core/tables.h"
#include "text/line_type_table.h"

namespace korvo {

class DxfWriter;

// The table writers the main template calls, each writing its records in table order.

// One LTYPE record per line type that is not built in.
void WriteDxfLineTypes(DxfWriter& writer, const LineTypeTable& lineTypes);
void WriteDxfLayers(DxfWriter& writer, const LayerTable& layers);
void WriteDxfTextStyles(DxfWriter& writer, const TextStyleTable& styles);
// The BLOCK_RECORD records, the end of TABLES, the start of BLOCKS and every block definition.
void WriteDxfBlocks(DxfWriter& writer, const BlockTable& blocks);

}  // namespace korvo
