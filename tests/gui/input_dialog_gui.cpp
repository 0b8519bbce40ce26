#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <functional>
#include <string>

#include "app/main_window.h"
#include "app/view_widget.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "core/drawing.h"
#include "core/line_entity.h"
#include "dialog_actions.h"
#include "gui_harness.h"
#include "view/view.h"

namespace korvo {
namespace {

using namespace dialog_actions;

// Replaces a row's text by typing, as a user who selects it and types on.
void TypeInto(QLineEdit* row, const QString& text) {
  if (row == nullptr) return;
  row->setFocus();
  row->selectAll();
  QTest::keyClicks(row, text);
}

// The only line of the drawing, or null.
const LineEntity* OnlyLine(GuiRun& run) {
  const EntityList& entities = run.app().session().drawing().entities;
  if (entities.size() != 1) return nullptr;
  const Entity* entity = *entities.begin();
  return entity->GetElementCode() == ElementCode::Line ? static_cast<const LineEntity*>(entity)
                                                       : nullptr;
}

// LINE started with a tap at (50, 100), so that "End?" waits for the next point.
void StartLine(GuiRun& run) {
  run.Then([&run] { run.PostCommand(CommandId::DrawLine); });
  run.Then([&run] { run.ClickWorld({50, 100}); });
}

}  // namespace

class InputDialogGui : public QObject {
  Q_OBJECT

 private slots:
  // At "End?", the typed values of each mode place the end of the line; the view shows it.
  void typedValuesPlaceTheEnd() {
    struct Case {
      const char* name;
      const char* mode;  // the mode button, or null to stay absolute
      const char* first;
      const char* second;
      std::function<Point(const Point& start)> end;
    } cases[] = {
        {"relative", "modeRelative", "30", "40",
         [](const Point& s) {
           return Point{s.x + 30, s.y + 40};
         }},
        {"polar straight up", "modePolar", "90", "25",
         [](const Point& s) {
           return Point{s.x, s.y + 25};
         }},
        {"absolute", nullptr, "120", "-15",
         [](const Point&) {
           return Point{120, -15};
         }},
    };
    for (const Case& c : cases) {
      GuiRun run;
      QImage before;
      QString title;
      run.Then([&] { before = run.ViewImage(); });
      StartLine(run);
      run.ThenAnswerDialog([&](QWidget* dialog) {
        title = dialog->windowTitle();
        if (c.mode != nullptr) {
          if (auto* mode = Child<QRadioButton>(dialog, QString::fromLatin1(c.mode))) mode->click();
        }
        TypeInto(Child<QLineEdit>(dialog, QStringLiteral("row0")), QString::fromLatin1(c.first));
        TypeInto(Child<QLineEdit>(dialog, QStringLiteral("row1")), QString::fromLatin1(c.second));
        ClickLater(dialog, QStringLiteral("ok"));
      });
      run.Then([&] { run.PostCommand(CommandId::DialogInput); });
      run.Then([&] { run.Key(Qt::Key_Escape); });
      QVERIFY2(run.Play(), qPrintable(QString::fromLatin1(c.name) + ": " + run.Failure()));

      const LineEntity* line = OnlyLine(run);
      QVERIFY2(line != nullptr, c.name);
      const Point end = c.end(line->start);
      QVERIFY2(line->end.x == end.x && line->end.y == end.y, c.name);
      // The question's description is the dialog's caption.
      QVERIFY2(!title.isEmpty() && title != QStringLiteral("KorvoCAD"), c.name);
      const Point middle{(line->start.x + line->end.x) / 2, (line->start.y + line->end.y) / 2};
      QVERIFY2(ChangedNear(before, run.ViewImage(), run.ViewPosition(middle)), c.name);
    }
  }

