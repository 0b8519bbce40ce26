#include "app/qt_input_dialog.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "app/qt_message_box.h"
#include "app/qt_text.h"

namespace korvo {
namespace {

// The window shows the model's rows and hands every edit to it at once, so that the model
// knows which rows were touched and reads untouched ones exactly as they were shown.
class InputDialogWindow : public QDialog {
 public:
  InputDialogWindow(InputDialogModel& model, const DialogHelp& help, QWidget* parent)
      : QDialog(parent), model_(model) {
    const std::u16string& caption = model.Request().description;
    setWindowTitle(caption.empty() ? QStringLiteral("KorvoCAD") : QtText(caption));
    auto* layout = new QVBoxLayout(this);
    AddModes(*layout);
    form_ = new QFormLayout;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      captions_[i] = new QLabel(this);
      rows_[i] = new QLineEdit(this);
      rows_[i]->setObjectName(QStringLiteral("row%1").arg(i));
      rows_[i]->setMinimumWidth(160);
      captions_[i]->setBuddy(rows_[i]);
      form_->addRow(captions_[i], rows_[i]);
      connect(rows_[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
        if (i == 0 && SplitAtComma(text)) return;
        model_.SetRowText(i, text.toStdU16String());
      });
    }
    layout->addLayout(form_);
    AddButtons(*layout, help);
    ShowRows();
  }

  // The typed text goes into the rows through the model. The typing goes on where it
  // stopped, at the end of the last row it reached and with nothing selected: a selection
  // would make the next key replace what was typed.
  void TakeTypedText(const QString& typed) {
    if (typed.isEmpty()) return;
    model_.TakeTypedText(typed.toStdU16String());
    ShowRows();
    const bool split = typed.contains(QLatin1Char(',')) &&
                       model_.Mode() == InputDialogMode::Absolute && model_.RowCount() > 1;
    typedRow_ = rows_[split ? 1 : 0];
    typedRow_->setFocus();
  }

  // More typed into the view while the dialog came up: the rows take all of it, and typing
  // goes on at its end.
  void TypeOn(const QString& typed) {
    TakeTypedText(typed);
    if (typedRow_ == nullptr || !isVisible()) return;
    typedRow_->deselect();
    typedRow_->end(false);
    typedRow_ = nullptr;
  }

  std::optional<DialogPoint> point;

 protected:
  // Showing a dialog gives its focus row a tab focus, which selects the row's text: the
  // cursor goes to the end of the typing once the dialog is up.
  void showEvent(QShowEvent* event) override {
    QDialog::showEvent(event);
    if (typedRow_ == nullptr) return;
    QMetaObject::invokeMethod(
        this,
        [row = typedRow_] {
          row->deselect();
          row->end(false);
        },
        Qt::QueuedConnection);
    typedRow_ = nullptr;
  }

 private:
  void AddModes(QVBoxLayout& layout) {
    const auto& modes = model_.Modes();
    if (modes.size() < 2) return;
    auto* row = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    for (InputDialogMode mode : modes) {
      auto* button = new QRadioButton(QtText(InputDialogModel::ModeLabel(mode)), this);
      button->setObjectName(QStringLiteral("mode") + QtText(InputDialogModel::ModeLabel(mode)));
      group->addButton(button);
      row->addWidget(button);
      modeButtons_.push_back({mode, button});
      connect(button, &QRadioButton::toggled, this, [this, mode](bool on) {
        if (!on || model_.Mode() == mode) return;
        model_.SetMode(mode);
        ShowRows();
      });
    }
    row->addStretch(1);
    layout.addLayout(row);
  }

  void AddButtons(QVBoxLayout& layout, const DialogHelp& help) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    QPushButton* onScreen =
        buttons->addButton(QStringLiteral("On-screen"), QDialogButtonBox::ActionRole);
    onScreen->setObjectName(QStringLiteral("onScreen"));
    onScreen->setAutoDefault(false);
    AddHelpButton(*buttons, help, QtInputDialog::kHelpTopic);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Accept(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(onScreen, &QPushButton::clicked, this,
            [this] { done(static_cast<int>(InputDialogResult::OnScreen)); });
    layout.addWidget(buttons);
  }

  // "x,y" typed on in the first row of absolute coordinates goes on in the second, as it does
  // when typed before the dialog showed; false for any other text.
  bool SplitAtComma(const QString& text) {
    if (!text.contains(QLatin1Char(',')) || model_.Mode() != InputDialogMode::Absolute ||
        model_.RowCount() < 2)
      return false;
    model_.TakeTypedText(text.toStdU16String());
    rows_[0]->setText(QtText(model_.RowText(0)));
    rows_[1]->setText(QtText(model_.RowText(1)));
    rows_[1]->setFocus();
    rows_[1]->end(false);
    return true;
  }

  // Brings the mode buttons and rows in line with the model; the first row takes the focus
  // with its text selected.
  void ShowRows() {
    for (const auto& [mode, button] : modeButtons_) {
      if (mode == model_.Mode() && !button->isChecked()) button->setChecked(true);
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      const bool shown = i < model_.RowCount();
      form_->setRowVisible(static_cast<int>(i), shown);
      if (!shown) continue;
      captions_[i]->setText(QtText(model_.RowCaption(i)));
      rows_[i]->setText(QtText(model_.RowText(i)));
    }
    FocusRow(0);
  }

  void FocusRow(std::size_t row) {
    if (row >= model_.RowCount()) row = 0;
    rows_[row]->setFocus();
    rows_[row]->selectAll();
  }

  // A text that does not read keeps the dialog open, with the focus on the row at fault.
  void Accept() {
    point = model_.Accept();
    if (point) {
      done(static_cast<int>(InputDialogResult::Ok));
      return;
    }
    QtMessageBox box;
    box.SetParent(this);
    box.Show(model_.ErrorMessage(), MessageButtons::Ok, MessageIcon::Exclamation);
    FocusRow(model_.ErrorRow().value_or(0));
  }

  InputDialogModel& model_;
  QFormLayout* form_ = nullptr;
  std::array<QLabel*, 2> captions_{};
  std::array<QLineEdit*, 2> rows_{};
  QLineEdit* typedRow_ = nullptr;  // where the typing goes on when the dialog shows
  std::vector<std::pair<InputDialogMode, QRadioButton*>> modeButtons_;
};

}  // namespace

void QtInputDialog::SetTypedText(QString text) {
  if (typingOn_)
    typingOn_(text);
  else
    typed_ = std::move(text);
}

InputDialogAnswer QtInputDialog::Run(const InputDialogRequest& request) {
  InputDialogModel model(request);
  InputDialogWindow window(model, help_, parent_.data());
  const QString typed = std::exchange(typed_, QString());
  window.TakeTypedText(typed);
  if (!typed.isEmpty()) typingOn_ = [&window](const QString& text) { window.TypeOn(text); };
  const int code = window.exec();
  typingOn_ = nullptr;
  InputDialogAnswer answer;
  if (code == static_cast<int>(InputDialogResult::Ok) && window.point) {
    answer.result = InputDialogResult::Ok;
    answer.point = *window.point;
  } else if (code == static_cast<int>(InputDialogResult::OnScreen)) {
    answer.result = InputDialogResult::OnScreen;
  }
  return answer;
}

}  // namespace korvo
