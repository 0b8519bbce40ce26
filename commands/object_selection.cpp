#include "commands/object_selection.h"

#include <vector>

#include "commands/candidate_highlight.h"
#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "commands/window_input.h"
#include "core/drawing.h"
#include "core/entity.h"
#include "platform/command_menus.h"
#include "platform/point_flags.h"
#include "view/view.h"

namespace korvo {
namespace {

// What the selection sub-commands ask of the running selection.
struct SelectionRequests {
  bool selectAll = false;
  bool deselectAll = false;
  bool window = false;
};

void RegisterIdleSubCommands(CommandEngine& engine) {
  for (const int id : {CommandId::SelectWindow, CommandId::SelectAll, CommandId::DeselectAll})
    engine.RegisterCommand(id, [](CommandEngine&, int) {});
}

// The sub-commands set a request and end the waiting prompt (input state none), so that the
// selection loop handles the request; outside a selection of many objects they do nothing.
class SubCommandScope {
 public:
  SubCommandScope(CommandEngine& engine, SelectionRequests& requests) : engine_(engine) {
    const auto request = [&requests](bool SelectionRequests::*flag) {
      return [&requests, flag](CommandEngine& e, int) {
        if (!e.selectingMany) return;
        requests.*flag = true;
        e.inputState = InputState::None;
      };
    };
    engine.RegisterCommand(CommandId::SelectWindow, request(&SelectionRequests::window));
    engine.RegisterCommand(CommandId::SelectAll, request(&SelectionRequests::selectAll));
    engine.RegisterCommand(CommandId::DeselectAll, request(&SelectionRequests::deselectAll));
  }
  ~SubCommandScope() { RegisterIdleSubCommands(engine_); }
  SubCommandScope(const SubCommandScope&) = delete;
  SubCommandScope& operator=(const SubCommandScope&) = delete;

