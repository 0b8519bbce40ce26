#include <cmath>
#include <memory>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/draw_command.h"
#include "commands/draw_commands.h"
#include "commands/draw_option_sheets.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "core/drawing.h"
#include "core/line_entity.h"
#include "core/text_entity.h"
#include "core/text_style.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

constexpr double kRadiansPerDegree = kPi / 180;

TextStyle* StyleOf(const Drawing& drawing, int32_t index) {
  int32_t i = 0;
  for (TextStyle* style : drawing.textStyles)
    if (i++ == index) return style;
  return drawing.settings.currentTextStyle;
}

// One text of the command, built from the dialog's values.
struct TextPlan {
  Point start;
  double height = 0;
  double rotation = 0;  // radians

  std::unique_ptr<TextEntity> Build(const Drawing& drawing, const TextOptions& options) const {
    auto text = std::make_unique<TextEntity>(
        start, height, rotation, options.widthFactor, options.obliqueDegrees * kRadiansPerDegree, 0,
        static_cast<uint8_t>(options.justification), options.content, drawing.settings);
    if (TextStyle* style = StyleOf(drawing, options.styleIndex)) text->style = style;
    return text;
  }
};

// The height from the start point: a style of fixed height (or else the dialog's height)
// offers itself as the default. False when the command ends.
bool AskHeight(CommandEngine& engine, ShapePreview& preview, const TextOptions& options,
               TextPlan& plan) {
  const Drawing& drawing = engine.drawing();
  const TextStyle* style = StyleOf(drawing, options.styleIndex);
  const double offered = style != nullptr && style->height > 0 ? style->height : options.height;
  const bool hasDefault = offered > 0;
  const ShapeQuestion question{
      plan.start, Point(plan.start.x, plan.start.y + offered),
      hasDefault ? StringId::TextHeightDefaultPrompt : StringId::TextHeightPrompt,
      StringId::TextHeightDescription,
      kPointShowDistance | kPointNoOrtho | (hasDefault ? 0u : kPointNoDefault)};
  for (;;) {
    Point at;
    const InputResult result = AskWithShape(
        engine, preview, question,
        [&](const Point& p) {
          return std::make_unique<LineEntity>(plan.start, p, drawing.settings);
        },
        at);
    if (result == InputResult::Default) {
      plan.height = offered;
      return true;
    }
    if (result != InputResult::Picked) return false;
    // A text of no height is no text: the question is asked again.
    plan.height = Distance(plan.start, at);
    if (plan.height > 0) return true;
  }
}

bool AskRotation(CommandEngine& engine, ShapePreview& preview, const TextOptions& options,
                 TextPlan& plan) {
  const Drawing& drawing = engine.drawing();
  const double offered = options.rotationDegrees * kRadiansPerDegree;
  const ShapeQuestion question{
      plan.start, Point(plan.start.x + std::cos(offered), plan.start.y + std::sin(offered)),
      StringId::TextAnglePrompt, StringId::TextAngleDescription, kPointShowAngle};
  Point at;
  const InputResult result = AskWithShape(
      engine, preview, question,
      [&](const Point& p) -> std::unique_ptr<Entity> {
        if (AreNear(p, plan.start)) return nullptr;
        TextPlan shown = plan;
        shown.rotation = Angle(plan.start, p);
        return shown.Build(drawing, options);
      },
      at);
  if (result == InputResult::Default || (result == InputResult::Picked && AreNear(at, plan.start)))
    plan.rotation = offered;
  else if (result == InputResult::Picked)
    plan.rotation = Angle(plan.start, at);
  else
    return false;
  return true;
}

}  // namespace

void RunText(CommandEngine& engine, TextOptions& options) {
  const DrawCommandScope scope(engine, CommandId::DrawText);
  if (!AskTextDefinition(engine, options)) return;
  ShapePreview preview(engine.view());
  for (;;) {
    TextPlan plan;
    const InputResult result =
        GetPoint(engine, Point(), Point(), plan.start, StringId::TextStartPrompt,
                 StringId::TextStartDescription, kPointNoBase | kPointKeepWaiting);
    if (result == InputResult::Default) {
      if (!AskTextDefinition(engine, options)) return;
      continue;
    }
    if (result != InputResult::Picked) return;
    if (!AskHeight(engine, preview, options, plan)) return;
    if (!AskRotation(engine, preview, options, plan)) return;
    AddDrawnEntity(engine, plan.Build(engine.drawing(), options));
  }
}

}  // namespace korvo
