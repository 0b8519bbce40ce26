#include <cstdint>
#include <limits>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/object_selection.h"
#include "commands/point_input.h"
#include "core/drawing.h"
#include "platform/command_menus.h"
#include "platform/message_queue.h"
#include "platform/window.h"
#include "plugin/service_support.h"
#include "plugin/service_table.h"

namespace korvo {
namespace {

// The marker that tells PumpMessages it has gone once round the queue.
constexpr std::u16string_view kPumpMarkerName = u"KorvoCAD:PumpMessages:{5B0E4C8A-7F3D}";

// What PumpMessages answers.
constexpr int32_t kPumpIdle = 0;
constexpr int32_t kPumpCancelled = -1;
constexpr int32_t kPumpEnter = -2;

bool IsPenOrKey(MessageKind kind) {
  return kind == MessageKind::PenDown || kind == MessageKind::PenMove ||
         kind == MessageKind::PenUp || kind == MessageKind::KeyDown;
}

// The view's command state after a dispatched message: Enter stops the pump, a cancel is
// consumed.
int32_t PumpVerdict(CommandEngine& engine) {
  if (engine.inputState == InputState::Enter) return kPumpEnter;
  if (engine.inputState == InputState::Cancel) {
    engine.inputState = InputState::None;
    return kPumpCancelled;
  }
  return kPumpIdle;
}

// Dispatches what is queued now, without asking for more input. Pen and key messages for the
// view are put back behind a marker, so that the next question still gets them.
int32_t Pump(CommandEngine& engine) {
  MessageQueue& queue = engine.queue();
  Window* viewWindow = engine.viewWindow();
  const uint32_t marker = queue.RegisterMessage(kPumpMarkerName);
  bool markerPosted = false;
  Message message;
  while (queue.Peek(message, {}, PeekMode::Remove)) {
    if (message.kind == MessageKind::Registered && message.registeredId == marker) break;
    if (viewWindow != nullptr && message.target == viewWindow && IsPenOrKey(message.kind)) {
      if (!markerPosted) markerPosted = queue.Post(RegisteredMessage(viewWindow, marker, 0, 0));
      queue.Post(message);
      continue;
    }
    queue.Dispatch(message);
    const int32_t verdict = PumpVerdict(engine);
    if (verdict != kPumpIdle) return verdict;
  }
  return PumpVerdict(engine);
}

int32_t GetPointService(PluginContext* context, const PluginPoint* base,
                        const PluginPoint* reference, PluginPoint* out, PluginStr prompt,
                        PluginStr help, uint32_t flags) {
  if (Live(context) == nullptr) return PluginInput::NotAvailable;
  RefreshBlocks(*context, Repaint::WhenRefreshed);
  auto& points = context->queuedPoints;
  auto& codes = context->queuedCodes;
  if (points.size() != codes.size()) return PluginInput::QueueBroken;
  CommandEngine& engine = *context->engine;
  if (!points.empty()) {
    const Point point = points.back();
    const int32_t code = codes.back();
    points.pop_back();
    codes.pop_back();
    if (out != nullptr) *out = ToPluginPoint(point);
    View& view = *context->view;
    view.HideCursor();
    if (code == PluginInput::CursorMoved) view.ShowCursorAtWorld(true, point);
    const int32_t pumped = Pump(engine);
    if (pumped == kPumpCancelled) return PluginInput::Cancel;
    if (pumped == kPumpEnter) return PluginInput::Enter;
    return code;
  }
  const Point from = base != nullptr ? ToPoint(*base) : Point();
  const Point byDefault = reference != nullptr ? ToPoint(*reference) : Point();
  Point answer;
  const InputResult result =
      GetPoint(engine, from, byDefault, answer, PromptText{TextOf(prompt), TextOf(help)}, flags);
  // Only these answers carry a point; the others leave the caller's point as it was.
  const bool withPoint = result == InputResult::CursorMoved || result == InputResult::Picked ||
                         result == InputResult::Default;
  if (out != nullptr && withPoint) *out = ToPluginPoint(answer);
  return static_cast<int32_t>(result);
}

int32_t QueuePointService(PluginContext* context, const PluginPoint* point, int32_t code) {
  if (Live(context) == nullptr || point == nullptr) return 0;
  if (code < std::numeric_limits<int16_t>::min() || code > std::numeric_limits<int16_t>::max())
    return 0;
  if (context->queuedPoints.size() != context->queuedCodes.size()) return 0;
  context->queuedPoints.push_back(ToPoint(*point));
  context->queuedCodes.push_back(static_cast<int16_t>(code));
  return 1;
}

int32_t PumpMessagesService(PluginContext* context) {
  if (Live(context) == nullptr) return kPumpCancelled;
  return Pump(*context->engine);
}

int32_t PickEntityService(PluginContext* context, PluginStr prompt, PluginEnt* out,
                          PluginPoint* outPoint) {
  if (Live(context) == nullptr || out == nullptr) return 0;
  *out = nullptr;
  Entity* picked = nullptr;
  PickedPoints where;
  const InputResult result =
      PickObject(*context->engine, PromptText{TextOf(prompt), {}}, picked, &where);
  if (result == InputResult::Picked && picked != nullptr) {
    *out = context->Issue(picked);
    const auto at = where.find(picked);
    if (outPoint != nullptr && at != where.end()) *outPoint = ToPluginPoint(at->second);
  }
  return static_cast<int32_t>(result);
}

int32_t SelectObjectsService(PluginContext* context, PluginStr prompt) {
  if (Live(context) == nullptr) return 0;
  CommandEngine& engine = *context->engine;
  // The selection's own menu bar (select all, deselect all, window) while it runs.
  const int shown = engine.menus().Shown();
  engine.menus().Show(kSelectionMenuBar);
  const InputResult result =
      SelectObjects(engine, PromptText{TextOf(prompt), {}}, SelectionMode::Many);
  engine.menus().Show(shown);
  return static_cast<int32_t>(result);
}

int32_t StopCommandService(PluginContext* context) {
  if (Live(context) == nullptr) return 0;
  Window* frame = context->engine->frameWindow();
  if (frame == nullptr) return 0;
  // Sent, not posted: the running question sees the cancel at once.
  context->engine->queue().Dispatch(CommandMessage(frame, CommandId::Stop));
  return 1;
}

// The prompt bar is part of the main window and never hidden here, so showing it only needs a
// main window to belong to.
int32_t ShowMainBarService(PluginContext* context) {
  return Live(context) != nullptr && context->engine->frameWindow() != nullptr ? 1 : 0;
}

}  // namespace

void* InputService(int32_t id) {
  switch (id) {
    case PluginService::GetPoint:
      return ServiceAddressOf<GetPointFn>(&GetPointService);
    case PluginService::QueuePoint:
      return ServiceAddressOf<QueuePointFn>(&QueuePointService);
    case PluginService::PumpMessages:
      return ServiceAddressOf<PumpMessagesFn>(&PumpMessagesService);
    case PluginService::PickEntity:
      return ServiceAddressOf<PickEntityFn>(&PickEntityService);
    case PluginService::SelectObjects:
      return ServiceAddressOf<SelectObjectsFn>(&SelectObjectsService);
    case PluginService::StopCommand:
      return ServiceAddressOf<StopCommandFn>(&StopCommandService);
    case PluginService::ShowMainBar:
      return ServiceAddressOf<ShowMainBarFn>(&ShowMainBarService);
    default:
      return nullptr;
  }
}

}  // namespace korvo
