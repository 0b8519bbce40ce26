#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/property_sheet.h"

namespace korvo {

// One scripted use of a property sheet: type into rows, press a button.
struct ScriptedSheetAnswer {
  struct Field {
    std::u16string label;  // a row label (its final colon optional); when empty, `row` is used
    std::size_t row = 0;   // 1 for the first row
    std::u16string text;   // typed as the user types it; see PropertySheetModel::SetRowText
  };

  PropertySheetResult button = PropertySheetResult::Ok;
  std::vector<Field> fields;
};

// Property sheets without a window: each Run takes scripted answers until one closes the
// sheet. An OK whose rows do not read is refused as the real sheet refuses it (the message is
// recorded) and the next answer is taken. An answer naming a row the sheet does not have, or
// running out of answers, cancels the sheet and records why.
class HeadlessPropertySheet : public PropertySheetService {
 public:
  // Asked for the next answer while the sheet is open; nothing means there is none.
  using Supplier = std::function<std::optional<ScriptedSheetAnswer>(const PropertySheetModel&)>;

  HeadlessPropertySheet() = default;  // answers from QueueAnswer
  explicit HeadlessPropertySheet(Supplier supplier) : supplier_(std::move(supplier)) {}

  void QueueAnswer(ScriptedSheetAnswer answer) { answers_.push_back(std::move(answer)); }
  PropertySheetResult Run(PropertySheetModel& model) override;

  // The titles of the sheets run, in order.
  const std::vector<std::u16string>& Titles() const { return titles_; }
  // Refused OKs and script problems, in order.
  const std::vector<std::u16string>& Messages() const { return messages_; }

  // The row a field names, if the sheet has it.
  static std::optional<std::size_t> RowOf(const ScriptedSheetAnswer::Field& field,
                                          const PropertySheetModel& model);

 private:
  std::optional<ScriptedSheetAnswer> Next(const PropertySheetModel& model);
  bool Apply(const ScriptedSheetAnswer& answer, PropertySheetModel& model);

  Supplier supplier_;
  std::deque<ScriptedSheetAnswer> answers_;
  std::vector<std::u16string> titles_;
  std::vector<std::u16string> messages_;
};

}  // namespace korvo
