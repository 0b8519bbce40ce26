#include "app/text_styles_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/bitmap_image.h"
#include "app/qt_text.h"
#include "commands/table_dialog_strings.h"
#include "commands/text_style_preview.h"
#include "commands/text_styles_dialog.h"

namespace korvo {
namespace {

constexpr int kPreviewWidth = 320;
constexpr int kPreviewHeight = 60;

}  // namespace

TextStylesDialog::TextStylesDialog(TextStylesDialogModel& model, const DialogHelp& help,
                                   QWidget* parent)
    : QDialog(parent), model_(model) {
  setWindowTitle(QtText(TableDialogString::kTextStylesTitle));
  setObjectName(QStringLiteral("TextStylesDialog"));
  auto* form = new QFormLayout;

  styles_ = new QComboBox(this);
  styles_->setObjectName(QStringLiteral("styles"));
  styles_->setEditable(true);
  styles_->setInsertPolicy(QComboBox::NoInsert);
  connect(styles_, &QComboBox::activated, this, [this](int index) {
    if (index >= 0) model_.SelectStyle(static_cast<std::size_t>(index));
    FillStyles();
    ShowFields();
  });
  connect(styles_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (filling_) return;
    model_.SetField(TextStyleField::Name, text.toStdU16String());
    Edited();
  });
  form->addRow(tr("Style:"), styles_);

  fonts_ = new QComboBox(this);
  fonts_->setObjectName(QStringLiteral("fonts"));
  for (const std::u16string& font : model.Fonts()) fonts_->addItem(QtText(font));
  connect(fonts_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    if (filling_) return;
    model_.SetField(TextStyleField::Font, text.toStdU16String());
    Edited();
  });
  form->addRow(tr("Font:"), fonts_);

  const auto numberField = [this, form](const QString& label, const char* name,
                                        TextStyleField field) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
      model_.SetField(field, text.toStdU16String());
      Edited();
    });
    form->addRow(label, edit);
    return edit;
  };
  height_ = numberField(tr("Height:"), "height", TextStyleField::Height);
  width_ = numberField(tr("Width factor:"), "widthFactor", TextStyleField::WidthFactor);
  oblique_ = numberField(tr("Oblique angle:"), "obliqueAngle", TextStyleField::ObliqueAngle);

  upsideDown_ = new QCheckBox(tr("Upside down"), this);
  backwards_ = new QCheckBox(tr("Backwards"), this);
  connect(upsideDown_, &QCheckBox::clicked, this, [this](bool on) {
    model_.SetUpsideDown(on);
    Edited();
  });
  connect(backwards_, &QCheckBox::clicked, this, [this](bool on) {
    model_.SetBackwards(on);
    Edited();
  });
  auto* checks = new QHBoxLayout;
  checks->addWidget(upsideDown_);
  checks->addWidget(backwards_);
  form->addRow(checks);

  apply_ = new QPushButton(tr("Apply changes"), this);
  apply_->setObjectName(QStringLiteral("apply"));
  new_ = new QPushButton(tr("New"), this);
  new_->setObjectName(QStringLiteral("new"));
  for (QPushButton* button : {apply_, new_}) button->setAutoDefault(false);
  connect(apply_, &QPushButton::clicked, this, [this] {
    model_.Apply();
    FillStyles();
    ShowFields();
  });
  connect(new_, &QPushButton::clicked, this, [this] {
    model_.New();
    FillStyles();
    ShowFields();
  });
  auto* actions = new QHBoxLayout;
  actions->addWidget(apply_);
  actions->addWidget(new_);

  preview_ = new QLabel(this);
  preview_->setObjectName(QStringLiteral("preview"));
  preview_->setFixedSize(kPreviewWidth, kPreviewHeight);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  AddHelpButton(*buttons, help, kHelpTopic);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(actions);
  layout->addWidget(preview_);
  layout->addWidget(buttons);
  FillStyles();
  ShowFields();
}

void TextStylesDialog::FillStyles() {
  filling_ = true;
  styles_->clear();
  for (std::size_t i = 0; i < model_.StyleCount(); ++i)
    styles_->addItem(QtText(model_.Style(i).name));
  if (const auto selected = model_.SelectedStyle())
    styles_->setCurrentIndex(static_cast<int>(*selected));
  filling_ = false;
}

// Shows what the model holds; the fields keep unapplied edits when a switch was cancelled.
void TextStylesDialog::ShowFields() {
  filling_ = true;
  const TextStyleFields& fields = model_.Fields();
  styles_->setEditText(QtText(fields.name));
  const int font = fonts_->findText(QtText(fields.font), Qt::MatchFixedString);
  if (font >= 0) {
    fonts_->setCurrentIndex(font);
  } else {
    const QSignalBlocker blocker(fonts_);
    fonts_->setCurrentIndex(-1);
  }
  height_->setText(QtText(fields.height));
  width_->setText(QtText(fields.widthFactor));
  oblique_->setText(QtText(fields.obliqueDegrees));
  upsideDown_->setChecked(fields.upsideDown);
  backwards_->setChecked(fields.backwards);
  filling_ = false;
  Edited();
}

void TextStylesDialog::Edited() {
  apply_->setEnabled(model_.CanApply());
  new_->setEnabled(model_.CanNew());
  UpdatePreview();
}

void TextStylesDialog::UpdatePreview() {
  const auto style = model_.PreviewStyle();
  const auto bitmap = RenderTextStylePreview(*style, u"AaBbCc 123", kPreviewWidth, kPreviewHeight);
  if (bitmap) preview_->setPixmap(QPixmap::fromImage(ImageOfBitmap(*bitmap)));
}

void TextStylesDialog::accept() {
  if (!model_.Accept()) {
    ShowFields();
    return;
  }
  QDialog::accept();
}

}  // namespace korvo
