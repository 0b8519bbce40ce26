#pragma once

namespace korvo {

// The versions of the native drawing file (0 to 4, in the order of their magics) and the
// version that brought each change of a record. Readers of older files leave out what a
// version lacked; only the newest is written.
inline constexpr int kNativeFileVersion = 4;

// A block definition records its insertion base.
inline constexpr int kFirstVersionWithBlockOrigin = 1;
// The settings record the base point and the five working values.
inline constexpr int kFirstVersionWithBasePoint = 1;
// The settings record the command mode.
inline constexpr int kFirstVersionWithMode = 2;
// A block reference's own entities follow its (always empty) expanded list.
inline constexpr int kFirstVersionWithAttachedList = 2;
// A polyline body no longer begins with a name of its own.
inline constexpr int kFirstVersionWithUnnamedPolylines = 2;
// A text records its horizontal alignment; older texts are all left aligned.
inline constexpr int kFirstVersionWithTextAlignment = 3;
// The settings record the point display mode and size.
inline constexpr int kFirstVersionWithPointDisplay = 3;
// Text style flags are one byte instead of two 32-bit words.
inline constexpr int kFirstVersionWithByteStyleFlags = 4;
// The settings record the spline frame flag and segment count.
inline constexpr int kFirstVersionWithSplineValues = 4;
// A polyline keeps its vertices; before, its generated segments.
inline constexpr int kFirstVersionWithVertexList = 4;
// By-block and by-layer colours are 0 and 256; before, they were stored as −2 and −1.
inline constexpr int kFirstVersionWithColorIndices = 4;

}  // namespace korvo
