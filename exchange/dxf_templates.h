#pragma once

#include <string_view>

#include "exchange/dxf_template.h"

namespace korvo {

// The whole file, HEADER to EOF.
const DxfTemplate& DxfMainTemplate();
std::string_view DxfHeaderTemplateText();

// Table records.
const DxfTemplate& DxfLtypeTemplate();
const DxfTemplate& DxfLayerTemplate();
// A text style whose font has no description, and one whose font has.
const DxfTemplate& DxfStyleTemplate();
const DxfTemplate& DxfStyleWithDescriptionTemplate();
// BLOCK, the block's entities and ENDBLK.
const DxfTemplate& DxfBlockTemplate();

// Entity records.
const DxfTemplate& DxfPointTemplate();
const DxfTemplate& DxfLineTemplate();
const DxfTemplate& DxfCircleTemplate();
const DxfTemplate& DxfArcTemplate();
const DxfTemplate& DxfEllipseTemplate();
const DxfTemplate& DxfSolidTemplate();
const DxfTemplate& DxfTraceTemplate();
const DxfTemplate& DxfTextTemplate();
const DxfTemplate& DxfInsertTemplate();
const DxfTemplate& DxfPolylineTemplate();
// A polyline's vertices and the end of its sequence.
const DxfTemplate& DxfVertexTemplate();
const DxfTemplate& DxfSeqendTemplate();

}  // namespace korvo
