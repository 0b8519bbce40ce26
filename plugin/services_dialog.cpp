// Property dialogs (180, 182-207) and message boxes (208, 209).
#include <memory>

#include "commands/command_engine.h"
#include "platform/message_box.h"
#include "platform/property_sheet.h"
#include "plugin/plugin_context.h"
#include "plugin/service_support.h"
#include "plugin/service_table.h"
#include "plugin/service_text.h"

namespace korvo {
namespace {

// The sheet behind a dialog pointer: only one this context created and has not destroyed.
PropertySheetModel* SheetOf(PluginContext* context, PluginDialog* dialog) {
  return Live(context) != nullptr ? context->CheckDialog(dialog) : nullptr;
}

std::u16string Label(const char16_t* label) {
  return ReadServiceText(label).value_or(std::u16string());
}

std::optional<std::size_t> RowIndex(int32_t row) {
  if (row < 0) return std::nullopt;
  return static_cast<std::size_t>(row);
}

PluginDialog* CreatePropertyDialog(PluginContext* context, const char16_t* title,
                                   const char16_t* name) {
  if (context == nullptr || !context->IsLive()) return nullptr;
  std::u16string sheetName =
      context->dialogNameOverride.empty() ? Label(name) : context->dialogNameOverride;
  auto sheet = std::make_unique<PropertySheetModel>(Label(title), std::move(sheetName));
  PropertySheetModel* key = sheet.get();
  context->dialogs.emplace(key, std::move(sheet));
  return reinterpret_cast<PluginDialog*>(key);
}

int32_t AddTextRow(PluginContext* context, PluginDialog* dialog, const char16_t* label,
                   char16_t* text, int32_t maxLength) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  return sheet != nullptr && sheet->AddTextRow(Label(label), text, maxLength) ? 1 : 0;
}

int32_t AddIntRow(PluginContext* context, PluginDialog* dialog, const char16_t* label,
                  int32_t* value) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  return sheet != nullptr && sheet->AddIntRow(Label(label), value) ? 1 : 0;
}

int32_t AddIntRangeRow(PluginContext* context, PluginDialog* dialog, const char16_t* label,
                       int32_t* value, int32_t min, int32_t max) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  return sheet != nullptr && sheet->AddIntRangeRow(Label(label), value, min, max) ? 1 : 0;
}

int32_t AddDoubleRow(PluginContext* context, PluginDialog* dialog, const char16_t* label,
                     double* value) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  return sheet != nullptr && sheet->AddDoubleRow(Label(label), value) ? 1 : 0;
}

int32_t AddDoubleRangeRow(PluginContext* context, PluginDialog* dialog, const char16_t* label,
                          double* value, double min, double max) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  return sheet != nullptr && sheet->AddDoubleRangeRow(Label(label), value, min, max) ? 1 : 0;
}

int32_t AddYesNoRow(PluginContext* context, PluginDialog* dialog, const char16_t* label,
                    uint8_t* value) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  return sheet != nullptr && sheet->AddYesNoRow(Label(label), value) ? 1 : 0;
}

int32_t AddChoiceRow(PluginContext* context, PluginDialog* dialog, const char16_t* label,
                     uint8_t* value, const char16_t* trueText, const char16_t* falseText) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  const auto first = ReadServiceText(trueText);
  const auto second = ReadServiceText(falseText);
  if (sheet == nullptr || !first || !second) return 0;
  return sheet->AddChoiceRow(Label(label), value, *first, *second) ? 1 : 0;
}

int32_t AddListRow(PluginContext* context, PluginDialog* dialog, const char16_t* label,
                   int32_t* index, const char16_t* items) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  const auto list = ReadServiceText(items, kPluginListCapacity - 1);
  if (sheet == nullptr || !list) return 0;
  return sheet->AddListRow(Label(label), index, *list) ? 1 : 0;
}

int32_t RunDialog(PluginContext* context, PluginDialog* dialog, int32_t* result) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  if (sheet == nullptr || result == nullptr) return 0;
  *result = static_cast<int32_t>(context->engine->propertySheet().Run(*sheet));
  return 1;
}

int32_t SetTextRow(PluginContext* context, PluginDialog* dialog, int32_t row,
                   const char16_t* text) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  const auto value = ReadServiceText(text, kPluginListCapacity - 1);
  const auto index = RowIndex(row);
  return sheet != nullptr && value && index && sheet->SetText(*index, *value) ? 1 : 0;
}

int32_t SetIntRow(PluginContext* context, PluginDialog* dialog, int32_t row, int32_t value) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  const auto index = RowIndex(row);
  return sheet != nullptr && index && sheet->SetInt(*index, value) ? 1 : 0;
}

int32_t SetIntRangeRow(PluginContext* context, PluginDialog* dialog, int32_t row, int32_t value,
                       int32_t min, int32_t max) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  const auto index = RowIndex(row);
  return sheet != nullptr && index && sheet->SetIntRange(*index, value, min, max) ? 1 : 0;
}

int32_t SetDoubleRow(PluginContext* context, PluginDialog* dialog, int32_t row, double value) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  const auto index = RowIndex(row);
  return sheet != nullptr && index && sheet->SetDouble(*index, value) ? 1 : 0;
}

