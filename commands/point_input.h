#pragma once

#include <cstdint>

#include "commands/input_result.h"
#include "commands/prompt_format.h"
#include "geometry/point.h"
#include "platform/point_flags.h"

namespace korvo {

class CommandEngine;

// Asks the user for a point: the prompt `promptId` (formatted with the default point, or with
// the live angle or distance from `base` under kPointShowAngle / kPointShowDistance) is shown,
// and the waiting loop runs until an answer comes. `flags` are the kPoint* bits.
//
//   Picked       `out` is the cursor point (grid, object and intersection snap applied), with
//                ortho relative to `base` unless kPointNoBase or kPointNoOrtho; or the point
//                typed in the input dialog (`descriptionId` is its caption)
//   Default      `out` is `defaultPoint`
//   Enter        nothing was given
//   Cancel       the command should end
//   CursorMoved  the cursor moved with the pen down: `out` is its point (not under
//                kPointKeepWaiting)
//   PenMoved     the pen moved or left the drawing area (not under kPointKeepWaiting)
//
// Callers that draw a preview ask again after CursorMoved and PenMoved.
InputResult GetPoint(CommandEngine& engine, const Point& base, const Point& defaultPoint,
                     Point& out, int promptId, int descriptionId, uint32_t flags);
// The same with the prompt and its description given as texts, formatted the same way.
InputResult GetPoint(CommandEngine& engine, const Point& base, const Point& defaultPoint,
                     Point& out, const PromptText& prompt, uint32_t flags);
// Without base point and default: kPointNoBase and kPointNoDefault are added to `flags`.
InputResult GetPoint(CommandEngine& engine, Point& out, int promptId, int descriptionId,
                     uint32_t flags);

}  // namespace korvo
