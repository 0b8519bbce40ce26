#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/native_context.h"

namespace korvo {

class Drawing;

// The name lists of a native file while it is read, and the drawing's tables the names are
// found in. Every table record read appends its name; references are positions in the lists.
class NativeReadContext : public NativeLoadContext {
 public:
  explicit NativeReadContext(Drawing& drawing) : drawing_(drawing) {}

  TextStyle* FindTextStyle(uint32_t index) const override;
  Layer* FindLayer(uint32_t index) const override;
  LineType* FindLineType(uint32_t index) const override;

  // Appends "CONTINUOUS", "BYBLOCK" and "BYLAYER" after the line types read.
  void AppendBuiltInLineTypeNames();
  // Takes the name lists a reader builds from the drawing's tables as a writer numbers them
  // (NativeSaveContext): for entity lists written and read outside a whole file.
  void NumberTables();

  std::vector<std::u16string> lineTypeNames;
  std::vector<std::u16string> layerNames;
  std::vector<std::u16string> textStyleNames;

 private:
  // Entities refer to a handful of entries millions of times: each index is looked up by
  // name once. A list that grew makes its cache start again.
  template <class T>
  struct Resolved {
    std::vector<T*> entries;
    std::vector<bool> known;
  };
  template <class T, class Table>
  T* Lookup(Resolved<T>& cache, const Table& table, const std::vector<std::u16string>& names,
            uint32_t index) const;

  Drawing& drawing_;
  mutable Resolved<Layer> layers_;
  mutable Resolved<LineType> lineTypes_;
  mutable Resolved<TextStyle> textStyles_;
};

}  // namespace korvo
