#include "platform/headless_input_dialog.h"

namespace korvo {

std::optional<ScriptedDialogAnswer> HeadlessInputDialog::Next(const InputDialogModel& model) {
  if (supplier_) return supplier_(model);
  if (answers_.empty()) return std::nullopt;
  ScriptedDialogAnswer answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

bool HeadlessInputDialog::Apply(const ScriptedDialogAnswer& answer, InputDialogModel& model) {
  if (answer.mode && !model.SetMode(*answer.mode)) {
    messages_.push_back(u"The dialog offers no " +
                        std::u16string(InputDialogModel::ModeLabel(*answer.mode)) + u" mode.");
    return false;
  }
  for (const ScriptedDialogAnswer::Field& field : answer.fields) {
    const bool set = field.label.empty()
                         ? field.row >= 1 && model.SetRowText(field.row - 1, field.text)
                         : model.SetRowTextByLabel(field.label, field.text);
    if (!set) {
      messages_.push_back(field.label.empty() ? u"The dialog has no such row."
                                              : u"The dialog has no row " + field.label + u".");
      return false;
    }
  }
  return true;
}

InputDialogAnswer HeadlessInputDialog::Run(const InputDialogRequest& request) {
  requests_.push_back(request);
  InputDialogModel model(request);
  while (true) {
    const auto answer = Next(model);
    if (!answer) {
      messages_.push_back(u"No answer for the input dialog.");
      return {InputDialogResult::Cancel, {}};
    }
    if (answer->button != InputDialogResult::Ok) return {answer->button, {}};
    if (!Apply(*answer, model)) return {InputDialogResult::Cancel, {}};
    if (const auto point = model.Accept()) return {InputDialogResult::Ok, *point};
    messages_.push_back(model.ErrorMessage());
  }
}

}  // namespace korvo
