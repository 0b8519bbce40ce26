#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "geometry/point.h"
#include "platform/raster_device.h"
#include "view/render_context.h"
#include "view/scroll_bars.h"

namespace korvo {

class Drawing;
class Entity;
class EntityList;
class Profile;

// What the XOR cursor looks like.
enum class CursorStyle {
  Crosshair = 0,  // lines across the window, and the aperture square while snapping to objects
  PickBox = 1,    // the pick box only
  None = 2,       // nothing (free-hand drawing shows its own trace)
};

// Which way a line step scrolls: the direction the window moves over the drawing.
enum class ScrollDirection { Left, Right, Up, Down };

// Whether invalidating the picture also releases the off-screen bitmap (to be made anew at
// the next paint, as after a size change).
enum class PictureBitmap { Keep, Delete };

// Whether a drag ends by moving the window or is abandoned.
enum class DragEnd { Pan, Cancel };

// The keyboard cursor before the first arrow key.
inline constexpr ScreenPoint kKeyCursorUnset{-2147483647, 2147483647};

// The drawing's window on the screen. Maps world coordinates onto the client area, keeps a
// pre-rendered picture three windows wide and high (the visible window in its centre tile)
// and repaints the window bitmap from it; the window bitmap stands for the screen, and all
// transient feedback (cursor, rubber bands, previews) is drawn on it with XOR so that a second
// identical drawing removes it. The visible window itself lives in the drawing's settings.
//
// Screen rectangles of the client area here have right and bottom as the last pixel.
class View {
 public:
  // Reads the background choice from `profile` and listens to the drawing's modified flag
  // (every modification re-renders at the next paint); both must outlive the view. The client
  // area is empty until the first Resize.
  View(Drawing& drawing, Profile& profile);
  ~View();
  View(const View&) = delete;
  View& operator=(const View&) = delete;

  // --- size and repaint (view.cpp)
  // A new client size: keeps it, makes a new window bitmap and drops the picture.
  void Resize(int width, int height);
  // The next paint re-renders everything.
  void InvalidatePicture(PictureBitmap bitmap);
  // Paints at once.
  void RepaintNow();
  void SetWhiteBackground(bool on);

  // --- paint (view_paint.cpp)
  // Brings the window bitmap up to date: re-renders the off-screen picture when needed (or
  // applies the pending selection changes), copies the visible tile, redraws the cursor and
  // updates the scroll bars. Does nothing when no off-screen picture can be made, nor while
  // paints are suspended unless the window shows nothing valid yet.
  void Paint();

  // --- mapping (view_mapping.cpp), on the current client rectangle
  ScreenPoint WorldToScreen(const Point& p) const;
  Point ScreenToWorld(int x, int y) const;
  Point ScreenToWorld(const ScreenPoint& p) const { return ScreenToWorld(p.x, p.y); }
  double PixelSize() const;
  // World size from the lower-left to the upper-right pixel under the current scale.
  Size VisibleExtent() const;
  ScreenRect ClientRect() const;

  // --- zoom (view_zoom.cpp). Each change takes a settings record first, marks the drawing
  // modified and repaints; a request that would leave an empty or broken window changes
  // nothing.
  void ZoomAll();
  void ZoomWindow(const Point& corner1, const Point& corner2);
  // Only about a point inside the limits; the window is kept inside the limits, first by
  // shifting and then by shrinking.
  void ZoomAbout(const Point& center, double factor);
  void ZoomStep(double factor);
  // Scales the window by `factor` (below 1 zooms in) so that the world point under the client
  // pixel `anchor` stays under it; zooming out stops at the limits. No settings record: like
  // a pen drag, the wheel and the pinch only look around.
  void ZoomAt(const ScreenPoint& anchor, double factor);

  // --- scroll (view_scroll.cpp). Clamped to the limits; no settings record.
  void ScrollHorizontal(ScrollCode code, int position = 0);
  void ScrollVertical(ScrollCode code, int position = 0);
  // One line step (half the visible window), as an arrow key or the keyboard cursor leaving
  // the window asks for.
  void ScrollLine(ScrollDirection direction);
  const ScrollBars& scrollBars() const { return scrollBars_; }

  // --- cursor (view_cursor.cpp). Nothing happens when the visibility does not change.
  // Showing stores the raw world point of `screen` and the snapped one.
  void ShowCursor(bool visible, const ScreenPoint& screen);
  void ShowCursorAtWorld(bool visible, const Point& world);
  void HideCursor() { ShowCursor(false, ScreenPoint{}); }
  // A visible cursor is redrawn in the new style.
  void SetCursorStyle(CursorStyle style);

