#include "app/property_row_field.h"

#include <QComboBox>
#include <QLineEdit>

namespace korvo {
namespace {

bool IsChoiceKind(PropertyRowKind kind) {
  return kind == PropertyRowKind::YesNo || kind == PropertyRowKind::Choice ||
         kind == PropertyRowKind::List;
}

// The option a two-way or list row shows as chosen; -1 for a list index outside the items.
int ChosenOption(const PropertySheetModel& model, std::size_t row) {
  if (const auto flag = model.GetFlag(row)) return *flag != 0 ? 0 : 1;
  const int32_t index = model.GetIndex(row).value_or(-1);
  return index >= 0 && static_cast<std::size_t>(index) < model.RowOptions(row).size() ? index : -1;
}

}  // namespace

QWidget* MakePropertyRowField(PropertySheetModel& model, std::size_t row, QObject* owner) {
  const std::optional<PropertyRowKind> kind = model.RowKind(row);
  if (kind && IsChoiceKind(*kind)) {
    auto* box = new QComboBox;
    for (const std::u16string& option : model.RowOptions(row)) box->addItem(QtText(option));
    box->setCurrentIndex(ChosenOption(model, row));
    QObject::connect(box, &QComboBox::activated, owner, [&model, row](int option) {
      if (option >= 0) model.SetRowOption(row, static_cast<std::size_t>(option));
    });
    return box;
  }
  auto* edit = new QLineEdit(QtText(model.RowText(row)));
  if (const auto length = model.RowMaxLength(row)) edit->setMaxLength(*length);
  QObject::connect(edit, &QLineEdit::textEdited, owner, [&model, row](const QString& text) {
    model.SetRowText(row, text.toStdU16String());
  });
  return edit;
}

}  // namespace korvo
