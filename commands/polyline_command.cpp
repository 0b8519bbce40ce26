#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/draw_command.h"
#include "commands/draw_commands.h"
#include "commands/draw_option_sheets.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "core/drawing.h"
#include "core/polyline_entity.h"
#include "core/polyline_segments.h"
#include "geometry/geometry.h"
#include "platform/command_menus.h"
#include "platform/message_box.h"

namespace korvo {
namespace {

using SegmentMode = PolylineSegmentMode;

struct PolylineVertex {
  Point at;
  double startWidth = 0;
  double endWidth = 0;
  double bulge = 0;  // of the segment that starts here
};

// What the polyline menu asked for while a point question waited.
struct MenuRequest {
  std::optional<SegmentMode> mode;
  bool close = false;
  bool options = false;  // "Dialog...": the widths and the mode
};

// The menu's commands end the waiting question (as Enter would) and leave their request;
// outside the command they do nothing.
class PolylineMenuScope {
 public:
  PolylineMenuScope(CommandEngine& engine, MenuRequest& request) : engine_(engine) {
    engine.polylineClosable = false;
    const auto mode = [&request](SegmentMode m) {
      return [&request, m](CommandEngine& e, int) {
        request.mode = m;
        e.inputState = InputState::Enter;
      };
    };
    engine.RegisterCommand(CommandId::PolylineLines, mode(SegmentMode::Line));
    engine.RegisterCommand(CommandId::PolylineArcsByCenter, mode(SegmentMode::ArcByCenter));
    engine.RegisterCommand(CommandId::PolylineTangentArcs, mode(SegmentMode::TangentArc));
    engine.RegisterCommand(CommandId::PolylineClose, [&request](CommandEngine& e, int) {
      request.close = true;
      e.inputState = InputState::Enter;
    });
  }
  ~PolylineMenuScope() {
    engine_.polylineClosable = false;
    RegisterIdle(engine_);
  }
  PolylineMenuScope(const PolylineMenuScope&) = delete;
  PolylineMenuScope& operator=(const PolylineMenuScope&) = delete;

  static void RegisterIdle(CommandEngine& engine) {
    for (const int id : {CommandId::PolylineLines, CommandId::PolylineArcsByCenter,
                         CommandId::PolylineTangentArcs, CommandId::PolylineClose})
      engine.RegisterCommand(id, [](CommandEngine&, int) {});
  }

 private:
  CommandEngine& engine_;
};

std::unique_ptr<PolylineEntity> BuildPolyline(const DrawingSettings& settings,
                                              const std::vector<PolylineVertex>& vertices,
                                              bool closed) {
  auto polyline = std::make_unique<PolylineEntity>(settings);
  for (const PolylineVertex& v : vertices)
    polyline->AppendVertex(v.at, v.startWidth, v.endWidth, v.bulge, 0, 0);
  polyline->SetClosed(closed);
  polyline->RebuildSegments();
  return polyline;
}

// The direction the path leaves the last vertex in: the end tangent of the last segment.
// Before any segment the first tangential arc starts along the x axis.
Point EndDirection(const std::vector<PolylineVertex>& vertices) {
  if (vertices.size() < 2) return Point(1, 0);
  const PolylineVertex& a = vertices[vertices.size() - 2];
  const Point& b = vertices.back().at;
  // An arc of bulge k turns by 4·atan(k); its end tangent leaves the chord by half of that.
  const double angle = Angle(a.at, b) + 2 * std::atan(a.bulge);
  return Point(std::cos(angle), std::sin(angle));
}

class PolylineDialogue {
 public:
  PolylineDialogue(CommandEngine& engine, PolylineOptions& options)
      : engine_(engine), options_(options), preview_(engine.view()) {}

  MenuRequest& request() { return request_; }

