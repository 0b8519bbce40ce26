#include "app/layers_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/line_type_dialog.h"
#include "app/qt_text.h"
#include "commands/layers_dialog.h"
#include "commands/line_type_dialog.h"
#include "commands/table_dialog_strings.h"
#include "text/line_type.h"

namespace korvo {
namespace {

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled);
  return item;
}

}  // namespace

LayersDialog::LayersDialog(LayersDialogModel& model, const DialogHelp& help, QWidget* parent)
    : QDialog(parent), model_(model) {
  setWindowTitle(QtText(TableDialogString::kLayersTitle));
  setObjectName(QStringLiteral("LayersDialog"));
  table_ = new QTableWidget(this);
  table_->setObjectName(QStringLiteral("layers"));
  table_->setColumnCount(6);
  table_->setHorizontalHeaderLabels(
      {tr("Name"), tr("Line type"), tr("Frozen"), tr("Locked"), tr("Current"), tr("Delete")});
  table_->verticalHeader()->hide();
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  connect(table_, &QTableWidget::cellClicked, this, &LayersDialog::CellClicked);

  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("name"));
  new_ = new QPushButton(tr("New"), this);
  new_->setObjectName(QStringLiteral("new"));
  rename_ = new QPushButton(tr("Rename"), this);
  rename_->setObjectName(QStringLiteral("rename"));
  for (QPushButton* button : {new_, rename_}) button->setAutoDefault(false);
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    model_.SetEditText(text.toStdU16String());
    UpdateButtons();
  });
  connect(new_, &QPushButton::clicked, this, [this] {
    if (model_.New()) {
      Fill();
      table_->scrollToBottom();
      name_->selectAll();
    }
    UpdateButtons();
  });
  connect(rename_, &QPushButton::clicked, this, [this] {
    if (model_.Rename()) Fill();
    UpdateButtons();
  });

  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(name_);
  nameRow->addWidget(new_);
  nameRow->addWidget(rename_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  AddHelpButton(*buttons, help, kHelpTopic);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addLayout(nameRow);
  layout->addWidget(buttons);
  resize(520, 360);
  Fill();
  UpdateButtons();
}

void LayersDialog::Fill() {
  const int rows = static_cast<int>(model_.RowCount());
  table_->setRowCount(rows);
  const auto mark = [](bool on) { return on ? QStringLiteral("\u2713") : QString(); };
  for (int row = 0; row < rows; ++row) {
    const Layer& layer = model_.Row(static_cast<std::size_t>(row));
    const bool selected = model_.SelectedRow() == static_cast<std::size_t>(row);
    const bool current = model_.CurrentRow() == static_cast<std::size_t>(row);
    QTableWidgetItem* name = Cell(QtText(layer.name));
    if (selected) name->setBackground(palette().highlight());
    if (selected) name->setForeground(palette().highlightedText());
    table_->setItem(row, 0, name);
    const QString style = (layer.lineType ? QtText(layer.lineType->name) : QString()) +
                          QStringLiteral(" ") +
                          QtText(LineTypeDialogModel::LineWeightTextOf(layer.lineWeight));
    QTableWidgetItem* lineType = Cell(style);
    lineType->setIcon(QIcon(ColorSwatch(layer.colorIndex, 16, 12)));
    table_->setItem(row, 1, lineType);
    table_->setItem(row, 2, Cell(mark(layer.IsFrozen())));
    table_->setItem(row, 3, Cell(mark(layer.IsLocked())));
    table_->setItem(row, 4, Cell(mark(current)));
    table_->setItem(row, 5, Cell(QStringLiteral("\u2715")));
  }
}

void LayersDialog::UpdateButtons() {
  new_->setEnabled(model_.CanNew());
  rename_->setEnabled(model_.CanRename());
}

void LayersDialog::CellClicked(int row, int column) {
  if (row < 0) return;
  const auto index = static_cast<std::size_t>(row);
  if (column == 0) {
    model_.SelectRow(index);
  } else {
    model_.RowAction(index, static_cast<LayerColumn>(column));
  }
  Fill();
  UpdateButtons();
}

}  // namespace korvo
