#include "app/view_widget.h"

#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QRegion>
#include <QTabletEvent>
#include <QTouchEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "commands/command_engine.h"
#include "commands/editor_session.h"
#include "platform/message.h"
#include "platform/raster_device.h"
#include "platform/window.h"
#include "view/view.h"
#include "view/wheel_zoom.h"

namespace korvo {
namespace {

// A pinch zooms once the fingers' distance changed by this much since the last step, so that
// trembling fingers do not repaint the view at every event.
constexpr double kPinchStep = 0.02;

double Distance(const QPointF& a, const QPointF& b) {
  return std::hypot(a.x() - b.x(), a.y() - b.y());
}

}  // namespace

ViewWidget::ViewWidget(EditorSession& session, QWidget* parent)
    : QWidget(parent), session_(session), view_(session.view()), viewWindow_(session.viewWindow()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_AcceptTouchEvents);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(1, 1);
}

void ViewWidget::Present() {
  const Bitmap& bitmap = view_.window();
  const int width = bitmap.width();
  const int height = bitmap.height();
  bool fresh = false;
  if (image_.width() != width || image_.height() != height) {
    // A failed allocation leaves a null image: the widget shows black until a size that fits.
    image_ = width > 0 && height > 0 ? QImage(width, height, QImage::Format_RGBX8888) : QImage();
    fresh = true;
  }
  const qreal ratio = devicePixelRatioF();
  if (image_.isNull()) {
    if (fresh) update();
    return;
  }
  // Our pixels hold red in the low byte: in memory that is R, G, B, then a byte the format
  // wants opaque. Only the rows and columns that differ are reported for repainting.
  int left = width, right = -1, top = height, bottom = -1;
  for (int y = 0; y < height; ++y) {
    const uint32_t* from = bitmap.Row(y);
    auto* to = reinterpret_cast<uint32_t*>(image_.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const uint32_t pixel = from[x] | 0xFF000000u;
      if (to[x] == pixel && !fresh) continue;
      to[x] = pixel;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  image_.setDevicePixelRatio(ratio);
  if (right < 0) return;
  // Device pixels to logical ones, widened to whole logical pixels.
  const QRectF changed(left / ratio, top / ratio, (right - left + 1) / ratio,
                       (bottom - top + 1) / ratio);
  update(changed.toAlignedRect().adjusted(-1, -1, 1, 1));
}

void ViewWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  QRegion uncovered(event->rect());
  if (!image_.isNull()) {
    painter.drawImage(QPointF(0, 0), image_);
    const QSizeF shown = image_.deviceIndependentSize();
    uncovered -= QRect(0, 0, static_cast<int>(shown.width()), static_cast<int>(shown.height()));
  }
  // Where the bitmap does not reach yet (the widget grew before the view followed).
  for (const QRect& r : uncovered) painter.fillRect(r, Qt::black);
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

void ViewWidget::PenDown(const QPointF& position) {
  const QPoint p = ToClient(position);
  penDown_ = true;
  lastPen_ = position;
  viewWindow_.Post(PenMessage(MessageKind::PenDown, &viewWindow_, p.x(), p.y(), true));
}

void ViewWidget::PenMove(const QPointF& position) {
  const QPoint p = ToClient(position);
  if (penDown_) {
    lastPen_ = position;
    viewWindow_.Post(PenMessage(MessageKind::PenMove, &viewWindow_, p.x(), p.y(), true));
  } else if (panning_) {
    viewWindow_.Post(PanMessage(MessageKind::PenMove, &viewWindow_, p.x(), p.y()));
  } else {
    viewWindow_.Post(HoverMessage(&viewWindow_, p.x(), p.y()));
  }
}

void ViewWidget::PenUp(const QPointF& position) {
  if (!penDown_) return;
  const QPoint p = ToClient(position);
  penDown_ = false;
  viewWindow_.Post(PenMessage(MessageKind::PenUp, &viewWindow_, p.x(), p.y(), false));
}

void ViewWidget::ZoomAt(const QPointF& position, double factor) {
  const QPoint p = ToClient(position);
  viewWindow_.Post(ZoomAtMessage(&viewWindow_, p.x(), p.y(), factor));
}

void ViewWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !panning_) {
    PenDown(event->position());
  } else if (event->button() == Qt::MiddleButton && !penDown_) {
    const QPoint p = ToClient(event->position());
    panning_ = true;
    viewWindow_.Post(PanMessage(MessageKind::PenDown, &viewWindow_, p.x(), p.y()));
  }
}

