#include "exchange/dxf_templates.h"

namespace korvo {

// Template text reads one group per line; keep it that way.
// clang-format off
namespace {

// Every entity record begins alike; POINT has no line weight.
#define KORVO_DXF_ENTITY_HEAD(kind)                                                       \
  "0\n" kind "\n5\n" KORVO_DXF_FIELD("REFNUMBER") "100\nAcDbEntity\n8\n" KORVO_DXF_FIELD( \
      "LAYER") "6\n" KORVO_DXF_FIELD("LINE_TYPE") KORVO_DXF_FIELD("COLOR")
#define KORVO_DXF_ENTITY_HEAD_WEIGHT(kind) KORVO_DXF_ENTITY_HEAD(kind) KORVO_DXF_FIELD("LWEIGHT")

constexpr std::string_view kLtype =
    "0\nLTYPE\n5\n" KORVO_DXF_FIELD("REFNUMBER")
    "100\nAcDbSymbolTableRecord\n100\nAcDbLinetypeTableRecord\n"
    "2\n" KORVO_DXF_FIELD("LTYPE_REFNAME")
    "70\n64\n"
    "3\n" KORVO_DXF_FIELD("LTYPE_DESCNAME")
    "72\n65\n"
    "73\n" KORVO_DXF_FIELD("LTYPE_NUM_OF_DASHES")
    "40\n" KORVO_DXF_FIELD("LTYPE_PATTERN_LEN")
    KORVO_DXF_FIELD("LTYPE_DASH_DATA");

constexpr std::string_view kLayer =
    "0\nLAYER\n5\n" KORVO_DXF_FIELD("REFNUMBER")
    "100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n"
    "2\n" KORVO_DXF_FIELD("LAYER")
    "70\n" KORVO_DXF_FIELD("LAYER_STATE")
    "62\n" KORVO_DXF_FIELD("COLOR")
    "6\n" KORVO_DXF_FIELD("LINE_TYPE")
    "370\n" KORVO_DXF_FIELD("LWEIGHT");

#define KORVO_DXF_STYLE_HEAD \
  "0\nSTYLE\n5\n" KORVO_DXF_FIELD("REFNUMBER")                               \
  "100\nAcDbSymbolTableRecord\n100\nAcDbTextStyleTableRecord\n"              \
  "2\n" KORVO_DXF_FIELD("STYLE_NAME")                                        \
  "70\n0\n"                                                                  \
  "40\n" KORVO_DXF_FIELD("TEXT_HEIGHT")                                      \
  "41\n" KORVO_DXF_FIELD("TEXT_WIDTH_FACTOR")                                \
  "50\n" KORVO_DXF_FIELD("TEXT_OBLIQUE_ANGLE")                               \
  "71\n" KORVO_DXF_FIELD("TEXT_GENERATION_FLAGS")                            \
  "42\n0.0\n"

constexpr std::string_view kStyle =
    KORVO_DXF_STYLE_HEAD "3\n" KORVO_DXF_FIELD("STYLE_FONT_NAME") "4\n\n";

constexpr std::string_view kStyleWithDescription =
    KORVO_DXF_STYLE_HEAD "3\n" KORVO_DXF_FIELD("STYLE_EXT_FONT_NAME") "4\n\n"
    "1001\nACAD\n1000\n" KORVO_DXF_FIELD("STYLE_FONT_NAME") "1071\n       34\n";

constexpr std::string_view kBlock =
    "0\nBLOCK\n5\n" KORVO_DXF_FIELD("REFNUMBER")
    "100\nAcDbEntity\n100\nAcDbBlockBegin\n"
    "2\n" KORVO_DXF_FIELD("BLOCK_NAME")
    "70\n0\n"
    "10\n" KORVO_DXF_FIELD("X_COORD_1") "20\n" KORVO_DXF_FIELD("Y_COORD_1") "30\n0.0\n"
    "3\n" KORVO_DXF_FIELD("BLOCK_NAME")
    "1\n\n"
    KORVO_DXF_FIELD("ENTITY_BODIES")
    "0\nENDBLK\n5\n" KORVO_DXF_FIELD("REFNUMBER")
    "100\nAcDbEntity\n8\n0\n100\nAcDbBlockEnd\n";

constexpr std::string_view kPoint =
    KORVO_DXF_ENTITY_HEAD("POINT")
    "100\nAcDbPoint\n"
    "10\n" KORVO_DXF_FIELD("X_COORD_1") "20\n" KORVO_DXF_FIELD("Y_COORD_1") "30\n0.0\n";

constexpr std::string_view kLine =
    KORVO_DXF_ENTITY_HEAD_WEIGHT("LINE")
    "100\nAcDbLine\n"
    "10\n" KORVO_DXF_FIELD("X_COORD_1") "20\n" KORVO_DXF_FIELD("Y_COORD_1") "30\n0.0\n"
    "11\n" KORVO_DXF_FIELD("X_COORD_2") "21\n" KORVO_DXF_FIELD("Y_COORD_2") "31\n0.0\n";

#define KORVO_DXF_CIRCLE_BODY \
  "100\nAcDbCircle\n"                                                                     \
  "10\n" KORVO_DXF_FIELD("X_COORD_1") "20\n" KORVO_DXF_FIELD("Y_COORD_1") "30\n0.0\n" \
  "40\n" KORVO_DXF_FIELD("RADIUS")

constexpr std::string_view kCircle = KORVO_DXF_ENTITY_HEAD_WEIGHT("CIRCLE") KORVO_DXF_CIRCLE_BODY;

constexpr std::string_view kArc = KORVO_DXF_ENTITY_HEAD_WEIGHT("ARC") KORVO_DXF_CIRCLE_BODY
    "100\nAcDbArc\n"
    "50\n" KORVO_DXF_FIELD("START_ANGLE") "51\n" KORVO_DXF_FIELD("END_ANGLE");

// The major axis end (11/21) is relative to the centre; 41/42 are parameters in radians.
constexpr std::string_view kEllipse =
    KORVO_DXF_ENTITY_HEAD_WEIGHT("ELLIPSE")
    "100\nAcDbEllipse\n"
    "10\n" KORVO_DXF_FIELD("X_COORD_1") "20\n" KORVO_DXF_FIELD("Y_COORD_1") "30\n0.0\n"
    "11\n" KORVO_DXF_FIELD("X_COORD_2") "21\n" KORVO_DXF_FIELD("Y_COORD_2") "31\n0.0\n"
    "210\n0.0\n220\n0.0\n230\n1.0\n"
    "40\n" KORVO_DXF_FIELD("RATIO")
    "41\n" KORVO_DXF_FIELD("START_ANGLE")
    "42\n" KORVO_DXF_FIELD("END_ANGLE");

#define KORVO_DXF_QUADRILATERAL_BODY \
  "100\nAcDbTrace\n"                                                                      \
  "10\n" KORVO_DXF_FIELD("X_COORD_1") "20\n" KORVO_DXF_FIELD("Y_COORD_1") "30\n0.0\n" \
  "11\n" KORVO_DXF_FIELD("X_COORD_2") "21\n" KORVO_DXF_FIELD("Y_COORD_2") "31\n0.0\n" \
  "12\n" KORVO_DXF_FIELD("X_COORD_3") "22\n" KORVO_DXF_FIELD("Y_COORD_3") "32\n0.0\n" \
  "13\n" KORVO_DXF_FIELD("X_COORD_4") "23\n" KORVO_DXF_FIELD("Y_COORD_4") "33\n0.0\n"

constexpr std::string_view kSolid =
    KORVO_DXF_ENTITY_HEAD_WEIGHT("SOLID") KORVO_DXF_QUADRILATERAL_BODY;
constexpr std::string_view kTrace =
    KORVO_DXF_ENTITY_HEAD_WEIGHT("TRACE") KORVO_DXF_QUADRILATERAL_BODY;

// Z_COORD_1 also writes the second alignment point (11/21/31) of aligned text.
constexpr std::string_view kText =
    KORVO_DXF_ENTITY_HEAD_WEIGHT("TEXT")
    "100\nAcDbText\n"
    "10\n" KORVO_DXF_FIELD("X_COORD_1") "20\n" KORVO_DXF_FIELD("Y_COORD_1")
    "30\n" KORVO_DXF_FIELD("Z_COORD_1")
    "40\n" KORVO_DXF_FIELD("TEXT_HEIGHT")
    "41\n" KORVO_DXF_FIELD("TEXT_WIDTH_FACTOR")
    "1\n" KORVO_DXF_FIELD("TEXT_CONTENT")
    "50\n" KORVO_DXF_FIELD("TEXT_ROTATION")
    "51\n" KORVO_DXF_FIELD("TEXT_OBLIQUE_ANGLE")
    "7\n" KORVO_DXF_FIELD("TEXT_STYLE_NAME")
    "71\n" KORVO_DXF_FIELD("TEXT_GENERATION_FLAGS")
    "72\n" KORVO_DXF_FIELD("TEXT_ALIGNMENT")
    "100\nAcDbText\n";

constexpr std::string_view kInsert =
    KORVO_DXF_ENTITY_HEAD_WEIGHT("INSERT")
    "100\nAcDbBlockReference\n"
    "66\n" KORVO_DXF_FIELD("ATTRIB_FOLLOW")
    "2\n" KORVO_DXF_FIELD("BLOCK_NAME")
    "10\n" KORVO_DXF_FIELD("X_COORD_1") "20\n" KORVO_DXF_FIELD("Y_COORD_1") "30\n0.0\n"
    "41\n" KORVO_DXF_FIELD("X_SCALE")
    "42\n" KORVO_DXF_FIELD("Y_SCALE")
    "50\n" KORVO_DXF_FIELD("INSERT_ROTATION");

// POLYLINE_FLAGS and CURVE_TYPE write their group codes too.
constexpr std::string_view kPolyline =
    KORVO_DXF_ENTITY_HEAD_WEIGHT("POLYLINE")
    "100\nAcDb2dPolyline\n"
    "10\n0.0\n20\n0.0\n30\n0.0\n"
    KORVO_DXF_FIELD("POLYLINE_FLAGS")
    KORVO_DXF_FIELD("CURVE_TYPE")
    KORVO_DXF_FIELD("LIST_OF_VERTS");

// A vertex takes its layer, line type and colour from its polyline; the colour is a plain
// number here, and the line weight is left out when it is by layer or the default.
constexpr std::string_view kVertex =
    "0\nVERTEX\n5\n" KORVO_DXF_FIELD("REFNUMBER")
    "100\nAcDbEntity\n8\n" KORVO_DXF_FIELD("LAYER")
    "6\n" KORVO_DXF_FIELD("LINE_TYPE")
    "62\n" KORVO_DXF_FIELD("COLOR_NUMBER")
    KORVO_DXF_FIELD("OPTIONAL_LWEIGHT")
    "100\nAcDbVertex\n100\nAcDb2dVertex\n"
    "10\n" KORVO_DXF_FIELD("X_COORD_1") "20\n" KORVO_DXF_FIELD("Y_COORD_1") "30\n0\n"
    "40\n" KORVO_DXF_FIELD("START_WIDTH")
    "41\n" KORVO_DXF_FIELD("END_WIDTH")
    "42\n" KORVO_DXF_FIELD("BULGE")
    "50\n" KORVO_DXF_FIELD("TANGENT_DIRECTION")
    "70\n" KORVO_DXF_FIELD("VERTEX_FLAGS");

constexpr std::string_view kSeqend =
    "0\nSEQEND\n5\n" KORVO_DXF_FIELD("REFNUMBER")
    "100\nAcDbEntity\n8\n" KORVO_DXF_FIELD("LAYER")
    "62\n" KORVO_DXF_FIELD("COLOR_NUMBER");

}  // namespace

#define KORVO_DXF_TEMPLATE(function, text)   \
  const DxfTemplate& function() {            \
    static const DxfTemplate compiled(text); \
    return compiled;                         \
  }

KORVO_DXF_TEMPLATE(DxfLtypeTemplate, kLtype)
KORVO_DXF_TEMPLATE(DxfLayerTemplate, kLayer)
KORVO_DXF_TEMPLATE(DxfStyleTemplate, kStyle)
KORVO_DXF_TEMPLATE(DxfStyleWithDescriptionTemplate, kStyleWithDescription)
KORVO_DXF_TEMPLATE(DxfBlockTemplate, kBlock)
KORVO_DXF_TEMPLATE(DxfPointTemplate, kPoint)
KORVO_DXF_TEMPLATE(DxfLineTemplate, kLine)
KORVO_DXF_TEMPLATE(DxfCircleTemplate, kCircle)
KORVO_DXF_TEMPLATE(DxfArcTemplate, kArc)
KORVO_DXF_TEMPLATE(DxfEllipseTemplate, kEllipse)
KORVO_DXF_TEMPLATE(DxfSolidTemplate, kSolid)
KORVO_DXF_TEMPLATE(DxfTraceTemplate, kTrace)
KORVO_DXF_TEMPLATE(DxfTextTemplate, kText)
KORVO_DXF_TEMPLATE(DxfInsertTemplate, kInsert)
KORVO_DXF_TEMPLATE(DxfPolylineTemplate, kPolyline)
KORVO_DXF_TEMPLATE(DxfVertexTemplate, kVertex)
KORVO_DXF_TEMPLATE(DxfSeqendTemplate, kSeqend)

// clang-format on

}  // namespace korvo
