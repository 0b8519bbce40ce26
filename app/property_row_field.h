#pragma once

#include <QString>
#include <QWidget>
#include <cstddef>
#include <string_view>

#include "app/qt_text.h"
#include "platform/property_sheet.h"

namespace korvo {

// The field that edits one row of a property sheet: a drop-down for two-way and list rows, a
// line edit for the rest. Every change goes straight to the model's row; `owner` keeps the
// connections.
QWidget* MakePropertyRowField(PropertySheetModel& model, std::size_t row, QObject* owner);

}  // namespace korvo
