#include <QTest>

#include "app/main_window.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "core/drawing.h"
#include "core/line_entity.h"
#include "dialog_actions.h"
#include "gui_harness.h"

namespace korvo {

using namespace dialog_actions;

class MessageBoxGui : public QObject {
  Q_OBJECT

 private slots:
  // MIRROR on a line about the vertical through x = 100 asks "Delete source objects?": Yes
  // mirrors the line itself, No adds a mirrored copy beside it; closing the box is its
  // Cancel and mirrors nothing.
  void deleteSourceObjectsAsAnswered() {
    struct Case {
      const char* name;
      QMessageBox::StandardButton answer;  // NoButton: the box is closed
      std::size_t lines;
      bool sourceStays;
      bool mirrored;
    } cases[] = {
        {"yes removes the source", QMessageBox::Yes, 1, false, true},
        {"no keeps it", QMessageBox::No, 2, true, true},
        {"closing the box cancels", QMessageBox::NoButton, 1, true, false},
    };
    for (const Case& c : cases) {
      GuiRun run;
      QString question;
      QImage before;
      run.Then([&] { run.PostCommand(CommandId::DrawLine); });
      run.Then([&] { run.ClickWorld({20, 100}); });
      run.Then([&] { run.ClickWorld({60, 100}); });
      run.Then([&] { run.Key(Qt::Key_Return); });
      run.Then([&] { before = run.ViewImage(); });
      run.Then([&] { run.PostCommand(CommandId::Mirror); });
      run.Then([&] { run.ClickWorld({40, 100}); });
      run.Then([&] { run.Key(Qt::Key_Return); });
      run.Then([&] { run.ClickWorld({100, 50}); });
      run.ThenAnswerDialog([&](QWidget* box) {
        question = MessageText(box);
        if (c.answer == QMessageBox::NoButton)
          QTimer::singleShot(0, box, &QWidget::close);
        else
          AnswerMessage(box, c.answer);
      });
      run.Then([&] { run.ClickWorld({100, 150}); });
      QVERIFY2(run.Play(), qPrintable(QString::fromLatin1(c.name) + ": " + run.Failure()));

      QCOMPARE(question, QStringLiteral("Delete source objects?"));
      std::size_t lines = 0;
      bool sourceStays = false, mirrorShown = false;
      for (const Entity* entity : run.app().session().drawing().entities) {
        if (entity->IsErased() || entity->GetElementCode() != ElementCode::Line) continue;
        const auto* line = static_cast<const LineEntity*>(entity);
        ++lines;
        sourceStays = sourceStays || line->start.x < 100;
        mirrorShown = mirrorShown || line->start.x > 100;
      }
      QVERIFY2(lines == c.lines, c.name);
      QVERIFY2(sourceStays == c.sourceStays, c.name);
      QVERIFY2(mirrorShown == c.mirrored, c.name);
      // The mirrored line shows through (160, 100); the source's pixels go only with Yes.
      const QImage after = run.ViewImage();
      QVERIFY2(ChangedNear(before, after, run.ViewPosition({160, 100})) == c.mirrored, c.name);
      QVERIFY2(ChangedNear(before, after, run.ViewPosition({40, 100})) != c.sourceStays, c.name);
    }
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::MessageBoxGui)
#include "message_box_gui.moc"
