#include <numbers>

#include "plugin/commandset/commands.h"
#include "plugin/commandset/construction_geometry.h"
#include "plugin/commandset/draw_string_ids.h"
#include "plugin/commandset/entity_creation.h"
#include "plugin/commandset/question.h"

namespace korvo::commandset {

namespace {

using namespace DrawString;

constexpr Placement kPreview = Placement::Temporary;
constexpr double kFullTurn = 2 * std::numbers::pi;

PluginEntity* AddArcOf(const EllipseAxes& axes, double start, double end, Placement placement) {
  return AddEllipticArc(axes.center, axes.majorRadius, axes.ratio, axes.axisAngle, start, end,
                        placement);
}

// The guide line from the centre to the cursor.
void ShowGuide(Preview& preview, const PluginPoint& center, const PluginPoint& cursor) {
  if (!SamePoint(center, cursor)) preview.Show(AddLine(center, cursor, kPreview));
}

// A question about the ellipse whose default answer is the major axis end.
Question AboutAxis(int32_t promptId, int32_t helpId, uint32_t flags, const PluginPoint& center,
                   const PluginPoint& majorEnd) {
  return {promptId, helpId, flags, center, majorEnd, DefaultAnswer::IsPoint};
}

// The minor radius, start and end questions both ellipse commands end with, and the arc they
// give. False when the command ends.
bool AskArcAndAdd(const PluginPoint& c, const PluginPoint& m) {
  const Answer minor = Ask(
      AboutAxis(MinorRadiusPrompt, MinorRadiusHelp, PluginPointFlag::ShowDistance, c, m),
      [&](const PluginPoint& cursor, Preview& preview) {
        if (Distance(c, cursor) == 0) return;
        preview.Show(AddArcOf(AxesOf(c, m, cursor), 0, kFullTurn, kPreview));
        ShowGuide(preview, c, cursor);
      },
      [&](const PluginPoint& p) { return AwayFrom(p, c); });
  if (!minor.Answered()) return false;
  const PluginPoint n = minor.point;
  const EllipseAxes axes = AxesOf(c, m, n);

  const Answer start =
      Ask(AboutAxis(StartAnglePrompt, StartAngleHelp, PluginPointFlag::ShowAngle, c, m),
          [&](const PluginPoint& cursor, Preview& preview) {
            preview.Show(AddArcOf(axes, ParameterOf(axes, cursor), kFullTurn, kPreview));
            ShowGuide(preview, c, cursor);
          });
  if (!start.Answered()) return false;
  const double startParameter = ParameterOf(axes, start.point);

  const Answer end =
      Ask(AboutAxis(EndAnglePrompt, EndAngleHelp, PluginPointFlag::ShowAngle, c, m),
          [&](const PluginPoint& cursor, Preview& preview) {
            preview.Show(AddArcOf(axes, startParameter, EndParameterOf(axes, cursor), kPreview));
            ShowGuide(preview, c, cursor);
          });
  if (!end.Answered()) return false;

  const EllipticArc arc = EllipticArcOf(c, m, n, start.point, end.point);
  return AddArcOf(arc.axes, arc.startParameter, arc.endParameter, Placement::Drawing) != nullptr;
}

}  // namespace

int RunEllipseCenter() {
  for (;;) {
    const Answer center = Ask({EllipseCenterPrompt, EllipseCenterHelp, QuestionFlags::FirstOrDone});
    if (center.code != PluginInput::Picked) return 1;
    const PluginPoint c = center.point;
    const Answer major = Ask(
        {MajorEndPrompt, MajorEndHelp, PluginPointFlag::NoDefault, c, c},
        [&](const PluginPoint& cursor, Preview& preview) {
          if (Distance(c, cursor) == 0) return;
          preview.Show(AddCircleCenterPoint(c, cursor, kPreview));
          ShowGuide(preview, c, cursor);
        },
        [&](const PluginPoint& p) { return AwayFrom(p, c); });
    if (major.code != PluginInput::Picked) return 1;
    if (!AskArcAndAdd(c, major.point)) return 1;
  }
}

int RunEllipseDiameter() {
  for (;;) {
    const Answer first = Ask({MajorEndPrompt, MajorEndHelp, QuestionFlags::FirstOrDone});
    if (first.code != PluginInput::Picked) return 1;
    const PluginPoint a = first.point;
    // The centre lies midway; the axis is refused when the half of it comes out as nothing.
    const Answer other = Ask(
        {OtherMajorEndPrompt, OtherMajorEndHelp, PluginPointFlag::NoDefault, a, a},
        [&](const PluginPoint& cursor, Preview& preview) {
          if (Distance(Midpoint(a, cursor), cursor) == 0) return;
          preview.Show(AddCircleDiameter(a, cursor, kPreview));
          preview.Show(AddLine(a, cursor, kPreview));
        },
        [&](const PluginPoint& p) { return AwayFrom(p, Midpoint(a, p)); });
    if (other.code != PluginInput::Picked) return 1;
    if (!AskArcAndAdd(Midpoint(a, other.point), other.point)) return 1;
  }
}

}  // namespace korvo::commandset
