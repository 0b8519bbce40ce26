#include "app/qt_property_sheet.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "app/property_row_field.h"
#include "app/qt_message_box.h"

namespace korvo {
namespace {

class PropertySheetWindow : public QDialog {
 public:
  PropertySheetWindow(PropertySheetModel& model, const DialogHelp& help, QWidget* parent)
      : QDialog(parent), model_(model) {
    setWindowTitle(model.Title().empty() ? QStringLiteral("KorvoCAD") : QtText(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* content = new QWidget;
    auto* form = new QFormLayout(content);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (std::size_t i = 0; i < model.RowCount(); ++i) {
      QWidget* field = AddField(i);
      field->setObjectName(QStringLiteral("row%1").arg(i));
      field->setMinimumWidth(180);
      form->addRow(QtText(model.RowLabel(i)), field);
      fields_.push_back(field);
    }
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(content);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    AddHelpButton(*buttons, help, model.Name());
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Accept(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    FitToScreen(*content);
    if (!fields_.empty()) fields_.front()->setFocus();
  }

 private:
  QWidget* AddField(std::size_t row) { return MakePropertyRowField(model_, row, this); }

  // As wide as the widest row and as tall as all of them, but never beyond most of the
  // screen: a long sheet scrolls instead.
  void FitToScreen(const QWidget& content) {
    const QSize wanted = content.sizeHint();
    QRect available(0, 0, 1024, 768);
    if (const QScreen* screen = this->screen()) available = screen->availableGeometry();
    const int width = std::min(wanted.width() + 40, available.width() * 9 / 10);
    const int height = std::min(wanted.height() + 80, available.height() * 8 / 10);
    resize(std::max(width, 320), height);
  }

  // A sheet that does not read stays open, with the focus on the row at fault.
  void Accept() {
    if (model_.Accept()) {
      accept();
      return;
    }
    QtMessageBox box;
    box.SetParent(this);
    box.Show(model_.ErrorMessage(), MessageButtons::Ok, MessageIcon::Exclamation);
    const std::size_t row = model_.ErrorRow().value_or(0);
    if (row >= fields_.size()) return;
    scroll_->ensureWidgetVisible(fields_[row]);
    fields_[row]->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(fields_[row])) edit->selectAll();
  }

  PropertySheetModel& model_;
  QScrollArea* scroll_ = nullptr;
  std::vector<QWidget*> fields_;
};

}  // namespace

PropertySheetResult QtPropertySheet::Run(PropertySheetModel& model) {
  PropertySheetWindow window(model, help_, parent_.data());
  if (window.exec() == QDialog::Accepted) return PropertySheetResult::Ok;
  model.Discard();
  return PropertySheetResult::Cancel;
}

}  // namespace korvo