  // One polyline from "Start?"; false when the command ends.
  bool Run() {
    vertices_.clear();
    mode_ = SegmentMode::Line;  // each polyline starts with line segments
    engine_.polylineClosable = false;
    Point start;
    if (GetPoint(engine_, start, StringId::PolylineStartPrompt, StringId::PolylineStartDescription,
                 kPointKeepWaiting) != InputResult::Picked)
      return false;
    vertices_.push_back({start, options_.startWidth, options_.endWidth, 0});
    for (;;) {
      request_ = {};
      // Closing needs two segments at least: one more joins the ends.
      engine_.polylineClosable = vertices_.size() >= 3;
      const InputResult result = mode_ == SegmentMode::ArcByCenter ? AskArcByCenter() : AskEnd();
      if (request_.mode) {
        mode_ = *request_.mode;
        continue;
      }
      if (request_.options) {
        AskOptions();
        continue;
      }
      if (request_.close) {
        if (vertices_.size() < 3) continue;
        vertices_.back().bulge = 0;
        Finish(true);
        return true;
      }
      if (result == InputResult::Cancel) return false;
      if (result != InputResult::Picked) {
        Finish(false);
        return true;
      }
    }
  }

 private:
  // The end of a line or tangential-arc segment; a picked end is appended.
  InputResult AskEnd() {
    const Point from = vertices_.back().at;
    const int description = mode_ == SegmentMode::Line ? StringId::PolylineLineEndDescription
                                                       : StringId::PolylineArcEndDescription;
    for (;;) {
      Point at;
      const InputResult result = Ask(from, at, StringId::PolylineEndPrompt, description,
                                     [&](const Point& p) { return SegmentCandidate(p); });
      if (result != InputResult::Picked) return result;
      const std::optional<double> bulge = SegmentTo(at);
      if (!bulge) continue;
      Append(at, *bulge);
      return result;
    }
  }

  // A centre, then the end of the arc about it; a refused centre is asked again, and so is
  // the centre when the end question gets no point.
  InputResult AskArcByCenter() {
    const Point from = vertices_.back().at;
    for (;;) {
      Point center;
      const InputResult result =
          Ask(from, center, StringId::PolylineCenterPrompt, StringId::PolylineCenterDescription,
              [](const Point&) { return std::optional<PolylineVertex>(); });
      if (result != InputResult::Picked) return result;
      if (AreNear(center, from)) {
        Refuse(StringId::PolylineBadArcEndMessage);
        continue;
      }
      for (;;) {
        Point at;
        const InputResult end = Ask(
            center, at, StringId::PolylineArcEndPrompt, StringId::PolylineArcEndDescription,
            [&](const Point& p) { return ArcCandidate(center, p); }, kPointNoDefault);
        if (end == InputResult::Cancel || request_.mode || request_.close || request_.options)
          return end;
        if (end != InputResult::Picked) break;
        const std::optional<double> bulge = ArcAbout(center, at);
        if (!bulge) continue;
        Append(OnCircle(center, at), *bulge);
        return end;
      }
    }
  }

  std::optional<PolylineVertex> ArcCandidate(const Point& center, const Point& p) {
    const std::optional<double> bulge = ArcAbout(center, p, true);
    if (!bulge) return std::nullopt;
    return PolylineVertex{OnCircle(center, p), 0, 0, *bulge};
  }

  std::optional<PolylineVertex> SegmentCandidate(const Point& p) {
    const std::optional<double> bulge = SegmentTo(p, true);
    if (!bulge) return std::nullopt;
    return PolylineVertex{p, 0, 0, *bulge};
  }

  // The point `p` moved onto the circle about `center` through the last vertex.
  Point OnCircle(const Point& center, const Point& p) const {
    const double radius = Distance(center, vertices_.back().at);
    const Point unit = UnitVector(Point(p.x - center.x, p.y - center.y));
    return Point(center.x + radius * unit.x, center.y + radius * unit.y);
  }

  // The bulge of the counter-clockwise arc about `center` to the ray through `p`; none, with
  // the message, when the ray is undefined or the arc would end where it starts.
  std::optional<double> ArcAbout(const Point& center, const Point& p, bool quiet = false) {
    if (AreNear(center, p)) {
      if (!quiet) Refuse(StringId::PolylineBadArcEndMessage);
      return std::nullopt;
    }
    const Point end = OnCircle(center, p);
    if (AreNear(end, vertices_.back().at)) {
      if (!quiet) Refuse(StringId::PolylineZeroDistanceMessage);
      return std::nullopt;
    }
    return ArcVertexBulge(static_cast<int>(ArcVertexMode::Center), vertices_.back().at, center,
                          end);
  }

