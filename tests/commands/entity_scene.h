#pragma once

#include "core/drawing_settings.h"
#include "core/element_code.h"
#include "core/entity_list.h"
#include "core/insert_entity.h"
#include "core/layer.h"
#include "core/line_entity.h"
#include "geometry/point.h"

namespace korvo::testing {

// A few lines on an ordinary, a locked and a frozen layer, in one list.
struct EntityScene {
  EntityScene() {
    settings.currentLayer = &layer;
    locked.SetLocked(true);
    frozen.SetFrozen(true);
  }

  LineEntity* AddLine(const Point& a, const Point& b) { return AddLineTo(list, a, b); }
  LineEntity* AddLineTo(EntityList& target, const Point& a, const Point& b) {
    auto* line = new LineEntity(a, b, settings);
    target.AddTail(line);
    return line;
  }
  // A block reference whose only part is the line a–b.
  InsertEntity* AddReferenceTo(const Point& a, const Point& b) {
    auto* insert = new InsertEntity();
    insert->layer = &layer;
    AddLineTo(insert->expanded, a, b);
    list.AddTail(insert);
    return insert;
  }

  Layer layer{u"0", 7, nullptr, -3.0};
  Layer locked{u"LOCKED", 7, nullptr, -3.0};
  Layer frozen{u"FROZEN", 7, nullptr, -3.0};
  DrawingSettings settings;
  EntityList list;
};

}  // namespace korvo::testing
