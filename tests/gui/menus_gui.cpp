#include <QAction>
#include <QTest>

#include "app/main_window.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "core/drawing.h"
#include "core/line_entity.h"
#include "gui_harness.h"
#include "platform/command_menus.h"

namespace korvo {
namespace {

std::size_t LiveEntities(const Drawing& drawing) {
  std::size_t count = 0;
  for (const Entity* entity : drawing.entities) count += entity->IsErased() ? 0 : 1;
  return count;
}

// Taps land where they are aimed: no snapping, and the grid starts hidden.
void Unsnapped(Drawing& drawing) {
  drawing.settings.gridOn = 0;
  drawing.settings.gridSnap = 0;
  drawing.settings.objectSnap = 0;
  drawing.settings.intersectionSnap = 0;
  drawing.settings.orthoSnap = 0;
}

QAction& Action(GuiRun& run, int id) {
  QAction* action = run.app().mainWindow().CommandAction(id);
  if (action == nullptr) qFatal("no menu item for command %d", id);
  return *action;
}

}  // namespace

class MenusGui : public QObject {
  Q_OBJECT

 private slots:
  // Grid is chosen from the menu while Move waits for objects: the grid shows, Move keeps
  // waiting with its prompt and its menu, and then completes.
  void gridFromTheMenuWhileMoveWaits() {
    GuiRun run;
    EditorSession& session = run.app().session();
    LineEntity* line = nullptr;
    QImage beforeGrid;
    run.Then([&] {
      Drawing& drawing = session.drawing();
      Unsnapped(drawing);
      line = new LineEntity(Point(40, 100), Point(120, 100), drawing.settings);
      drawing.entities.AddTail(line);
      session.DrawingLoaded();
      // Nothing was dispatched, so the window is brought up to date as after a message.
      run.app().mainWindow().Refresh();
    });
    run.Then([&] { Action(run, CommandId::Move).trigger(); });
    run.Then([&] {
      QCOMPARE(session.engine().CurrentCommandId(), CommandId::Move);
      QCOMPARE(session.promptLine().Text(), std::u16string(u"Select object? <no more>"));
      QCOMPARE(run.app().mainWindow().ShownMenuBar(), kSelectionMenuBar);
      QVERIFY(Action(run, CommandId::Move).isChecked());
      QVERIFY(!Action(run, CommandId::Grid).isChecked());
      beforeGrid = run.ViewImage();
      Action(run, CommandId::Grid).trigger();
    });
    run.Then([&] {
      QCOMPARE(session.drawing().settings.gridOn, uint8_t{1});
      QVERIFY(Action(run, CommandId::Grid).isChecked());
      QCOMPARE(session.engine().CurrentCommandId(), CommandId::Move);
      QCOMPARE(session.promptLine().Text(), std::u16string(u"Select object? <no more>"));
      QVERIFY(run.ViewImage() != beforeGrid);
    });
    run.Then([&] { run.ClickWorld({80, 100}); });
    run.Then([&] { run.PostCommand(CommandId::EnterDefault); });
    run.Then([&] { run.ClickWorld({40, 100}); });
    run.Then([&] { run.ClickWorld({60, 130}); });
    run.Then([&] { run.Key(Qt::Key_Escape); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QCOMPARE(session.engine().CurrentCommandId(), 0);
    QCOMPARE(run.app().mainWindow().ShownMenuBar(), kMainMenuBar);
    // Moved by (20, 30), give or take the pixel the taps land on.
    QVERIFY(std::abs(line->start.x - 60) < 1.5 && std::abs(line->start.y - 130) < 1.5);
    QVERIFY(std::abs(line->end.x - 140) < 1.5 && std::abs(line->end.y - 130) < 1.5);
    QCOMPARE(session.drawing().settings.gridOn, uint8_t{1});
  }

  // Undo and Redo from the menu take the line back and bring it again, picture and all,
  // and are enabled only when there is something to undo or redo.
  void undoAndRedoFromTheMenu() {
    GuiRun run;
    EditorSession& session = run.app().session();
    QImage empty;
    QImage drawn;
    run.Then([&] {
      Unsnapped(session.drawing());
      session.DrawingLoaded();
    });
    run.Then([&] {
      empty = run.ViewImage();
      QVERIFY(!Action(run, CommandId::Undo).isEnabled());
      Action(run, CommandId::DrawLine).trigger();
    });
    run.Then([&] { run.ClickWorld({50, 100}); });
    run.Then([&] { run.ClickWorld({150, 200}); });
    run.Then([&] { run.Key(Qt::Key_Return); });
    run.Then([&] {
      QCOMPARE(LiveEntities(session.drawing()), std::size_t{1});
      QVERIFY(Action(run, CommandId::Undo).isEnabled());
      QVERIFY(!Action(run, CommandId::Redo).isEnabled());
      drawn = run.ViewImage();
      QVERIFY(drawn != empty);
      Action(run, CommandId::Undo).trigger();
    });
    run.Then([&] {
      QCOMPARE(LiveEntities(session.drawing()), std::size_t{0});
      QCOMPARE(run.ViewImage(), empty);
      QVERIFY(Action(run, CommandId::Redo).isEnabled());
      Action(run, CommandId::Redo).trigger();
    });
    run.Then([&] {
      QCOMPARE(LiveEntities(session.drawing()), std::size_t{1});
      QCOMPARE(run.ViewImage(), drawn);
    });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::MenusGui)
#include "menus_gui.moc"
