#pragma once

#include <functional>
#include <unordered_map>

#include "commands/entity_picking.h"
#include "commands/input_result.h"
#include "commands/prompt_format.h"
#include "geometry/point.h"

namespace korvo {

class CommandEngine;
class Entity;

// For each entity selected by a tap, the world point of that tap: commands such as break
// need to know where an object was picked.
using PickedPoints = std::unordered_map<const Entity*, Point>;

// Entities the window shows selected although their flag is off while the prompt runs (a
// command's own highlight, such as trim's cutting edges): the pre-highlight shows them the
// other way, as it does any selected entity.
using AlsoShownSelected = std::function<bool(const Entity&)>;

enum class SelectionMode {
  Many,    // objects are toggled until "<no more>", Enter or cancel
  Single,  // ends at the first tap that hits an object
};

// The object selection prompt `promptId`. The cursor is the pick box; the entity under it is
// pre-highlighted as a tap would leave it. A tap toggles the entity under the pick box (a
// tap on nothing does nothing); "Select All", "Deselect All" and (in Many mode) "Window"
// act on every entity they concern. Locked layers, invisible and erased entities and
// entities the filter rejects can never be selected. Every highlight change is drawn with
// XOR on the window at once and left in the drawing's pending maps for the next paint.
//
// Returns Picked (Single mode: the entity is selected), Default ("<no more>"), Enter or
// Cancel (also when a window corner was cancelled). `picked`, when given, is cleared first.
InputResult SelectObjects(CommandEngine& engine, int promptId, SelectionMode mode,
                          PickedPoints* picked = nullptr, const EntityFilter& filter = {});
// The same with the prompt given as its text.
InputResult SelectObjects(CommandEngine& engine, const PromptText& prompt, SelectionMode mode,
                          PickedPoints* picked = nullptr, const EntityFilter& filter = {},
                          const AlsoShownSelected& alsoShown = {});

// One entity: clears the selection (repainting), selects in Single mode and, on Picked,
// hands the entity out and leaves it unselected again.
InputResult PickObject(CommandEngine& engine, int promptId, Entity*& out,
                       PickedPoints* picked = nullptr, const EntityFilter& filter = {},
                       const AlsoShownSelected& alsoShown = {});
InputResult PickObject(CommandEngine& engine, const PromptText& prompt, Entity*& out,
                       PickedPoints* picked = nullptr, const EntityFilter& filter = {},
                       const AlsoShownSelected& alsoShown = {});

// Registers the selection sub-commands "Window", "Select All" and "Deselect All". Outside a
// selection of many objects they do nothing; during one, SelectObjects takes them over.
void RegisterSelectionCommands(CommandEngine& engine);

}  // namespace korvo
