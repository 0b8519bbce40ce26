#include "app/toolbar_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

namespace korvo {
namespace {

QColor FromRgb(uint32_t rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace

ToolbarWidget::ToolbarWidget(ToolbarModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  setToolTipDuration(0);
}

QSize ToolbarWidget::sizeHint() const {
  const std::size_t shown = std::min(model_.Capacity(), std::max<std::size_t>(model_.Count(), 1));
  return {static_cast<int>(shown) * model_.ButtonSize(), model_.ButtonSize()};
}

QSize ToolbarWidget::minimumSizeHint() const {
  return {model_.ButtonSize(), model_.ButtonSize()};
}

void ToolbarWidget::Refresh() {
  if (model_.Revision() == shownRevision_) return;
  updateGeometry();
  update();
}

QPoint ToolbarWidget::ItemCentre(std::size_t index) const {
  const int size = model_.ButtonSize();
  return {static_cast<int>(index) * size - model_.ScrollOffset() + size / 2, height() / 2};
}

const QPixmap& ToolbarWidget::Image(const ToolbarItem& item) {
  const QString path = QString::fromStdString(item.image.string());
  auto found = images_.find(path);
  if (found == images_.end()) {
    // A file that is there but not a picture shows as a missing one: the item text.
    QPixmap image;
    if (!path.isEmpty()) image.load(path);
    found = images_.insert(path, image);
  }
  return found.value();
}

void ToolbarWidget::PaintItem(QPainter& painter, const ToolbarItem& item, const QRect& box,
                              bool pressed) {
  const QRect inner = box.adjusted(1, 1, -1, -1);
  if (item.checked || pressed) {
    painter.setPen(QColor(0x2F, 0x5F, 0x9F));
    painter.setBrush(pressed ? QColor(0xA8, 0xC4, 0xE8) : QColor(0xCC, 0xDD, 0xF2));
    painter.drawRoundedRect(QRectF(inner).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  }
  const QPixmap& image = Image(item);
  const QRect target = inner.adjusted(1, 1, -1, -1).translated(pressed ? 1 : 0, pressed ? 1 : 0);
  painter.setOpacity(item.enabled ? 1.0 : 0.3);
  if (!image.isNull()) {
    painter.drawPixmap(target, image);
  } else {
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPixelSize(std::max(8, box.height() / 4));
    painter.setFont(font);
    painter.drawText(target, Qt::AlignCenter | Qt::TextWordWrap,
                     QString::fromStdU16String(item.itemText));
  }
  painter.setOpacity(1.0);
}

void ToolbarWidget::paintEvent(QPaintEvent*) {
  shownRevision_ = model_.Revision();
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), FromRgb(model_.BackgroundColour()));
  const int size = model_.ButtonSize();
  const auto pressed = model_.PressedIndex();
  for (std::size_t i = 0; i < model_.Count(); ++i) {
    const QRect box(static_cast<int>(i) * size - model_.ScrollOffset(), (height() - size) / 2, size,
                    size);
    if (box.right() < 0) continue;
    if (box.left() > width()) break;
    PaintItem(painter, *model_.ItemAt(i), box, pressed == i);
  }
  // A groove between the visible buttons and the overflow that follows them.
  if (!model_.Overflow().empty()) {
    const int x = static_cast<int>(model_.Visible().size()) * size - model_.ScrollOffset();
    painter.setPen(QColor(0xA0, 0xA8, 0xB4));
    painter.drawLine(x, 3, x, height() - 4);
    painter.setPen(Qt::white);
    painter.drawLine(x + 1, 3, x + 1, height() - 4);
  }
  // The overflow waits beyond the end: a chevron says there is more to drag into view.
  const auto chevron = [&](int x, int direction) {
    const int h = std::max(4, height() / 6);
    QPainterPath path;
    path.moveTo(x - direction * h / 2, height() / 2 - h);
    path.lineTo(x + direction * h / 2, height() / 2);
    path.lineTo(x - direction * h / 2, height() / 2 + h);
    painter.setPen(QPen(QColor(0x2F, 0x5F, 0x9F), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
  };
  if (model_.ScrollOffset() < model_.MaxScroll()) chevron(width() - 5, 1);
  if (model_.ScrollOffset() > 0) chevron(5, -1);
}

void ToolbarWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  model_.PenDown(event->position().toPoint().x());
  const auto pressed = model_.PressedIndex();
  setToolTip(pressed ? QString::fromStdU16String(model_.ItemAt(*pressed)->itemText) : QString());
  AfterInput();
}

void ToolbarWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  model_.PenMove(event->position().toPoint().x());
  AfterInput();
}

void ToolbarWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const ToolbarPenResult result = model_.PenUp(event->position().toPoint().x());
  AfterInput();
  if (result.kind == ToolbarPenResult::Kind::Tapped && onTap_) {
    // A copy: the handler may reorder the toolbar.
    const ToolbarItem item = *model_.ItemAt(result.index);
    onTap_(item);
  }
}

void ToolbarWidget::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  const int steps = (delta.y() != 0 ? -delta.y() : -delta.x()) / 120;
  model_.ScrollButtons(steps != 0 ? steps : (delta.y() + delta.x() > 0 ? -1 : 1));
  AfterInput();
}

void ToolbarWidget::resizeEvent(QResizeEvent* event) {
  model_.SetViewLength(width());
  QWidget::resizeEvent(event);
}

void ToolbarWidget::AfterInput() {
  if (model_.Revision() != shownRevision_) update();
}

}  // namespace korvo
