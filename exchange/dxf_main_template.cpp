#include "exchange/dxf_templates.h"

#include <string>

namespace korvo {

// Template text reads one group per line; keep it that way.
// clang-format off
namespace {

#define KORVO_DXF_CLASS(record, name, application, flags, proxy, isEntity) \
  "0\nCLASS\n1\n" record "\n2\n" name "\n3\n" application "\n90\n" flags "\n280\n" proxy \
  "\n281\n" isEntity "\n"

constexpr std::string_view kClasses =
    "0\nSECTION\n2\nCLASSES\n"
    KORVO_DXF_CLASS("LWPOLYLINE", "AcDbPolyline", "\"AutoCAD\"", "0", "0", "1")
    KORVO_DXF_CLASS("IMAGE", "AcDbRasterImage", "ISM", "127", "0", "1")
    KORVO_DXF_CLASS("OLE2FRAME", "AcDbOle2Frame", "\"\"", "0", "0", "1")
    KORVO_DXF_CLASS("HATCH", "AcDbHatch", "\"ACAD_SEDONA\"", "0", "0", "1")
    KORVO_DXF_CLASS("DICTIONARYVAR", "AcDbDictionaryVar", "\"AutoCAD\"", "0", "0", "0")
    KORVO_DXF_CLASS("RASTERVARIABLES", "AcDbRasterVariables", "ISM", "0", "0", "0")
    KORVO_DXF_CLASS("IMAGEDEF", "AcDbRasterImageDef", "ISM", "0", "0", "0")
    KORVO_DXF_CLASS("IMAGEDEF_REACTOR", "AcDbRasterImageDefReactor", "ISM", "1", "0", "0")
    KORVO_DXF_CLASS("IDBUFFER", "AcDbIdBuffer", "\"Acad\"", "0", "0", "0")
    KORVO_DXF_CLASS("SPATIAL_FILTER", "AcDbSpatialFilter", "\"Acad\"", "0", "0", "0")
    KORVO_DXF_CLASS("XRECORD", "AcDbXrecord", "\"<Built In>\"", "0", "0", "0")
    KORVO_DXF_CLASS("SORTENTSTABLE", "AcDbSortentsTable", "\"AutoCAD\"", "0", "0", "0")
    KORVO_DXF_CLASS("LAYER_INDEX", "AcDbLayerIndex", "\"Acad\"", "0", "0", "0")
    KORVO_DXF_CLASS("SPATIAL_INDEX", "AcDbSpatialIndex", "\"Acad\"", "0", "0", "0")
    KORVO_DXF_CLASS("OBJECT_PTR", "CAseDLPNTableRecord", "\"ASE-LPNTableRecord\"", "1", "0", "0")
    KORVO_DXF_CLASS("LAYOUT", "AcDbLayout", "\"AutoCAD 2000\"", "1", "0", "0")
    KORVO_DXF_CLASS("PLOTSETTINGS", "AcDbPlotSettings", "\"AutoCAD 2000\"", "1", "0", "0")
    KORVO_DXF_CLASS("ACDBDICTIONARYWDFLT", "AcDbDictionaryWithDefault", "\"AutoCAD 2000\"", "1", "0", "0")
    KORVO_DXF_CLASS("ACDBPLACEHOLDER", "AcDbPlaceHolder", "\"AutoCAD 2000\"", "1", "0", "0")
    KORVO_DXF_CLASS("VBA_PROJECT", "AcDbVbaProject", "\"acadvba\"", "1", "0", "0")
    // The classes of add-on tools: the class name and a neutral tool collection name.
    KORVO_DXF_CLASS("WIPEOUT", "AcDbWipeout", "AcDbWipeout|Drafting Tool Collection", "127", "0", "1")
    KORVO_DXF_CLASS("WIPEOUTVARIABLES", "AcDbWipeoutVariables", "AcDbWipeoutVariables|Drafting Tool Collection", "0", "0", "0")
    KORVO_DXF_CLASS("RTEXT", "RText", "RText|Drafting Tool Collection", "0", "0", "1")
    KORVO_DXF_CLASS("ARCALIGNEDTEXT", "AcDbArcAlignedText", "AcDbArcAlignedText|Drafting Tool Collection", "0", "0", "1")
    "0\nENDSEC\n";

#define KORVO_DXF_FIXED_LTYPE(handle, name, description)                                        \
  "0\nLTYPE\n5\n" handle "\n100\nAcDbSymbolTableRecord\n100\nAcDbLinetypeTableRecord\n2\n" name \
  "\n70\n64\n3\n" description "\n72\n65\n73\n0\n40\n0.0\n"

constexpr std::string_view kTables =
    "0\nSECTION\n2\nTABLES\n"
    // VPORT: the active viewport shows the drawing's view window, grid and snap.
    "0\nTABLE\n2\nVPORT\n5\n8\n100\nAcDbSymbolTable\n70\n1\n"
    "0\nVPORT\n5\n25\n100\nAcDbSymbolTableRecord\n100\nAcDbViewportTableRecord\n2\n*ACTIVE\n"
    "70\n64\n10\n0.0\n20\n0.0\n11\n1.0\n21\n1.0\n"
    "12\n" KORVO_DXF_FIELD("VPORT_CEN_X") "22\n" KORVO_DXF_FIELD("VPORT_CEN_Y")
    "13\n0.0\n23\n0.0\n"
    "14\n" KORVO_DXF_FIELD("SNAP_STEP_X") "24\n" KORVO_DXF_FIELD("SNAP_STEP_Y")
    "15\n" KORVO_DXF_FIELD("GRID_STEP_X") "25\n" KORVO_DXF_FIELD("GRID_STEP_Y")
    "16\n0.0\n26\n0.0\n36\n1.0\n17\n0.0\n27\n0.0\n37\n0.0\n"
    "40\n" KORVO_DXF_FIELD("VPORT_HEIGT") "41\n" KORVO_DXF_FIELD("VPORT_ASPECT")
    "42\n50.0\n43\n0.0\n44\n0.0\n50\n0.0\n51\n0.0\n71\n0\n72\n100\n73\n1\n74\n1\n"
    "75\n" KORVO_DXF_FIELD("SNAPMODE") "76\n" KORVO_DXF_FIELD("GRIDMODE")
    "77\n0\n78\n0\n"
    "0\nENDTAB\n"
    // LTYPE: the three built-in line types, then the drawing's own.
    "0\nTABLE\n2\nLTYPE\n5\n5\n100\nAcDbSymbolTable\n70\n" KORVO_DXF_FIELD("LTYPE_NUM_OF_TYPES")
    KORVO_DXF_FIXED_LTYPE("12", "BYBLOCK", "")
    KORVO_DXF_FIXED_LTYPE("13", "BYLAYER", "")
    KORVO_DXF_FIXED_LTYPE("14", "CONTINUOUS", "Solid line")
    KORVO_DXF_FIELD("LINETYPES_BODIES")
    "0\nENDTAB\n"
    "0\nTABLE\n2\nLAYER\n5\n2\n100\nAcDbSymbolTable\n70\n" KORVO_DXF_FIELD("LAYER_NUM_OF_LAYERS")
    KORVO_DXF_FIELD("LAYER_BODIES")
    "0\nENDTAB\n"
    "0\nTABLE\n2\nSTYLE\n5\n3\n100\nAcDbSymbolTable\n70\n" KORVO_DXF_FIELD("LAYER_NUM_OF_STYLES")
    KORVO_DXF_FIELD("STYLE_BODIES")
    "0\nENDTAB\n"
    "0\nTABLE\n2\nVIEW\n5\n6\n100\nAcDbSymbolTable\n70\n0\n0\nENDTAB\n"
    "0\nTABLE\n2\nUCS\n5\n7\n100\nAcDbSymbolTable\n70\n0\n0\nENDTAB\n"
    "0\nTABLE\n2\nAPPID\n5\n9\n100\nAcDbSymbolTable\n70\n1\n"
    "0\nAPPID\n5\n10\n100\nAcDbSymbolTableRecord\n100\nAcDbRegAppTableRecord\n2\nACAD\n70\n64\n"
    "0\nENDTAB\n"
    "0\nTABLE\n2\nDIMSTYLE\n5\nA\n100\nAcDbSymbolTable\n70\n1\n"
    "0\nDIMSTYLE\n105\n1D\n100\nAcDbSymbolTableRecord\n100\nAcDbDimStyleTableRecord\n"
    "2\nSTANDARD\n70\n64\n3\n\n4\n\n5\n\n6\n\n7\n\n"
    "40\n1.0\n41\n0.18\n42\n0.0625\n43\n0.38\n44\n0.18\n45\n0.0\n46\n0.0\n47\n0.0\n48\n0.0\n"
    "71\n0\n72\n0\n73\n1\n74\n1\n75\n0\n76\n0\n77\n0\n78\n0\n"
    "140\n0.18\n141\n0.09\n142\n0.0\n143\n25.4\n144\n1.0\n145\n0.0\n146\n1.0\n147\n0.09\n"
    "170\n0\n171\n2\n172\n0\n173\n0\n174\n0\n175\n0\n176\n0\n177\n0\n178\n0\n"
    "270\n2\n271\n4\n272\n4\n273\n2\n274\n2\n275\n0\n"
    "280\n0\n281\n0\n282\n0\n283\n1\n284\n0\n285\n0\n286\n0\n287\n3\n288\n0\n340\nF\n"
    "0\nENDTAB\n"
    "0\nTABLE\n2\nBLOCK_RECORD\n5\n1\n100\nAcDbSymbolTable\n70\n0\n"
    "0\nBLOCK_RECORD\n5\n18\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n"
    "2\n*MODEL_SPACE\n"
    "0\nBLOCK_RECORD\n5\n15\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n"
    "2\n*PAPER_SPACE\n"
    // Closes the table and the section, opens BLOCKS and writes the drawing's blocks.
    KORVO_DXF_FIELD("BLOCK_BODIES");

constexpr std::string_view kBlocks =
    "0\nBLOCK\n5\n19\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockBegin\n2\n*MODEL_SPACE\n70\n0\n"
    "10\n0.0\n20\n0.0\n30\n0.0\n3\n*MODEL_SPACE\n1\n\n"
    "0\nENDBLK\n5\n1A\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockEnd\n"
    "0\nBLOCK\n5\n16\n100\nAcDbEntity\n67\n1\n8\n0\n100\nAcDbBlockBegin\n2\n*PAPER_SPACE\n"
    "70\n0\n10\n0.0\n20\n0.0\n30\n0.0\n3\n*PAPER_SPACE\n1\n\n"
    "0\nENDBLK\n5\n17\n100\nAcDbEntity\n67\n1\n8\n0\n100\nAcDbBlockEnd\n"
    "0\nENDSEC\n";

constexpr std::string_view kEntities =
    "0\nSECTION\n2\nENTITIES\n" KORVO_DXF_FIELD("ENTITY_BODIES") "0\nENDSEC\n";

constexpr std::string_view kObjects =
    "0\nSECTION\n2\nOBJECTS\n"
    "0\nDICTIONARY\n5\nC\n100\nAcDbDictionary\n3\nACAD_GROUP\n350\nD\n3\nACAD_MLINESTYLE\n350\n1B\n"
    "0\nDICTIONARY\n5\nD\n102\n{ACAD_REACTORS\n330\nC\n102\n}\n100\nAcDbDictionary\n"
    "0\nDICTIONARY\n5\n1B\n102\n{ACAD_REACTORS\n330\nC\n102\n}\n100\nAcDbDictionary\n"
    "3\nSTANDARD\n350\n1C\n"
    "0\nMLINESTYLE\n5\n1C\n102\n{ACAD_REACTORS\n330\n1B\n102\n}\n100\nAcDbMlineStyle\n"
    "2\nSTANDARD\n70\n0\n3\n\n62\n256\n51\n90.0\n52\n90.0\n71\n2\n"
    "49\n0.5\n62\n256\n6\nBYLAYER\n49\n-0.5\n62\n256\n6\nBYLAYER\n"
    "0\nENDSEC\n"
    "0\nEOF\n";

}  // namespace

const DxfTemplate& DxfMainTemplate() {
  static const DxfTemplate main(std::string(DxfHeaderTemplateText()) + std::string(kClasses) +
                                std::string(kTables) + std::string(kBlocks) +
                                std::string(kEntities) + std::string(kObjects));
  return main;
}

// clang-format on

}  // namespace korvo
