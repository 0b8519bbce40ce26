#include <QTest>
#include <QToolButton>

#include "app/main_window.h"
#include "app/prompt_bar.h"
#include "app/toolbar_set.h"
#include "app/toolbar_widget.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "core/drawing.h"
#include "core/element_code.h"
#include "core/line_entity.h"
#include "gui_harness.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

// The position of the button named `name` among the model's items; fails the test when the
// toolbar has no such button.
std::size_t IndexOf(const ToolbarModel& model, std::u16string_view name) {
  for (std::size_t i = 0; i < model.Count(); ++i)
    if (EqualsNoCase(model.ItemAt(i)->CommandName(), name)) return i;
  QTest::qFail(("no button " + Utf16ToUtf8(name)).c_str(), __FILE__, __LINE__);
  return 0;
}

// Presses and releases the pen on a button, as a user taps it.
void Tap(ToolbarWidget& widget, std::u16string_view name) {
  const QPoint at = widget.ItemCentre(IndexOf(widget.model(), name));
  QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, at);
}

std::vector<std::u16string> VisibleNames(const ToolbarModel& model) {
  std::vector<std::u16string> names;
  for (const ToolbarItem& item : model.Visible()) names.emplace_back(item.CommandName());
  return names;
}

std::size_t CountOf(const Drawing& drawing, int code) {
  std::size_t count = 0;
  for (const Entity* entity : drawing.entities) count += entity->GetElementCode() == code;
  return count;
}

}  // namespace

class ToolbarsGui : public QObject {
  Q_OBJECT

 private slots:
  // The LINE button, two points in the view and Enter: one line, and the view shows it.
  void drawsALineFromTheToolbar() {
    GuiRun run;
    ToolbarSet& toolbars = run.app().mainWindow().toolbars();
    QImage before;
    run.Then([&] { before = run.ViewImage(); });
    run.Then([&] { Tap(toolbars.recentWidget(), u"draw_LINE"); });
    run.Then([&] {
      // The running command's button shows checked.
      QVERIFY(toolbars.recent().ItemAt(IndexOf(toolbars.recent(), u"draw_LINE"))->checked);
    });
    run.Then([&] { run.ClickWorld({50, 100}); });
    run.Then([&] { run.ClickWorld({150, 200}); });
    run.Then([&] { run.Key(Qt::Key_Return); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    const Drawing& drawing = run.app().session().drawing();
    QCOMPARE(drawing.entities.size(), std::size_t{1});
    const auto* line = static_cast<const LineEntity*>(*drawing.entities.begin());
    QCOMPARE(line->GetElementCode(), ElementCode::Line);
    QVERIFY(run.ViewImage() != before);
    QVERIFY(!toolbars.recent().ItemAt(IndexOf(toolbars.recent(), u"draw_LINE"))->checked);
  }

  // Enter with no command opens the palette; its circle entry runs the circle command.
  void paletteRunsTheChosenEntry() {
    GuiRun run;
    run.ThenAnswerDialog([](QWidget* dialog) {
      auto* entry = dialog->findChild<QToolButton*>(QStringLiteral("draw_CIRCLERAD"));
      QVERIFY(entry != nullptr);
      QVERIFY(entry->isEnabled());
      // The editing entries wait for something to edit.
      auto* erase = dialog->findChild<QToolButton*>(QStringLiteral("modify_ERASE"));
      QVERIFY(erase != nullptr);
      QVERIFY(!erase->isEnabled());
      entry->click();
    });
    run.Then([&] { run.Key(Qt::Key_Return); });
    run.Then([&] { run.ClickWorld({100, 100}); });
    run.Then([&] { run.ClickWorld({130, 100}); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));
    QCOMPARE(CountOf(run.app().session().drawing(), ElementCode::Circle), std::size_t{1});
  }

  // An announced command moves to place 7 of the recent toolbar, UNDO and REDO to place 1;
  // the toolbar shows the new order.
  void recentToolbarReordersAfterACommand() {
    GuiRun run;
    ToolbarSet& toolbars = run.app().mainWindow().toolbars();
    QImage before;
    run.Then([&] { before = toolbars.recentWidget().grab().toImage(); });
    run.Then([&] { run.PostCommand(CommandId::DrawArc3Point); });
    run.Then([&] { run.Key(Qt::Key_Escape); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));
    const std::vector<std::u16string> expected = {
        u"ZOOMALL",        u"REDO",           u"UNDO",        u"draw_LINE", u"draw_POLYLINE",
        u"draw_CIRCLERAD", u"draw_RECTANGLE", u"draw_ARC3PT", u"draw_TEXT", u"modify_MOVE"};
    QVERIFY(VisibleNames(toolbars.recent()) == expected);
    QVERIFY(toolbars.recentWidget().grab().toImage() != before);
  }

  // The editing buttons wake up once something is selected, while Move asks for objects.
  void editingButtonEnabledOnlyAfterASelection() {
    GuiRun run;
    Drawing& drawing = run.app().session().drawing();
    drawing.entities.AddTail(new LineEntity(40, 40, 200, 40, drawing.settings));
    ToolbarSet& toolbars = run.app().mainWindow().toolbars();
    const auto moveEnabled = [&] {
      return toolbars.recent().ItemAt(IndexOf(toolbars.recent(), u"modify_MOVE"))->enabled;
    };
    QImage disabled;
    run.Then([&] { run.app().session().DrawingLoaded(); });
    run.Then([&] {
      QVERIFY(!moveEnabled());
      disabled = toolbars.recentWidget().grab().toImage();
    });
    run.Then([&] { run.PostCommand(CommandId::Move); });
    run.Then([&] { QVERIFY(!moveEnabled()); });
    run.Then([&] { run.ClickWorld({120, 40}); });
    run.Then([&] {
      QVERIFY(!drawing.selection.empty());
      QVERIFY(moveEnabled());
      QVERIFY(toolbars.recentWidget().grab().toImage() != disabled);
    });
    run.Then([&] { run.Key(Qt::Key_Escape); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));
  }

  // At a point question the prompt toolbar offers the input dialog; the assistant button
  // gives the bar to the assistant toolbar and back.
  void promptToolbarFollowsTheQuestion() {
    GuiRun run;
    ToolbarSet& toolbars = run.app().mainWindow().toolbars();
    PromptBar& bar = run.app().mainWindow().promptBar();
    const auto dialogEnabled = [&] {
      return toolbars.prompt().ItemAt(IndexOf(toolbars.prompt(), u"DialogInput"))->enabled;
    };
    run.Then([&] { QVERIFY(!dialogEnabled()); });
    run.Then([&] { run.PostCommand(CommandId::DrawLine); });
    run.Then([&] {
      QVERIFY(dialogEnabled());
      QVERIFY(!bar.Text().isEmpty());
      QVERIFY(toolbars.promptWidget().isVisible());
      QVERIFY(!toolbars.assistantWidget().isVisible());
    });
    run.Then([&] { Tap(toolbars.promptWidget(), u"ASSISTANT"); });
    run.Then([&] {
      QVERIFY(bar.AssistantShown());
      QVERIFY(toolbars.assistantWidget().isVisible());
      QVERIFY(!toolbars.promptWidget().isVisible());
    });
    run.Then([&] { Tap(toolbars.assistantWidget(), u"ASSISTANT"); });
    run.Then([&] { QVERIFY(toolbars.promptWidget().isVisible()); });
    run.Then([&] { run.Key(Qt::Key_Escape); });
    run.Then([&] { QVERIFY(!dialogEnabled()); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::ToolbarsGui)
#include "toolbars_gui.moc"
