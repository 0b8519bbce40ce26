#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/input_dialog.h"

namespace korvo {

// One scripted use of the input dialog: pick a mode, type into rows, press a button.
struct ScriptedDialogAnswer {
  struct Field {
    std::u16string label;  // a row label ("X", "dY"); when empty, `row` is used
    std::size_t row = 0;   // 1 for the first row
    std::u16string text;
  };

  InputDialogResult button = InputDialogResult::Ok;
  std::optional<InputDialogMode> mode;
  std::vector<Field> fields;
};

// The input dialog without a window: each Run takes scripted answers until one closes the
// dialog. An OK whose rows do not read is refused as the real dialog refuses it (the message
// is recorded) and the next answer is taken. A script that names a mode or row the dialog
// does not have, or runs out of answers, cancels the dialog and records why.
class HeadlessInputDialog : public InputDialogService {
 public:
  // Asked for the next answer while the dialog is open; nothing means there is none.
  using Supplier = std::function<std::optional<ScriptedDialogAnswer>(const InputDialogModel&)>;

  HeadlessInputDialog() = default;  // answers from QueueAnswer
  explicit HeadlessInputDialog(Supplier supplier) : supplier_(std::move(supplier)) {}

  void QueueAnswer(ScriptedDialogAnswer answer) { answers_.push_back(std::move(answer)); }
  InputDialogAnswer Run(const InputDialogRequest& request) override;

  const std::vector<InputDialogRequest>& Requests() const { return requests_; }
  // Refused OKs and script problems, in order.
  const std::vector<std::u16string>& Messages() const { return messages_; }

 private:
  std::optional<ScriptedDialogAnswer> Next(const InputDialogModel& model);
  bool Apply(const ScriptedDialogAnswer& answer, InputDialogModel& model);

  Supplier supplier_;
  std::deque<ScriptedDialogAnswer> answers_;
  std::vector<InputDialogRequest> requests_;
  std::vector<std::u16string> messages_;
};

}  // namespace korvo
