// The DXF record of a text.
#include <cmath>

#include "core/text_entity.h"
#include "core/text_style.h"
#include "exchange/dxf_templates.h"
#include "exchange/dxf_writer.h"
#include "text/text_layout.h"

namespace korvo {

bool TextEntity::WriteDxf(DxfWriter& writer) const {
  // A negative height or width factor is written positive with its mirroring bit.
  uint8_t writtenFlags = generationFlags;
  if (height < 0) writtenFlags |= kTextUpsideDown;
  if (widthFactor < 0) writtenFlags |= kTextBackward;
  const bool aligned = horizontalAlignment != kAlignLeft;
  // Aligned text gives the left end of its baseline as the first alignment point and its
  // insertion point as the second.
  Point first = insertionPoint;
  if (aligned && !writer.counting()) first = TextBaselineStart(Placement());
  writer.WriteEntity(DxfTextTemplate(), *this, [&](DxfField field) {
    switch (field) {
      case DxfField::XCoord1:
        return writer.Real(first.x);
      case DxfField::YCoord1:
        return writer.Real(first.y);
      case DxfField::ZCoord1:
        writer.Literal("0.0\n");
        if (!aligned) return;
        writer.Literal("11\n");
        writer.Real(insertionPoint.x);
        writer.Literal("21\n");
        writer.Real(insertionPoint.y);
        return writer.Literal("31\n0.0\n");
      case DxfField::TextHeight:
        return writer.Real(std::fabs(height));
      case DxfField::TextWidthFactor:
        return writer.Real(std::fabs(widthFactor));
      case DxfField::TextContent:
        return writer.Text(content, DxfSpaces::Keep);
      case DxfField::TextRotation:
        return writer.Degrees(rotation);
      case DxfField::TextObliqueAngle:
        return writer.Degrees(obliqueAngle);
      case DxfField::TextStyleName:
        if (style == nullptr) return writer.Literal("STANDARD\n");
        return writer.Text(style->name, DxfSpaces::Replace);
      case DxfField::TextGenerationFlags:
        return writer.Integer(writtenFlags);
      case DxfField::TextAlignment:
        return writer.Integer(horizontalAlignment);
      default:
        return;
    }
  });
  return !writer.failed();
}

}  // namespace korvo
