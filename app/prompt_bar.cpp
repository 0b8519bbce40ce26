#include "app/prompt_bar.h"

#include <QHBoxLayout>

#include "platform/prompt_line.h"

namespace korvo {

PromptBar::PromptBar(PromptLine& promptLine, QWidget* parent)
    : QWidget(parent), promptLine_(promptLine), label_(new QLabel(this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->addWidget(label_, 1);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0x20, 0x30, 0x50));
  colours.setColor(QPalette::WindowText, Qt::white);
  setPalette(colours);
  label_->setText(QString::fromStdU16String(promptLine.Text()));
  listener_ = promptLine_.AddListener([this](std::u16string_view text) {
    label_->setText(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
  });
}

PromptBar::~PromptBar() {
  promptLine_.RemoveListener(listener_);
}

}  // namespace korvo
