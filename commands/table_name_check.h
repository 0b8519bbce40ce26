#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvo {

// Longer names do not fit a DXF symbol table name.
inline constexpr std::size_t kMaxTableNameLength = 255;

// Why `name` cannot name a layer or a text style, or nothing when it can: it is empty (the
// caller's own message says so), only blanks, longer than kMaxTableNameLength, or holds a
// character that a DXF table name cannot carry.
std::optional<std::u16string> CheckTableName(std::u16string_view name,
                                             std::u16string_view emptyMessage);

}  // namespace korvo