  // A text that is not a number is refused with the model's message; the dialog stays open
  // with the focus on that row, and the corrected text is taken.
  void aBadTextIsRefusedAndTheDialogStaysOpen() {
    GuiRun run;
    QString message;
    bool focusOnRow = false;
    StartLine(run);
    run.ThenAnswerDialog([&](QWidget* dialog) {
      TypeInto(Child<QLineEdit>(dialog, QStringLiteral("row0")), QStringLiteral("abc"));
      ClickLater(dialog, QStringLiteral("ok"));
    });
    run.ThenAnswerDialog([&](QWidget* box) {
      message = MessageText(box);
      AnswerMessage(box, QMessageBox::Ok);
    });
    run.ThenAnswerDialog([&](QWidget* dialog) {
      auto* row = Child<QLineEdit>(dialog, QStringLiteral("row0"));
      focusOnRow = row != nullptr && dialog->focusWidget() == row && row->selectedText() == "abc";
      TypeInto(row, QStringLiteral("60"));
      TypeInto(Child<QLineEdit>(dialog, QStringLiteral("row1")), QStringLiteral("70"));
      ClickLater(dialog, QStringLiteral("ok"));
    });
    run.Then([&] { run.PostCommand(CommandId::DialogInput); });
    run.Then([&] { run.Key(Qt::Key_Escape); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QCOMPARE(message, QStringLiteral("X: \"abc\" is not a number."));
    QVERIFY(focusOnRow);
    const LineEntity* line = OnlyLine(run);
    QVERIFY(line != nullptr);
    QCOMPARE(line->end.x, 60.0);
    QCOMPARE(line->end.y, 70.0);
  }

  // "On-screen" closes the dialog without a point; the next tap in the view ends the line.
  void onScreenReturnsToTheView() {
    GuiRun run;
    std::size_t afterDialog = 99;
    QImage beforeTap;
    StartLine(run);
    run.ThenAnswerDialog([&](QWidget* dialog) { ClickLater(dialog, QStringLiteral("onScreen")); });
    run.Then([&] { run.PostCommand(CommandId::DialogInput); });
    run.Then([&] {
      afterDialog = run.app().session().drawing().entities.size();
      beforeTap = run.ViewImage();
    });
    run.Then([&] { run.ClickWorld({150, 200}); });
    run.Then([&] { run.Key(Qt::Key_Escape); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QCOMPARE(afterDialog, std::size_t{0});
    const LineEntity* line = OnlyLine(run);
    QVERIFY(line != nullptr);
    // The tap lands on a pixel: the end is within a pixel of where it was aimed.
    const double pixel = run.app().session().view().PixelSize();
    QVERIFY(std::fabs(line->end.x - 150) <= pixel && std::fabs(line->end.y - 200) <= pixel);
    QVERIFY(ChangedNear(beforeTap, run.ViewImage(), run.ViewPosition({100, 150})));
  }

  // What was typed in the view before the dialog opened fills its rows, and the typing goes
  // on at the end of the last row it reached, nothing selected; Help asks for the dialog's
  // topic.
  void typedTextAndHelp() {
    GuiRun run;
    QString first, second, selected, focused;
    std::u16string topic;
    run.app().SetDialogHelp([&](std::u16string_view asked) { topic = asked; });
    StartLine(run);
    run.ThenAnswerDialog([&](QWidget* dialog) {
      auto* row0 = Child<QLineEdit>(dialog, QStringLiteral("row0"));
      auto* row1 = Child<QLineEdit>(dialog, QStringLiteral("row1"));
      if (row0 == nullptr || row1 == nullptr) return;
      first = row0->text();
      second = row1->text();
      selected = row0->selectedText() + row1->selectedText();
      if (dialog->focusWidget() == row1 && row1->cursorPosition() == row1->text().size())
        focused = row1->objectName();
      if (auto* help = Child<QAbstractButton>(dialog, QStringLiteral("help"))) help->click();
      ClickLater(dialog, QStringLiteral("ok"));
    });
    run.Then([&] {
      run.app().inputDialog().SetTypedText(QStringLiteral("30,40"));
      run.PostCommand(CommandId::DialogInput);
    });
    run.Then([&] { run.Key(Qt::Key_Escape); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QCOMPARE(first, QStringLiteral("30"));
    QCOMPARE(second, QStringLiteral("40"));
    QCOMPARE(selected, QString());
    QCOMPARE(focused, QStringLiteral("row1"));
    QVERIFY(topic == u"specify_points");
    const LineEntity* line = OnlyLine(run);
    QVERIFY(line != nullptr);
    QCOMPARE(line->end.x, 30.0);
    QCOMPARE(line->end.y, 40.0);
  }

  // A digit typed at the question opens the dialog; the keys typed once it shows add to that
  // digit rather than replace it, and a comma goes on in the second row: "5" in the view and
  // "7,2" in the dialog give (57, 2).
  void typingGoesOnOnceTheDialogShows() {
    GuiRun run;
    QString first, second;
    StartLine(run);
    run.ThenAnswerDialog([&](QWidget* dialog) {
      auto* row0 = Child<QLineEdit>(dialog, QStringLiteral("row0"));
      auto* row1 = Child<QLineEdit>(dialog, QStringLiteral("row1"));
      QWidget* focus = dialog->focusWidget();
      if (row0 == nullptr || row1 == nullptr || focus == nullptr) return;
      QTest::keyClicks(focus, QStringLiteral("7,"));
      QWidget* next = dialog->focusWidget();
      if (next != nullptr) QTest::keyClicks(next, QStringLiteral("2"));
      first = row0->text();
      second = row1->text();
      ClickLater(dialog, QStringLiteral("ok"));
    });
    run.Then([&] { run.Type(QStringLiteral("5")); });
    run.Then([&] { run.Key(Qt::Key_Escape); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QCOMPARE(first, QStringLiteral("57"));
    QCOMPARE(second, QStringLiteral("2"));
    const LineEntity* line = OnlyLine(run);
    QVERIFY(line != nullptr);
    QCOMPARE(line->end.x, 57.0);
    QCOMPARE(line->end.y, 2.0);
  }

  // A key that still reaches the view while the dialog comes up (fast typing) goes into the
  // dialog too, and typing in the dialog goes on after it.
  void keysReachingTheViewWhileTheDialogOpensAreKept() {
    GuiRun run;
    QString typed;
    StartLine(run);
    run.ThenAnswerDialog([&](QWidget* dialog) {
      auto* row0 = Child<QLineEdit>(dialog, QStringLiteral("row0"));
      if (row0 == nullptr) return;
      QTest::keyClick(&run.app().mainWindow().viewWidget(), Qt::Key_7, Qt::NoModifier);
      if (QWidget* focus = dialog->focusWidget()) QTest::keyClicks(focus, QStringLiteral("8"));
      typed = row0->text();
      ClickLater(dialog, QStringLiteral("cancel"));
    });
    run.Then([&] { run.Type(QStringLiteral("5")); });
    run.Then([&] { run.Key(Qt::Key_Escape); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));
    QCOMPARE(typed, QStringLiteral("578"));
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::InputDialogGui)
#include "input_dialog_gui.moc"
