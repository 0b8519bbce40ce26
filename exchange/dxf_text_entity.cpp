// The DXF record of a text: one TEXT per line.
#include <cmath>
#include <optional>

#include "core/text_entity.h"
#include "core/text_style.h"
#include "exchange/dxf_templates.h"
#include "exchange/dxf_writer.h"
#include "text/text_layout.h"

namespace korvo {
namespace {

// One TEXT record of `content` with its first alignment point, and its second when the
// record is aligned.
void WriteTextRecord(DxfWriter& writer, const TextEntity& text, std::u16string_view content,
                     const Point& first, const std::optional<Point>& second, uint8_t writtenFlags) {
  const uint8_t alignment = second ? text.horizontalAlignment : kAlignLeft;
  writer.WriteEntity(DxfTextTemplate(), text, [&](DxfField field) {
    switch (field) {
      case DxfField::XCoord1:
        return writer.Real(first.x);
      case DxfField::YCoord1:
        return writer.Real(first.y);
      case DxfField::ZCoord1:
        writer.Literal("0.0\n");
        if (!second) return;
        writer.Literal("11\n");
        writer.Real(second->x);
        writer.Literal("21\n");
        writer.Real(second->y);
        return writer.Literal("31\n0.0\n");
      case DxfField::TextHeight:
        return writer.Real(std::fabs(text.height));
      case DxfField::TextWidthFactor:
        return writer.Real(std::fabs(text.widthFactor));
      case DxfField::TextContent:
        return writer.Text(content, DxfSpaces::Keep);
      case DxfField::TextRotation:
        return writer.Degrees(text.rotation);
      case DxfField::TextObliqueAngle:
        return writer.Degrees(text.obliqueAngle);
      case DxfField::TextStyleName:
        if (text.style == nullptr) return writer.Literal("STANDARD\n");
        return writer.Text(text.style->name, DxfSpaces::Replace);
      case DxfField::TextGenerationFlags:
        return writer.Integer(writtenFlags);
      case DxfField::TextAlignment:
        return writer.Integer(alignment);
      default:
        return;
    }
  });
}

}  // namespace

bool TextEntity::WriteDxf(DxfWriter& writer) const {
  // A negative height or width factor is written positive with its mirroring bit.
  uint8_t writtenFlags = generationFlags;
  if (height < 0) writtenFlags |= kTextUpsideDown;
  if (widthFactor < 0) writtenFlags |= kTextBackward;
  const bool aligned = horizontalAlignment != kAlignLeft;
  if (content.find(u'\n') == std::u16string::npos) {
    // Aligned text gives the left end of its baseline as the first alignment point and its
    // insertion point as the second.
    Point first = insertionPoint;
    if (aligned && !writer.counting()) first = TextBaselineStart(Placement());
    WriteTextRecord(writer, *this, content, first,
                    aligned ? std::optional<Point>(insertionPoint) : std::nullopt, writtenFlags);
    return !writer.failed();
  }
  // TEXT holds one line: each line of the content goes as a left-aligned TEXT where the
  // layout starts it, since other readers would run the lines together. Empty lines
  // draw nothing and are left out.
  const std::vector<Point> starts = TextLineStarts(Placement());
  std::size_t begin = 0;
  for (const Point& start : starts) {
    std::size_t end = content.find(u'\n', begin);
    if (end == std::u16string::npos) end = content.size();
    const std::u16string_view line = std::u16string_view(content).substr(begin, end - begin);
    if (!line.empty()) WriteTextRecord(writer, *this, line, start, std::nullopt, writtenFlags);
    begin = end + 1;
  }
  return !writer.failed();
}

}  // namespace korvo