 private:
  CommandEngine& engine_;
};

// One selection prompt: the state its steps share.
class Selection {
 public:
  Selection(CommandEngine& engine, SelectionMode mode, PickedPoints* picked,
            const EntityFilter& filter, const AlsoShownSelected& alsoShown)
      : engine_(engine),
        drawing_(engine.drawing()),
        view_(engine.view()),
        mode_(mode),
        picked_(picked),
        filter_(filter),
        waiting_([&engine] { return engine.NewerPenMoveQueued(); }) {
    highlight_.SetAlsoShownSelected(alsoShown);
  }
  // However the prompt ends: no highlight left, the crosshair back, the sub-commands off.
  ~Selection() {
    highlight_.Clear(view_);
    engine_.SetCursorStyle(CursorStyle::Crosshair);
    engine_.selectingMany = false;
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

  InputResult Run(const PromptText& prompt);

 private:
  // Draws the entity with XOR as it stands, changes its selection, and draws it again: the
  // window shows the new state at once.
  void SetSelected(Entity* entity, bool selected);
  void HandleSelectAll(bool selected);
  // False when the whole selection was cancelled at a window corner.
  bool HandleWindow();
  // True when the selection ends with this tap.
  bool HandleTap(const Point& at);
  Entity* CandidateAt(const Point& at) const {
    return FindEntityAt(drawing_, at, view_.pickBoxSize() * view_.PixelSize(), filter_);
  }

  CommandEngine& engine_;
  Drawing& drawing_;
  View& view_;
  SelectionMode mode_;
  PickedPoints* picked_;
  const EntityFilter& filter_;
  PenMoveWaiting waiting_;
  SelectionRequests requests_;
  CandidateHighlight highlight_;
};

void Selection::SetSelected(Entity* entity, bool selected) {
  view_.DrawXor(*entity);
  if (selected)
    drawing_.Select(entity);
  else
    drawing_.Deselect(entity);
  view_.DrawXor(*entity);
}

void Selection::HandleSelectAll(bool selected) {
  for (Entity* entity : SelectAllCandidates(drawing_.entities, selected, filter_)) {
    SetSelected(entity, selected);
    if (!selected && picked_ != nullptr) picked_->erase(entity);
  }
}

bool Selection::HandleWindow() {
  const WindowPrompts prompts{
      StringId::WindowFirstCornerPrompt, StringId::WindowFirstCornerDescription,
      StringId::WindowOppositeCornerPrompt, StringId::WindowOppositeCornerDescription};
  bool firstRound = true;
  bool cancelled = false;
  for (;;) {
    engine_.SetCursorStyle(CursorStyle::Crosshair);
    if (firstRound) engine_.menus().Show(kCommandMenuBar);
    firstRound = false;
    Point corner1, corner2;
    const WindowResult result =
        GetWindow(engine_, prompts, WindowDefault::Allowed, corner1, corner2);
    engine_.SetCursorStyle(CursorStyle::PickBox);
    if (result == WindowResult::Single) break;
    if (result == WindowResult::Cancel) {
      // A sub-command ends a corner question the way a cancel does; its request is then
      // what the user asked for, not the end of the selection.
      cancelled = !(requests_.selectAll || requests_.deselectAll || requests_.window);
      break;
    }
    for (Entity* entity : WindowSelectionCandidates(drawing_, corner1, corner2, filter_))
      SetSelected(entity, true);
  }
  const int commandMenu = engine_.ActiveCommandMenu();
  engine_.menus().Show(commandMenu != 0 ? commandMenu : kSelectionMenuBar);
  return !cancelled;
}

bool Selection::HandleTap(const Point& at) {
  Entity* hit = CandidateAt(at);
  if (hit == nullptr) {
    // Nothing under the pick box: as a move.
    highlight_.Track(view_, nullptr, waiting_);
    return false;
  }
  highlight_.Clear(view_);
  const bool select = !hit->IsSelected();
  SetSelected(hit, select);
  if (picked_ != nullptr) {
    if (select)
      (*picked_)[hit] = at;
    else
      picked_->erase(hit);
  }
  return mode_ == SelectionMode::Single;
}

InputResult Selection::Run(const PromptText& prompt) {
  const SubCommandScope subCommands(engine_, requests_);
  engine_.SetCursorStyle(CursorStyle::PickBox);
  engine_.selectingMany = mode_ == SelectionMode::Many;
  if (picked_ != nullptr) picked_->clear();

  InputResult result = InputResult::Cancel;
  for (;;) {
    // Requests first: a sub-command may have ended the previous question, or a window.
    if (requests_.selectAll || requests_.deselectAll) {
      highlight_.Clear(view_);
      HandleSelectAll(requests_.selectAll);
      requests_.selectAll = requests_.deselectAll = false;
      continue;
    }
    if (requests_.window) {
      requests_.window = false;
      if (mode_ != SelectionMode::Many) continue;
      highlight_.Clear(view_);
      if (!HandleWindow()) {
        result = InputResult::Cancel;
        break;
      }
      continue;
    }
    Point at;
    // No base point: a tap is where the pen was, never moved by ortho.
    result = GetPoint(engine_, Point(), Point(), at, prompt, kPointNoBase | kPointNoDialog);
    if (requests_.selectAll || requests_.deselectAll || requests_.window) continue;
    if (result == InputResult::CursorMoved) {
      highlight_.Track(view_, CandidateAt(at), waiting_);
      continue;
    }
    if (result == InputResult::PenMoved) continue;
    if (result == InputResult::Picked) {
      if (HandleTap(at)) break;
      continue;
    }
    break;
  }
  return result;
}

}  // namespace

InputResult SelectObjects(CommandEngine& engine, const PromptText& prompt, SelectionMode mode,
                          PickedPoints* picked, const EntityFilter& filter,
                          const AlsoShownSelected& alsoShown) {
  Selection selection(engine, mode, picked, filter, alsoShown);
  return selection.Run(prompt);
}

InputResult SelectObjects(CommandEngine& engine, int promptId, SelectionMode mode,
                          PickedPoints* picked, const EntityFilter& filter) {
  return SelectObjects(engine, PromptText{LoadHostString(promptId), {}}, mode, picked, filter);
}

InputResult PickObject(CommandEngine& engine, int promptId, Entity*& out, PickedPoints* picked,
                       const EntityFilter& filter, const AlsoShownSelected& alsoShown) {
  return PickObject(engine, PromptText{LoadHostString(promptId), {}}, out, picked, filter,
                    alsoShown);
}

InputResult PickObject(CommandEngine& engine, const PromptText& prompt, Entity*& out,
                       PickedPoints* picked, const EntityFilter& filter,
                       const AlsoShownSelected& alsoShown) {
  out = nullptr;
  Drawing& drawing = engine.drawing();
  if (!drawing.selection.empty()) {
    drawing.ClearSelection();
    engine.RepaintNow();
  }
  const InputResult result =
      SelectObjects(engine, prompt, SelectionMode::Single, picked, filter, alsoShown);
  if (result == InputResult::Picked && !drawing.selection.empty()) {
    out = drawing.selection.back();
    View& view = engine.view();
    // Back to unselected on the window too, as the tap showed it selected.
    view.DrawXor(*out);
    drawing.ClearSelection();
    view.DrawXor(*out);
  }
  return result;
}

void RegisterSelectionCommands(CommandEngine& engine) {
  RegisterIdleSubCommands(engine);
}

}  // namespace korvo
