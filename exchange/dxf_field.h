#pragma once

#include <cstdint>
#include <string_view>

namespace korvo {

// The placeholders a template may hold, each written in the template as the line
// 0x01 NAME ">". Names are looked up once, when a template is first used.
enum class DxfField : uint8_t {
  None,  // a literal line, or a placeholder whose name no filler knows
  // Every record written by code.
  RefNumber,
  // Common entity placeholders.
  Layer,
  LineType,
  Color,
  LineWeight,
  // The main template.
  InsBaseX,
  InsBaseY,
  ExtMinX,
  ExtMinY,
  ExtMaxX,
  ExtMaxY,
  LtypeScale,
  ClayerName,
  PdMode,
  PdSize,
  SplFrame,
  SplineSegs,
  HandSeed,
  VportCenX,
  VportCenY,
  VportHeight,
  VportAspect,
  SnapStepX,
  SnapStepY,
  GridStepX,
  GridStepY,
  SnapMode,
  GridMode,
  LtypeNumOfTypes,
  LayerNumOfLayers,
  LayerNumOfStyles,
  LinetypesBodies,
  LayerBodies,
  StyleBodies,
  BlockBodies,
  EntityBodies,
  // Line type, layer and text style records.
  LtypeRefName,
  LtypeDescName,
  LtypeNumOfDashes,
  LtypePatternLen,
  LtypeDashData,
  LayerState,
  StyleName,
  TextHeight,
  TextWidthFactor,
  TextObliqueAngle,
  TextGenerationFlags,
  StyleFontName,
  StyleExtFontName,
  // Blocks and entities.
  BlockName,
  XCoord1,
  YCoord1,
  ZCoord1,
  XCoord2,
  YCoord2,
  XCoord3,
  YCoord3,
  XCoord4,
  YCoord4,
  Radius,
  StartAngle,
  EndAngle,
  Ratio,
  TextContent,
  TextRotation,
  TextStyleName,
  TextAlignment,
  AttribFollow,
  XScale,
  YScale,
  InsertRotation,
  PolylineFlags,
  CurveType,
  ListOfVerts,
  // Vertices and the end of their sequence.
  ColorNumber,
  OptionalLineWeight,
  StartWidth,
  EndWidth,
  Bulge,
  TangentDirection,
  VertexFlags,
};

// The field of a placeholder name (the text between 0x01 and ">"); None when unknown.
DxfField FindDxfField(std::string_view name);

// Placeholders that expand into whole records, or may rightly write nothing: they never fall
// back to the template line.
bool IsExpandingField(DxfField field);

}  // namespace korvo
