#include "app/bitmap_options_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_message_box.h"
#include "app/qt_text.h"
#include "exchange/bitmap_options_model.h"

namespace korvo {
namespace {

class BitmapOptionsWindow : public QDialog {
 public:
  BitmapOptionsWindow(BitmapOptionsModel& model, const DialogHelp& help, QWidget* parent)
      : QDialog(parent), model_(model) {
    setWindowTitle(QtText(BitmapOptionsModel::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    width_ = new QLineEdit(QtText(model.widthText), this);
    width_->setObjectName(QStringLiteral("width"));
    height_ = new QLineEdit(QtText(model.heightText), this);
    height_->setObjectName(QStringLiteral("height"));
    background_ = new QComboBox(this);
    background_->setObjectName(QStringLiteral("background"));
    // The choice's index is the model's: 0 black, 1 white.
    background_->addItem(QtText(BitmapOptionsModel::kBlack));
    background_->addItem(QtText(BitmapOptionsModel::kWhite));
    background_->setCurrentIndex(model.backgroundChoice);
    form->addRow(QtText(BitmapOptionsModel::kWidthLabel), width_);
    form->addRow(QtText(BitmapOptionsModel::kHeightLabel), height_);
    form->addRow(QtText(BitmapOptionsModel::kBackgroundLabel), background_);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    AddHelpButton(*buttons, help, QtBitmapOptionsDialog::kHelpTopic);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Accept(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    width_->setFocus();
    width_->selectAll();
  }

 private:
  // The model decides on a scratch copy of the options; the caller's Accept then takes the
  // same texts.
  void Accept() {
    model_.widthText = width_->text().toStdU16String();
    model_.heightText = height_->text().toStdU16String();
    model_.backgroundChoice = background_->currentIndex() == 1 ? 1 : 0;
    BitmapExportOptions scratch;
    std::u16string message;
    if (model_.Accept(scratch, message)) {
      accept();
      return;
    }
    QtMessageBox box;
    box.SetParent(this);
    box.Show(message, MessageButtons::Ok, MessageIcon::Exclamation);
    // With a good height in its place the width alone decides which text is at fault.
    BitmapOptionsModel probe(scratch);
    probe.widthText = model_.widthText;
    QLineEdit* fault = probe.Accept(scratch, message) ? height_ : width_;
    fault->setFocus();
    fault->selectAll();
  }

  BitmapOptionsModel& model_;
  QLineEdit* width_ = nullptr;
  QLineEdit* height_ = nullptr;
  QComboBox* background_ = nullptr;
};

}  // namespace

bool QtBitmapOptionsDialog::Run(BitmapOptionsModel& model) {
  BitmapOptionsWindow window(model, help_, parent_.data());
  return window.exec() == QDialog::Accepted;
}

std::optional<BitmapExportOptions> RunBitmapOptionsDialog(QWidget* parent,
                                                          const BitmapExportOptions& options,
                                                          const DialogHelp& help) {
  BitmapOptionsModel model(options);
  QtBitmapOptionsDialog dialog(parent, help);
  if (!dialog.Run(model)) return std::nullopt;
  BitmapExportOptions result = options;
  std::u16string message;
  if (!model.Accept(result, message)) return std::nullopt;
  return result;
}

}  // namespace korvo
