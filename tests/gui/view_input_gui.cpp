#include <QApplication>
#include <QPointingDevice>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "app/main_window.h"
#include "app/view_widget.h"
#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "core/drawing.h"
#include "core/line_entity.h"
#include "gui_harness.h"
#include "platform/prompt_line.h"
#include "view/view.h"

namespace korvo {
namespace {

// How far apart two world points lie, in the view's pixels.
double PixelsApart(View& view, const Point& a, const Point& b) {
  return std::hypot(a.x - b.x, a.y - b.y) / view.PixelSize();
}

// Whether the two pictures differ within a pixel of `at`: a line through a point drawn by
// steps may pass beside it.
bool DiffersNear(const QImage& a, const QImage& b, const ScreenPoint& at) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (a.pixel(at.x + dx, at.y + dy) != b.pixel(at.x + dx, at.y + dy)) return true;
    }
  }
  return false;
}

// Lines across the visible window, so that any move of the window shows in its pixels.
void AddCrossingLines(EditorSession& session) {
  View& view = session.view();
  Drawing& drawing = session.drawing();
  const ScreenRect r = view.ClientRect();
  constexpr int kLines = 8;
  for (int i = 0; i <= kLines; ++i) {
    const Point top = view.ScreenToWorld(r.right * i / kLines, 0);
    const Point bottom = view.ScreenToWorld(r.right * (kLines - i) / kLines, r.bottom);
    drawing.entities.AddTail(new LineEntity(top.x, top.y, bottom.x, bottom.y, drawing.settings));
  }
  drawing.SetModifiedFlag(true);
  view.RepaintNow();
}

}  // namespace

class ViewInputGui : public QObject {
  Q_OBJECT

