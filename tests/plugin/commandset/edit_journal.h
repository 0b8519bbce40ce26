#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/drawing.h"
#include "core/entity.h"
#include "core/line_entity.h"
#include "platform/raster_device.h"
#include "tests/commands/journal_session.h"
#include "tests/plugin/plugin_session.h"

namespace korvo::testing {

// The live entities of `drawing` that `As` answers, in drawing order.
template <typename T>
std::vector<T*> LiveOf(Drawing& drawing, T* (Entity::*as)()) {
  std::vector<T*> found;
  for (Entity* entity : drawing.entities) {
    if (entity->IsErased()) continue;
    if (T* t = (entity->*as)()) found.push_back(t);
  }
  return found;
}

// The start points of the live lines, sorted by x then y, rounded to 1e-9 so that a copy
// turned by a fraction of the circle compares with its hand-computed place.
inline std::vector<Point> LineStarts(PluginSession& s) {
  std::vector<Point> starts;
  for (LineEntity* line : LiveOf<LineEntity>(s.drawing(), &Entity::AsLine)) {
    const auto round = [](double v) { return std::round(v * 1e9) / 1e9 + 0.0; };
    starts.push_back({round(line->start.x), round(line->start.y)});
  }
  std::sort(starts.begin(), starts.end(),
            [](Point a, Point b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
  return starts;
}

// What the window shows after the run is what a fresh paint of the drawing shows: previews
// drawn in exclusive-or were all taken away again.
inline void ExpectNoPreviewLeft(PluginSession& s) {
  const Bitmap shown = s.session().view().window();
  s.session().view().RepaintNow();
  EXPECT_TRUE(shown == s.session().view().window()) << "a preview was left on the window";
}

// The command was one undo step: undoing once gives back the drawing as it was before.
inline void ExpectOneUndoStep(PluginSession& s, const std::string& before) {
  EXPECT_FALSE(s.drawing().undo.IsGroupOpen());
  ASSERT_TRUE(s.drawing().undo.Undo());
  EXPECT_EQ(LiveEntities(s.drawing()), before);
}

}  // namespace korvo::testing
