#include "platform/headless_property_sheet.h"

namespace korvo {

std::optional<std::size_t> HeadlessPropertySheet::RowOf(const ScriptedSheetAnswer::Field& field,
                                                        const PropertySheetModel& model) {
  if (!field.label.empty()) return model.FindRow(field.label);
  if (field.row >= 1 && field.row <= model.RowCount()) return field.row - 1;
  return std::nullopt;
}

std::optional<ScriptedSheetAnswer> HeadlessPropertySheet::Next(const PropertySheetModel& model) {
  if (supplier_) return supplier_(model);
  if (answers_.empty()) return std::nullopt;
  ScriptedSheetAnswer answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

bool HeadlessPropertySheet::Apply(const ScriptedSheetAnswer& answer, PropertySheetModel& model) {
  for (const ScriptedSheetAnswer::Field& field : answer.fields) {
    const auto row = RowOf(field, model);
    if (!row) {
      messages_.push_back(field.label.empty() ? u"The sheet has no such row."
                                              : u"The sheet has no row " + field.label + u".");
      return false;
    }
    model.SetRowText(*row, field.text);
  }
  return true;
}

PropertySheetResult HeadlessPropertySheet::Run(PropertySheetModel& model) {
  titles_.push_back(model.Title());
  model.Discard();
  while (true) {
    const auto answer = Next(model);
    if (!answer) {
      messages_.push_back(u"No answer for the property sheet " + model.Title() + u".");
      model.Discard();
      return PropertySheetResult::Cancel;
    }
    if (answer->button != PropertySheetResult::Ok) {
      model.Discard();
      return PropertySheetResult::Cancel;
    }
    if (!Apply(*answer, model)) {
      model.Discard();
      return PropertySheetResult::Cancel;
    }
    if (model.Accept()) return PropertySheetResult::Ok;
    messages_.push_back(model.ErrorMessage());
  }
}

}  // namespace korvo