int32_t SetDoubleRangeRow(PluginContext* context, PluginDialog* dialog, int32_t row, double value,
                          double min, double max) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  const auto index = RowIndex(row);
  return sheet != nullptr && index && sheet->SetDoubleRange(*index, value, min, max) ? 1 : 0;
}

int32_t SetYesNoRow(PluginContext* context, PluginDialog* dialog, int32_t row, uint8_t value) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  const auto index = RowIndex(row);
  return sheet != nullptr && index && sheet->SetYesNo(*index, value) ? 1 : 0;
}

// Null texts keep the row's own; a text without its terminator refuses the call.
int32_t SetChoiceRow(PluginContext* context, PluginDialog* dialog, int32_t row, uint8_t value,
                     const char16_t* trueText, const char16_t* falseText) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  const auto index = RowIndex(row);
  const auto first = ReadServiceText(trueText);
  const auto second = ReadServiceText(falseText);
  if (sheet == nullptr || !index || (trueText != nullptr && !first) ||
      (falseText != nullptr && !second)) {
    return 0;
  }
  return sheet->SetChoice(*index, value, first ? &*first : nullptr, second ? &*second : nullptr)
             ? 1
             : 0;
}

int32_t SetListRow(PluginContext* context, PluginDialog* dialog, int32_t row, int32_t value,
                   const char16_t* items) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  const auto index = RowIndex(row);
  const auto list = ReadServiceText(items, kPluginListCapacity - 1);
  if (sheet == nullptr || !index || (items != nullptr && !list)) return 0;
  const std::u16string_view view = list ? std::u16string_view(*list) : std::u16string_view();
  return sheet->SetList(*index, value, list ? &view : nullptr) ? 1 : 0;
}

// The getters answer for a row of their own kind only.
bool IsKind(const PropertySheetModel& sheet, std::size_t row, PropertyRowKind kind) {
  return sheet.RowKind(row) == kind;
}

int32_t GetRowText(PluginContext* context, PluginDialog* dialog, int32_t row, char16_t* out) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  const auto index = RowIndex(row);
  if (sheet == nullptr || !index || out == nullptr) return 0;
  const auto text = sheet->GetText(*index);
  return text && WriteServiceText(out, *text) ? 1 : 0;
}

template <PropertyRowKind kKind>
int32_t GetRowInt(PluginContext* context, PluginDialog* dialog, int32_t row, int32_t* out) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  const auto index = RowIndex(row);
  if (sheet == nullptr || !index || out == nullptr || !IsKind(*sheet, *index, kKind)) return 0;
  *out = kKind == PropertyRowKind::List ? *sheet->GetIndex(*index) : *sheet->GetInt(*index);
  return 1;
}

template <PropertyRowKind kKind>
int32_t GetRowDouble(PluginContext* context, PluginDialog* dialog, int32_t row, double* out) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  const auto index = RowIndex(row);
  if (sheet == nullptr || !index || out == nullptr || !IsKind(*sheet, *index, kKind)) return 0;
  *out = *sheet->GetDouble(*index);
  return 1;
}

template <PropertyRowKind kKind>
int32_t GetRowFlag(PluginContext* context, PluginDialog* dialog, int32_t row, uint8_t* out) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  const auto index = RowIndex(row);
  if (sheet == nullptr || !index || out == nullptr || !IsKind(*sheet, *index, kKind)) return 0;
  *out = *sheet->GetFlag(*index);
  return 1;
}

int32_t DestroyDialog(PluginContext* context, PluginDialog* dialog) {
  PropertySheetModel* sheet = SheetOf(context, dialog);
  if (sheet == nullptr) return 0;
  context->dialogs.erase(sheet);
  return 1;
}

// The box a style asks for: the low four bits choose the buttons, the next four the icon;
// higher bits (default button, modality) do not change what the user answers. Nothing for
// buttons or icons the platform does not offer.
struct BoxStyle {
  MessageButtons buttons;
  MessageIcon icon;
};

std::optional<BoxStyle> StyleOf(int32_t style) {
  BoxStyle box{MessageButtons::Ok, MessageIcon::None};
  switch (style & 0x0F) {
    case PluginMessage::Ok:
      box.buttons = MessageButtons::Ok;
      break;
    case PluginMessage::OkCancel:
      box.buttons = MessageButtons::OkCancel;
      break;
    case PluginMessage::YesNoCancel:
      box.buttons = MessageButtons::YesNoCancel;
      break;
    case PluginMessage::YesNo:
      box.buttons = MessageButtons::YesNo;
      break;
    default:
      return std::nullopt;
  }
  switch (style & 0xF0) {
    case 0:
      break;
    case PluginMessage::IconStop:
      box.icon = MessageIcon::Stop;
      break;
    case PluginMessage::IconQuestion:
      box.icon = MessageIcon::Question;
      break;
    case PluginMessage::IconExclamation:
      box.icon = MessageIcon::Exclamation;
      break;
    case PluginMessage::IconInformation:
      box.icon = MessageIcon::Information;
      break;
    default:
      return std::nullopt;
  }
  return box;
}

