#pragma once

#include <QDialog>
#include <string_view>

#include "app/dialog_help.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvo {

class TextStylesDialogModel;

// The text styles dialog over its model: the style list with its editable name, the font
// list, height, width factor, oblique angle, the two check boxes, "Apply changes" and "New",
// and a preview of the style the fields describe, drawn with its stroke font.
class TextStylesDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr std::u16string_view kHelpTopic = u"STYLES";

  TextStylesDialog(TextStylesDialogModel& model, const DialogHelp& help, QWidget* parent);

  void accept() override;

 private:
  void FillStyles();
  void ShowFields();
  void Edited();
  void UpdatePreview();

  TextStylesDialogModel& model_;
  QComboBox* styles_;
  QComboBox* fonts_;
  QLineEdit* height_;
  QLineEdit* width_;
  QLineEdit* oblique_;
  QCheckBox* upsideDown_;
  QCheckBox* backwards_;
  QPushButton* apply_;
  QPushButton* new_;
  QLabel* preview_;
  bool filling_ = false;
};

}  // namespace korvo
