#include "plugin/commandset/commands.h"
#include "plugin/commandset/construction_geometry.h"
#include "plugin/commandset/draw_string_ids.h"
#include "plugin/commandset/entity_creation.h"
#include "plugin/commandset/question.h"

namespace korvo::commandset {

namespace {

using namespace DrawString;

constexpr Placement kPreview = Placement::Temporary;

// The second question of a circle given by two points: the cursor must differ from `first`;
// `shape` builds the circle the preview shows with its guide line from `first`.
template <typename Shape>
Answer AskSecondPoint(const Question& question, const PluginPoint& first, Shape shape) {
  return Ask(
      question,
      [&](const PluginPoint& cursor, Preview& preview) {
        if (SamePoint(cursor, first)) return;
        preview.Show(shape(first, cursor, kPreview));
        preview.Show(AddLine(first, cursor, kPreview));
      },
      [&](const PluginPoint& p) { return DifferentFrom(p, {first}); });
}

constexpr uint32_t kWithDistance = PluginPointFlag::NoDefault | PluginPointFlag::ShowDistance;

}  // namespace

int RunCircleCenter() {
  for (;;) {
    const Answer center = Ask({CircleCenterPrompt, CircleCenterHelp, QuestionFlags::First});
    if (center.code != PluginInput::Picked) return 1;
    const PluginPoint c = center.point;
    const Answer radius = AskSecondPoint(
        {CircleRadiusPrompt, CircleRadiusHelp, kWithDistance, c, c}, c, AddCircleCenterPoint);
    if (radius.code != PluginInput::Picked) return 1;
    if (AddCircleCenterPoint(c, radius.point, Placement::Drawing) == nullptr) return 1;
  }
}

int RunCircleDiameter() {
  for (;;) {
    const Answer first = Ask({CircleFirstPrompt, DiameterFirstHelp, QuestionFlags::First});
    if (first.code != PluginInput::Picked) return 1;
    const PluginPoint a = first.point;
    const Answer second = AskSecondPoint(
        {CircleSecondPrompt, DiameterSecondHelp, kWithDistance, a, a}, a, AddCircleDiameter);
    if (second.code != PluginInput::Picked) return 1;
    if (AddCircleDiameter(a, second.point, Placement::Drawing) == nullptr) return 1;
  }
}

int RunCircle3Point() {
  for (;;) {
    const Answer first = Ask({CircleFirstPrompt, CircleFirstHelp, QuestionFlags::First});
    if (first.code != PluginInput::Picked) return 1;
    const PluginPoint a = first.point;
    const Answer second = Ask(
        {CircleSecondPrompt, CircleSecondHelp, PluginPointFlag::NoDefault, a, a},
        [&](const PluginPoint& cursor, Preview& preview) {
          if (!SamePoint(cursor, a)) preview.Show(AddLine(a, cursor, kPreview));
        },
        [&](const PluginPoint& p) { return DifferentFrom(p, {a}); });
    if (second.code != PluginInput::Picked) return 1;
    const PluginPoint b = second.point;
    const Answer third = Ask(
        {CircleThirdPrompt, CircleThirdHelp, PluginPointFlag::NoDefault, b, b},
        [&](const PluginPoint& cursor, Preview& preview) {
          if (DifferentFrom(cursor, {a, b}) == Verdict::Accept)
            preview.Show(AddCircle3P(a, b, cursor, kPreview));
        },
        [&](const PluginPoint& p) {
          return DifferentFrom(p, {a, b});
        });
    if (third.code != PluginInput::Picked) return 1;
    // Collinear points go to the host as they are; its construction decides.
    if (AddCircle3P(a, b, third.point, Placement::Drawing) == nullptr) return 1;
  }
}

}  // namespace korvo::commandset
