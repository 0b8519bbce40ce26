#include <cstdint>
#include <vector>

#include "commands/chamfer_geometry.h"
#include "commands/chamfer_options.h"
#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/cut_commands.h"
#include "commands/edit_command.h"
#include "commands/object_highlight.h"
#include "commands/object_selection.h"
#include "commands/polyline_segment.h"
#include "commands/string_table.h"
#include "core/drawing.h"
#include "core/line_entity.h"
#include "core/polyline_entity.h"
#include "geometry/geometry.h"
#include "platform/command_menus.h"
#include "platform/message_box.h"
#include "platform/scoped_change.h"

namespace korvo {
namespace {

// A picked line, or a straight segment of a picked polyline, with the point of the tap.
struct PickedPiece {
  Entity* entity = nullptr;
  LineEntity* line = nullptr;          // when a line was picked
  PolylineEntity* polyline = nullptr;  // when a polyline was picked
  PolylineSegment segment;             // its segment nearest to the tap
  Point tap;

  Point Start() const { return line != nullptr ? line->start : segment.start; }
  Point End() const { return line != nullptr ? line->end : segment.end; }
};

// Lines, and polylines when their segments may be chamfered; never the first line again.
EntityFilter PieceFilter(const Entity* exceptLine, bool polylines) {
  return [exceptLine, polylines](const Entity& entity) {
    if (entity.GetElementCode() == ElementCode::Polyline) return polylines;
    return &entity != exceptLine && entity.GetElementCode() == ElementCode::Line;
  };
}

InputResult PickPiece(CommandEngine& engine, int promptId, const PickedPiece* first, bool polylines,
                      PickedPiece& out) {
  Entity* entity = nullptr;
  PickedPoints taps;
  const Entity* exceptLine = first != nullptr ? first->line : nullptr;
  // The first piece stays highlighted on the window while the second is picked.
  const AlsoShownSelected highlighted = [first](const Entity& candidate) {
    return first != nullptr && &candidate == first->entity;
  };
  const InputResult result =
      PickObject(engine, promptId, entity, &taps, PieceFilter(exceptLine, polylines), highlighted);
  if (result != InputResult::Picked) return result;
  const auto tap = entity != nullptr ? taps.find(entity) : taps.end();
  if (tap == taps.end()) return InputResult::Enter;
  out = {entity, entity->AsLine(), entity->AsPolyline(), {}, tap->second};
  if (out.polyline != nullptr) {
    const std::optional<PolylineSegment> segment = NearestStraightSegment(*out.polyline, out.tap);
    if (!segment) return InputResult::Enter;
    out.segment = *segment;
  }
  return out.line != nullptr || out.polyline != nullptr ? result : InputResult::Enter;
}

void MoveCutEnd(const PickedPiece& piece, const ChamferCut& cut) {
  if (piece.line != nullptr) {
    (cut.end == ChamferEnd::Start ? piece.line->start : piece.line->end) = cut.point;
    return;
  }
  const int vertex = cut.end == ChamferEnd::Start
                         ? piece.segment.index
                         : SegmentEndVertex(*piece.polyline, piece.segment);
  MoveVertex(*piece.polyline, vertex, cut.point);
}

// Two segments of one polyline meeting at a vertex that both cut ends are at: the vertex
// becomes the chamfer segment, and the polyline stays one object. Checked with `a` before
// `b` along the polyline; false when they do not meet so.
bool ChamferCornerOf(const PickedPiece& a, const ChamferCut& aCut, const PickedPiece& b,
                     const ChamferCut& bCut, Drawing& drawing) {
  PolylineEntity* polyline = a.polyline;
  if (polyline == nullptr || polyline != b.polyline) return false;
  const int shared = SegmentEndVertex(*polyline, a.segment);
  if (shared != b.segment.index || aCut.end != ChamferEnd::End || bCut.end != ChamferEnd::Start)
    return false;
  drawing.undo.RecordEntityChange(UndoKind::EntityModified, polyline);
  SplitVertex(*polyline, shared, aCut.point, bCut.point);
  return true;
}

// The ends moved to the chamfer points and, where the points differ, a joining line.
void ChamferApart(Drawing& drawing, const PickedPiece& a, const ChamferCut& aCut,
                  const PickedPiece& b, const ChamferCut& bCut, bool trim) {
  std::vector<Entity*> changed;
  if (trim) {
    changed.push_back(a.entity);
    if (b.entity != a.entity) changed.push_back(b.entity);
    drawing.undo.RecordListChange(UndoKind::EntityModified, changed);
    MoveCutEnd(a, aCut);
    MoveCutEnd(b, bCut);
  }
  if (aCut.point != bCut.point) {
    auto* joint = new LineEntity(aCut.point, bCut.point, drawing.settings);
    drawing.entities.AddTail(joint);
    drawing.undo.RecordEntityChange(UndoKind::EntityAdded, joint);
    changed.push_back(joint);
  }
  RemarkOutOfView(drawing, changed);
}

// Chamfers the two pieces; false (after the message) when they cannot be.
bool ChamferPieces(CommandEngine& engine, const ChamferOptions& options, const PickedPiece& a,
                   const PickedPiece& b) {
  const ChamferSide first{a.Start(), a.End(), a.tap, options.first};
  const ChamferSide second{b.Start(), b.End(), b.tap, options.second};
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
  const bool corner =
      options.trim && (ChamferCornerOf(a, chamfer.first, b, chamfer.second, drawing) ||
                       ChamferCornerOf(b, chamfer.second, a, chamfer.first, drawing));
  if (!corner) ChamferApart(drawing, a, chamfer.first, b, chamfer.second, options.trim);
  return true;
}

// One round: the two pieces, then the chamfer. False when an answer ends the command.
bool ChamferRound(CommandEngine& engine, ChamferOptions& options) {
  PickedPiece first;
  const InputResult firstResult =
      PickPiece(engine, StringId::ChamferFirstLinePrompt, nullptr, options.polyline, first);
  if (firstResult == InputResult::Default) return AskChamferOptions(engine, options);
  if (firstResult != InputResult::Picked) return false;
  ObjectHighlight highlight(engine.view(), *first.entity);
  PickedPiece second;
  InputResult secondResult;
  {
    // The window keeps the highlight, but a polyline must stay pickable for its other
    // segments: a pick toggles the selection of what it hits.
    const ScopedChange<uint8_t> unflagged(
        first.entity->flags, static_cast<uint8_t>(first.entity->flags & ~EntityFlag::Selected));
    secondResult =
        PickPiece(engine, StringId::ChamferSecondLinePrompt, &first, options.polyline, second);
  }
  highlight.Remove();
  if (secondResult == InputResult::Default) return true;
  if (secondResult != InputResult::Picked) return false;
  if (ChamferPieces(engine, options, first, second)) {
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
