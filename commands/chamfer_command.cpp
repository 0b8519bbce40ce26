#include <vector>

#include "commands/chamfer_geometry.h"
#include "commands/chamfer_options.h"
#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/cut_commands.h"
#include "commands/edit_command.h"
#include "commands/object_highlight.h"
#include "commands/object_selection.h"
#include "commands/string_table.h"
#include "core/drawing.h"
#include "core/line_entity.h"
#include "geometry/geometry.h"
#include "platform/command_menus.h"
#include "platform/message_box.h"

namespace korvo {
namespace {

// A picked line with the point where it was tapped.
struct PickedLine {
  LineEntity* line = nullptr;
  Point tap;
};

EntityFilter LinesOnly(const Entity* except) {
  return [except](const Entity& entity) {
    return &entity != except && entity.GetElementCode() == ElementCode::Line;
  };
}

InputResult PickLine(CommandEngine& engine, int promptId, const Entity* except, PickedLine& out) {
  Entity* entity = nullptr;
  PickedPoints taps;
  const InputResult result = PickObject(engine, promptId, entity, &taps, LinesOnly(except));
  if (result != InputResult::Picked) return result;
  const auto tap = entity != nullptr ? taps.find(entity) : taps.end();
  if (tap == taps.end() || entity->AsLine() == nullptr) return InputResult::Enter;
  out = {entity->AsLine(), tap->second};
  return result;
}

void MoveEnd(LineEntity& line, const ChamferCut& cut) {
  (cut.end == ChamferEnd::Start ? line.start : line.end) = cut.point;
}

// Chamfers the two lines; false (after the message) when they cannot be.
bool ChamferLines(CommandEngine& engine, const ChamferOptions& options, const PickedLine& a,
                  const PickedLine& b) {
  const ChamferSide first{a.line->start, a.line->end, a.tap, options.first};
  const ChamferSide second{b.line->start, b.line->end, b.tap, options.second};
  const Chamfer chamfer =
      ComputeChamfer(first, second, options.trim ? ChamferTrim::Yes : ChamferTrim::No);
  if (chamfer.status != ChamferStatus::Ok) {
    const int message = chamfer.status == ChamferStatus::Parallel
                            ? StringId::ChamferParallelMessage
                            : StringId::ChamferTooLargeMessage;
    engine.messageBox().Show(LoadHostString(message), MessageButtons::Ok, MessageIcon::Stop);
    return false;
  }
  Drawing& drawing = engine.drawing();
  std::vector<Entity*> changed;
  if (options.trim) {
    Entity* const lines[] = {a.line, b.line};
    drawing.undo.RecordListChange(UndoKind::EntityModified, lines);
    MoveEnd(*a.line, chamfer.first);
    MoveEnd(*b.line, chamfer.second);
    changed.assign(std::begin(lines), std::end(lines));
  }
  if (chamfer.first.point != chamfer.second.point) {
    auto* joint = new LineEntity(chamfer.first.point, chamfer.second.point, drawing.settings);
    drawing.entities.AddTail(joint);
    drawing.undo.RecordEntityChange(UndoKind::EntityAdded, joint);
    changed.push_back(joint);
  }
  RemarkOutOfView(drawing, changed);
  return true;
}

// One round: the two lines, then the chamfer. False when an answer ends the command.
bool ChamferRound(CommandEngine& engine, ChamferOptions& options) {
  PickedLine first;
  const InputResult firstResult =
      PickLine(engine, StringId::ChamferFirstLinePrompt, nullptr, first);
  if (firstResult == InputResult::Default) return AskChamferOptions(engine, options);
  if (firstResult != InputResult::Picked) return false;
  ObjectHighlight highlight(engine.view(), *first.line);
  PickedLine second;
  const InputResult secondResult =
      PickLine(engine, StringId::ChamferSecondLinePrompt, first.line, second);
  highlight.Remove();
  if (secondResult == InputResult::Default) return true;
  if (secondResult != InputResult::Picked) return false;
  if (ChamferLines(engine, options, first, second)) {
    engine.drawing().SetModifiedFlag(true);
    engine.RepaintNow();
  }
  return true;
}

}  // namespace

void RunChamfer(CommandEngine& engine) {
  engine.BeginCommand(CommandId::Chamfer, kCommandMenuBar);
  ChamferOptions options = LoadChamferOptions(engine);
  if (AskChamferOptions(engine, options)) {
    while (ChamferRound(engine, options)) {
    }
  }
  Drawing& drawing = engine.drawing();
  drawing.ClearSelection();
  engine.RepaintNow();
  engine.EndCommand();
  drawing.undo.EndUndoGroup();
}

}  // namespace korvo