  // --- XOR feedback on the window bitmap (view_feedback.cpp); drawing the same twice
  // removes it. The entity forms return false when the filter aborted the draw.
  bool DrawXor(Entity& entity);
  bool DrawXor(const EntityList& list, DrawFilter filter = nullptr, void* filterArg1 = nullptr,
               void* filterArg2 = nullptr);
  void DrawRubberBand(const Point& from, const Point& to);
  // Draws the entity over the window as the picture shows it (draw mode normal): a new
  // entity appears at once, before the next paint renders it with the rest.
  bool DrawOver(Entity& entity);
  void DrawRubberFrame(const Point& corner1, const Point& corner2);

  // --- pen-drag panning (view_drag.cpp)
  void BeginDrag(const ScreenPoint& start);
  // Slides the pre-rendered neighbourhood into view, at most one window along each axis.
  void DragTo(const ScreenPoint& point);
  void EndDrag(const ScreenPoint& point, DragEnd end = DragEnd::Pan);

  // --- state
  const Bitmap& window() const { return window_; }
  // Counts the times the window bitmap was overwritten from the picture (or made anew): XOR
  // feedback drawn before a change of it is no longer there to be taken off.
  uint64_t windowGeneration() const { return windowGeneration_; }
  const Bitmap* offscreenBitmap() const { return offscreen_.get(); }
  bool tripleBitmap() const { return tripleBitmap_; }
  bool needsRegen() const { return needsRegen_; }
  // True from a change that needs the window painted (size, background) until the paint.
  bool windowInvalid() const { return windowInvalid_; }
  bool whiteBackground() const { return whiteBackground_; }
  // The background colour the last paint stored for the window.
  uint32_t windowBackground() const { return windowBackground_; }
  int cursorAperture() const { return cursorAperture_; }
  int pickBoxSize() const { return pickBoxSize_; }
  const Point& cursorRaw() const { return cursorRaw_; }
  const Point& cursorWorld() const { return cursorWorld_; }
  bool cursorVisible() const { return cursorVisible_; }
  CursorStyle cursorStyle() const { return cursorStyle_; }
  bool dragging() const { return dragging_; }
  const ScreenPoint& dragStart() const { return dragStart_; }
  const ScreenPoint& lastClientSize() const { return lastClientSize_; }
  bool thumbScroll() const { return thumbScroll_; }

  // Set by the command engine.
  bool paintSuspended = false;
  // A paint was asked for while paints were suspended; whoever lifts the suspension repaints.
  bool paintDeferred = false;
  bool zoomInMode = true;  // direction of the interactive zoom
  ScreenPoint keyCursor = kKeyCursorUnset;
  int currentCommandId = 0;
  // Turns the raw world point under the cursor into the snapped one; none leaves it raw.
  std::function<Point(const Point& raw)> snapCursor;
  // Takes the drawing-settings undo record before a zoom changes the window.
  std::function<void()> recordSettingsChange;
  // The largest off-screen picture tried, in bytes; a test lowers it to see the fallbacks.
  std::size_t bitmapByteLimit = Bitmap::kMaxBytes;

 private:
  bool EnsureOffscreenBitmap();
  void Regenerate(DeviceContext& memory, const ScreenPoint& tile);
  void UpdateHighlight(DeviceContext& memory);
  // The settings copy and device rectangle of a pass over the off-screen picture.
  void PreparePass(DrawingSettings& settings, ScreenRect& rect) const;
  void CopyTileToWindow(const ScreenPoint& offset);
  ScreenPoint TileOrigin() const;
  // Stores a new window; true when it differed.
  bool ApplyWindow(const Point& origin, const Size& extent, bool takeRecord);
  // What the cursor looks like on the window: kept from the drawing that showed it, so that
  // hiding it draws exactly the same pixels whatever changed meanwhile.
  struct CursorShape {
    ScreenPoint at;
    CursorStyle style = CursorStyle::Crosshair;
    int squareHalfSize = 0;  // 0: no square
  };
  CursorShape CurrentCursorShape() const;
  void DrawCursorShape(const CursorShape& shape);
  ScreenPoint ClampedDragOffset(const ScreenPoint& point) const;
  uint32_t BackgroundColor() const;

  Drawing& drawing_;
  Profile& profile_;
  Bitmap window_{0, 0};
  uint64_t windowGeneration_ = 0;
  std::unique_ptr<Bitmap> offscreen_;
  bool tripleBitmap_ = false;
  bool needsRegen_ = true;
  bool windowInvalid_ = true;
  bool whiteBackground_ = false;
  uint32_t windowBackground_ = 0;
  int cursorAperture_ = 10;
  int pickBoxSize_ = 8;
  Point cursorRaw_;
  Point cursorWorld_;
  bool cursorVisible_ = false;
  CursorShape drawnCursor_;
  CursorStyle cursorStyle_ = CursorStyle::Crosshair;
  bool dragging_ = false;
  ScreenPoint dragStart_;
  ScreenPoint lastClientSize_;
  bool thumbScroll_ = false;
  ScrollBars scrollBars_;
};

}  // namespace korvo
