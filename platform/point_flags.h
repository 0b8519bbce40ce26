#pragma once

#include <cstdint>

namespace korvo {

// The flags of a point question, bit values as the commands pass them. kPointNoDefault
// disables "EnterDefault" unless kPointDefaultAnyway is set as well; kPointFinishAtOnce
// answers "default" without waiting.
inline constexpr uint32_t kPointNoBase = 1;  // no base point: no ortho, no angle/distance
inline constexpr uint32_t kPointNoDefault = 2;
inline constexpr uint32_t kPointShowAngle = 4;     // prompt shows the angle from the base point
inline constexpr uint32_t kPointShowDistance = 8;  // prompt shows the distance from the base point
inline constexpr uint32_t kPointKeepWaiting = 16;  // pen moves do not end the question
inline constexpr uint32_t kPointNoDialog = 32;     // "DialogInput" disabled
inline constexpr uint32_t kPointDefaultAnyway = 64;
inline constexpr uint32_t kPointFinishAtOnce = 128;
inline constexpr uint32_t kPointDialogAtOnce = 256;  // open the input dialog at once
inline constexpr uint32_t kPointNoOrtho = 512;       // ortho is not applied to this point
inline constexpr uint32_t kPointZeroAs360 = 1024;    // an angle of exactly 0 is shown as 360

}  // namespace korvo
