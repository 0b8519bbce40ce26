#include "commands/point_input.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <utility>

#include "commands/command_engine.h"
#include "commands/snapping.h"
#include "commands/string_table.h"
#include "core/drawing.h"
#include "geometry/geometry.h"
#include "platform/input_dialog.h"

namespace korvo {
namespace {

bool Has(uint32_t flags, uint32_t bit) {
  return (flags & bit) != 0;
}

bool IsEdgeScroll(int state) {
  return state >= InputState::ScrollLeft && state <= InputState::ScrollDown;
}

// One question: its inputs, and what the prompt line shows for a cursor point.
struct Question {
  CommandEngine& engine;
  const Point& base;
  const Point& defaultPoint;
  uint32_t flags;

  bool HasBase() const { return !Has(flags, kPointNoBase); }

  PromptValue LiveValue(const Point& cursor) const {
    if (HasBase() && Has(flags, kPointShowAngle)) {
      double degrees = std::atan2(cursor.y - base.y, cursor.x - base.x) * 180.0 / std::numbers::pi;
      if (degrees == 0 && Has(flags, kPointZeroAs360)) degrees = 360;
      return degrees;
    }
    if (HasBase() && Has(flags, kPointShowDistance)) return Distance(base, cursor);
    return defaultPoint;
  }

  Point WithOrtho(const Point& p) const {
    if (engine.drawing().settings.orthoSnap != 0 && HasBase() && !Has(flags, kPointNoOrtho))
      return ApplyOrtho(base, p);
    return p;
  }

  // A final answer: the cursor goes, the input flags are cleared.
  InputResult Finish(InputResult result) const {
    engine.view().HideCursor();
    engine.ReleasePen();
    engine.ResetInput();
    return result;
  }

  InputDialogAnswer RunDialog() const {
    InputDialogRequest request;
    request.hasBase = HasBase();
    request.base = {base.x, base.y};
    request.defaultPoint = {defaultPoint.x, defaultPoint.y};
    request.flags = flags;
    request.description = engine.PromptDescription();
    return engine.inputDialog().Run(request);
  }
};

// One question of any prompt; `promptId` is what PromptId() reports while it runs.
InputResult Ask(CommandEngine& engine, const Point& base, const Point& defaultPoint, Point& out,
                const PromptText& prompt, int promptId, uint32_t flags) {
  const Question question{engine, base, defaultPoint, flags};
  // The command's own dialog belongs to this question alone: questions of transparent
  // commands nested in it get the coordinates.
  const std::function<void(CommandEngine&)> ownDialog =
      std::exchange(engine.ownInputDialog, nullptr);
  View& view = engine.view();
  if (Has(flags, kPointFinishAtOnce)) return question.Finish(InputResult::Default);

  engine.defaultAllowed = !Has(flags, kPointNoDefault) || Has(flags, kPointDefaultAnyway);
  engine.dialogAllowed = !Has(flags, kPointNoDialog);
  if (engine.inputState == InputState::None || Has(flags, kPointKeepWaiting)) {
    // The first value shown is the one the default gives, so that the prompt tells what Enter
    // answers; pen movement then shows the live value.
    engine.SetPrompt(prompt, question.LiveValue(defaultPoint), promptId);
    if (Has(flags, kPointDialogAtOnce)) engine.inputState = InputState::Dialog;
  }

  const Point cursorAtStart = view.cursorWorld();
  // A move back to where the question started is news only when a repaint took the command's
  // feedback off meanwhile (a zoom about the pointer): the command then draws it again.
  const uint64_t windowAtStart = view.windowGeneration();
  int previous = engine.inputState;
  for (;;) {
    const int state = engine.WaitForInput();
    const int before = previous;
    previous = state;
    switch (state) {
      case InputState::Cancel:
        return question.Finish(InputResult::Cancel);
      case InputState::PenMoved:
      case InputState::ScrollLeft:
      case InputState::ScrollRight:
      case InputState::ScrollUp:
      case InputState::ScrollDown:
        if (IsEdgeScroll(state)) view.HideCursor();
        engine.RefreshPrompt(question.LiveValue(view.cursorWorld()));
        if (Has(flags, kPointKeepWaiting) || before == InputState::PenMoved) continue;
        return InputResult::PenMoved;
      case InputState::Dialog: {
        engine.ReleasePen();
        if (ownDialog) {
          // The command's dialog may end the question (as a menu command does) or leave it
          // waiting.
          engine.inputState = InputState::Waiting;
          ownDialog(engine);
          previous = engine.inputState;
          continue;
        }
        const InputDialogAnswer answer = question.RunDialog();
        if (answer.result == InputDialogResult::Ok) {
          out = Point(answer.point.x, answer.point.y);
          return question.Finish(InputResult::Picked);
        }
        if (answer.result == InputDialogResult::Cancel) return question.Finish(InputResult::Cancel);
        // "On-screen": back to the pen.
        if (Has(flags, kPointKeepWaiting)) {
          engine.inputState = InputState::Waiting;
          previous = InputState::Waiting;
          continue;
        }
        engine.inputState = InputState::PenMoved;
        return InputResult::PenMoved;
      }
      case InputState::CursorMoved: {
        out = question.WithOrtho(view.cursorWorld());
        engine.ShowCoordinates(out);
        const bool fromScroll = IsEdgeScroll(before);
        const bool unmoved =
            view.cursorWorld() == cursorAtStart && view.windowGeneration() == windowAtStart;
        if (Has(flags, kPointKeepWaiting) || (!fromScroll && unmoved)) continue;
        return InputResult::CursorMoved;
      }
      case InputState::Enter:
        return question.Finish(InputResult::Enter);
      case InputState::Picked:
        out = question.WithOrtho(view.cursorWorld());
        return question.Finish(InputResult::Picked);
      case InputState::Default:
        out = defaultPoint;
        return question.Finish(InputResult::Default);
      default:
        // No handler leaves another state behind; should one, the question ends rather than
        // spin.
        return question.Finish(InputResult::Cancel);
    }
  }
}

}  // namespace

InputResult GetPoint(CommandEngine& engine, const Point& base, const Point& defaultPoint,
                     Point& out, int promptId, int descriptionId, uint32_t flags) {
  return Ask(engine, base, defaultPoint, out,
             PromptText{LoadHostString(promptId), LoadHostString(descriptionId)}, promptId, flags);
}

InputResult GetPoint(CommandEngine& engine, const Point& base, const Point& defaultPoint,
                     Point& out, const PromptText& prompt, uint32_t flags) {
  return Ask(engine, base, defaultPoint, out, prompt, 0, flags);
}

InputResult GetPoint(CommandEngine& engine, Point& out, int promptId, int descriptionId,
                     uint32_t flags) {
  const Point none;
  return GetPoint(engine, none, none, out, promptId, descriptionId,
                  flags | kPointNoBase | kPointNoDefault);
}

}  // namespace korvo
