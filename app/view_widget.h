#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

#include "app/key_input.h"

class QNativeGestureEvent;
class QTouchEvent;

namespace korvo {

class EditorSession;
class View;
class Window;

// Shows the view's window bitmap pixel for pixel and turns the mouse, pen and touch into the
// view window's messages. Client coordinates are device pixels, so on a high-density screen
// the bitmap is as large as the widget's device pixels and is drawn without scaling.
//
// The primary button, a tablet pen and a single finger act as the pen; the pointer hovering
// with no button moves the cursor; the middle button drags the view; the wheel and a pinch
// zoom about the pointer. Handlers only post: the session runs everything from its queue.
class ViewWidget : public QWidget {
  Q_OBJECT

 public:
  explicit ViewWidget(EditorSession& session, QWidget* parent = nullptr);

  // Copies what changed in the window bitmap since the last call and schedules a repaint of
  // that part.
  void Present();
  // What the widget shows now, one pixel per bitmap pixel (tests compare it).
  const QImage& Image() const { return image_; }
  // A key pressed in the view or anywhere in the window that does not take keys itself;
  // false when it means nothing to the editor.
  bool PostKey(const QKeyEvent& event);
  // Where coordinates typed into the view go before the input dialog opens.
  void SetTypedTextSink(std::function<void(const QString& text)> sink) {
    typed_.sink = std::move(sink);
  }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void tabletEvent(QTabletEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPoint ToClient(const QPointF& position) const;
  void SyncClientSize();
  void PenDown(const QPointF& position);
  // With the pen down a pen move, with the middle button a pan, else a hover.
  void PenMove(const QPointF& position);
  void PenUp(const QPointF& position);
  void Touch(QTouchEvent* event);
  void Pinch(const QPointF& first, const QPointF& second);
  void NativeGesture(QNativeGestureEvent* event);
  void ZoomAt(const QPointF& position, double factor);

  EditorSession& session_;
  View& view_;
  Window& viewWindow_;
  QImage image_;
  TypedCoordinates typed_;
  bool penDown_ = false;  // the primary button, the tablet pen or a finger
  bool panning_ = false;  // the middle button
  QPointF lastPen_;
  bool pinching_ = false;
  double pinchDistance_ = 0;  // device pixels between the fingers at the last zoom step
};

}  // namespace korvo
