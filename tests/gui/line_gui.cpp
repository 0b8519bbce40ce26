#include <QTest>

#include "app/main_window.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "core/drawing.h"
#include "core/line_entity.h"
#include "gui_harness.h"

namespace korvo {

class LineGui : public QObject {
  Q_OBJECT

 private slots:
  // Line: tap, tap, Enter draws one line between the two points, and the view shows it.
  void drawsALineWithTwoClicksAndEnter() {
    GuiRun run;
    QImage before;
    run.Then([&] { before = run.ViewImage(); });
    run.Then([&] { run.PostCommand(CommandId::DrawLine); });
    run.Then([&] { run.ClickWorld({50, 100}); });
    run.Then([&] { run.ClickWorld({150, 200}); });
    run.Then([&] { run.Key(Qt::Key_Return); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    const EntityList& entities = run.app().session().drawing().entities;
    QCOMPARE(entities.size(), std::size_t{1});
    const Entity* line = *entities.begin();
    QCOMPARE(line->GetElementCode(), ElementCode::Line);
    QVERIFY(run.ViewImage() != before);
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::LineGui)
#include "line_gui.moc"
