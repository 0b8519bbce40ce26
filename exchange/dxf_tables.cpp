#include "exchange/dxf_tables.h"

#include "core/tables.h"
#include "exchange/dxf_templates.h"
#include "exchange/dxf_writer.h"
#include "text/font_loading.h"
#include "text/line_type_table.h"

namespace korvo {
namespace {

void WriteLineType(DxfWriter& writer, const LineType& type) {
  writer.WriteTemplate(DxfLtypeTemplate(), [&](DxfField field) {
    switch (field) {
      case DxfField::LtypeRefName:
        return writer.Text(type.name, DxfSpaces::Keep);
      case DxfField::LtypeDescName:
        return writer.Text(type.description, DxfSpaces::Keep);
      case DxfField::LtypeNumOfDashes:
        return writer.Integer(static_cast<int64_t>(type.pattern.size()));
      case DxfField::LtypePatternLen:
        return writer.Real(type.PatternLength());
      case DxfField::LtypeDashData:
        // Signed lengths: negative elements are gaps.
        for (const double element : type.pattern) {
          writer.Literal(" 49\n");
          writer.Real(element);
          writer.Literal(" 74\n     0\n");
        }
        return;
      default:
        return;
    }
  });
}

void WriteLayer(DxfWriter& writer, const Layer& layer) {
  writer.WriteTemplate(DxfLayerTemplate(), [&](DxfField field) {
    switch (field) {
      case DxfField::Layer:
        return writer.Text(layer.name, DxfSpaces::Replace);
      case DxfField::LayerState:
        return writer.Color((layer.IsFrozen() ? 1 : 0) + (layer.IsLocked() ? 4 : 0));
      case DxfField::Color:
        // A negative index (a layer that is off) is written as it is.
        return writer.Color(layer.colorIndex);
      case DxfField::LineType:
        return writer.Text(layer.lineType != nullptr ? std::u16string_view(layer.lineType->name)
                                                     : std::u16string_view(u"CONTINUOUS"),
                           DxfSpaces::Keep);
      case DxfField::LineWeight:
        return writer.Integer(DxfLineWeight(layer.lineWeight));
      default:
        return;
    }
  });
}

// The font file name as a STYLE record names it: with ".shx" when it has no extension.
std::u16string FontFileName(std::u16string_view name) {
  std::u16string file(name);
  if (file.find(u'.') == std::u16string::npos) file += u".shx";
  return file;
}

void WriteTextStyle(DxfWriter& writer, const TextStyle& style) {
  StrokeFont* font = style.font.get();
  // The description comes from the font file's index, read here if nothing read it yet.
  if (font != nullptr && !writer.counting()) EnsureGlyphIndex(*font);
  const bool described = font != nullptr && !font->description.empty();
  const DxfTemplate& source = described ? DxfStyleWithDescriptionTemplate() : DxfStyleTemplate();
  writer.WriteTemplate(source, [&](DxfField field) {
    switch (field) {
      case DxfField::StyleName:
        return writer.Text(style.name, DxfSpaces::Replace);
      case DxfField::TextHeight:
        return writer.Real(style.height);
      case DxfField::TextWidthFactor:
        return writer.Real(style.widthFactor);
      case DxfField::TextObliqueAngle:
        return writer.Degrees(style.obliqueAngle);
      case DxfField::TextGenerationFlags:
        return writer.Integer(style.flags);
      case DxfField::StyleFontName:
        // With a description, the extended data carries the name as it is.
        return writer.Text(
            described ? std::u16string(style.FontName()) : FontFileName(style.FontName()),
            DxfSpaces::Keep);
      case DxfField::StyleExtFontName:
        return writer.Text(font->description, DxfSpaces::Keep);
      default:
        return;
    }
  });
}

void WriteBlock(DxfWriter& writer, const BlockDefinition& block) {
  writer.WriteTemplate(DxfBlockTemplate(), [&](DxfField field) {
    switch (field) {
      case DxfField::BlockName:
        return writer.Text(block.name, DxfSpaces::Keep);
      case DxfField::XCoord1:
        return writer.Real(block.basePoint.x);
      case DxfField::YCoord1:
        return writer.Real(block.basePoint.y);
      case DxfField::EntityBodies:
        return writer.WriteEntities(block);
      default:
        return;
    }
  });
}

}  // namespace

void WriteDxfLineTypes(DxfWriter& writer, const LineTypeTable& lineTypes) {
  for (const LineType* type : lineTypes) {
    if (type->builtIn == 0) WriteLineType(writer, *type);
  }
}

void WriteDxfLayers(DxfWriter& writer, const LayerTable& layers) {
  for (const Layer* layer : layers) WriteLayer(writer, *layer);
}

void WriteDxfTextStyles(DxfWriter& writer, const TextStyleTable& styles) {
  for (const TextStyle* style : styles) WriteTextStyle(writer, *style);
}

void WriteDxfBlocks(DxfWriter& writer, const BlockTable& blocks) {
  for (const BlockDefinition* block : blocks) {
    writer.Literal("  0\nBLOCK_RECORD\n  5\n");
    writer.Handle();
    writer.Literal("100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n  2\n");
    // Encoded as the BLOCK and INSERT records encode it: a reader pairs them by name.
    writer.Text(block->name, DxfSpaces::Keep);
  }
  writer.Literal("  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n  2\nBLOCKS\n");
  for (const BlockDefinition* block : blocks) WriteBlock(writer, *block);
}

}  // namespace korvo
