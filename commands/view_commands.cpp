#include "commands/view_commands.h"

#include <cstdint>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/command_table.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "core/drawing.h"
#include "platform/command_bar.h"
#include "view/picture.h"

namespace korvo {
namespace {

void UndoOrRedo(CommandEngine& engine, int id) {
  engine.BeginCommand(id);
  Drawing& drawing = engine.drawing();
  const bool changed = id == CommandId::Undo ? drawing.undo.Undo() : drawing.undo.Redo();
  if (changed) {
    // The marks of the last picture skip erased entities and travel with saved copies, so
    // what undo or redo brings back may carry the mark of another window: take them anew.
    MarkOutOfViewOfLastPicture(drawing);
    drawing.SetModifiedFlag(true);
    engine.RepaintNow();
  }
  engine.EndCommand();
}

// A transparent view command that runs on its own records its name, shows its button for
// the duration and closes its own undo group; inside a command it does neither.
template <typename Action>
void RunTransparent(CommandEngine& engine, int id, Action action) {
  const bool own = engine.CurrentCommandId() == 0;
  if (own) {
    engine.commandBar().MoveToFront(CommandTable::NameOf(id));
    engine.view().currentCommandId = id;
    engine.SendButtonState(id, true, false);
  }
  action();
  if (own) {
    engine.drawing().undo.EndUndoGroup();
    engine.SendButtonState(id, false, false);
    engine.view().currentCommandId = 0;
  }
}

void ZoomWindowCommand(CommandEngine& engine, int id) {
  engine.BeginCommand(id);
  View& view = engine.view();
  const DrawingSettings& settings = engine.drawing().settings;
  const Point lowerLeft = settings.viewOrigin;
  const Point upperRight(settings.viewOrigin.x + settings.viewExtent.width,
                         settings.viewOrigin.y + settings.viewExtent.height);
  Point first, second;
  InputResult result =
      GetPoint(engine, lowerLeft, lowerLeft, first, StringId::ViewFirstCornerPrompt,
               StringId::ViewFirstCornerDescription, kPointNoBase | kPointKeepWaiting);
  if (result == InputResult::Picked || result == InputResult::Default) {
    // The frame follows the cursor; each answer of the loop removes the previous one, unless
    // a repaint meanwhile already did.
    bool framed = false;
    Point framedTo;
    uint64_t framedOn = 0;
    for (;;) {
      result = GetPoint(engine, first, upperRight, second, StringId::ViewOppositeCornerPrompt,
                        StringId::ViewOppositeCornerDescription, kPointNoBase);
      if (framed && view.windowGeneration() == framedOn) view.DrawRubberFrame(first, framedTo);
      framed = false;
      if (result != InputResult::CursorMoved && result != InputResult::PenMoved) break;
      if (result == InputResult::CursorMoved) {
        framedTo = second;
        view.DrawRubberFrame(first, framedTo);
        framed = true;
        framedOn = view.windowGeneration();
      }
    }
    if ((result == InputResult::Picked || result == InputResult::Default) && first != second)
      view.ZoomWindow(first, second);
  }
  engine.drawing().undo.EndUndoGroup();
  engine.EndCommand();
}

void InteractiveZoom(CommandEngine& engine, int id) {
  View& view = engine.view();
  if (id == CommandId::ZoomIn) view.zoomInMode = true;
  if (id == CommandId::ZoomOut) view.zoomInMode = false;
  engine.BeginCommand(id);
  for (;;) {
    const DrawingSettings& settings = engine.drawing().settings;
    const Point center(settings.viewOrigin.x + settings.viewExtent.width / 2,
                       settings.viewOrigin.y + settings.viewExtent.height / 2);
    const bool in = view.zoomInMode;
    Point p;
    const InputResult result =
        GetPoint(engine, center, center, p, in ? StringId::ZoomInPrompt : StringId::ZoomOutPrompt,
                 in ? StringId::ZoomInDescription : StringId::ZoomOutDescription,
                 kPointNoBase | kPointKeepWaiting);
    if (result == InputResult::Picked) {
      // A point outside the limits is ignored and asked again.
      view.ZoomAbout(p, in ? 0.5 : 2.0);
    } else if (result == InputResult::Default) {
      view.zoomInMode = !view.zoomInMode;
    } else {
      break;
    }
  }
  engine.drawing().undo.EndUndoGroup();
  engine.EndCommand();
}

}  // namespace

void RegisterViewCommands(CommandEngine& engine) {
  engine.RegisterCommand(CommandId::Undo, UndoOrRedo);
  engine.RegisterCommand(CommandId::Redo, UndoOrRedo);
  engine.RegisterCommand(CommandId::ZoomAll, [](CommandEngine& e, int id) {
    RunTransparent(e, id, [&e] { e.view().ZoomAll(); });
  });
  engine.RegisterCommand(CommandId::ZoomInOnce, [](CommandEngine& e, int id) {
    RunTransparent(e, id, [&e] { e.view().ZoomStep(0.5); });
  });
  engine.RegisterCommand(CommandId::ZoomOutOnce, [](CommandEngine& e, int id) {
    RunTransparent(e, id, [&e] { e.view().ZoomStep(2.0); });
  });
  engine.RegisterCommand(CommandId::ZoomWindow, ZoomWindowCommand);
  engine.RegisterCommand(CommandId::ZoomInOut, InteractiveZoom);
  engine.RegisterCommand(CommandId::ZoomIn, InteractiveZoom);
  engine.RegisterCommand(CommandId::ZoomOut, InteractiveZoom);
}

}  // namespace korvo
