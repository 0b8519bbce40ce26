#pragma once

namespace korvo {

// The kind number of an entity in the factory and the native file.
namespace ElementCode {
inline constexpr int Line = 1;
inline constexpr int Circle = 2;  // circle or full ellipse
inline constexpr int Arc = 3;     // arc or elliptic arc
inline constexpr int Text = 4;
inline constexpr int Solid = 5;
inline constexpr int Insert = 7;   // block reference
inline constexpr int Ellipse = 8;  // an arc with the ellipse's property codes
inline constexpr int Polyline = 9;
inline constexpr int WideLineSegment = 10;
inline constexpr int WideArcSegment = 11;
inline constexpr int Point = 16;
inline constexpr int Trace = 18;
inline constexpr int Vertex = 19;
inline constexpr int Marker = 255;  // internal, never stored
}  // namespace ElementCode

// State bits of an entity's `flags`.
namespace EntityFlag {
inline constexpr unsigned Hidden = 0x01;  // only the marker object
inline constexpr unsigned Erased = 0x02;  // kept for undo; not drawn, saved or snapped to
inline constexpr unsigned Selected = 0x04;
inline constexpr unsigned OutOfView = 0x08;  // set by the view; never copied
}  // namespace EntityFlag

// Line weights in millimetres, with three special values.
namespace LineWeight {
inline constexpr double ByLayer = -1.0;
inline constexpr double ByBlock = -2.0;
inline constexpr double Default = -3.0;
}  // namespace LineWeight

}  // namespace korvo
