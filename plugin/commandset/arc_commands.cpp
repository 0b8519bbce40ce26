#include "plugin/commandset/commands.h"
#include "plugin/commandset/construction_geometry.h"
#include "plugin/commandset/draw_string_ids.h"
#include "plugin/commandset/entity_creation.h"
#include "plugin/commandset/question.h"

namespace korvo::commandset {

namespace {

using namespace DrawString;

constexpr Placement kPreview = Placement::Temporary;

// An arc about a centre: the centre and start questions ARCCEN and ARCCSA share.
struct CenterAndStart {
  bool answered = false;
  PluginPoint center{};
  PluginPoint start{};
};

CenterAndStart AskCenterAndStart() {
  const Answer center = Ask({ArcCenterPrompt, ArcCenterHelp, QuestionFlags::First});
  if (center.code != PluginInput::Picked) return {};
  const PluginPoint c = center.point;
  const Answer start = Ask(
      {ArcStartPrompt, ArcStartHelp, PluginPointFlag::NoDefault, c, c},
      [&](const PluginPoint& cursor, Preview& preview) {
        if (SamePoint(cursor, c)) return;
        preview.Show(AddCircleCenterPoint(c, cursor, kPreview));
        preview.Show(AddLine(c, cursor, kPreview));
      },
      [&](const PluginPoint& p) { return DifferentFrom(p, {c}); });
  if (start.code != PluginInput::Picked) return {};
  return {true, c, start.point};
}

// The arc about `center` from `start` to the direction of `end`, with its radius line.
void ShowArcAbout(Preview& preview, const PluginPoint& center, const PluginPoint& start,
                  const PluginPoint& end) {
  if (SamePoint(end, start) || SamePoint(end, center)) return;
  preview.Show(AddArcCenterStartEnd(center, start, end, kPreview));
  preview.Show(AddLine(center, end, kPreview));
}

}  // namespace

int RunArc3Point() {
  for (;;) {
    const Answer start = Ask({ArcStartPrompt, ArcStartHelp, QuestionFlags::First});
    if (start.code != PluginInput::Picked) return 1;
    const PluginPoint s = start.point;
    const Answer second = Ask(
        {ArcSecondPrompt, ArcSecondHelp, PluginPointFlag::NoDefault, s, s},
        [&](const PluginPoint& cursor, Preview& preview) {
          if (!SamePoint(cursor, s)) preview.Show(AddLine(s, cursor, kPreview));
        },
        [&](const PluginPoint& p) { return DifferentFrom(p, {s}); });
    if (second.code != PluginInput::Picked) return 1;
    const PluginPoint m = second.point;
    const Answer end = Ask(
        {ArcEndPrompt, ArcEndHelp, PluginPointFlag::NoDefault, m, m},
        [&](const PluginPoint& cursor, Preview& preview) {
          if (DifferentFrom(cursor, {s, m}) == Verdict::Accept)
            preview.Show(AddArc3P(s, m, cursor, kPreview));
        },
        [&](const PluginPoint& p) {
          return DifferentFrom(p, {s, m});
        });
    if (end.code != PluginInput::Picked) return 1;
    // Collinear points go to the host as they are; its construction decides.
    if (AddArc3P(s, m, end.point, Placement::Drawing) == nullptr) return 1;
  }
}

int RunArcCenter() {
  for (;;) {
    const CenterAndStart arc = AskCenterAndStart();
    if (!arc.answered) return 1;
    const PluginPoint c = arc.center;
    const PluginPoint s = arc.start;
    const Answer end = Ask(
        {ArcEndPrompt, ArcEndHelp, PluginPointFlag::NoDefault, c, c},
        [&](const PluginPoint& cursor, Preview& preview) { ShowArcAbout(preview, c, s, cursor); },
        [&](const PluginPoint& p) {
          return DifferentFrom(p, {s, c});
        });
    if (end.code != PluginInput::Picked) return 1;
    if (AddArcCenterStartEnd(c, s, end.point, Placement::Drawing) == nullptr) return 1;
  }
}

int RunArcCenterStartAngle() {
  for (;;) {
    const CenterAndStart arc = AskCenterAndStart();
    if (!arc.answered) return 1;
    const PluginPoint c = arc.center;
    const PluginPoint s = arc.start;
    const Answer angle = Ask(
        {ArcAnglePrompt, ArcAngleHelp, PluginPointFlag::NoDefault | PluginPointFlag::ShowAngle, c,
         s},
        [&](const PluginPoint& cursor, Preview& preview) {
          ShowArcAbout(preview, c, s, IncludedAngleEnd(c, s, cursor));
        },
        [&](const PluginPoint& p) {
          return DifferentFrom(IncludedAngleEnd(c, s, p), {s, c});
        });
    if (angle.code != PluginInput::Picked) return 1;
    const PluginPoint end = IncludedAngleEnd(c, s, angle.point);
    if (AddArcCenterStartEnd(c, s, end, Placement::Drawing) == nullptr) return 1;
  }
}

}  // namespace korvo::commandset
