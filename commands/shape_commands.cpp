#include <array>
#include <memory>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/draw_command.h"
#include "commands/draw_commands.h"
#include "commands/draw_option_sheets.h"
#include "commands/point_input.h"
#include "commands/shape_outlines.h"
#include "commands/string_table.h"
#include "core/drawing.h"
#include "core/line_entity.h"
#include "core/polyline_entity.h"
#include "core/solid_entity.h"

namespace korvo {
namespace {

std::unique_ptr<Entity> SolidOf(const Point& a, const Point& b, const Point& c, const Point& d,
                                const DrawingSettings& settings) {
  const std::array<Point, 4> corners{a, b, c, d};
  return std::make_unique<SolidEntity>(corners, settings);
}

// The third and fourth vertices of one solid after its first two; false when the command
// ends. `first` and `second` become the last two vertices, where the next solid starts.
bool AskSolidEnd(CommandEngine& engine, ShapePreview& preview, Point& first, Point& second) {
  const DrawingSettings& settings = engine.drawing().settings;
  Point third;
  const ShapeQuestion thirdQuestion{second, second, StringId::SolidThirdPrompt,
                                    StringId::SolidThirdDescription, kPointNoDefault};
  if (AskWithShape(
          engine, preview, thirdQuestion,
          [&](const Point& p) { return SolidOf(first, second, p, p, settings); },
          third) != InputResult::Picked)
    return false;
  Point fourth;
  const ShapeQuestion fourthQuestion{third, third, StringId::SolidFourthPrompt,
                                     StringId::SolidFourthDescription, 0};
  const InputResult result = AskWithShape(
      engine, preview, fourthQuestion,
      [&](const Point& p) { return SolidOf(first, second, third, p, settings); }, fourth);
  if (result != InputResult::Picked && result != InputResult::Default) return false;
  AddDrawnEntity(engine, SolidOf(first, second, third, fourth, settings));
  first = third;
  second = fourth;
  return true;
}

}  // namespace

void RunSolid(CommandEngine& engine) {
  const DrawCommandScope scope(engine, CommandId::DrawSolid);
  ShapePreview preview(engine.view());
  Point first;
  if (GetPoint(engine, first, StringId::SolidFirstPrompt, StringId::SolidFirstDescription,
               kPointKeepWaiting) != InputResult::Picked)
    return;
  Point second;
  const ShapeQuestion question{first, first, StringId::SolidSecondPrompt,
                               StringId::SolidSecondDescription, kPointNoDefault};
  const DrawingSettings& settings = engine.drawing().settings;
  const ShapeOf band = [&](const Point& p) {
    return std::make_unique<LineEntity>(first, p, settings);
  };
  if (AskWithShape(engine, preview, question, band, second) != InputResult::Picked) return;
  while (AskSolidEnd(engine, preview, first, second)) {
  }
}

void RunRectangle(CommandEngine& engine, RectangleOptions& options) {
  const DrawCommandScope scope(engine, CommandId::DrawRectangle);
  if (!AskRectangleOptions(engine, options)) return;
  ShapePreview preview(engine.view());
  const DrawingSettings& settings = engine.drawing().settings;
  for (;;) {
    Point first;
    if (GetPoint(engine, first, StringId::RectangleFirstPrompt, StringId::RectangleFirstDescription,
                 kPointKeepWaiting) != InputResult::Picked)
      return;
    Point other;
    const ShapeQuestion question{first, first, StringId::RectangleOtherPrompt,
                                 StringId::RectangleOtherDescription, kPointNoOrtho};
    const InputResult result = AskWithShape(
        engine, preview, question,
        [&](const Point& p) -> std::unique_ptr<Entity> {
          return RectangleOutline(first, p, options, settings);
        },
        other);
    if (result != InputResult::Picked && result != InputResult::Default) return;
    // A rectangle without area is no object: nothing is added and the next one starts.
    std::unique_ptr<PolylineEntity> rectangle = RectangleOutline(first, other, options, settings);
    if (rectangle != nullptr) AddDrawnEntity(engine, std::move(rectangle));
  }
}

namespace {

// The diameters live in the drawing's settings, so every run on this drawing starts from the
// last accepted ones.
bool AskDonutOptions(CommandEngine& engine, DonutOptions& options) {
  DrawingSettings& settings = engine.drawing().settings;
  options = {settings.donutInsideDiameter, settings.donutOutsideDiameter};
  if (!AskDonutDiameters(engine, options)) return false;
  settings.donutInsideDiameter = options.insideDiameter;
  settings.donutOutsideDiameter = options.outsideDiameter;
  return true;
}

}  // namespace

void RunDonut(CommandEngine& engine) {
  const DrawCommandScope scope(engine, CommandId::DrawDonut);
  DonutOptions options;
  if (!AskDonutOptions(engine, options)) return;
  const DrawingSettings& settings = engine.drawing().settings;
  ShapePreview preview(engine.view());
  for (;;) {
    // The donut is built once about the origin; each centre places a moved copy of it.
    const std::unique_ptr<PolylineEntity> donut = DonutOutline(Point(0, 0), options, settings);
    const auto placed = [&](const Point& center) {
      auto copy = std::make_unique<PolylineEntity>();
      copy->CopyFrom(*donut);
      copy->Translate(center);
      return copy;
    };
    for (;;) {
      Point center;
      const ShapeQuestion question{Point(), Point(), StringId::DonutCenterPrompt,
                                   StringId::DonutCenterDescription, kPointNoBase};
      const InputResult result = AskWithShape(engine, preview, question, placed, center);
      if (result == InputResult::Default) break;
      if (result != InputResult::Picked) return;
      AddDrawnEntity(engine, placed(center));
    }
    if (!AskDonutOptions(engine, options)) return;
  }
}

}  // namespace korvo
