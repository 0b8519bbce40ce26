#include "core/text_entity.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/archive.h"
#include "core/coordinate_property.h"
#include "core/drawing_settings.h"
#include "core/dxf_group_codes.h"
#include "core/native_context.h"
#include "core/native_save_context.h"
#include "core/native_tables.h"
#include "core/native_versions.h"
#include "core/text_style.h"
#include "geometry/geometry.h"
#include "geometry/rect_quad_overlap.h"

namespace korvo {
namespace {

Point RotateVector(const Point& v, double cos, double sin) {
  return {v.x * cos - v.y * sin, v.x * sin + v.y * cos};
}

bool IsZero(const Point& v) {
  return v.x == 0 && v.y == 0;
}

// The style the file's style list names at `index`; null when there is no list (a body
// read outside a drawing), the index lies beyond it or the drawing lacks the style.
TextStyle* FindFileTextStyle(const ArchiveReader& archive, uint32_t index) {
  return archive.loadContext != nullptr ? archive.loadContext->FindTextStyle(index) : nullptr;
}

}  // namespace

TextEntity::TextEntity(const Point& insertion, double textHeight, double textRotation,
                       double textWidthFactor, double textObliqueAngle, uint8_t textGenerationFlags,
                       uint8_t alignment, std::u16string text, const DrawingSettings& settings)
    : Entity(settings),
      insertionPoint(insertion),
      rotation(textRotation),
      obliqueAngle(textObliqueAngle),
      generationFlags(textGenerationFlags),
      horizontalAlignment(alignment),
      style(settings.currentTextStyle),
      content(std::move(text)) {
  SetHeight(textHeight);
  SetWidthFactor(textWidthFactor);
}

void TextEntity::SetHeight(double h) {
  if (h < 0) {
    h = -h;
    generationFlags |= kTextUpsideDown;
  }
  height = h;
}

void TextEntity::SetWidthFactor(double w) {
  if (w < 0) {
    w = -w;
    generationFlags |= kTextBackward;
  }
  widthFactor = w;
}

Entity& TextEntity::CopyFrom(const Entity& other) {
  if (const TextEntity* text = other.AsText()) {
    CopyHeaderFrom(other);
    scratch = text->scratch;
    insertionPoint = text->insertionPoint;
    rotation = text->rotation;
    obliqueAngle = text->obliqueAngle;
    generationFlags = text->generationFlags;
    horizontalAlignment = text->horizontalAlignment;
    style = text->style;
    height = text->height;
    widthFactor = text->widthFactor;
    content = text->content;
  }
  return *this;
}

TextPlacement TextEntity::Placement() const {
  TextPlacement text;
  text.insertionPoint = insertionPoint;
  text.height = height;
  text.widthFactor = widthFactor;
  text.rotation = rotation;
  text.obliqueAngle = obliqueAngle;
  text.generationFlags = generationFlags;
  text.horizontalAlignment = horizontalAlignment;
  if (style != nullptr) {
    text.styleFlags = style->flags;
    text.font = style->font.get();
  }
  text.content = content;
  return text;
}

bool TextEntity::GetExtents(Point& min, Point& max) const {
  GetTextExtents(Placement(), min, max);
  return true;
}

void TextEntity::Translate(const Point& offset) {
  insertionPoint.Translate(offset);
}

void TextEntity::Rotate(const Rotation& turn) {
  if (!turn.IsRegular()) return;
  insertionPoint.Rotate(turn);
  rotation += turn.angle;
}

void TextEntity::Scale(const Scaling& scaling) {
  if (!scaling.IsRegular()) return;
  // The mirroring bits of the text and its style turn the text within its own frame, which
  // does not commute with a non-uniform scaling of a turned text: the frame vectors are
  // taken as drawn, bits included, and the bits are kept.
  const uint8_t bits = generationFlags | (style != nullptr ? style->flags : 0);
  const double mirrorX = (bits & kTextBackward) != 0 ? -1 : 1;
  const double mirrorY = (bits & kTextUpsideDown) != 0 ? -1 : 1;
  const double h = height * mirrorY;
  const double w = widthFactor * mirrorX;
  double o = obliqueAngle;
  if (h < 0) o = -o;
  if (w < 0) o = -o;
  const double cos = std::cos(rotation);
  const double sin = std::sin(rotation);
  const auto toWorldScaled = [&](const Point& v) {
    const Point turned = RotateVector(v, cos, sin);
    return Point(turned.x * scaling.sx, turned.y * scaling.sy);
  };
  Point up = toWorldScaled({h * std::tan(o), h});
  Point baseline = toWorldScaled({w * std::fabs(h), 0});
  // The rotation follows the baseline as stored, which runs against the drawn one when the
  // text is backward by its bits. A text without height or width has no baseline vector;
  // its direction still follows the scaling, else the text would turn to angle 0.
  Point direction = baseline * mirrorX;
  if (IsZero(direction)) direction = toWorldScaled({widthFactor < 0 ? -1.0 : 1.0, 0});
  const double newRotation = IsZero(direction) ? rotation : std::atan2(direction.y, direction.x);
  const double backCos = std::cos(-newRotation);
  const double backSin = std::sin(-newRotation);
  up = RotateVector(up, backCos, backSin);
  baseline = RotateVector(baseline, backCos, backSin);

  height = up.y * mirrorY;
  // A text flattened to no height keeps its slant and width factor: dividing by the
  // height would turn them into NaN.
  if (up.y != 0) {
    const double upAngle = std::atan2(up.y, up.x);
    obliqueAngle = (up.y < 0 ? upAngle + kPi / 2 : kPi / 2 - upAngle) * mirrorX;
    widthFactor = baseline.x * mirrorX / std::fabs(up.y);
  }
  rotation = newRotation;
  insertionPoint.Scale(scaling);
}

void TextEntity::ReadBody(ArchiveReader& archive) {
  TextStyle* readStyle = FindFileTextStyle(archive, archive.ReadU32());
  if (readStyle == nullptr) throw ArchiveError(ArchiveErrorKind::BadClass);
  style = readStyle;
  insertionPoint = archive.ReadPoint();
  height = archive.ReadF64();
  widthFactor = archive.ReadF64();
  rotation = archive.ReadF64();
  obliqueAngle = archive.ReadF64();
  generationFlags = archive.ReadU8();
  // Alignment came with version 3; older texts are all left aligned.
  horizontalAlignment =
      GetLoadVersion(archive) >= kFirstVersionWithTextAlignment ? archive.ReadU8() : kAlignLeft;
  content = archive.ReadNamedString();
}

bool TextEntity::WriteBody(ArchiveWriter& archive) const {
  // A text without a style cannot name one in the file.
  if (style == nullptr) return false;
  archive.WriteU32(SaveContextOf(archive).TextStyleIndex(style));
  archive.WritePoint(insertionPoint);
  archive.WriteF64(height);
  archive.WriteF64(widthFactor);
  archive.WriteF64(rotation);
  archive.WriteF64(obliqueAngle);
  archive.WriteU8(generationFlags);
  archive.WriteU8(horizontalAlignment);
  archive.WriteNamedString(content);
  return true;
}

double TextEntity::NearestPoint(const Point& p, Point& out, int) const {
  if (TextFrameContains(Placement(), p)) {
    out = p;
    return 0;
  }
  out = insertionPoint;
  return Distance(insertionPoint, p);
}

double TextEntity::NearestKeyPoint(const Point& p, Point& out) const {
  out = insertionPoint;
  return Distance(insertionPoint, p);
}

bool TextEntity::CrossesRect(double x1, double y1, double x2, double y2) const {
  // The corner test alone misses a window that crosses the frame without a corner in it,
  // such as a thin one drawn across a line of text.
  if (Entity::CrossesRect(x1, y1, x2, y2)) return true;
  const TextPlacement text = Placement();
  const TextFrame frame = GetTextFrame(text);
  const double cos = std::cos(rotation);
  const double sin = std::sin(rotation);
  const auto corner = [&](double x, double y) {
    return insertionPoint + RotateVector({x, y}, cos, sin);
  };
  const Point quad[4] = {corner(frame.left, frame.bottom), corner(frame.right, frame.bottom),
                         corner(frame.right, frame.top), corner(frame.left, frame.top)};
  // A frame with NaN or infinite corners (damaged values from a file) would overlap every
  // window.
  for (const Point& q : quad)
    if (!std::isfinite(q.x) || !std::isfinite(q.y)) return false;
  return RectOverlapsQuad(x1, y1, x2, y2, quad);
}

bool TextEntity::GetTypeProperty(int code, PropertyValue& out) const {
  switch (code) {
    case DxfGroup::TextContent:
      out = content;
      return true;
    case DxfGroup::TextStyleName:
      if (style == nullptr) return false;
      out = style->name;
      return true;
    case DxfGroup::TextHeight:
      out = height;
      return true;
    case DxfGroup::WidthFactor:
      out = widthFactor;
      return true;
    case DxfGroup::Rotation:
      out = rotation;
      return true;
    case DxfGroup::ObliqueAngle:
      out = obliqueAngle;
      return true;
    case DxfGroup::TextGenerationFlags:
      out = int{generationFlags};
      return true;
    case DxfGroup::HorizontalAlignment:
      out = int{horizontalAlignment};
      return true;
    default:
      return GetCoordinate(
          insertionPoint,
          MatchCoordinateCode(code, DxfGroup::X1, DxfGroup::Y1, PairOrder::EitherOrder), out);
  }
}

bool TextEntity::SetTypeProperty(int code, const PropertyValue& in) {
  const auto setByte = [&](uint8_t& field) {
    int value = 0;
    // A value that does not fit the byte is refused rather than cut to its low bits.
    if (!GetInt(in, value) || value < 0 || value > 0xFF) return false;
    field = static_cast<uint8_t>(value);
    return true;
  };
  switch (code) {
    case DxfGroup::TextContent:
      if (const auto* text = std::get_if<std::u16string>(&in)) return content = *text, true;
      return false;
    case DxfGroup::TextStyleName:
      // A live text always has a style.
      if (TextStyle* const* newStyle = std::get_if<TextStyle*>(&in); newStyle && *newStyle)
        return style = *newStyle, true;
      return false;
    case DxfGroup::TextHeight:
      return GetDouble(in, height);
    case DxfGroup::WidthFactor:
      return GetDouble(in, widthFactor);
    case DxfGroup::Rotation:
      return GetDouble(in, rotation);
    case DxfGroup::ObliqueAngle:
      return GetDouble(in, obliqueAngle);
    case DxfGroup::TextGenerationFlags:
      return setByte(generationFlags);
    case DxfGroup::HorizontalAlignment:
      return setByte(horizontalAlignment);
    default:
      return SetCoordinate(
          insertionPoint,
          MatchCoordinateCode(code, DxfGroup::X1, DxfGroup::Y1, PairOrder::EitherOrder), in);
  }
}

}  // namespace korvo
