#include "app/view_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <cstring>

#include "platform/message.h"
#include "platform/raster_device.h"
#include "platform/window.h"
#include "view/view.h"

namespace korvo {

ViewWidget::ViewWidget(View& view, Window& viewWindow, QWidget* parent)
    : QWidget(parent), view_(view), viewWindow_(viewWindow) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(1, 1);
}

void ViewWidget::Present() {
  const Bitmap& bitmap = view_.window();
  const int width = bitmap.width();
  const int height = bitmap.height();
  if (image_.width() != width || image_.height() != height)
    image_ = QImage(width, height, QImage::Format_RGBX8888);
  // Our pixels hold red in the low byte: in memory that is R, G, B, then a byte the format
  // wants opaque.
  bool changed = false;
  for (int y = 0; y < height; ++y) {
    const uint32_t* from = bitmap.Row(y);
    auto* to = reinterpret_cast<uint32_t*>(image_.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const uint32_t pixel = from[x] | 0xFF000000u;
      if (to[x] != pixel) {
        to[x] = pixel;
        changed = true;
      }
    }
  }
  image_.setDevicePixelRatio(devicePixelRatioF());
  if (changed) update();
}

void ViewWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.fillRect(rect(), Qt::black);
  if (!image_.isNull()) painter.drawImage(QPointF(0, 0), image_);
}

void ViewWidget::resizeEvent(QResizeEvent*) {
  SyncClientSize();
}

void ViewWidget::SyncClientSize() {
  const qreal ratio = devicePixelRatioF();
  viewWindow_.SetClientSize(static_cast<int>(std::lround(width() * ratio)),
                            static_cast<int>(std::lround(height() * ratio)));
}

QPoint ViewWidget::ToClient(const QPointF& position) const {
  const qreal ratio = devicePixelRatioF();
  return {static_cast<int>(std::floor(position.x() * ratio)),
          static_cast<int>(std::floor(position.y() * ratio))};
}

void ViewWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = ToClient(event->position());
  penDown_ = true;
  viewWindow_.Post(PenMessage(MessageKind::PenDown, &viewWindow_, p.x(), p.y(), true));
}

void ViewWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = ToClient(event->position());
  viewWindow_.Post(PenMessage(MessageKind::PenMove, &viewWindow_, p.x(), p.y(), penDown_));
}

void ViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !penDown_) return;
  const QPoint p = ToClient(event->position());
  penDown_ = false;
  viewWindow_.Post(PenMessage(MessageKind::PenUp, &viewWindow_, p.x(), p.y(), false));
}

}  // namespace korvo
