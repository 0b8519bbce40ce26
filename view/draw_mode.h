#pragma once

namespace korvo {

// The draw modes of a render context: which entities a pass draws and how.
namespace DrawMode {
inline constexpr int Normal = 0;        // all visible; raster op copy
inline constexpr int Plain = 1;         // all visible; raster op unchanged
inline constexpr int HighlightXor = 2;  // only selected ones, dotted; XOR
inline constexpr int All = 3;           // all visible, selected ones solid; raster op unchanged
inline constexpr int SelectedXor = 4;   // only selected ones, solid; XOR
inline constexpr int Xor = 5;           // all visible; XOR
}  // namespace DrawMode

}  // namespace korvo
