#include <optional>

#include "plugin/commandset/commands.h"
#include "plugin/commandset/edit_questions.h"
#include "plugin/commandset/host.h"
#include "plugin/commandset/plane_vector.h"
#include "plugin/commandset/trace_geometry.h"

namespace korvo::commandset {

namespace {

using namespace editing;
namespace In = PluginInput;
namespace Flag = PluginPointFlag;

constexpr int32_t kStartPrompt = 113;
constexpr int32_t kStartHelp = 122;
constexpr int32_t kWidthPrompt = 108;
constexpr int32_t kWidthHelp = 109;
constexpr int32_t kNextPrompt = 125;
constexpr int32_t kNextHelp = 126;

bool AddTraceToDrawing(const TraceCorners& c) {
  const PluginPoint points[4] = {c.startLeft, c.startRight, c.endLeft, c.endRight};
  return Call<AddTraceFn>(PluginService::AddTrace, static_cast<const PluginPoint*>(points),
                          kPluginCurrentColor, kPluginDefaultLineWeight,
                          static_cast<const char16_t*>(nullptr),
                          static_cast<const char16_t*>(nullptr),
                          static_cast<const char16_t*>(nullptr)) != nullptr;
}

// The width question: the answer's distance from the start becomes the width.
bool AskWidth(PluginPoint start, double& width) {
  const PointQuestion question{kWidthPrompt, kWidthHelp, Flag::ShowDistance, start,
                               start + PluginPoint{width, 0}};
  Previews previews;
  for (;;) {
    PluginPoint p{};
    const int32_t code = AskPoint(question, &p);
    previews.Clear();
    if (code == In::CursorMoved) {
      if (!(p == start)) previews.Show(TemporaryLine(start, p));
    } else if (code == In::Picked || code == In::Default) {
      width = Length(p - start);
      return true;
    } else if (code != In::PenMoved) {
      return false;
    }
  }
}

enum class TraceEnd { Ended, Failed };

// The segment questions of one trace, from its start point on. A segment is created only once
// the next point (or Enter) tells how its end joins.
TraceEnd DrawSegments(PluginPoint start, double width) {
  PluginPoint previous = start;
  PluginPoint current = start;
  // The segment previous-current, its start already joined, its end still square.
  std::optional<TraceCorners> pending;
  Previews previews;
  for (;;) {
    PluginPoint p{};
    const PointQuestion question{kNextPrompt, kNextHelp, Flag::NoDefault | Flag::AllowDefault,
                                 current, previous};
    const int32_t code = AskPoint(question, &p);
    previews.Clear();
    if (code == In::PenMoved) continue;
    if (code == In::CursorMoved || code == In::Picked) {
      // A point on the current vertex gives the next segment no direction.
      if (p == current) continue;
      TraceCorners next = SegmentCorners(current, p, width);
      std::optional<TraceCorners> joined = pending;
      if (joined) JoinTraceSegments(previous, current, p, width, *joined, next);
      if (code == In::CursorMoved) {
        if (joined) previews.Show(TemporaryTrace(*joined));
        previews.Show(TemporaryTrace(next));
        continue;
      }
      if (joined && !AddTraceToDrawing(*joined)) return TraceEnd::Failed;
      pending = next;
      previous = current;
      current = p;
      continue;
    }
    if (code == In::Default && pending) {
      // The last segment joins towards the point Enter reported; when that gives it no
      // direction the end stays square.
      TraceCorners last = *pending;
      if (!(p == current)) {
        TraceCorners unused = SegmentCorners(current, p, width);
        JoinTraceSegments(previous, current, p, width, last, unused);
      }
      if (!AddTraceToDrawing(last)) return TraceEnd::Failed;
    }
    return TraceEnd::Ended;
  }
}

}  // namespace

int RunTrace() {
  // Kept from one trace to the next while the command runs.
  double width = 1.0;
  for (;;) {
    PluginPoint start{};
    if (AskPoint({kStartPrompt, kStartHelp,
                  Flag::NoBase | Flag::NoDefault | Flag::KeepWaiting | Flag::AllowDefault},
                 &start) != In::Picked) {
      return 1;
    }
    // The trace starts where the user said it starts; the width answer only measures.
    if (!AskWidth(start, width)) return 1;
    if (DrawSegments(start, width) == TraceEnd::Failed) return 1;
  }
}

}  // namespace korvo::commandset
