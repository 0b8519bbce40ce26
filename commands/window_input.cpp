#include "commands/window_input.h"

#include <cstdint>
#include <optional>

#include "commands/command_engine.h"
#include "commands/point_input.h"
#include "platform/point_flags.h"
#include "view/view.h"

namespace korvo {
namespace {

// The rubber rectangle of the second corner; drawn at most once at a time. A repaint since it
// was drawn (a zoom while the corner is asked) already took it off the window.
class RubberFrame {
 public:
  explicit RubberFrame(View& view) : view_(view) {}
  ~RubberFrame() { Hide(); }
  RubberFrame(const RubberFrame&) = delete;
  RubberFrame& operator=(const RubberFrame&) = delete;

  void Show(const Point& corner1, const Point& corner2) {
    Hide();
    view_.DrawRubberFrame(corner1, corner2);
    shown_ = {corner1, corner2};
    shownOn_ = view_.windowGeneration();
  }
  void Hide() {
    if (shown_ && view_.windowGeneration() == shownOn_)
      view_.DrawRubberFrame(shown_->first, shown_->second);
    shown_.reset();
  }

 private:
  View& view_;
  std::optional<std::pair<Point, Point>> shown_;
  uint64_t shownOn_ = 0;
};

WindowResult AnswerOf(InputResult result, WindowDefault allowDefault) {
  if (result == InputResult::Default && allowDefault == WindowDefault::Allowed)
    return WindowResult::Single;
  return WindowResult::Cancel;
}

}  // namespace

WindowResult GetWindow(CommandEngine& engine, const WindowPrompts& prompts,
                       WindowDefault allowDefault, Point& corner1, Point& corner2) {
  const uint32_t defaultFlag = allowDefault == WindowDefault::Allowed ? 0 : kPointNoDefault;
  InputResult result =
      GetPoint(engine, Point(), Point(), corner1, prompts.firstPrompt, prompts.firstDescription,
               kPointNoBase | kPointKeepWaiting | defaultFlag);
  if (result != InputResult::Picked) return AnswerOf(result, allowDefault);

  RubberFrame frame(engine.view());
  for (;;) {
    Point cursor;
    result = GetPoint(engine, corner1, corner1, cursor, prompts.secondPrompt,
                      prompts.secondDescription, kPointNoOrtho | defaultFlag);
    if (result == InputResult::CursorMoved) {
      frame.Show(corner1, cursor);
      continue;
    }
    if (result == InputResult::PenMoved) continue;
    frame.Hide();
    if (result != InputResult::Picked) return AnswerOf(result, allowDefault);
    corner2 = cursor;
    return WindowResult::Corners;
  }
}

}  // namespace korvo