  // The bulge of the segment to `p` in the current mode; none, with the message, for a
  // point on the last vertex or a tangential arc that would have to turn back.
  std::optional<double> SegmentTo(const Point& p, bool quiet = false) {
    const Point from = vertices_.back().at;
    if (AreNear(p, from)) {
      if (!quiet) Refuse(StringId::PolylineZeroDistanceMessage);
      return std::nullopt;
    }
    if (mode_ == SegmentMode::Line) return 0.0;
    const Point direction = EndDirection(vertices_);
    const Point reference(from.x - direction.x, from.y - direction.y);
    const double bulge =
        ArcVertexBulge(static_cast<int>(ArcVertexMode::Tangent), from, reference, p);
    const Point chord = UnitVector(Point(p.x - from.x, p.y - from.y));
    // Straight ahead is a straight segment; straight back no arc can reach.
    if (bulge == 0 && chord.x * direction.x + chord.y * direction.y < 0) {
      if (!quiet) Refuse(StringId::PolylineBadArcEndMessage);
      return std::nullopt;
    }
    return bulge;
  }

  // The end and bulge of the segment a cursor point would add; none shows the polyline as
  // it stands.
  using CandidateOf = std::function<std::optional<PolylineVertex>(const Point&)>;

  InputResult Ask(const Point& base, Point& at, int promptId, int descriptionId,
                  const CandidateOf& candidateOf,
                  uint32_t flags = kPointNoDefault | kPointDefaultAnyway) {
    for (;;) {
      // "Dialog..." at these questions shows the polyline's options, not the coordinates.
      engine_.ownInputDialog = [this](CommandEngine& e) {
        request_.options = true;
        e.inputState = InputState::Enter;
      };
      const InputResult result = GetPoint(engine_, base, base, at, promptId, descriptionId, flags);
      if (result == InputResult::CursorMoved) {
        ShowCandidate(candidateOf(at));
        continue;
      }
      if (result == InputResult::PenMoved) continue;
      preview_.Hide();
      return result;
    }
  }

  void ShowCandidate(const std::optional<PolylineVertex>& next) {
    std::vector<PolylineVertex> candidate = vertices_;
    if (next) {
      candidate.back().bulge = next->bulge;
      candidate.push_back({next->at, options_.startWidth, options_.endWidth, 0});
    }
    preview_.Show(BuildPolyline(engine_.drawing().settings, candidate, false));
  }

  // A cancelled dialog changes nothing; accepted widths hold from the segment that starts at
  // the last vertex on.
  void AskOptions() {
    SegmentMode mode = mode_;
    if (!AskPolylineOptions(engine_, options_, mode)) return;
    mode_ = mode;
    vertices_.back().startWidth = options_.startWidth;
    vertices_.back().endWidth = options_.endWidth;
  }

  void Append(const Point& at, double bulge) {
    vertices_.back().bulge = bulge;
    vertices_.push_back({at, options_.startWidth, options_.endWidth, 0});
  }

  void Refuse(int messageId) {
    engine_.messageBox().Show(LoadHostString(messageId), MessageButtons::Ok, MessageIcon::Stop);
  }

  void Finish(bool closed) {
    preview_.Hide();
    if (vertices_.size() < 2) return;
    AddDrawnEntity(engine_, BuildPolyline(engine_.drawing().settings, vertices_, closed));
  }

  CommandEngine& engine_;
  PolylineOptions& options_;
  ShapePreview preview_;
  std::vector<PolylineVertex> vertices_;
  SegmentMode mode_ = SegmentMode::Line;
  MenuRequest request_;
};

}  // namespace

void RunPolyline(CommandEngine& engine, PolylineOptions& options) {
  const DrawCommandScope scope(engine, CommandId::DrawPolyline, kPolylineMenuBar);
  PolylineDialogue dialogue(engine, options);
  const PolylineMenuScope menu(engine, dialogue.request());
  while (dialogue.Run()) {
  }
}

}  // namespace korvo
