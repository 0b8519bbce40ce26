#include "core/native_read_context.h"

#include "core/drawing.h"
#include "text/line_type.h"

namespace korvo {
template <class T, class Table>
T* NativeReadContext::Lookup(Resolved<T>& cache, const Table& table,
                             const std::vector<std::u16string>& names, uint32_t index) const {
  if (index >= names.size()) return nullptr;
  if (cache.known.size() != names.size()) {
    cache.entries.assign(names.size(), nullptr);
    cache.known.assign(names.size(), false);
  }
  if (!cache.known[index]) {
    cache.entries[index] = table.Find(names[index]);
    cache.known[index] = true;
  }
  return cache.entries[index];
}

TextStyle* NativeReadContext::FindTextStyle(uint32_t index) const {
  return Lookup(textStyles_, drawing_.textStyles, textStyleNames, index);
}

Layer* NativeReadContext::FindLayer(uint32_t index) const {
  return Lookup(layers_, drawing_.layers, layerNames, index);
}

LineType* NativeReadContext::FindLineType(uint32_t index) const {
  return Lookup(lineTypes_, drawing_.lineTypes, lineTypeNames, index);
}

void NativeReadContext::AppendBuiltInLineTypeNames() {
  for (const LineType* builtIn : {&ContinuousLineType(), &ByBlockLineType(), &ByLayerLineType()})
    lineTypeNames.push_back(builtIn->name);
}

void NativeReadContext::NumberTables() {
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

}  // namespace korvo
