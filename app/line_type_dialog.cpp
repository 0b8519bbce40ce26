#include "app/line_type_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "app/qt_text.h"
#include "commands/line_type_dialog.h"
#include "commands/table_dialog_strings.h"
#include "core/color_palette.h"
#include "platform/message_box.h"
#include "text/line_type.h"

namespace korvo {

QPixmap ColorSwatch(int colorIndex, int width, int height) {
  QPixmap pixmap(width, height);
  const uint32_t color = ColorFromIndex(colorIndex);
  pixmap.fill(QColor(static_cast<int>(RedOf(color)), static_cast<int>(GreenOf(color)),
                     static_cast<int>(BlueOf(color))));
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, width - 1, height - 1);
  return pixmap;
}

LineTypeDialog::LineTypeDialog(LineTypeDialogModel& model, MessageBoxService& messages,
                               const DialogHelp& help, QWidget* parent)
    : QDialog(parent), model_(model), messages_(messages) {
  setWindowTitle(QtText(TableDialogString::kLineTypeTitle));
  setObjectName(QStringLiteral("LineTypeDialog"));
  auto* form = new QFormLayout;

  lineTypes_ = new QComboBox(this);
  lineTypes_->setObjectName(QStringLiteral("lineTypes"));
  for (const LineType* type : model.LineTypes()) lineTypes_->addItem(QtText(type->name));
  lineTypes_->setCurrentIndex(static_cast<int>(model.SelectedLineType()));
  connect(lineTypes_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0) model_.SelectLineType(static_cast<std::size_t>(index));
  });
  form->addRow(tr("Linetype:"), lineTypes_);

  lineWeight_ = new QComboBox(this);
  lineWeight_->setObjectName(QStringLiteral("lineWeight"));
  lineWeight_->setEditable(true);
  for (const std::u16string& entry : model.LineWeightEntries()) lineWeight_->addItem(QtText(entry));
  lineWeight_->setEditText(QtText(model.LineWeightText()));
  connect(lineWeight_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { model_.SetLineWeightText(text.toStdU16String()); });
  form->addRow(tr("Lineweight:"), lineWeight_);

  if (model.EditsScale()) {
    scale_ = new QLineEdit(QtText(model.ScaleText()), this);
    scale_->setObjectName(QStringLiteral("scale"));
    connect(scale_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetScaleText(text.toStdU16String()); });
    form->addRow(tr("Linetype scale:"), scale_);
  }

  auto* colorRow = new QHBoxLayout;
  color_ = new QLineEdit(QtText(model.ColorText()), this);
  color_->setObjectName(QStringLiteral("color"));
  swatch_ = new QLabel(this);
  swatch_->setObjectName(QStringLiteral("swatch"));
  colorRow->addWidget(color_);
  colorRow->addWidget(swatch_);
  if (model.HasColorButtons()) {
    byLayer_ = new QPushButton(tr("By layer"), this);
    byBlock_ = new QPushButton(tr("By block"), this);
    byLayer_->setObjectName(QStringLiteral("byLayer"));
    byBlock_->setObjectName(QStringLiteral("byBlock"));
    for (QPushButton* button : {byLayer_, byBlock_}) {
      button->setCheckable(true);
      button->setAutoDefault(false);
      colorRow->addWidget(button);
    }
    connect(byLayer_, &QPushButton::clicked, this, [this] {
      model_.PressByLayer();
      color_->clear();
      ShowColor();
    });
    connect(byBlock_, &QPushButton::clicked, this, [this] {
      model_.PressByBlock();
      color_->clear();
      ShowColor();
    });
  }
  connect(color_, &QLineEdit::textEdited, this, [this](const QString& text) {
    model_.SetColorText(text.toStdU16String());
    ShowColor();
  });
  form->addRow(tr("Color:"), colorRow);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  AddHelpButton(*buttons, help, kHelpTopic);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  ShowColor();
}

void LineTypeDialog::ShowColor() {
  swatch_->setPixmap(ColorSwatch(model_.SwatchIndex(), 24, 16));
  if (byLayer_ != nullptr) byLayer_->setChecked(model_.ByLayerPressed());
  if (byBlock_ != nullptr) byBlock_->setChecked(model_.ByBlockPressed());
}

void LineTypeDialog::accept() {
  if (!model_.Accept()) {
    messages_.Show(model_.ErrorMessage(), MessageButtons::Ok, MessageIcon::Exclamation);
    return;
  }
  QDialog::accept();
}

}  // namespace korvo
