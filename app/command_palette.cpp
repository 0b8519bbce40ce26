#include "app/command_palette.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "commands/toolbar_model.h"

namespace korvo {
namespace {

constexpr int kColumns = 8;

}  // namespace

CommandPalette::CommandPalette(const ToolbarModel& entries, int buttonSize, HelpHandler help,
                               QWidget* parent)
    : QDialog(parent), help_(std::move(help)) {
  setWindowTitle(tr("Command palette"));
  setObjectName(QStringLiteral("CommandPalette"));
  auto* grid = new QWidget;
  auto* layout = new QGridLayout(grid);
  layout->setSpacing(4);
  const uint32_t rgb = entries.BackgroundColour();
  grid->setAutoFillBackground(true);
  QPalette colours = grid->palette();
  colours.setColor(QPalette::Window, QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
  grid->setPalette(colours);
  for (std::size_t i = 0; i < entries.Count(); ++i) {
    const ToolbarItem& item = *entries.ItemAt(i);
    auto* button = new QToolButton;
    button->setObjectName(QString::fromStdU16String(std::u16string(item.CommandName())));
    button->setText(QString::fromStdU16String(item.itemText));
    button->setToolTip(button->text());
    if (!item.image.empty()) button->setIcon(QIcon(QString::fromStdString(item.image.string())));
    button->setIconSize({buttonSize, buttonSize});
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setCheckable(item.checked);
    button->setChecked(item.checked);
    button->setFixedWidth(buttonSize + buttonSize / 2 + 16);
    button->setEnabled(item.enabled && item.CanTap());
    const std::u16string commandText = item.commandText;
    connect(button, &QToolButton::clicked, this, [this, commandText] { Tapped(commandText); });
    const int row = static_cast<int>(i) / kColumns;
    const int column = static_cast<int>(i) % kColumns;
    layout->addWidget(button, row, column);
  }
  auto* scroll = new QScrollArea;
  scroll->setWidget(grid);
  scroll->setWidgetResizable(true);
  scroll->setMinimumWidth(grid->sizeHint().width() + 24);
  scroll->setMinimumHeight(std::min(grid->sizeHint().height() + 4, 640));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
  auto* helpButton = buttons->addButton(tr("Help on a command"), QDialogButtonBox::HelpRole);
  helpButton->setCheckable(true);
  helpButton->setEnabled(static_cast<bool>(help_));
  connect(helpButton, &QPushButton::toggled, this, [this](bool on) { helpMode_ = on; });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* outer = new QVBoxLayout(this);
  outer->addWidget(scroll, 1);
  outer->addWidget(buttons);
}

void CommandPalette::Tapped(const std::u16string& commandText) {
  if (helpMode_ && help_) {
    help_(commandText);
    return;
  }
  chosen_ = commandText;
  accept();
}

}  // namespace korvo
