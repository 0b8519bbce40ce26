#include <array>
#include <vector>

#include "plugin/commandset/commands.h"
#include "plugin/commandset/edit_questions.h"
#include "plugin/commandset/host.h"
#include "plugin/commandset/settings_record.h"
#include "plugin/commandset/sheet.h"
#include "plugin/commandset/spline_fit.h"
#include "plugin/commandset/strings.h"

namespace korvo::commandset {

namespace {

using namespace editing;
namespace S = PluginService;
namespace In = PluginInput;

constexpr int32_t kPickPrompt = 127;
constexpr int32_t kNotPolyline = 128;
constexpr int32_t kSheetTitle = 129;
constexpr int32_t kSmoothingItems = 130;
constexpr int32_t kSmoothingLabel = 131;
constexpr int32_t kClosedLabel = 132;
constexpr int32_t kSegmentsLabel = 133;
constexpr int32_t kYes = 187;
constexpr int32_t kNo = 188;
constexpr int32_t kZeroSegments = 221;

constexpr uint8_t kPolylineCode = 9;
constexpr int32_t kFlagsCode = 70;
constexpr int32_t kCurveTypeCode = 75;
constexpr int32_t kStartWidthCode = 40;
constexpr int32_t kEndWidthCode = 41;
constexpr int32_t kPositionCode = PluginPairCode(10, 20);

constexpr int32_t kClosedBit = 0x01;
constexpr int32_t kCurveFitBit = 0x02;
constexpr int32_t kSplineFitBit = 0x04;
constexpr int32_t kFrameControlPoint = 16;
constexpr int32_t kSplineVertex = 8;

// The sheet's smoothing list and the curve types they stand for.
enum Smoothing : int32_t { kNone = 0, kCubic = 1, kQuadratic = 2 };
constexpr int32_t kQuadraticCurve = 5;
constexpr int32_t kCubicCurve = 6;

struct PolylineState {
  int32_t smoothing;
  int32_t segments;
  uint8_t closed;
};

enum class Step { NextPick, End, Failed };

bool GetInt(PluginEntity* entity, int32_t code, int32_t* out) {
  return Call<GetEntityPropertyFn>(S::GetEntityProperty, entity, code, static_cast<void*>(out)) !=
         0;
}

bool SetInt(PluginEntity* entity, int32_t code, int32_t value) {
  return Call<SetEntityPropertyFn>(S::SetEntityProperty, entity, code,
                                   static_cast<const void*>(&value)) != 0;
}

// Marks every vertex of `polyline` as a control point of the spline frame and appends the
// fitted curve as spline vertices. A fit of more points than a polyline should hold is not
// made.
bool FitPolyline(PluginEntity* polyline, SplineKind kind, int32_t segments, bool closed) {
  std::vector<PluginEntity*> vertices;
  std::vector<PluginPoint> controls;
  PluginEntity* vertex = nullptr;
  if (Call<ChildWalkFn>(S::FirstChild, polyline, &vertex) == 0) return false;
  while (vertex != nullptr) {
    PluginPoint position{};
    if (Call<GetEntityPropertyFn>(S::GetEntityProperty, vertex, kPositionCode,
                                  static_cast<void*>(&position)) == 0) {
      return false;
    }
    vertices.push_back(vertex);
    controls.push_back(position);
    vertex = nullptr;
    if (Call<ChildWalkFn>(S::NextChild, polyline, &vertex) == 0) break;
  }
  if (SplinePointCount(controls.size(), kind, segments, closed) > kMostSplinePoints) return false;
  for (PluginEntity* v : vertices) {
    if (!SetInt(v, kFlagsCode, kFrameControlPoint)) return false;
  }
  if (vertices.empty()) return true;
  double startWidth = 0;
  double endWidth = 0;
  if (Call<GetEntityPropertyFn>(S::GetEntityProperty, vertices.front(), kStartWidthCode,
                                static_cast<void*>(&startWidth)) == 0 ||
      Call<GetEntityPropertyFn>(S::GetEntityProperty, vertices.back(), kEndWidthCode,
                                static_cast<void*>(&endWidth)) == 0) {
    return false;
  }
  const std::vector<PluginPoint> curve = FitSpline(controls, kind, segments, closed);
  for (const FittedVertex& v : FittedVertices(curve, closed, startWidth, endWidth)) {
    if (Call<AddPolylineVertexFn>(S::AddPolylineVertex, &v.position, v.startWidth, v.endWidth, 0.0,
                                  0.0, static_cast<uint8_t>(kSplineVertex), polyline) == 0) {
      return false;
    }
  }
  return true;
}

// Shows the sheet until it is cancelled or confirmed with a usable segment count.
int32_t AskConfiguration(PolylineState& state) {
  const std::array<SheetRow, 3> rows = {{
      {SheetRowKind::ListById, kSmoothingLabel, &state.smoothing, kSmoothingItems},
      {SheetRowKind::Int, kSegmentsLabel, &state.segments},
      {SheetRowKind::Choice, kClosedLabel, &state.closed, kYes, kNo},
  }};
  for (;;) {
    const int32_t result = ShowSheet(kSheetTitle, u"tool_PEDIT", rows);
    // A negative count could not be sampled either; it is refused as zero is.
    if (result != kSheetOk || state.segments > 0) return result;
    ShowMessage(kZeroSegments, PluginMessage::IconStop);
  }
}

// The flags and curve type after the user's choice, as the bits of the old flags allow.
void NewShape(int32_t oldFlags, int32_t oldCurve, const PolylineState& before,
              const PolylineState& after, int32_t* flags, int32_t* curve) {
  *flags = after.closed != 0 ? oldFlags | kClosedBit : oldFlags & ~kClosedBit;
  *curve = oldCurve;
  if (after.smoothing == before.smoothing) return;
  if (after.smoothing == kNone) {
    *curve = 0;
    *flags &= ~(kCurveFitBit | kSplineFitBit);
  } else {
    *curve = after.smoothing == kCubic ? kCubicCurve : kQuadraticCurve;
    *flags = (*flags & ~kCurveFitBit) | kSplineFitBit;
  }
}

// One pick: the sheet for the picked polyline and the change it asks for.
Step EditOne(bool* changed) {
  PluginEntity* polyline = nullptr;
  PluginPoint picked{};
  const std::u16string prompt = LoadString(kPickPrompt, kPluginTextCapacity);
  if (Call<PickEntityFn>(S::PickEntity, prompt.c_str(), &polyline, &picked) != In::Picked ||
      polyline == nullptr) {
    return Step::End;
  }
  uint8_t kind = 0;
  if (Call<GetEntityKindFn>(S::GetEntityKind, polyline, &kind) == 0) return Step::End;
  if (kind != kPolylineCode) {
    ShowMessage(kNotPolyline, PluginMessage::IconStop);
    return Step::End;
  }
  int32_t oldFlags = 0;
  int32_t oldCurve = 0;
  if (!GetInt(polyline, kFlagsCode, &oldFlags) || !GetInt(polyline, kCurveTypeCode, &oldCurve)) {
    return Step::Failed;
  }
  SettingsRecord& settings = ModuleSettings();
  if (Call<GetDrawingSettingsFn>(S::GetDrawingSettings, &settings) == 0) return Step::Failed;
  PolylineState before{kNone, settings.splineSegments, uint8_t((oldFlags & kClosedBit) != 0)};
  if ((oldFlags & kSplineFitBit) != 0) {
    if (oldCurve == kQuadraticCurve) before.smoothing = kQuadratic;
    if (oldCurve == kCubicCurve) before.smoothing = kCubic;
  }
  PolylineState after = before;
  const int32_t result = AskConfiguration(after);
  if (result == kSheetNotRun) return Step::Failed;
  if (result != kSheetOk) return Step::NextPick;
  if (after.smoothing < kNone || after.smoothing > kQuadratic) after.smoothing = kNone;
  if (after.smoothing == before.smoothing && after.segments == before.segments &&
      (after.closed != 0) == (before.closed != 0)) {
    return Step::NextPick;
  }

  if (after.segments != before.segments) {
    settings.splineSegments = after.segments;
    if (Call<SetDrawingSettingsFn>(S::SetDrawingSettings, &settings) == 0) return Step::Failed;
  }
  Call<DrawEntityFn>(S::DrawEntity, polyline, int32_t{1});
  *changed = true;
  // Plain flags first: clearing the spline bit drops an earlier fit, so that a smoothed
  // polyline is fitted afresh from its control points.
  if (!SetInt(polyline, kFlagsCode, after.closed != 0 ? kClosedBit : 0)) return Step::Failed;
  int32_t flags = 0;
  int32_t curve = 0;
  NewShape(oldFlags, oldCurve, before, after, &flags, &curve);
  if (curve != oldCurve && !SetInt(polyline, kCurveTypeCode, curve)) return Step::Failed;
  if (curve != 0) {
    const SplineKind spline = curve == kQuadraticCurve ? SplineKind::Quadratic : SplineKind::Cubic;
    if (!FitPolyline(polyline, spline, after.segments, after.closed != 0) ||
        !SetInt(polyline, kFlagsCode, flags)) {
      return Step::Failed;
    }
  }
  Call<DrawEntityFn>(S::DrawEntity, polyline, int32_t{1});
  return Step::NextPick;
}

}  // namespace

int RunPolylineEdit() {
  bool changed = false;
  Step step = Step::NextPick;
  while (step == Step::NextPick) step = EditOne(&changed);
  if (changed) Call<RefreshBlocksFn>(S::RefreshBlocks);
  return step == Step::Failed ? 0 : 1;
}

}  // namespace korvo::commandset
