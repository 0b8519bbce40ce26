#pragma once

#include <cstddef>

namespace korvo {

// A single-byte code page as $DWGCODEPAGE names it: the characters of bytes 0x80 to 0xFF
// (the lower half is ASCII in every one of them).
struct DxfCodePageTable {
  const char* name;
  char16_t upperHalf[128];
};

extern const DxfCodePageTable kDxfCodePageTables[];
extern const std::size_t kDxfCodePageTableCount;

}  // namespace korvo
