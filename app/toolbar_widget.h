#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>
#include <functional>

#include "commands/toolbar_model.h"

namespace korvo {

// A row of image buttons showing a ToolbarModel: the pen presses, drags the row along and taps
// through the model; the widget draws what the model says (pressed, checked and disabled
// looks, the scrolled position) and reports taps. The wheel scrolls by whole buttons too.
class ToolbarWidget : public QWidget {
  Q_OBJECT

 public:
  using TapHandler = std::function<void(const ToolbarItem& item)>;

  ToolbarWidget(ToolbarModel& model, QWidget* parent = nullptr);

  ToolbarModel& model() { return model_; }
  void SetTapHandler(TapHandler handler) { onTap_ = std::move(handler); }
  // Draws again when the model changed since the last look.
  void Refresh();
  // The centre of the item at `index` in widget coordinates, as it is scrolled now; a point
  // outside the widget when the item is scrolled out of view.
  QPoint ItemCentre(std::size_t index) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  const QPixmap& Image(const ToolbarItem& item);
  void PaintItem(QPainter& painter, const ToolbarItem& item, const QRect& box, bool pressed);
  void AfterInput();

  ToolbarModel& model_;
  TapHandler onTap_;
  QHash<QString, QPixmap> images_;
  uint64_t shownRevision_ = 0;
};

}  // namespace korvo