 private slots:
  // Line, a first point, the band follows the pointer; Escape ends the command with nothing
  // drawn, the prompt empty and the window as it was before the command.
  void escapeCancelsTheLineAndLeavesNoPreview() {
    GuiRun run;
    EditorSession& session = run.app().session();
    QImage before, hovered;
    run.Then([&] { before = run.ViewImage(); });
    run.Then([&] { run.PostCommand(CommandId::DrawLine); });
    run.Then([&] { run.ClickWorld({50, 100}); });
    run.Then([&] { run.MoveToWorld({150, 200}); });
    run.Then([&] { hovered = run.ViewImage(); });
    run.Then([&] { run.Key(Qt::Key_Escape); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QVERIFY(hovered != before);
    QCOMPARE(session.drawing().entities.size(), std::size_t{0});
    QCOMPARE(session.engine().CurrentCommandId(), 0);
    QVERIFY(session.promptLine().Text().empty());
    QVERIFY(run.ViewImage() == before);
  }

  // While "End?" waits, two hover positions show two different bands, and each is where
  // the cursor went: the pixel halfway along the band differs from the picture before.
  void hoverShowsTheRubberBand() {
    GuiRun run;
    View& view = run.app().session().view();
    QImage picked, first, second;
    run.Then([&] { run.PostCommand(CommandId::DrawLine); });
    run.Then([&] { run.ClickWorld({50, 100}); });
    run.Then([&] { picked = run.ViewImage(); });
    run.Then([&] { run.MoveToWorld({150, 250}); });
    run.Then([&] { first = run.ViewImage(); });
    run.Then([&] { run.MoveToWorld({180, 60}); });
    run.Then([&] { second = run.ViewImage(); });
    run.Then([&] { run.Key(Qt::Key_Escape); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QVERIFY(first != picked);
    QVERIFY(second != first);
    // Off every crosshair's row and column.
    const ScreenPoint midFirst = view.WorldToScreen({100, 175});
    const ScreenPoint midSecond = view.WorldToScreen({115, 80});
    QVERIFY(DiffersNear(first, picked, midFirst));
    QVERIFY(DiffersNear(second, picked, midSecond));
    // The first band is gone once the pointer moved on.
    QVERIFY(!DiffersNear(second, picked, midFirst));
  }

  // A notch away from the user zooms in about the pointer: the world point under it stays,
  // the window shrinks and the picture changes.
  void wheelZoomsAboutThePointer() {
    GuiRun run;
    View& view = run.app().session().view();
    const DrawingSettings& settings = run.app().session().drawing().settings;
    const QPoint at(200, 150);
    Point under;
    Size extentBefore;
    QImage before;
    run.Then([&] { AddCrossingLines(run.app().session()); });
    run.Then([&] {
      const ScreenPoint client = ViewClient(run, at);
      under = view.ScreenToWorld(client);
      extentBefore = settings.viewExtent;
      before = run.ViewImage();
      run.Wheel(at, 120);
    });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QVERIFY(settings.viewExtent.width < extentBefore.width);
    QVERIFY(settings.viewExtent.height < extentBefore.height);
    const Point now = view.ScreenToWorld(ViewClient(run, at));
    QVERIFY2(PixelsApart(view, under, now) < 1, "the point under the pointer moved");
    QVERIFY(run.ViewImage() != before);
  }

  // The middle button drags the drawing with it, also while a command waits.
  void middleDragPans() {
    GuiRun run;
    const DrawingSettings& settings = run.app().session().drawing().settings;
    View& view = run.app().session().view();
    Point origin;
    QImage before;
    Point grabbed;
    const QPoint from(300, 250), to(200, 150);
    run.Then([&] { AddCrossingLines(run.app().session()); });
    run.Then([&] { run.PostCommand(CommandId::DrawLine); });
    run.Then([&] {
      origin = settings.viewOrigin;
      before = run.ViewImage();
      grabbed = view.ScreenToWorld(ViewClient(run, from));
      run.MiddleDrag(from, to);
    });
    run.Then([&] {
      // Still asking for the first point, drawing nothing.
      QCOMPARE(run.app().session().engine().CurrentCommandId(), CommandId::DrawLine);
      run.Key(Qt::Key_Escape);
    });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QVERIFY(settings.viewOrigin != origin);
    const Point underTo = view.ScreenToWorld(ViewClient(run, to));
    QVERIFY2(PixelsApart(view, grabbed, underTo) < 1, "the grabbed point did not follow");
    QVERIFY(run.ViewImage() != before);
    QCOMPARE(run.app().session().drawing().entities.size(), std::size_t{9});
  }

  // Typing "30,40" at "End?" hands the text to the input dialog, which opens: answered by
  // cancelling, the line ends with nothing drawn.
  void typedCoordinatesOpenTheInputDialog() {
    GuiRun run;
    EditorSession& session = run.app().session();
    QString typed;
    run.app().mainWindow().viewWidget().SetTypedTextSink([&](const QString& text) {
      typed = text;
      run.app().inputDialog().SetTypedText(text);
    });
    // A modal dialog, if the input dialog is one, is cancelled as soon as it shows.
    bool dialogShown = false;
    QTimer closer;
    closer.setInterval(25);
    QObject::connect(&closer, &QTimer::timeout, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        dialogShown = true;
        modal->close();
      }
    });
    closer.start();
    int stateAfterTyping = -1;
    run.Then([&] { run.PostCommand(CommandId::DrawLine); });
    run.Then([&] { run.ClickWorld({50, 100}); });
    run.Then([&] {
      QVERIFY(session.engine().dialogAllowed);
      run.Type(QStringLiteral("30,40"));
      stateAfterTyping = session.engine().inputState;
    });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QCOMPARE(typed, QStringLiteral("30,40"));
    // Typing only posted: the question still waited until the queue ran.
    QCOMPARE(stateAfterTyping, InputState::Waiting);
    QCOMPARE(session.engine().CurrentCommandId(), 0);
    QCOMPARE(session.drawing().entities.size(), std::size_t{0});
    qInfo("the input dialog %s", dialogShown ? "showed modally" : "answered at once");
  }

  // Digits while nothing asks for a point mean nothing.
  void typingWithNoQuestionIsIgnored() {
    GuiRun run;
    QString typed;
    run.app().mainWindow().viewWidget().SetTypedTextSink(
        [&](const QString& text) { typed = text; });
    run.Then([&] { run.Type(QStringLiteral("12")); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));
    QVERIFY(typed.isEmpty());
  }

  // A finger acts as the pen: two taps and Enter draw a line.
  void aFingerDrawsAsThePen() {
    GuiRun run;
    QPointingDevice* screen = QTest::createTouchDevice();
    ViewWidget& widget = run.app().mainWindow().viewWidget();
    const auto tap = [&](const Point& world) {
      const QPoint at = run.ViewPosition(world);
      QTest::touchEvent(&widget, screen).press(0, at);
      QTest::touchEvent(&widget, screen).release(0, at);
    };
    run.Then([&] { run.PostCommand(CommandId::DrawLine); });
    run.Then([&] { tap({50, 100}); });
    run.Then([&] { tap({150, 200}); });
    run.Then([&] { run.Key(Qt::Key_Return); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));
    QCOMPARE(run.app().session().drawing().entities.size(), std::size_t{1});
  }

  // Two fingers spreading apart zoom in about their midpoint and draw nothing.
  void aPinchZooms() {
    GuiRun run;
    QPointingDevice* screen = QTest::createTouchDevice();
    ViewWidget& widget = run.app().mainWindow().viewWidget();
    const DrawingSettings& settings = run.app().session().drawing().settings;
    Size before;
    run.Then([&] { run.PostCommand(CommandId::DrawLine); });
    run.Then([&] {
      before = settings.viewExtent;
      QTest::touchEvent(&widget, screen).press(0, QPoint(180, 200)).press(1, QPoint(220, 200));
      QTest::touchEvent(&widget, screen).move(0, QPoint(160, 200)).move(1, QPoint(240, 200));
      QTest::touchEvent(&widget, screen).move(0, QPoint(120, 200)).move(1, QPoint(280, 200));
      QTest::touchEvent(&widget, screen).release(0, QPoint(120, 200)).move(1, QPoint(300, 200));
      QTest::touchEvent(&widget, screen).move(1, QPoint(320, 200));
      QTest::touchEvent(&widget, screen).release(1, QPoint(320, 200));
    });
    run.Then([&] { run.Key(Qt::Key_Escape); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));
    // The fingers moved from 40 to 160 pixels apart: a quarter of the window shows. The
    // finger left alone moves nothing.
    QVERIFY(std::fabs(settings.viewExtent.width / before.width - 0.25) < 1e-9);
    QCOMPARE(run.app().session().drawing().entities.size(), std::size_t{0});
  }

  // A window shrunk until the view is a pixel high, then grown far beyond the screen, then
  // back: the view keeps up at every size and draws again.
  void tinyAndHugeWindowsSurvive() {
    GuiRun run;
    MainWindow& window = run.app().mainWindow();
    ViewWidget& widget = window.viewWidget();
    View& view = run.app().session().view();
    const auto matchesWidget = [&] {
      const qreal ratio = widget.devicePixelRatioF();
      return view.window().width() == std::lround(widget.width() * ratio) &&
             view.window().height() == std::lround(widget.height() * ratio);
    };
    QImage before;
    run.Then([&] { window.resize(1, 1); });
    run.Then([&] { QVERIFY(matchesWidget()); });
    run.Then([&] { window.resize(8000, 8000); });
    run.Then([&] {
      QVERIFY(matchesWidget());
      QVERIFY(view.window().width() > 4000);
    });
    run.Then([&] { window.resize(800, 600); });
    run.Then([&] {
      QVERIFY(matchesWidget());
      before = run.ViewImage();
      run.PostCommand(CommandId::DrawLine);
    });
    run.Then([&] { run.ClickWorld({50, 100}); });
    run.Then([&] { run.ClickWorld({150, 200}); });
    run.Then([&] { run.Key(Qt::Key_Return); });
    QVERIFY2(run.Play(60000), qPrintable(run.Failure()));

    QCOMPARE(run.app().session().drawing().entities.size(), std::size_t{1});
    QCOMPARE(run.ViewImage().size(), QSize(view.window().width(), view.window().height()));
    QVERIFY(run.ViewImage() != before);
  }

 private:
  static ScreenPoint ViewClient(GuiRun& run, const QPoint& logical) {
    const qreal ratio = run.app().mainWindow().viewWidget().devicePixelRatioF();
    return {static_cast<int>(std::floor(logical.x() * ratio)),
            static_cast<int>(std::floor(logical.y() * ratio))};
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::ViewInputGui)
#include "view_input_gui.moc"
