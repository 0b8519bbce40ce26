#pragma once

#include <string>

namespace korvo {

class Drawing;
class EntityList;
class JsonWriter;

// The drawing as one JSON document: the version of the file read (null when none was),
// the settings, the four tables in iteration order and the entities in list order.
std::string DumpDrawing(const Drawing& drawing, int version);

// An array of entity objects: the common members, then the kind's own. Also used for the
// entities an entity carries.
void WriteEntities(JsonWriter& json, const EntityList& list);

}  // namespace korvo
