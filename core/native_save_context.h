#pragma once

#include <cstdint>
#include <unordered_map>

namespace korvo {

class Drawing;
class Layer;
class LineType;
class TextStyle;

// The position every table entry has in the native file being written. Each write numbers
// the tables afresh, so no two writes, and no two drawings sharing the built-in line types,
// see each other's numbers.
class NativeSaveContext {
 public:
  // Numbers as the file lists them: the written line types in table order followed by the
  // built-in CONTINUOUS, BYBLOCK and BYLAYER (never written, always numbered), the layers
  // and the text styles in table order.
  explicit NativeSaveContext(const Drawing& drawing);

  // A line type that is neither built in nor the drawing's own entry of its name gets the
  // number of `standIn`, so that the file stays readable.
  uint32_t LineTypeIndex(const LineType* type, const LineType& standIn) const;
  // A layer or style that the drawing does not hold gets 0, the first entry.
  uint32_t LayerIndex(const Layer* layer) const;
  uint32_t TextStyleIndex(const TextStyle* style) const;

 private:
  std::unordered_map<const LineType*, uint32_t> lineTypes_;
  std::unordered_map<const Layer*, uint32_t> layers_;
  std::unordered_map<const TextStyle*, uint32_t> textStyles_;
};

}  // namespace korvo