void ViewWidget::mouseMoveEvent(QMouseEvent* event) {
  PenMove(event->position());
}

void ViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    PenUp(event->position());
  } else if (event->button() == Qt::MiddleButton && panning_) {
    const QPoint p = ToClient(event->position());
    panning_ = false;
    viewWindow_.Post(PanMessage(MessageKind::PenUp, &viewWindow_, p.x(), p.y()));
  }
}

void ViewWidget::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta != 0) ZoomAt(event->position(), WheelZoomFactor(delta));
  event->accept();
}

void ViewWidget::tabletEvent(QTabletEvent* event) {
  // Accepted, so that Qt does not repeat the pen as a mouse.
  event->accept();
  switch (event->type()) {
    case QEvent::TabletPress:
      if (!panning_) PenDown(event->position());
      break;
    case QEvent::TabletMove:
      PenMove(event->position());  // in proximity without touching: a hover
      break;
    case QEvent::TabletRelease:
      PenUp(event->position());
      break;
    default:
      break;
  }
}

void ViewWidget::leaveEvent(QEvent*) {
  // The pointer left: the cursor goes with it, as when the pen leaves the drawing area.
  if (!penDown_ && !panning_) viewWindow_.Post(HoverMessage(&viewWindow_, -1, -1));
}

bool ViewWidget::PostKey(const QKeyEvent& event) {
  return PostKeyPress(event, session_, &typed_);
}

void ViewWidget::keyPressEvent(QKeyEvent* event) {
  if (!PostKey(*event)) QWidget::keyPressEvent(event);
}

bool ViewWidget::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
      Touch(static_cast<QTouchEvent*>(event));
      return true;
    case QEvent::NativeGesture:
      NativeGesture(static_cast<QNativeGestureEvent*>(event));
      return true;
    default:
      return QWidget::event(event);
  }
}

void ViewWidget::Touch(QTouchEvent* event) {
  event->accept();
  const QList<QEventPoint>& points = event->points();
  if (event->type() == QEvent::TouchCancel) {
    // Whatever the finger did is void: released where no question picks.
    if (penDown_) PenUp(QPointF(-1, -1));
    pinching_ = false;
    return;
  }
  if (points.size() >= 2) {
    const qreal ratio = devicePixelRatioF();
    const double distance = Distance(points[0].position(), points[1].position()) * ratio;
    if (!pinching_) {
      // A second finger turns the touch into a pinch. The first finger's pen ends where a
      // question does not take it as a pick; a drag of the idle view stops where it is.
      if (penDown_)
        PenUp(session_.engine().inputState == InputState::None ? lastPen_ : QPointF(-1, -1));
      pinching_ = true;
      pinchDistance_ = distance;
      return;
    }
    // A finger lifting ends the zoom; the other one no longer moves it.
    if (points[0].state() == QEventPoint::Released || points[1].state() == QEventPoint::Released)
      return;
    Pinch(points[0].position(), points[1].position());
    return;
  }
  if (pinching_) {
    // The fingers of a pinch leave one by one; the last one does not draw.
    if (event->type() == QEvent::TouchEnd) pinching_ = false;
    return;
  }
  if (points.size() != 1) return;
  const QEventPoint& point = points.front();
  switch (point.state()) {
    case QEventPoint::Pressed:
      if (!penDown_ && !panning_) PenDown(point.position());
      break;
    case QEventPoint::Released:
      PenUp(point.position());
      break;
    default:
      if (penDown_) PenMove(point.position());
      break;
  }
}

void ViewWidget::Pinch(const QPointF& first, const QPointF& second) {
  const double distance = Distance(first, second) * devicePixelRatioF();
  if (!(distance > 0) || !(pinchDistance_ > 0)) {
    pinchDistance_ = distance;
    return;
  }
  // Fingers spreading apart show less of the drawing, larger.
  const double factor = pinchDistance_ / distance;
  if (std::fabs(factor - 1) < kPinchStep) return;
  pinchDistance_ = distance;
  ZoomAt((first + second) / 2, factor);
}

void ViewWidget::NativeGesture(QNativeGestureEvent* event) {
  event->accept();
  if (event->gestureType() != Qt::ZoomNativeGesture) return;
  // The value is the change of scale since the last event: +0.1 shows 10 % larger.
  const double scale = 1 + event->value();
  if (scale > 0) ZoomAt(event->position(), 1 / scale);
}

}  // namespace korvo
