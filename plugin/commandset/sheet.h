#pragma once

#include <cstdint>
#include <span>

#include "plugin/plugin_api.h"

// Property sheets as the commands describe them: a table of rows, each editing one value of
// the command in place, shown through the host's property dialog.
namespace korvo::commandset::editing {

enum class SheetRowKind : int32_t {
  Int = 1,          // int32_t, any value
  IntRange = 2,     // int32_t within *min .. *max (int32_t)
  Double = 3,       // double, any value
  DoubleRange = 4,  // double within *min .. *max (double)
  ListById = 5,     // int32_t index into the items of string `firstText`
  ListText = 6,     // int32_t index into `items`
  Choice = 7,       // uint8_t, 1 shows string `firstText`, 0 `secondText`
};

struct SheetRow {
  SheetRowKind kind;
  int32_t label;  // string id
  void* value;
  int32_t firstText = 0;
  int32_t secondText = 0;
  const void* min = nullptr;
  const void* max = nullptr;
  const char16_t* items = nullptr;  // ListText: items separated by line feeds
};

// The result of a sheet: the dialog's own (1 OK), or this when it could not run.
inline constexpr int32_t kSheetNotRun = -1;
inline constexpr int32_t kSheetOk = 1;

// A new dialog titled with string `title`; null when the host cannot make one.
PluginDialog* CreateSheet(int32_t title, const char16_t* name);

// Adds `rows` to `dialog` in order, runs it and destroys it. The values change only when the
// user confirms.
int32_t RunSheet(PluginDialog* dialog, std::span<const SheetRow> rows);

// CreateSheet then RunSheet.
int32_t ShowSheet(int32_t title, const char16_t* name, std::span<const SheetRow> rows);

}  // namespace korvo::commandset::editing
