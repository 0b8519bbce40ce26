#include "exchange/dxf_field.h"

#include <utility>

namespace korvo {
namespace {

constexpr std::pair<std::string_view, DxfField> kNames[] = {
    {"REFNUMBER", DxfField::RefNumber},
    {"LAYER", DxfField::Layer},
    {"LINE_TYPE", DxfField::LineType},
    {"COLOR", DxfField::Color},
    {"LWEIGHT", DxfField::LineWeight},
    {"INSBASE_X", DxfField::InsBaseX},
    {"INSBASE_Y", DxfField::InsBaseY},
    {"EXTMIN_X", DxfField::ExtMinX},
    {"EXTMIN_Y", DxfField::ExtMinY},
    {"EXTMAX_X", DxfField::ExtMaxX},
    {"EXTMAX_Y", DxfField::ExtMaxY},
    {"LTYPE_SCALE", DxfField::LtypeScale},
    {"CLAYER_NAME", DxfField::ClayerName},
    {"PDMODE", DxfField::PdMode},
    {"PDSIZE", DxfField::PdSize},
    {"SPLFRAME", DxfField::SplFrame},
    {"SPLINESEGS", DxfField::SplineSegs},
    {"HANDSEED", DxfField::HandSeed},
    {"VPORT_CEN_X", DxfField::VportCenX},
    {"VPORT_CEN_Y", DxfField::VportCenY},
    {"VPORT_HEIGT", DxfField::VportHeight},
    {"VPORT_ASPECT", DxfField::VportAspect},
    {"SNAP_STEP_X", DxfField::SnapStepX},
    {"SNAP_STEP_Y", DxfField::SnapStepY},
    {"GRID_STEP_X", DxfField::GridStepX},
    {"GRID_STEP_Y", DxfField::GridStepY},
    {"SNAPMODE", DxfField::SnapMode},
    {"GRIDMODE", DxfField::GridMode},
    {"LTYPE_NUM_OF_TYPES", DxfField::LtypeNumOfTypes},
    {"LAYER_NUM_OF_LAYERS", DxfField::LayerNumOfLayers},
    {"LAYER_NUM_OF_STYLES", DxfField::LayerNumOfStyles},
    {"LINETYPES_BODIES", DxfField::LinetypesBodies},
    {"LAYER_BODIES", DxfField::LayerBodies},
    {"STYLE_BODIES", DxfField::StyleBodies},
    {"BLOCK_BODIES", DxfField::BlockBodies},
    {"ENTITY_BODIES", DxfField::EntityBodies},
    {"LTYPE_REFNAME", DxfField::LtypeRefName},
    {"LTYPE_DESCNAME", DxfField::LtypeDescName},
    {"LTYPE_NUM_OF_DASHES", DxfField::LtypeNumOfDashes},
    {"LTYPE_PATTERN_LEN", DxfField::LtypePatternLen},
    {"LTYPE_DASH_DATA", DxfField::LtypeDashData},
    {"LAYER_STATE", DxfField::LayerState},
    {"STYLE_NAME", DxfField::StyleName},
    {"TEXT_HEIGHT", DxfField::TextHeight},
    {"TEXT_WIDTH_FACTOR", DxfField::TextWidthFactor},
    {"TEXT_OBLIQUE_ANGLE", DxfField::TextObliqueAngle},
    {"TEXT_GENERATION_FLAGS", DxfField::TextGenerationFlags},
    {"STYLE_FONT_NAME", DxfField::StyleFontName},
    {"STYLE_EXT_FONT_NAME", DxfField::StyleExtFontName},
    {"BLOCK_NAME", DxfField::BlockName},
    {"X_COORD_1", DxfField::XCoord1},
    {"Y_COORD_1", DxfField::YCoord1},
    {"Z_COORD_1", DxfField::ZCoord1},
    {"X_COORD_2", DxfField::XCoord2},
    {"Y_COORD_2", DxfField::YCoord2},
    {"X_COORD_3", DxfField::XCoord3},
    {"Y_COORD_3", DxfField::YCoord3},
    {"X_COORD_4", DxfField::XCoord4},
    {"Y_COORD_4", DxfField::YCoord4},
    {"RADIUS", DxfField::Radius},
    {"START_ANGLE", DxfField::StartAngle},
    {"END_ANGLE", DxfField::EndAngle},
    {"RATIO", DxfField::Ratio},
    {"TEXT_CONTENT", DxfField::TextContent},
    {"TEXT_ROTATION", DxfField::TextRotation},
    {"TEXT_STYLE_NAME", DxfField::TextStyleName},
    {"TEXT_ALIGNMENT", DxfField::TextAlignment},
    {"ATTRIB_FOLLOW", DxfField::AttribFollow},
    {"X_SCALE", DxfField::XScale},
    {"Y_SCALE", DxfField::YScale},
    {"INSERT_ROTATION", DxfField::InsertRotation},
    {"POLYLINE_FLAGS", DxfField::PolylineFlags},
    {"CURVE_TYPE", DxfField::CurveType},
    {"LIST_OF_VERTS", DxfField::ListOfVerts},
    {"COLOR_NUMBER", DxfField::ColorNumber},
    {"OPTIONAL_LWEIGHT", DxfField::OptionalLineWeight},
    {"START_WIDTH", DxfField::StartWidth},
    {"END_WIDTH", DxfField::EndWidth},
    {"BULGE", DxfField::Bulge},
    {"TANGENT_DIRECTION", DxfField::TangentDirection},
    {"VERTEX_FLAGS", DxfField::VertexFlags},
};

}  // namespace

DxfField FindDxfField(std::string_view name) {
  for (const auto& [text, field] : kNames) {
    if (text == name) return field;
  }
  return DxfField::None;
}

bool IsExpandingField(DxfField field) {
  switch (field) {
    case DxfField::LinetypesBodies:
    case DxfField::LayerBodies:
    case DxfField::StyleBodies:
    case DxfField::BlockBodies:
    case DxfField::EntityBodies:
    case DxfField::LtypeDashData:
    case DxfField::ListOfVerts:
    case DxfField::OptionalLineWeight:
      return true;
    default:
      return false;
  }
}

}  // namespace korvo
