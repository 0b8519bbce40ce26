#pragma once

#include <QDialog>
#include <QPixmap>
#include <string_view>

#include "app/dialog_help.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvo {

class LineTypeDialogModel;
class MessageBoxService;

// The "Line Type/Color/Weight" dialog over its model: line type list, line weight entry,
// line type scale, colour number with a swatch of the palette colour and the two buttons that
// stay pressed. OK reads the fields through the model; a refused value is shown through
// `messages` and the dialog stays open.
class LineTypeDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr std::u16string_view kHelpTopic = u"line_types";

  LineTypeDialog(LineTypeDialogModel& model, MessageBoxService& messages, const DialogHelp& help,
                 QWidget* parent);

  void accept() override;

 private:
  void ShowColor();

  LineTypeDialogModel& model_;
  MessageBoxService& messages_;
  QComboBox* lineTypes_;
  QComboBox* lineWeight_;
  QLineEdit* scale_ = nullptr;
  QLineEdit* color_;
  QLabel* swatch_;
  QPushButton* byLayer_ = nullptr;
  QPushButton* byBlock_ = nullptr;
};

// The colour of a palette index as a small filled picture.
QPixmap ColorSwatch(int colorIndex, int width, int height);

}  // namespace korvo
