#pragma once

#include <QString>
#include <QWidget>
#include <cstddef>
#include <string_view>

#include "platform/property_sheet.h"

namespace korvo {

inline QString QtText(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The field that edits one row of a property sheet: a drop-down for two-way and list rows, a
// line edit for the rest. Every change goes straight to the model's row; `owner` keeps the
// connections.
QWidget* MakePropertyRowField(PropertySheetModel& model, std::size_t row, QObject* owner);

}  // namespace korvo
