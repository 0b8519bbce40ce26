#pragma once

#include <QImage>
#include <QWidget>

namespace korvo {

class View;
class Window;

// Shows the view's window bitmap pixel for pixel and turns the mouse, pen and touch into the
// view window's pen messages. Client coordinates are device pixels, so on a high-density
// screen the bitmap is as large as the widget's device pixels and is drawn without scaling.
class ViewWidget : public QWidget {
  Q_OBJECT

 public:
  ViewWidget(View& view, Window& viewWindow, QWidget* parent = nullptr);

  // Copies the window bitmap when it changed since the last call and schedules a repaint.
  void Present();
  // What the widget shows now, one pixel per bitmap pixel (tests compare it).
  const QImage& Image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPoint ToClient(const QPointF& position) const;
  void SyncClientSize();

  View& view_;
  Window& viewWindow_;
  QImage image_;
  bool penDown_ = false;
};

}  // namespace korvo
