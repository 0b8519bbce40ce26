#pragma once

#include "cli/json_writer.h"

namespace korvo {

class Entity;

// Writes the members of the entity's own data (after the common ones), under the names of
// its data model; a kind without a row writes none.
void WriteEntityFields(const Entity& entity, JsonWriter& json);

}  // namespace korvo
