#pragma once

#include <cstdint>
#include <string_view>

namespace korvo {

// How a group's value is stored, by its code. ASCII files hold every value as text; binary
// files store each kind in its own width.
enum class DxfValueKind { Text, Real, Int16, Int32, Int64, Bool, Chunk };

DxfValueKind KindOfGroup(int code);

// One group: a code and its value. Numbers are parsed once, when the group is read; the
// text of a string group points into the file's bytes and is not yet decoded.
struct DxfGroup {
  int code = 0;
  std::string_view text;
  double real = 0;
  int64_t integer = 0;
  uint64_t position = 0;  // line of the code (ASCII) or byte offset of the group (binary)
};

}  // namespace korvo
