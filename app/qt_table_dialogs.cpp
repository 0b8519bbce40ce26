#include "app/qt_table_dialogs.h"

#include <QApplication>

#include "app/layers_dialog.h"
#include "app/line_type_dialog.h"
#include "app/text_styles_dialog.h"

namespace korvo {

bool QtTableDialogs::RunLayers(LayersDialogModel& model) {
  LayersDialog dialog(model, help_, parent_);
  return dialog.exec() == QDialog::Accepted;
}

bool QtTableDialogs::RunTextStyles(TextStylesDialogModel& model) {
  TextStylesDialog dialog(model, help_, parent_);
  return dialog.exec() == QDialog::Accepted;
}

bool QtTableDialogs::RunLineType(LineTypeDialogModel& model) {
  // Over the layers dialog when that is open, else over the main window.
  QWidget* parent = QApplication::activeModalWidget();
  LineTypeDialog dialog(model, messages_, help_, parent != nullptr ? parent : parent_.data());
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace korvo
