#pragma once

#include <cstdint>

#include <optional>
#include <span>

#include "commands/edit_transform.h"
#include "commands/progressive_draw.h"
#include "core/entity_list.h"
#include "core/layer.h"
#include "core/line_entity.h"

namespace korvo {

class Entity;
class View;

// The live picture of an editing command: clones of the objects being edited, drawn with XOR
// on the window where the transform the cursor defines would put them, and optionally a
// rubber band from a fixed point to the cursor. Each Show takes the previous picture off
// first; Hide (and the destructor) take it off for good, so the window is left as it was.
// The clones yield to newer pen moves (ProgressiveDraw).
// A repaint while it is shown (a transparent command such as the grid toggle) wipes it from
// the window; it is then forgotten rather than erased, which would draw it back.
class TransformPreview {
 public:
  // Clones `sources` (each as it stands now, selected flag included: selected objects
  // preview dotted). Both `view` and the sources must outlive the preview.
  TransformPreview(View& view, std::span<Entity* const> sources);
  ~TransformPreview();
  TransformPreview(const TransformPreview&) = delete;
  TransformPreview& operator=(const TransformPreview&) = delete;

  // Replaces the picture: the sources transformed by `transform` (none: no objects, as for
  // a mirror line of zero length) and a rubber band from `bandFrom` to `bandTo` when given.
  void Show(const std::optional<EditTransform>& transform, const PenMoveWaiting& waiting,
            const std::optional<Point>& bandFrom = std::nullopt, const Point& bandTo = {});
  // Takes the picture off the window.
  void Hide();

  bool shown() const { return objectsShown_ || bandShown_; }
  // The clones as last shown.
  const EntityList& clones() const { return clones_; }

 private:
  View& view_;
  std::vector<Entity*> sources_;
  EntityList clones_;  // owned; in the order of the sources
  ProgressiveDraw progress_;
  bool objectsShown_ = false;
  // The band is a temporary line of colour 7 on a layer of its own, so that no layer of
  // the drawing (frozen, say) can hide it.
  Layer bandLayer_{u"0", 7, nullptr, -3.0};
  LineEntity band_;
  bool bandShown_ = false;
  uint64_t shownOn_ = 0;  // the view's window generation when drawn
};

}  // namespace korvo
