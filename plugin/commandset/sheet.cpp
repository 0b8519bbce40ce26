#include "plugin/commandset/sheet.h"

#include <string>

#include "plugin/commandset/host.h"
#include "plugin/commandset/strings.h"

namespace korvo::commandset::editing {

namespace {

std::u16string Text(int32_t id) {
  return LoadString(id, kPluginTextCapacity);
}

bool AddRow(PluginDialog* dialog, const SheetRow& row) {
  namespace S = PluginService;
  const std::u16string label = Text(row.label);
  const char16_t* l = label.c_str();
  switch (row.kind) {
    case SheetRowKind::Int:
      return Call<AddIntRowFn>(S::AddIntRow, dialog, l, static_cast<int32_t*>(row.value)) != 0;
    case SheetRowKind::IntRange:
      if (row.min == nullptr || row.max == nullptr) return false;
      return Call<AddIntRangeRowFn>(S::AddIntRangeRow, dialog, l, static_cast<int32_t*>(row.value),
                                    *static_cast<const int32_t*>(row.min),
                                    *static_cast<const int32_t*>(row.max)) != 0;
    case SheetRowKind::Double:
      return Call<AddDoubleRowFn>(S::AddDoubleRow, dialog, l, static_cast<double*>(row.value)) != 0;
    case SheetRowKind::DoubleRange:
      if (row.min == nullptr || row.max == nullptr) return false;
      return Call<AddDoubleRangeRowFn>(
                 S::AddDoubleRangeRow, dialog, l, static_cast<double*>(row.value),
                 *static_cast<const double*>(row.min), *static_cast<const double*>(row.max)) != 0;
    case SheetRowKind::ListById: {
      const std::u16string items = LoadString(row.firstText, kPluginListCapacity);
      return Call<AddListRowFn>(S::AddListRow, dialog, l, static_cast<int32_t*>(row.value),
                                items.c_str()) != 0;
    }
    case SheetRowKind::ListText:
      return Call<AddListRowFn>(S::AddListRow, dialog, l, static_cast<int32_t*>(row.value),
                                row.items != nullptr ? row.items : u"") != 0;
    case SheetRowKind::Choice: {
      const std::u16string yes = Text(row.firstText);
      const std::u16string no = Text(row.secondText);
      return Call<AddChoiceRowFn>(S::AddChoiceRow, dialog, l, static_cast<uint8_t*>(row.value),
                                  yes.c_str(), no.c_str()) != 0;
    }
  }
  return false;
}

}  // namespace

PluginDialog* CreateSheet(int32_t title, const char16_t* name) {
  const std::u16string text = Text(title);
  return Call<CreatePropertyDialogFn>(PluginService::CreatePropertyDialog, text.c_str(), name);
}

int32_t RunSheet(PluginDialog* dialog, std::span<const SheetRow> rows) {
  if (dialog == nullptr) return kSheetNotRun;
  int32_t result = kSheetNotRun;
  bool complete = true;
  for (const SheetRow& row : rows) {
    if (!AddRow(dialog, row)) {
      complete = false;
      break;
    }
  }
  // A sheet missing a row would let the user confirm values never shown.
  if (complete && Call<RunDialogFn>(PluginService::RunDialog, dialog, &result) == 0) {
    result = kSheetNotRun;
  }
  Call<DestroyDialogFn>(PluginService::DestroyDialog, dialog);
  return complete ? result : kSheetNotRun;
}

int32_t ShowSheet(int32_t title, const char16_t* name, std::span<const SheetRow> rows) {
  return RunSheet(CreateSheet(title, name), rows);
}

}  // namespace korvo::commandset::editing
