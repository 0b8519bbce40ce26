#pragma once

#include "commands/draw_options.h"

namespace korvo {

class CommandEngine;

// The option dialogs of the drawing commands, shown as property sheets. Each edits working
// copies and writes `options` only when the user accepts values that make sense together;
// false when the dialog was cancelled (nothing changed then).
//
// "Rectangle options": line width, corners (plain, chamfered, filleted), two chamfer
// distances, fillet radius.
bool AskRectangleOptions(CommandEngine& engine, RectangleOptions& options);
// "Donut diameters": inside and outside diameter; the outside one must be the larger, else
// the dialog is shown again.
bool AskDonutDiameters(CommandEngine& engine, DonutOptions& options);
// "Polyline options": start and end width of the next segment and the segment mode.
bool AskPolylineOptions(CommandEngine& engine, PolylineOptions& options, PolylineSegmentMode& mode);
// "Define Text": text, style, height, rotation, width factor, obliquing, justification.
bool AskTextDefinition(CommandEngine& engine, TextOptions& options);
// "Property Selection": which properties match properties copies.
bool AskMatchOptions(CommandEngine& engine, MatchOptions& options);

}  // namespace korvo
