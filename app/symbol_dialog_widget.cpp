#include "app/symbol_dialog_widget.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "app/bitmap_image.h"
#include "app/property_row_field.h"
#include "app/qt_message_box.h"
#include "platform/property_sheet.h"
#include "platform/symbol_catalog.h"

namespace korvo {
namespace {

constexpr int kPreviewWidth = 200;
constexpr int kPreviewHeight = 160;

class SymbolDialogWindow : public QDialog {
 public:
  SymbolDialogWindow(SymbolDialogModel& model, PropertySheetModel& sheet,
                     const SymbolSheetLayout& layout, const DialogHelp& help, QWidget* parent)
      : QDialog(parent), model_(model), sheet_(sheet) {
    setWindowTitle(QtText(layout.title));
    auto* top = new QVBoxLayout(this);

    auto* libraryRow = new QHBoxLayout;
    libraryRow->addWidget(new QLabel(QStringLiteral("Symbol Library:")));
    libraries_ = new QComboBox;
    libraries_->setObjectName(QStringLiteral("library"));
    libraryRow->addWidget(libraries_, 1);
    auto* browse = new QPushButton(QStringLiteral("..."));
    browse->setObjectName(QStringLiteral("catalog"));
    browse->setAutoDefault(false);
    libraryRow->addWidget(browse);
    top->addLayout(libraryRow);

    auto* middle = new QHBoxLayout;
    symbols_ = new QListWidget;
    symbols_->setObjectName(QStringLiteral("symbols"));
    middle->addWidget(symbols_, 1);
    auto* side = new QVBoxLayout;
    preview_ = new QLabel;
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setFixedSize(kPreviewWidth, kPreviewHeight);
    preview_->setFrameShape(QFrame::Box);
    preview_->setAutoFillBackground(true);
    QPalette paper = preview_->palette();
    paper.setColor(QPalette::Window, Qt::white);
    preview_->setPalette(paper);
    side->addWidget(preview_);
    auto* remove = new QPushButton(QStringLiteral("Delete"));
    remove->setObjectName(QStringLiteral("delete"));
    auto* rename = new QPushButton(QStringLiteral("Rename"));
    rename->setObjectName(QStringLiteral("rename"));
    for (QPushButton* button : {remove, rename}) {
      button->setAutoDefault(false);
      side->addWidget(button);
    }
    side->addStretch(1);
    middle->addLayout(side);
    top->addLayout(middle, 1);

    auto* form = new QFormLayout;
    name_ = new QLineEdit(QtText(model.location().name));
    name_->setObjectName(QStringLiteral("name"));
    form->addRow(QtText(layout.nameLabel), name_);
    for (std::size_t i = 0; i < sheet.RowCount(); ++i) {
      QWidget* field = MakePropertyRowField(sheet, i, this);
      field->setObjectName(QStringLiteral("row%1").arg(i));
      form->addRow(QtText(sheet.RowLabel(i)), field);
      fields_.push_back(field);
    }
    top->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    AddHelpButton(*buttons, help, model.HelpTopic());
    top->addWidget(buttons);

    FillLibraries();
    FillSymbols();
    ShowPreview();

    connect(libraries_, &QComboBox::activated, this, [this](int index) {
      if (index < 0 || static_cast<std::size_t>(index) >= model_.libraries().size()) return;
      model_.SelectLibrary(model_.libraries()[static_cast<std::size_t>(index)]);
      FillSymbols();
      ShowPreview();
    });
    connect(browse, &QPushButton::clicked, this, [this] { ChooseCatalog(); });
    connect(symbols_, &QListWidget::currentTextChanged, this, [this](const QString& text) {
      if (text.isEmpty()) return;
      const qreal ratio = preview_->devicePixelRatioF();
      model_.SelectSymbol(text.toStdU16String(), qRound(kPreviewWidth * ratio),
                          qRound(kPreviewHeight * ratio));
      name_->setText(QtText(model_.location().name));
      ShowPreview();
    });
    SelectNamed();
    connect(remove, &QPushButton::clicked, this, [this] { DeleteCurrent(); });
    connect(rename, &QPushButton::clicked, this, [this] { RenameCurrent(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Accept(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    name_->setFocus();
  }

 private:
  void FillLibraries() {
    libraries_->clear();
    for (const std::u16string& library : model_.libraries()) libraries_->addItem(QtText(library));
    libraries_->setCurrentIndex(static_cast<int>(model_.LibraryIndex().value_or(0)));
  }

  // The list is filled without selecting: a selection would preview and rename.
  void FillSymbols() {
    const QSignalBlocker quiet(symbols_);
    symbols_->clear();
    for (const std::u16string& symbol : model_.symbols()) symbols_->addItem(QtText(symbol));
  }

  void ShowPreview() {
    const SymbolPreview& preview = model_.preview();
    // An empty area rather than a hidden one: the buttons beside it stay where they are.
    if (!preview.shown || !preview.picture) {
      preview_->clear();
      return;
    }
    QImage image = ImageOfBitmap(*preview.picture);
    image.setDevicePixelRatio(preview_->devicePixelRatioF());
    preview_->setPixmap(QPixmap::fromImage(image));
  }

  // The symbol named when the dialog opens (the one chosen last time) is selected and
  // previewed, as if picked from the list.
  void SelectNamed() {
    const QList<QListWidgetItem*> named =
        symbols_->findItems(QtText(model_.location().name), Qt::MatchExactly);
    if (!named.isEmpty()) symbols_->setCurrentItem(named.front());
  }

  void ChooseCatalog() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Symbol Catalogue"), QtText(model_.location().catalog),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty()) return;
    model_.SetCatalog(folder.toStdU16String());
    FillLibraries();
    FillSymbols();
    ShowPreview();
  }

  void DeleteCurrent() {
    const QListWidgetItem* item = symbols_->currentItem();
    if (item == nullptr) return;
    if (!model_.DeleteSymbol(item->text().toStdU16String())) return;
    FillSymbols();
    ShowPreview();
  }

  void RenameCurrent() {
    const QListWidgetItem* item = symbols_->currentItem();
    if (item == nullptr) return;
    const QString from = item->text();
    bool ok = false;
    const QString to =
        QInputDialog::getText(this, QStringLiteral("Rename Symbol"), QStringLiteral("New name:"),
                              QLineEdit::Normal, from, &ok);
    if (!ok || to.isEmpty() || to == from) return;
    if (!model_.RenameSymbol(from.toStdU16String(), to.toStdU16String())) return;
    FillSymbols();
    name_->setText(QtText(model_.location().name));
    const QList<QListWidgetItem*> moved =
        symbols_->findItems(QtText(model_.location().name), Qt::MatchExactly);
    if (!moved.isEmpty()) {
      const QSignalBlocker quiet(symbols_);
      symbols_->setCurrentItem(moved.front());
    }
  }

  // The caller's rows must read before the name is judged; either refusal keeps the dialog.
  void Accept() {
    if (!sheet_.Accept()) {
      QtMessageBox box;
      box.SetParent(this);
      box.Show(sheet_.ErrorMessage(), MessageButtons::Ok, MessageIcon::Exclamation);
      const std::size_t row = sheet_.ErrorRow().value_or(0);
      if (row < fields_.size()) fields_[row]->setFocus();
      return;
    }
    model_.SetName(name_->text().toStdU16String());
    if (!model_.Accept()) {
      name_->setFocus();
      name_->selectAll();
      return;
    }
    accept();
  }

  SymbolDialogModel& model_;
  PropertySheetModel& sheet_;
  QComboBox* libraries_ = nullptr;
  QListWidget* symbols_ = nullptr;
  QLabel* preview_ = nullptr;
  QLineEdit* name_ = nullptr;
  std::vector<QWidget*> fields_;
};

}  // namespace

std::optional<SymbolLocation> QtSymbolDialog::Run(SymbolDialogModel& model, Profile& profile,
                                                  const SymbolSheetLayout& layout) {
  PropertySheetModel sheet{std::u16string(layout.title), std::u16string(model.HelpTopic())};
  if (layout.addRows) layout.addRows(sheet);
  SymbolDialogWindow window(model, sheet, layout, help_, parent_.data());
  if (window.exec() != QDialog::Accepted) {
    sheet.Discard();
    return std::nullopt;
  }
  if (model.mode() == SymbolDialogMode::Open) WriteSymbolLocation(profile, model.location());
  return model.location();
}

}  // namespace korvo
