// TEXT and ATTRIB records as texts.
#include <cmath>
#include <numbers>

#include "core/text_entity.h"
#include "core/text_style.h"
#include "exchange/dxf_entity_builders.h"
#include "exchange/dxf_import_context.h"
#include "exchange/dxf_text_codes.h"
#include "text/text_layout.h"

namespace korvo {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// DXF horizontal alignments beyond our left, centre and right.
constexpr int64_t kAlignAligned = 3;
constexpr int64_t kAlignMiddle = 4;
constexpr int64_t kAlignFit = 5;
constexpr int64_t kVerticalBaseline = 0;
constexpr int64_t kVerticalBottom = 1;
constexpr int64_t kVerticalMiddle = 2;
constexpr int64_t kVerticalTop = 3;

// How far above the anchor the baseline lies, in text heights, for each vertical alignment.
// The stroke fonts put capitals one height above the baseline and descenders about a third
// below it.
double BaselineAbove(int64_t vertical) {
  switch (vertical) {
    case kVerticalBottom:
      return 1.0 / 3.0;
    case kVerticalMiddle:
      return -0.5;
    case kVerticalTop:
      return -1.0;
    default:
      return 0;
  }
}

// The width of the text's ink in world units at height 1 and width factor 1; 0 when the
// style has no font to measure with.
double UnitWidth(const TextEntity& text) {
  if (text.style == nullptr || !text.style->font) return 0;
  return ComputeTextAlignment(*text.style->font, text.content, kAlignLeft).width;
}

// Places the text where the file's readers put it: left-aligned baseline text stands at
// its first point, every other alignment at its second.
void Place(TextEntity& text, const Point& first, const Point& second, bool hasSecond,
           int64_t horizontal, int64_t vertical) {
  if (horizontal == kAlignAligned || horizontal == kAlignFit) {
    // The text fills the baseline from the first point to the second: turned along it and
    // stretched, in height and width alike (aligned) or in width only (fit).
    text.insertionPoint = first;
    text.horizontalAlignment = kAlignLeft;
    const double length = std::hypot(second.x - first.x, second.y - first.y);
    if (!hasSecond || !(length > 0)) return;
    text.rotation = std::atan2(second.y - first.y, second.x - first.x);
    const double width = UnitWidth(text);
    if (!(width > 0)) return;
    if (horizontal == kAlignAligned) {
      text.height = length / (width * std::fabs(text.widthFactor));
    } else if (std::fabs(text.height) > 0) {
      text.widthFactor = length / (width * std::fabs(text.height));
    }
    return;
  }
  if (horizontal == kAlignMiddle) {
    horizontal = kAlignCenter;
    vertical = kVerticalMiddle;
  }
  if (horizontal < 0 || horizontal > kAlignRight) horizontal = kAlignLeft;
  const bool anchored = horizontal != kAlignLeft || vertical != kVerticalBaseline;
  const Point anchor = anchored && hasSecond ? second : first;
  const double above = BaselineAbove(vertical) * std::fabs(text.height);
  // The text's up direction is its baseline turned a quarter.
  text.insertionPoint =
      Point(anchor.x - std::sin(text.rotation) * above, anchor.y + std::cos(text.rotation) * above);
  text.horizontalAlignment = static_cast<uint8_t>(horizontal);
}

std::unique_ptr<Entity> BuildText(const DxfRecord& record, DxfImportContext& context,
                                  std::string_view kind, int verticalCode) {
  const DxfOcs ocs = DxfOcs::Of(record);
  if (!ocs.planar) {
    context.Skip(std::string(kind) + " not in the xy plane");
    return nullptr;
  }
  auto text = std::make_unique<TextEntity>();
  context.ApplyCommon(record, *text);
  text->style = context.StyleNamed(record.Text(7));
  text->content = ReplaceDxfSpecialCodes(context.Decode(record.Text(1)));
  double height = record.Real(40, 0);
  if (!(height > 0) && text->style->height > 0) height = text->style->height;
  if (!(height > 0)) height = context.defaultTextHeight;
  text->height = height;
  text->widthFactor = record.Real(41, text->style->widthFactor);
  if (text->widthFactor == 0) text->widthFactor = 1;
  text->rotation = record.Real(50, 0) * kRadiansPerDegree;
  text->obliqueAngle =
      record.Real(51, text->style->obliqueAngle / kRadiansPerDegree) * kRadiansPerDegree;
  text->generationFlags =
      static_cast<uint8_t>(record.Integer(71, 0) & (kTextBackward | kTextUpsideDown));
  const Point first = record.PointAt(10), second = record.PointAt(11);
  if (!AllUsable({first.x, first.y, second.x, second.y, text->height, text->widthFactor,
                  text->rotation, text->obliqueAngle})) {
    context.Skip(std::string(kind) + " with unusable numbers");
    return nullptr;
  }
  Place(*text, first, second, record.Has(11), record.Integer(72, 0),
        record.Integer(verticalCode, 0));
  if (ocs.mirrored) {
    // The mirror image of a text is the same text turned the other way and written
    // backwards.
    text->insertionPoint = ocs.Map(text->insertionPoint);
    text->rotation = -text->rotation;
    text->generationFlags ^= kTextBackward;
  }
  if (!AllUsable(
          {text->height, text->widthFactor, text->insertionPoint.x, text->insertionPoint.y})) {
    context.Skip(std::string(kind) + " with unusable numbers");
    return nullptr;
  }
  return text;
}

}  // namespace

std::unique_ptr<Entity> BuildDxfText(const DxfRecord& record, DxfImportContext& context) {
  return BuildText(record, context, "TEXT", 73);
}

// Attributes keep their vertical alignment in 74 (73 is the field length). Invisible ones
// are not shown by any reader.
std::unique_ptr<Entity> BuildDxfAttrib(const DxfRecord& record, DxfImportContext& context) {
  constexpr int64_t kInvisible = 1;
  if ((record.Integer(70, 0) & kInvisible) != 0) {
    context.Skip("invisible ATTRIB");
    return nullptr;
  }
  return BuildText(record, context, "ATTRIB", 74);
}

}  // namespace korvo
