#pragma once

namespace korvo {

// The DXF group codes by which entity properties are read and set, and under which the DXF
// records carry them. What a code holds depends on the entity, so one number can have
// several names here, one for each meaning.
namespace DxfGroup {

// Every entity.
inline constexpr int LineTypeName = 6;
inline constexpr int LayerName = 8;
inline constexpr int ColorIndex = 62;
inline constexpr int LineWeight = 370;

// Coordinates: the x of the first to fourth point, each y ten above its x. A pair of them
// is addressed with PairCode.
inline constexpr int X1 = 10;
inline constexpr int Y1 = 20;
inline constexpr int X2 = 11;
inline constexpr int Y2 = 21;
inline constexpr int X3 = 12;
inline constexpr int Y3 = 22;
inline constexpr int X4 = 13;
inline constexpr int Y4 = 23;

// Strings.
inline constexpr int TextContent = 1;
inline constexpr int BlockName = 2;
inline constexpr int TextStyleName = 7;

// Reals.
inline constexpr int Radius = 40;      // circles and arcs
inline constexpr int StartAngle = 50;  // arcs, radians in memory
inline constexpr int EndAngle = 51;
inline constexpr int AxisRatio = 40;       // ellipses: minor radius / major radius
inline constexpr int StartParameter = 41;  // ellipses
inline constexpr int EndParameter = 42;
inline constexpr int XScale = 41;  // block references
inline constexpr int YScale = 42;
inline constexpr int Rotation = 50;  // block references and texts
inline constexpr int TextHeight = 40;
inline constexpr int WidthFactor = 41;
inline constexpr int ObliqueAngle = 51;
inline constexpr int StartWidth = 40;  // polyline vertices
inline constexpr int EndWidth = 41;
inline constexpr int Bulge = 42;
inline constexpr int TangentDirection = 50;

// Integers.
inline constexpr int PolylineFlags = 70;
inline constexpr int VertexFlags = 70;
inline constexpr int TextGenerationFlags = 71;
inline constexpr int HorizontalAlignment = 72;
inline constexpr int CurveType = 75;  // polylines: the kind of smoothing

}  // namespace DxfGroup

}  // namespace korvo
