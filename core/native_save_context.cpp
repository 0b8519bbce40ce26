#include "core/native_save_context.h"

#include "core/drawing.h"

namespace korvo {

NativeSaveContext::NativeSaveContext(const Drawing& drawing) {
  uint32_t index = 0;
  for (const LineType* type : drawing.lineTypes) {
    if (type->builtIn == 0) lineTypes_[type] = index++;
  }
  for (const LineType* builtIn : {&ContinuousLineType(), &ByBlockLineType(), &ByLayerLineType()})
    lineTypes_[builtIn] = index++;
  index = 0;
  for (const Layer* layer : drawing.layers) layers_[layer] = index++;
  index = 0;
  for (const TextStyle* style : drawing.textStyles) textStyles_[style] = index++;
}

uint32_t NativeSaveContext::LineTypeIndex(const LineType* type, const LineType& standIn) const {
  if (type != nullptr) {
    auto found = lineTypes_.find(type);
    if (found != lineTypes_.end()) return found->second;
  }
  return lineTypes_.at(&standIn);
}

uint32_t NativeSaveContext::LayerIndex(const Layer* layer) const {
  auto found = layers_.find(layer);
  return found != layers_.end() ? found->second : 0;
}

uint32_t NativeSaveContext::TextStyleIndex(const TextStyle* style) const {
  auto found = textStyles_.find(style);
  return found != textStyles_.end() ? found->second : 0;
}

}  // namespace korvo