int32_t ShowBox(PluginContext* context, const std::u16string& text, int32_t style,
                int32_t* result) {
  const auto box = StyleOf(style);
  if (!box) return 0;
  const MessageAnswer answer = context->engine->messageBox().Show(text, box->buttons, box->icon);
  if (result != nullptr) *result = static_cast<int32_t>(answer);
  return 1;
}

int32_t MessageBox(PluginContext* context, const char16_t* text, int32_t style, int32_t* result) {
  if (context == nullptr || !context->IsLive()) return 0;
  const auto message = ReadServiceText(text, kPluginListCapacity - 1);
  return message ? ShowBox(context, *message, style, result) : 0;
}

// The text is the loaded module's own string `stringId`; a module without it gets no box.
int32_t MessageBoxId(PluginContext* context, int32_t stringId, int32_t style, int32_t* result) {
  if (context == nullptr || !context->IsLive() || !context->moduleString) return 0;
  const std::u16string message = context->moduleString(stringId);
  return message.empty() ? 0 : ShowBox(context, message, style, result);
}

}  // namespace

void* DialogService(int32_t id) {
  using K = PropertyRowKind;
  switch (id) {
    case PluginService::CreatePropertyDialog:
      return ServiceAddressOf<CreatePropertyDialogFn>(&CreatePropertyDialog);
    case PluginService::AddTextRow:
      return ServiceAddressOf<AddTextRowFn>(&AddTextRow);
    case PluginService::AddIntRow:
      return ServiceAddressOf<AddIntRowFn>(&AddIntRow);
    case PluginService::AddIntRangeRow:
      return ServiceAddressOf<AddIntRangeRowFn>(&AddIntRangeRow);
    case PluginService::AddDoubleRow:
      return ServiceAddressOf<AddDoubleRowFn>(&AddDoubleRow);
    case PluginService::AddDoubleRangeRow:
      return ServiceAddressOf<AddDoubleRangeRowFn>(&AddDoubleRangeRow);
    case PluginService::AddYesNoRow:
      return ServiceAddressOf<AddYesNoRowFn>(&AddYesNoRow);
    case PluginService::AddChoiceRow:
      return ServiceAddressOf<AddChoiceRowFn>(&AddChoiceRow);
    case PluginService::RunDialog:
      return ServiceAddressOf<RunDialogFn>(&RunDialog);
    case PluginService::AddListRow:
      return ServiceAddressOf<AddListRowFn>(&AddListRow);
    case PluginService::SetTextRow:
      return ServiceAddressOf<SetTextRowFn>(&SetTextRow);
    case PluginService::SetIntRow:
      return ServiceAddressOf<SetIntRowFn>(&SetIntRow);
    case PluginService::SetIntRangeRow:
      return ServiceAddressOf<SetIntRangeRowFn>(&SetIntRangeRow);
    case PluginService::SetDoubleRow:
      return ServiceAddressOf<SetDoubleRowFn>(&SetDoubleRow);
    case PluginService::SetDoubleRangeRow:
      return ServiceAddressOf<SetDoubleRangeRowFn>(&SetDoubleRangeRow);
    case PluginService::SetYesNoRow:
      return ServiceAddressOf<SetYesNoRowFn>(&SetYesNoRow);
    case PluginService::SetChoiceRow:
      return ServiceAddressOf<SetChoiceRowFn>(&SetChoiceRow);
    case PluginService::SetListRow:
      return ServiceAddressOf<SetListRowFn>(&SetListRow);
    case PluginService::GetRowText:
      return ServiceAddressOf<GetRowTextFn>(&GetRowText);
    case PluginService::GetRowInt:
      return ServiceAddressOf<GetRowIntFn>(&GetRowInt<K::Int>);
    case PluginService::GetRowIntRange:
      return ServiceAddressOf<GetRowIntFn>(&GetRowInt<K::IntRange>);
    case PluginService::GetRowDouble:
      return ServiceAddressOf<GetRowDoubleFn>(&GetRowDouble<K::Double>);
    case PluginService::GetRowDoubleRange:
      return ServiceAddressOf<GetRowDoubleFn>(&GetRowDouble<K::DoubleRange>);
    case PluginService::GetRowYesNo:
      return ServiceAddressOf<GetRowFlagFn>(&GetRowFlag<K::YesNo>);
    case PluginService::GetRowChoice:
      return ServiceAddressOf<GetRowFlagFn>(&GetRowFlag<K::Choice>);
    case PluginService::GetRowValue:
      return ServiceAddressOf<GetRowIntFn>(&GetRowInt<K::List>);
    case PluginService::DestroyDialog:
      return ServiceAddressOf<DestroyDialogFn>(&DestroyDialog);
    case PluginService::MessageBox:
      return ServiceAddressOf<MessageBoxFn>(&MessageBox);
    case PluginService::MessageBoxId:
      return ServiceAddressOf<MessageBoxIdFn>(&MessageBoxId);
    default:
      return nullptr;
  }
}

}  // namespace korvo
