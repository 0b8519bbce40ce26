#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "commands/table_dialog_service.h"

namespace korvo {

class MessageBoxService;

// One scripted action in a layers, text styles or line type dialog.
struct TableDialogStep {
  enum class Kind {
    Select,  // select the row or style `name`
    Row,     // tap column `column` (a name or 1-5) of row `name` of the layers dialog
    Set,     // type `fields` into the fields they name
    Button,  // press button `name`
    Ok,      // type `fields`, then OK
    Cancel,
  };
  Kind kind = Kind::Cancel;
  std::u16string name;
  std::u16string column;
  std::vector<std::pair<std::u16string, std::u16string>> fields;  // label, text
};

// The three dialogs without windows: each Run takes scripted steps until one closes the dialog.
// A refused OK is shown through `messages` as the real dialog shows it, and the next step is
// taken. A step the dialog cannot take (a row, field or button it does not have, a disabled
// button) is reported to the failure handler and cancels the dialog; running out of steps
// cancels it quietly.
class HeadlessTableDialogs : public TableDialogService {
 public:
  // Asked for the next step while the dialog titled `title` is open; nothing: there is none.
  using Supplier = std::function<std::optional<TableDialogStep>(std::u16string_view title)>;
  using FailureHandler = std::function<void(const std::u16string& why)>;

  // Takes steps from QueueStep unless a supplier is set.
  explicit HeadlessTableDialogs(MessageBoxService& messages) : messages_(messages) {}
  HeadlessTableDialogs(MessageBoxService& messages, Supplier supplier, FailureHandler failure)
      : messages_(messages), supplier_(std::move(supplier)), failure_(std::move(failure)) {}

  void QueueStep(TableDialogStep step) { steps_.push_back(std::move(step)); }

  bool RunLayers(LayersDialogModel& model) override;
  bool RunTextStyles(TextStylesDialogModel& model) override;
  bool RunLineType(LineTypeDialogModel& model) override;

  // The titles of the dialogs run, in order, and the problems of the script.
  const std::vector<std::u16string>& Titles() const { return titles_; }
  const std::vector<std::u16string>& Problems() const { return problems_; }

 private:
  std::optional<TableDialogStep> Next(std::u16string_view title);
  bool Fail(std::u16string why);
  // Out of steps: the dialog is cancelled, as a user closing it would.
  bool NoAnswer(const std::u16string& title);

  MessageBoxService& messages_;
  Supplier supplier_;
  FailureHandler failure_;
  std::deque<TableDialogStep> steps_;
  std::vector<std::u16string> titles_;
  std::vector<std::u16string> problems_;
};

}  // namespace korvo
