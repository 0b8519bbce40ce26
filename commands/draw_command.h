#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "commands/input_result.h"
#include "core/entity.h"
#include "geometry/point.h"

namespace korvo {

class CommandEngine;
class View;

// The frame of a drawing command: BeginCommand on construction (with `menuId`, the command
// menu when 0); on leaving, however it leaves, the undo group is closed and the command ends.
class DrawCommandScope {
 public:
  DrawCommandScope(CommandEngine& engine, int commandId, int menuId = 0);
  ~DrawCommandScope();
  DrawCommandScope(const DrawCommandScope&) = delete;
  DrawCommandScope& operator=(const DrawCommandScope&) = delete;

 private:
  CommandEngine& engine_;
};

// Appends a new entity at the end of the drawing (on top), records it as added, marks the
// drawing modified and repaints.
void AddDrawnEntity(CommandEngine& engine, std::unique_ptr<Entity> entity);

// The object being built, drawn with XOR on the window. Each Show takes the previous one off
// first; Hide (and the destructor) take it off, so the window is left as it was. A repaint
// while it is shown wipes it from the window; it is then forgotten rather than erased, which
// would draw it back.
class ShapePreview {
 public:
  explicit ShapePreview(View& view) : view_(view) {}
  ~ShapePreview() { Hide(); }
  ShapePreview(const ShapePreview&) = delete;
  ShapePreview& operator=(const ShapePreview&) = delete;

  void Show(std::unique_ptr<Entity> shape);
  void Hide();
  bool shown() const { return shape_ != nullptr; }

 private:
  View& view_;
  std::unique_ptr<Entity> shape_;
  uint64_t shownOn_ = 0;  // the view's window generation when drawn
};

// A point question with `preview` showing what each cursor point would build (asking again
// after each cursor or pen move); the preview is off when the answer returns.
struct ShapeQuestion {
  Point base;
  Point defaultPoint;
  int promptId = 0;
  int descriptionId = 0;
  uint32_t flags = 0;
};
using ShapeOf = std::function<std::unique_ptr<Entity>(const Point& cursor)>;
InputResult AskWithShape(CommandEngine& engine, ShapePreview& preview,
                         const ShapeQuestion& question, const ShapeOf& shapeOf, Point& at);

}  // namespace korvo
