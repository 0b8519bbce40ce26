#pragma once

#include <cstdint>

#include "core/archive.h"

namespace korvo {

class Layer;
class LineType;
class TextStyle;

// What body readers need from the drawing being read.
class NativeLoadContext {
 public:
  virtual ~NativeLoadContext() = default;
  // The style at `index` in this file's text style name list, found in the drawing's
  // table; null when the index is out of range or the name is unknown.
  virtual TextStyle* FindTextStyle(uint32_t index) const = 0;
  // The same for the layer and line type name lists, which only the common entity header
  // uses; a context made for testing a body may leave them unanswered.
  virtual Layer* FindLayer(uint32_t) const { return nullptr; }
  virtual LineType* FindLineType(uint32_t) const { return nullptr; }
};

// The version of the file being read (0..4), for the readers whose records changed.
inline int GetLoadVersion(const ArchiveReader& archive) {
  return archive.version;
}

}  // namespace korvo
