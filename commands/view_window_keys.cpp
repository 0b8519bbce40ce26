#include <algorithm>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/snapping.h"
#include "commands/view_window.h"
#include "core/drawing.h"
#include "platform/message_queue.h"

namespace korvo {
namespace {

bool IsArrow(KeyCode key) {
  return key == KeyCode::Left || key == KeyCode::Right || key == KeyCode::Up ||
         key == KeyCode::Down;
}

bool Inside(const Point& p, const Point& low, const Point& high) {
  return p.x >= low.x && p.x <= high.x && p.y >= low.y && p.y <= high.y;
}

// The internal state that scrolls towards a point beyond the visible window; Waiting when
// the point is visible.
int EdgeScrollState(const Point& p, const Point& origin, const Size& visible) {
  if (p.x > origin.x + visible.width) return InputState::ScrollRight;
  if (p.x < origin.x) return InputState::ScrollLeft;
  if (p.y > origin.y + visible.height) return InputState::ScrollUp;
  if (p.y < origin.y) return InputState::ScrollDown;
  return InputState::Waiting;
}

}  // namespace

void ViewWindow::KeyDown(KeyCode key) {
  if (engine_.inputState == InputState::None) {
    switch (key) {
      case KeyCode::Left:
        view_.ScrollLine(ScrollDirection::Left);
        break;
      case KeyCode::Right:
        view_.ScrollLine(ScrollDirection::Right);
        break;
      case KeyCode::Up:
        view_.ScrollLine(ScrollDirection::Up);
        break;
      case KeyCode::Down:
        view_.ScrollLine(ScrollDirection::Down);
        break;
      case KeyCode::Enter:
      case KeyCode::Space:
        // The command palette, when the shell has one (a headless run does not).
        if (engine_.CurrentCommandId() == 0 && !engine_.pluginRunning &&
            engine_.HasHandler(CommandId::CommandPalette) && Parent() != nullptr)
          Parent()->Post(CommandMessage(Parent(), CommandId::CommandPalette));
        break;
      default:
        break;
    }
    return;
  }
  if (key == KeyCode::Enter || key == KeyCode::Space) {
    if (!engine_.keyDriven) {
      if (engine_.defaultAllowed && Parent() != nullptr)
        Parent()->Post(CommandMessage(Parent(), CommandId::EnterDefault));
      return;
    }
    PenUp(view_.keyCursor);
    return;
  }
  if (IsArrow(key)) MoveKeyCursor(key);
}

void ViewWindow::MoveKeyCursor(KeyCode key) {
  const DrawingSettings& settings = engine_.drawing().settings;
  ScreenPoint at = view_.keyCursor;
  if (at == kKeyCursorUnset) at = {ClientWidth() / 2, ClientHeight() / 2};
  const ScreenPoint low = view_.WorldToScreen(settings.limitsMin);
  const ScreenPoint high = view_.WorldToScreen(settings.limitsMax);
  at.x = std::clamp(at.x, std::min(low.x, high.x), std::max(low.x, high.x));
  at.y = std::clamp(at.y, std::min(low.y, high.y), std::max(low.y, high.y));

  const bool gridSnap = settings.gridSnap != 0 && settings.snapSpacing > 0;
  const double step = settings.snapSpacing;
  Point world = view_.ScreenToWorld(at);
  if (gridSnap) world = GridSnap(world, step);
  ScreenPoint next = at;
  if (gridSnap) {
    if (key == KeyCode::Left) world.x -= step;
    if (key == KeyCode::Right) world.x += step;
    if (key == KeyCode::Up) world.y += step;
    if (key == KeyCode::Down) world.y -= step;
    next = view_.WorldToScreen(world);
  } else {
    if (key == KeyCode::Left) --next.x;
    if (key == KeyCode::Right) ++next.x;
    if (key == KeyCode::Up) --next.y;
    if (key == KeyCode::Down) ++next.y;
    world = view_.ScreenToWorld(next);
  }

  SetCapture();
  view_.keyCursor = at;
  // Moves that would leave the drawing limits are refused: the cursor stays.
  if (!Inside(world, settings.limitsMin, settings.limitsMax)) return;
  const int edge = EdgeScrollState(world, settings.viewOrigin, view_.VisibleExtent());
  engine_.keyDriven = true;
  engine_.keyMoved = true;
  if (edge != InputState::Waiting) {
    engine_.inputState = edge;
    return;
  }
  if (!ClientContains(next.x, next.y)) return;
  view_.keyCursor = next;
  MoveCursor(next, true);
}

}  // namespace korvo
