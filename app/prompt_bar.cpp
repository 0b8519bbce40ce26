#include "app/prompt_bar.h"

#include <QPainter>

#include "app/toolbar_widget.h"
#include "platform/prompt_line.h"

namespace korvo {
namespace {

// The prompt toolbar's three buttons, and the room around the assistant toolbar.
constexpr int kPromptButtons = 3;
int AssistantMargin(bool largeScreen) {
  return largeScreen ? 3 : 1;
}

}  // namespace

PromptBar::PromptBar(PromptLine& promptLine, QWidget* parent)
    : QWidget(parent), promptLine_(promptLine) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  text_ = QString::fromStdU16String(promptLine.Text());
  listener_ = promptLine_.AddListener([this](std::u16string_view text) {
    text_ = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    update();
  });
}

PromptBar::~PromptBar() {
  promptLine_.RemoveListener(listener_);
}

void PromptBar::SetLook(const QPixmap& background, bool largeScreen) {
  background_ = background;
  largeScreen_ = largeScreen;
  updateGeometry();
  Arrange();
  update();
}

void PromptBar::SetToolbars(ToolbarWidget* prompt, ToolbarWidget* assistant) {
  prompt_ = prompt;
  assistant_ = assistant;
  for (ToolbarWidget* toolbar : {prompt_, assistant_})
    if (toolbar != nullptr) toolbar->setParent(this);
  updateGeometry();
  Arrange();
}

void PromptBar::ToggleAssistant() {
  assistantShown_ = !assistantShown_;
  Arrange();
  update();
}

int PromptBar::ButtonSize() const {
  if (prompt_ != nullptr) return prompt_->model().ButtonSize();
  return largeScreen_ ? 48 : 24;
}

QSize PromptBar::sizeHint() const {
  return {400, ButtonSize() + 2 * AssistantMargin(largeScreen_)};
}

QSize PromptBar::minimumSizeHint() const {
  return {kPromptButtons * ButtonSize(), sizeHint().height()};
}

void PromptBar::Arrange() {
  const int margin = AssistantMargin(largeScreen_);
  const int size = ButtonSize();
  if (prompt_ != nullptr) {
    prompt_->setGeometry(width() - kPromptButtons * size, (height() - size) / 2,
                         kPromptButtons * size, size);
    prompt_->setVisible(!assistantShown_);
  }
  if (assistant_ != nullptr) {
    assistant_->setGeometry(margin, margin, std::max(0, width() - 2 * margin),
                            std::max(0, height() - 2 * margin));
    assistant_->setVisible(assistantShown_);
  }
}

void PromptBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Arrange();
}

void PromptBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (background_.isNull())
    painter.fillRect(rect(), QColor(0x2E, 0x34, 0x40));
  else
    painter.drawTiledPixmap(rect(), background_.scaled(background_.width(), height()));
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(largeScreen_ ? 28 : 13);
  font.setWeight(QFont::Normal);
  painter.setFont(font);
  painter.setPen(Qt::white);
  const int right = prompt_ != nullptr && prompt_->isVisible() ? prompt_->x() : width();
  painter.drawText(QRect(6, 0, std::max(0, right - 12), height()),
                   Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text_);
}

}  // namespace korvo
