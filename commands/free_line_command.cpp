#include <memory>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/draw_command.h"
#include "commands/draw_commands.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "core/block_definition.h"
#include "core/drawing.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "platform/message_box.h"
#include "view/view.h"

namespace korvo {
namespace {

constexpr std::u16string_view kFreeLinePrefix = u"*FLD";

// One stroke of the pen: a block of its own and the reference that shows it. The block's
// base point and the reference's insertion point are both the origin, so block and drawing
// coordinates agree.
class Stroke {
 public:
  Stroke(CommandEngine& engine, BlockDefinition& block, InsertEntity& reference, const Point& at)
      : engine_(engine), block_(block), reference_(reference), last_(at) {}

  // Adds the segment from the last pen position, or lengthens the last segment when the pen
  // keeps its direction on the screen, so that a straight drag gives one segment.
  void MoveTo(const Point& at) {
    const View& view = engine_.view();
    const ScreenPoint from = view.WorldToScreen(last_);
    const ScreenPoint to = view.WorldToScreen(at);
    if (from.x == to.x && from.y == to.y) return;
    const long dx = to.x - from.x;
    const long dy = to.y - from.y;
    const bool straightOn =
        lastLine_ != nullptr && dx * lastDy_ == dy * lastDx_ && dx * lastDx_ + dy * lastDy_ > 0;
    auto piece = std::make_unique<LineEntity>(last_, at, engine_.drawing().settings);
    engine_.view().DrawOver(*piece);
    if (straightOn) {
      lastLine_->end = at;
      lastShown_->end = at;
    } else {
      lastLine_ = piece.get();
      block_.AddTail(piece.release());
      lastShown_ = static_cast<LineEntity*>(EntityList::Clone(*lastLine_));
      reference_.expanded.AddTail(lastShown_);
      lastDx_ = dx;
      lastDy_ = dy;
    }
    last_ = at;
  }

  // The block's extents as its lines now stand.
  void Finish() {
    Point min;
    Point max;
    if (block_.GetExtents(min, max)) block_.extent = Size(max.x - min.x, max.y - min.y);
  }

 private:
  CommandEngine& engine_;
  BlockDefinition& block_;
  InsertEntity& reference_;
  Point last_;
  LineEntity* lastLine_ = nullptr;   // in the block
  LineEntity* lastShown_ = nullptr;  // its copy in the reference
  long lastDx_ = 0;
  long lastDy_ = 0;
};

// Starts a stroke at `at`: a new free-line block and a reference to it, both recorded.
// Null, with the message, when every allowed group name is taken.
std::unique_ptr<Stroke> StartStroke(CommandEngine& engine, const Point& at) {
  Drawing& drawing = engine.drawing();
  int counter = 1;
  const std::u16string name = drawing.MakeUniqueBlockName(kFreeLinePrefix, counter);
  if (counter - 1 > kMaxFreeLineGroups) {
    engine.messageBox().Show(LoadHostString(StringId::FreeLineLimitMessage), MessageButtons::Ok,
                             MessageIcon::Exclamation);
    return nullptr;
  }
  auto* block = new BlockDefinition(name);
  drawing.blocks.Add(block);
  drawing.undo.RecordChange(UndoKind::BlockAdded, block);
  auto* reference = new InsertEntity(name, Point(0, 0), 1, 1, 0, drawing.settings);
  const ListPosition where = drawing.entities.AddTail(reference);
  drawing.undo.RecordChange(UndoKind::EntityAdded, reference, where);
  drawing.SetModifiedFlag(true);
  return std::make_unique<Stroke>(engine, *block, *reference, at);
}

// Restores the cursor however the command ends.
class CursorScope {
 public:
  explicit CursorScope(CommandEngine& engine)
      : engine_(engine), before_(engine.view().cursorStyle()) {
    engine.SetCursorStyle(CursorStyle::None);
    engine.hoverMovesCursor = false;
  }
  ~CursorScope() {
    engine_.hoverMovesCursor = true;
    engine_.SetCursorStyle(before_);
  }
  CursorScope(const CursorScope&) = delete;
  CursorScope& operator=(const CursorScope&) = delete;

 private:
  CommandEngine& engine_;
  CursorStyle before_;
};

}  // namespace

void RunFreeLine(CommandEngine& engine) {
  const DrawCommandScope scope(engine, CommandId::DrawFreeLine);
  const CursorScope cursor(engine);
  std::unique_ptr<Stroke> stroke;
  for (;;) {
    Point at;
    const InputResult result = GetPoint(engine, Point(), Point(), at, StringId::FreeLinePrompt, 0,
                                        kPointNoBase | kPointNoDialog);
    if (result == InputResult::CursorMoved) {
      if (stroke == nullptr) {
        stroke = StartStroke(engine, at);
        if (stroke == nullptr) return;
      } else {
        stroke->MoveTo(at);
      }
      continue;
    }
    if (result == InputResult::PenMoved) continue;
    if (result == InputResult::Picked && stroke != nullptr) stroke->MoveTo(at);
    if (stroke != nullptr) stroke->Finish();
    stroke.reset();
    if (result != InputResult::Picked && result != InputResult::Default) break;
  }
  engine.RepaintNow();
}

}  // namespace korvo
