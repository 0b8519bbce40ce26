#include "gui_harness.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
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

void GuiRun::ClickWorld(const Point& world) {
  ViewWidget& view = app_->mainWindow().viewWidget();
  const QPoint at = ViewPosition(world);
  QTest::mouseMove(&view, at);
  QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, at);
}

void GuiRun::MoveToWorld(const Point& world) {
  QTest::mouseMove(&app_->mainWindow().viewWidget(), ViewPosition(world));
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
