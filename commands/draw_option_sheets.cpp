#include "commands/draw_option_sheets.h"

#include <array>
#include <string>
#include <string_view>

#include "commands/command_engine.h"
#include "core/drawing.h"
#include "core/text_style.h"
#include "platform/message_box.h"
#include "platform/property_sheet.h"

namespace korvo {
namespace {

// Large enough for any drawing; keeps typed values finite and the geometry sane.
constexpr double kMaxSize = 1e9;
constexpr int32_t kMaxTextLength = 255;
constexpr std::u16string_view kEmptyTextMessage = u"Please enter the text.";
constexpr std::u16string_view kDonutDiametersMessage =
    u"The outside diameter must be larger than the inside diameter.";

bool Accepted(CommandEngine& engine, PropertySheetModel& sheet) {
  return engine.propertySheet().Run(sheet) == PropertySheetResult::Ok;
}

}  // namespace

bool AskRectangleOptions(CommandEngine& engine, RectangleOptions& options) {
  RectangleOptions copy = options;
  int32_t corners = static_cast<int32_t>(copy.corners);
  PropertySheetModel sheet(u"Rectangle options", u"draw_RECTANGLE");
  sheet.AddDoubleRangeRow(u"Line width:", &copy.lineWidth, 0, kMaxSize);
  sheet.AddListRow(u"Corners:", &corners, u"Plain\nChamfered\nFilleted");
  sheet.AddDoubleRangeRow(u"Chamfer distance 1:", &copy.chamfer1, 0, kMaxSize);
  sheet.AddDoubleRangeRow(u"Chamfer distance 2:", &copy.chamfer2, 0, kMaxSize);
  sheet.AddDoubleRangeRow(u"Fillet radius:", &copy.filletRadius, 0, kMaxSize);
  if (!Accepted(engine, sheet)) return false;
  copy.corners = static_cast<RectangleCorners>(corners);
  options = copy;
  return true;
}

bool AskDonutDiameters(CommandEngine& engine, DonutOptions& options) {
  DonutOptions copy = options;
  for (;;) {
    PropertySheetModel sheet(u"Donut diameters", u"donut_options_dialog");
    sheet.AddDoubleRangeRow(u"Inside diameter:", &copy.insideDiameter, 0, kMaxSize);
    sheet.AddDoubleRangeRow(u"Outside diameter:", &copy.outsideDiameter, 0, kMaxSize);
    if (!Accepted(engine, sheet)) return false;
    if (copy.outsideDiameter > copy.insideDiameter) break;
    // Said, not only shown again: the user would not know why the values came back.
    engine.messageBox().Show(kDonutDiametersMessage, MessageButtons::Ok, MessageIcon::Exclamation);
  }
  options = copy;
  return true;
}

bool AskPolylineOptions(CommandEngine& engine, PolylineOptions& options,
                        PolylineSegmentMode& mode) {
  PolylineOptions copy = options;
  int32_t segments = static_cast<int32_t>(mode);
  PropertySheetModel sheet(u"Polyline options", u"draw_POLYLINE");
  sheet.AddDoubleRangeRow(u"Start width:", &copy.startWidth, 0, kMaxSize);
  sheet.AddDoubleRangeRow(u"End width:", &copy.endWidth, 0, kMaxSize);
  sheet.AddListRow(u"Segments:", &segments, u"Line\nArc by Center\nTangential Arc");
  if (!Accepted(engine, sheet)) return false;
  options = copy;
  mode = static_cast<PolylineSegmentMode>(segments);
  return true;
}

bool AskTextDefinition(CommandEngine& engine, TextOptions& options) {
  const Drawing& drawing = engine.drawing();
  TextOptions copy = options;
  std::u16string styles;
  int32_t index = 0;
  int32_t current = 0;
  for (const TextStyle* style : drawing.textStyles) {
    if (!styles.empty()) styles += u'\n';
    styles += style->name;
    if (style == drawing.settings.currentTextStyle) current = index;
    ++index;
  }
  if (copy.styleIndex < 0 || copy.styleIndex >= index) copy.styleIndex = current;
  std::array<char16_t, kMaxTextLength + 1> text{};
  copy.content.copy(text.data(), std::min<std::size_t>(copy.content.size(), kMaxTextLength));
  int32_t justification = static_cast<int32_t>(copy.justification);
  for (;;) {
    PropertySheetModel sheet(u"Define Text", u"draw_text_dialog");
    sheet.AddTextRow(u"Text:", text.data(), kMaxTextLength);
    if (!styles.empty()) sheet.AddListRow(u"Style:", &copy.styleIndex, styles);
    sheet.AddDoubleRangeRow(u"Height:", &copy.height, 0, kMaxSize);
    sheet.AddDoubleRangeRow(u"Rotation:", &copy.rotationDegrees, -360, 360);
    sheet.AddDoubleRangeRow(u"Width factor:", &copy.widthFactor, 0.01, 100);
    sheet.AddDoubleRangeRow(u"Obliquing:", &copy.obliqueDegrees, -85, 85);
    sheet.AddListRow(u"Justification:", &justification, u"Left\nCenter\nRight");
    if (!Accepted(engine, sheet)) return false;
    // A text of nothing, or of blanks, would place objects nobody can see or pick.
    const std::u16string_view typed(text.data());
    if (typed.find_first_not_of(u" \t") != std::u16string_view::npos) break;
    engine.messageBox().Show(kEmptyTextMessage, MessageButtons::Ok, MessageIcon::Exclamation);
  }
  copy.content = text.data();
  copy.justification = static_cast<TextJustification>(justification);
  options = copy;
  return true;
}

bool AskMatchOptions(CommandEngine& engine, MatchOptions& options) {
  MatchOptions copy = options;
  PropertySheetModel sheet(u"Property Selection", u"modify_MATCHPROPS");
  sheet.AddYesNoRow(u"Color:", &copy.color);
  sheet.AddYesNoRow(u"Layer:", &copy.layer);
  sheet.AddYesNoRow(u"Line type:", &copy.lineType);
  sheet.AddYesNoRow(u"Line weight:", &copy.lineWeight);
  if (!Accepted(engine, sheet)) return false;
  options = copy;
  return true;
}

}  // namespace korvo
