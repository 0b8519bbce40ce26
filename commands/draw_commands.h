#pragma once

#include "commands/draw_options.h"

namespace korvo {

class CommandEngine;

// The drawing commands the host runs itself. Each asks its points with an XOR preview of the
// object being built, appends what it builds with the drawing's current properties, records
// it for undo and goes on with the next object until the user stops; a cancel discards the
// object under construction.
//
// Filled solid: three or four vertices; the next solid starts from the last two.
void RunSolid(CommandEngine& engine);
// Rectangle: the options dialog, then two corners for each rectangle.
void RunRectangle(CommandEngine& engine, RectangleOptions& options);
// Donut: the diameters dialog, then a copy at each centre.
void RunDonut(CommandEngine& engine);
// Polyline: line, tangential-arc and arc-by-centre segments chosen from the polyline menu;
// its input dialog sets the widths of the next segments and the mode.
void RunPolyline(CommandEngine& engine, PolylineOptions& options);
// Text: the "Define Text" dialog, then start, height and angle of each text.
void RunText(CommandEngine& engine, TextOptions& options);
// Free line: drags become line segments of a new free-line group (a block named "*FLD" and
// a number) per stroke. Beyond kMaxFreeLineGroups groups a message says no more can be made
// and the command ends.
inline constexpr int kMaxFreeLineGroups = 9999;
void RunFreeLine(CommandEngine& engine);
// Match properties: a source, then targets that receive its chosen properties.
void RunMatchProperties(CommandEngine& engine, MatchOptions& options);
// Insertion base point of the drawing.
void RunSetBase(CommandEngine& engine);

// Registers the commands above; their options live as long as the engine's handlers.
void RegisterDrawingCommands(CommandEngine& engine);

}  // namespace korvo
