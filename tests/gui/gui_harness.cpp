#include "gui_harness.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>

#include "app/main_window.h"
#include "app/qt_event_source.h"
#include "app/view_widget.h"
#include "commands/editor_session.h"
#include "platform/message_queue.h"

namespace korvo {

GuiRun::GuiRun(int width, int height) : app_(std::make_unique<EditorApp>(profile_)) {
  MainWindow& window = app_->mainWindow();
  window.resize(width, height);
  window.show();
  static_cast<void>(QTest::qWaitForWindowExposed(&window));
  app_->eventSource().SetIdleHook([this] { return Idle(); });
}

GuiRun::~GuiRun() = default;

void GuiRun::Then(std::function<void()> step) {
  steps_.push_back(std::move(step));
}

void GuiRun::ThenAnswerDialog(std::function<void(QWidget*)> answer) {
  Then([this, answer = std::move(answer)]() mutable {
    dialogAnswers_.push_back(std::move(answer));
  });
}

bool GuiRun::Idle() {
  if (steps_.empty()) {
    if (!done_) {
      done_ = true;
      app_->session().queue().PostQuit(0);
    }
    return false;
  }
  auto step = std::move(steps_.front());
  steps_.pop_front();
  step();
  return true;
}

void GuiRun::PollDialogs() {
  if (dialogAnswers_.empty()) return;
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) return;
  auto answer = std::move(dialogAnswers_.front());
  dialogAnswers_.pop_front();
  answer(modal);
}

bool GuiRun::Play(int timeoutMs) {
  QTimer poll;
  poll.setInterval(25);
  QObject::connect(&poll, &QTimer::timeout, [this] { PollDialogs(); });
  poll.start();
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [this] {
    failure_ = QStringLiteral("the steps did not finish in time (%1 left)").arg(steps_.size());
    steps_.clear();
    // Whatever waits is told to give up, so every nested loop unwinds.
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    app_->session().queue().PostQuit(1);
  });
  watchdog.start(timeoutMs);
  app_->session().Run();
  if (failure_.isEmpty() && !dialogAnswers_.empty())
    failure_ = QStringLiteral("%1 expected dialog(s) never opened").arg(dialogAnswers_.size());
  return failure_.isEmpty();
}

QPoint GuiRun::ViewPosition(const Point& world) const {
  const ScreenPoint p = app_->session().view().WorldToScreen(world);
  const qreal ratio = app_->mainWindow().viewWidget().devicePixelRatioF();
  return {static_cast<int>(p.x / ratio), static_cast<int>(p.y / ratio)};
}

namespace {

// A pointer move delivered at once. A move through the window system (as QTest makes it)
// arrives whenever the server sends it, maybe after the step that should see its effect.
void SendMove(QWidget& widget, const QPoint& at, Qt::MouseButtons buttons) {
  QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget.mapToGlobal(at)), Qt::NoButton,
                   buttons, Qt::NoModifier);
  QApplication::sendEvent(&widget, &move);
}

}  // namespace

void GuiRun::ClickWorld(const Point& world) {
  ViewWidget& view = app_->mainWindow().viewWidget();
  const QPoint at = ViewPosition(world);
  SendMove(view, at, Qt::NoButton);
  QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, at);
}

void GuiRun::MoveToWorld(const Point& world) {
  HoverAt(ViewPosition(world));
}

void GuiRun::HoverAt(const QPoint& at) {
  SendMove(app_->mainWindow().viewWidget(), at, Qt::NoButton);
}

void GuiRun::Wheel(const QPoint& at, int delta) {
  ViewWidget& view = app_->mainWindow().viewWidget();
  QWheelEvent wheel(QPointF(at), QPointF(view.mapToGlobal(at)), QPoint(), QPoint(0, delta),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&view, &wheel);
}

void GuiRun::Drag(const QPoint& from, const QPoint& to, Qt::MouseButton button) {
  ViewWidget& view = app_->mainWindow().viewWidget();
  SendMove(view, from, Qt::NoButton);
  QTest::mousePress(&view, button, Qt::NoModifier, from);
  constexpr int kSteps = 4;
  for (int i = 1; i <= kSteps; ++i) SendMove(view, from + (to - from) * i / kSteps, button);
  QTest::mouseRelease(&view, button, Qt::NoModifier, to);
}

namespace {

QWidget* KeyTarget(MainWindow& window) {
  QWidget* target = QApplication::focusWidget();
  return target != nullptr ? target : &window;
}

}  // namespace

void GuiRun::Key(int qtKey) {
  QTest::keyClick(KeyTarget(app_->mainWindow()), static_cast<Qt::Key>(qtKey), Qt::NoModifier);
}

void GuiRun::Type(const QString& text) {
  QTest::keyClicks(KeyTarget(app_->mainWindow()), text);
}

void GuiRun::PostCommand(int id) {
  app_->session().PostCommand(id);
}

QImage GuiRun::ViewImage() const {
  return app_->mainWindow().viewWidget().Image();
}

}  // namespace korvo
