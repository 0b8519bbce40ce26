#pragma once

namespace korvo {

class CommandEngine;

// The editing commands that place selected objects anew or remove them. Each selects
// objects, asks its points with a live XOR preview, records undo before it changes
// anything, and starts again with a new selection until the user stops.
//
// Move (base point, second point) and copy (base point, then any number of second points).
void RunMove(CommandEngine& engine);
void RunCopy(CommandEngine& engine);
// Rotate (centre, direction) and mirror (two points of the mirror line) ask whether the
// source objects go: Yes transforms them in place, No adds transformed copies, Cancel
// changes nothing. A mirror line of no length is refused and its second point asked again.
void RunRotate(CommandEngine& engine);
void RunMirror(CommandEngine& engine);
// Scale (base point, distance point): the distance is the factor, 0 counting as 1.
void RunScale(CommandEngine& engine);
// Erase: the selected objects are flagged erased, with undo.
void RunErase(CommandEngine& engine);
// Drawing order: the selected objects move to the end (drawn last) or to the start.
void RunBringToFront(CommandEngine& engine);
void RunSendToBack(CommandEngine& engine);

// Registers the commands above under their identifiers, and the selection sub-commands.
void RegisterEditingCommands(CommandEngine& engine);

}  // namespace korvo
