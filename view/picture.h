#pragma once

#include "geometry/point.h"
#include "platform/pixel_color.h"
#include "platform/raster_device.h"

namespace korvo {

class Drawing;
class DrawingSettings;
class EntityList;
class RenderContext;

// Marks each entity that is not erased out of view when its extents miss the world window
// [low, high], and clears the mark otherwise; entities carried by block references are
// visited too. Entities without extents are always in view.
void MarkOutOfView(const EntityList& list, const Point& low, const Point& high);
// The same for the drawing's entities, leaving every mark as the walk above would, but
// visiting only the entities the spatial index says may need a new mark.
void MarkOutOfView(const Drawing& drawing, const Point& low, const Point& high);
// The same against the window of the last full picture, which the drawing keeps in its last
// points as (upper right, origin); nothing before the first picture.
void MarkOutOfViewOfLastPicture(const EntityList& list, const DrawingSettings& settings);
void MarkOutOfViewOfLastPicture(const Drawing& drawing);

// How a full pass finds the entities it marks and draws.
enum class PictureScan {
  Index,      // the spatial index: only what may show in the window
  WholeList,  // every entity of the list, in turn
};

// The view's full pass over a drawing with `rc`: publishes the point display values,
// recomputes the out-of-view marks when the world window differs from the last full pass
// (kept in the drawing's last points), draws every entity in draw mode 3, and when there is
// a selection removes the selected entities' solid images in mode 4 and draws them dotted
// in mode 2. False when an entity aborted the pass. Both scans put the same pixels.
bool DrawPicture(Drawing& drawing, RenderContext& rc, PictureScan scan = PictureScan::Index);

// Grid dots at the grid intersections inside both the window and the drawing limits,
// each inverted against what lies beneath, one row transfer per grid row. Nothing when the
// grid is off, its spacing is not positive, or it is 2 pixels or less on the device.
void DrawGrid(RenderContext& rc);
// The pen the grid pass selects: per channel three quarters of the inverted background
// (black on white, 189 per channel on black).
uint32_t GridPenColor(uint32_t backgroundColor);

// Brings a picture up to date with the selection changes since it was drawn, without
// drawing it again: each newly selected entity loses its solid image (mode 4) and gains
// the dotted one (mode 2); each newly deselected one the reverse. Empties both lists.
void DrawHighlightChanges(Drawing& drawing, RenderContext& rc);

// What a picture is drawn on; entities in white show in black on white.
enum class Background { Black, White };
constexpr uint32_t BackgroundColorOf(Background background) {
  return background == Background::White ? kWhite : 0;
}

// The view's regeneration of a picture the size of `bitmap`: background, picture (every
// pen one pixel wide) and grid, as the view shows it. The pending selection changes are
// then part of the picture and are emptied.
bool RenderPicture(Drawing& drawing, Bitmap& bitmap, Background background);
// The view's paint between regenerations: only the pending selection changes.
void UpdatePictureHighlight(Drawing& drawing, Bitmap& bitmap, Background background);

}  // namespace korvo
