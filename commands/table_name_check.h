#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/utf16.h"

namespace korvo {

// Longer names do not fit a DXF symbol table name.
inline constexpr std::size_t kMaxTableNameLength = 255;

// Why `name` cannot name a layer or a text style, or nothing when it can: it is empty (the
// caller's own message says so), only blanks, longer than kMaxTableNameLength, or holds a
// character that a DXF table name cannot carry.
std::optional<std::u16string> CheckTableName(std::u16string_view name,
                                             std::u16string_view emptyMessage);

// The index of the working row whose copy is named `name` (rows hold a `copy` pointer with a
// `name`): the exact name first, else one that differs only in letter case.
template <class Rows>
std::optional<std::size_t> FindRowByName(const Rows& rows, std::u16string_view name) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].copy->name == name) return i;
  }
  const std::u16string key = ToUpper(name);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (ToUpper(rows[i].copy->name) == key) return i;
  }
  return std::nullopt;
}

}  // namespace korvo
