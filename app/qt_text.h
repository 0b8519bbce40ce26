#pragma once

#include <QString>
#include <string_view>

namespace korvo {

// Our UTF-16 text as Qt's.
inline QString QtText(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace korvo
