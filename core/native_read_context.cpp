#include "core/native_read_context.h"

#include "core/drawing.h"
#include "text/line_type.h"

namespace korvo {
namespace {

template <class Table>
auto* FindByIndex(const Table& table, const std::vector<std::u16string>& names, uint32_t index) {
  return index < names.size() ? table.Find(names[index]) : nullptr;
}

}  // namespace

TextStyle* NativeReadContext::FindTextStyle(uint32_t index) const {
  return FindByIndex(drawing_.textStyles, textStyleNames, index);
}

Layer* NativeReadContext::FindLayer(uint32_t index) const {
  return FindByIndex(drawing_.layers, layerNames, index);
}

LineType* NativeReadContext::FindLineType(uint32_t index) const {
  return FindByIndex(drawing_.lineTypes, lineTypeNames, index);
}

void NativeReadContext::AppendBuiltInLineTypeNames() {
  for (const LineType* builtIn : {&ContinuousLineType(), &ByBlockLineType(), &ByLayerLineType()})
    lineTypeNames.push_back(builtIn->name);
}

void NativeReadContext::NumberTables() {
  NumberTablesForWriting(drawing_);
  lineTypeNames.clear();
  layerNames.clear();
  textStyleNames.clear();
  for (const LineType* type : drawing_.lineTypes) {
    if (type->builtIn == 0) lineTypeNames.push_back(type->name);
  }
  AppendBuiltInLineTypeNames();
  for (const Layer* layer : drawing_.layers) layerNames.push_back(layer->name);
  for (const TextStyle* style : drawing_.textStyles) textStyleNames.push_back(style->name);
}

void NumberTablesForWriting(const Drawing& drawing) {
  uint32_t index = 0;
  for (LineType* type : drawing.lineTypes) {
    if (type->builtIn == 0) type->fileIndex = index++;
  }
  for (LineType* builtIn : {&ContinuousLineType(), &ByBlockLineType(), &ByLayerLineType()})
    builtIn->fileIndex = index++;
  index = 0;
  for (Layer* layer : drawing.layers) layer->fileIndex = index++;
  index = 0;
  for (TextStyle* style : drawing.textStyles) style->fileIndex = index++;
}

}  // namespace korvo
