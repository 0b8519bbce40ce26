#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <deque>
#include <functional>
#include <memory>

#include "app/editor_app.h"
#include "geometry/point.h"
#include "platform/memory_profile.h"

class QWidget;

namespace korvo {

// Runs the real editor (the EditorApp the program's main() makes, in a real window) and plays
// a script of user actions against it. Each step runs once everything the previous steps
// caused has been dispatched and Qt has nothing pending: a step clicks, types or checks, as a
// user at the screen would. The app's settings live in memory.
class GuiRun {
 public:
  explicit GuiRun(int width = 800, int height = 600);
  ~GuiRun();

  EditorApp& app() { return *app_; }
  MemoryProfile& profile() { return profile_; }

  // Appends a step.
  void Then(std::function<void()> step);
  // A dialog is expected to open modally during the following steps: `answer` gets it as
  // soon as it is shown (and should close it). Several expectations are met in order.
  void ThenAnswerDialog(std::function<void(QWidget* dialog)> answer);
  // Plays every step, then quits the editor's loop. False (with Failure() telling why) when
  // the steps did not finish within `timeoutMs` or a dialog expectation was never met.
  bool Play(int timeoutMs = 30000);
  const QString& Failure() const { return failure_; }

  // --- actions for steps
  // The view widget's logical position of a world point.
  QPoint ViewPosition(const Point& world) const;
  void ClickWorld(const Point& world);
  void MoveToWorld(const Point& world);
  // The pointer moved over the view to `at` (logical position) with no button pressed.
  void HoverAt(const QPoint& at);
  // A wheel turn of `delta` eighths of a degree (120 a notch, positive away from the user)
  // with the pointer at `at`.
  void Wheel(const QPoint& at, int delta);
  // `button` pressed at `from`, moved to `to` in a few steps and released there.
  void Drag(const QPoint& from, const QPoint& to, Qt::MouseButton button = Qt::LeftButton);
  void MiddleDrag(const QPoint& from, const QPoint& to) { Drag(from, to, Qt::MiddleButton); }
  void Key(int qtKey);
  // Types `text` into the focused widget, key by key.
  void Type(const QString& text);
  void PostCommand(int id);
  // The view as the widget shows it now.
  QImage ViewImage() const;

 private:
  bool Idle();
  void PollDialogs();

  MemoryProfile profile_;
  std::unique_ptr<EditorApp> app_;
  std::deque<std::function<void()>> steps_;
  std::deque<std::function<void(QWidget*)>> dialogAnswers_;
  QString failure_;
  bool done_ = false;
};

}  // namespace korvo
