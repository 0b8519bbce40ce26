#include <QAbstractButton>
#include <QDialog>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include "app/help_window.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "core/drawing.h"
#include "gui_harness.h"
#include "platform/help_viewer.h"

namespace korvo {
namespace {

// Where the anchor `name` begins in the document; -1 when it has none.
int AnchorPosition(const QTextDocument& document, const QString& name) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      if (fragment.fragment().charFormat().anchorNames().contains(name))
        return fragment.fragment().position();
    }
  }
  return -1;
}

// What the help window showed when a step looked at it.
struct HelpSeen {
  bool visible = false;
  QString fragment;
  QString fileName;
  QString anchorText;        // the text of the block that holds the anchor
  bool anchorShown = false;  // that text lies inside the browser's viewport
  bool scrolled = false;
};

HelpSeen LookAtHelp(GuiRun& run, const QString& anchor) {
  HelpSeen seen;
  HelpWindow* window = run.app().helpViewer().window();
  if (window == nullptr) return seen;
  QTextBrowser& browser = window->browser();
  seen.visible = window->isVisible();
  seen.fragment = browser.source().fragment();
  seen.fileName = browser.source().fileName();
  const int position = AnchorPosition(*browser.document(), anchor);
  if (position < 0) return seen;
  QTextCursor cursor(browser.document());
  cursor.setPosition(position);
  seen.anchorText = cursor.block().text();
  const QRect where = browser.cursorRect(cursor);
  seen.anchorShown = browser.viewport()->rect().contains(where);
  seen.scrolled = browser.verticalScrollBar()->value() > 0;
  return seen;
}

}  // namespace

class HelpGui : public QObject {
  Q_OBJECT

 private slots:
  // Help while Line waits for its end point opens the manual at Line's section; Line goes on
  // and draws its segment afterwards.
  void helpOnTheRunningCommandShowsItsSectionAndKeepsTheCommand() {
    GuiRun run;
    HelpSeen seen;
    int commandDuringHelp = 0;
    run.Then([&] { run.PostCommand(CommandId::DrawLine); });
    run.Then([&] { run.ClickWorld({50, 100}); });
    run.Then([&] { run.PostCommand(CommandId::HelpCurrentCommand); });
    run.Then([&] {
      seen = LookAtHelp(run, QStringLiteral("draw_LINE"));
      commandDuringHelp = run.app().session().engine().CurrentCommandId();
    });
    run.Then([&] { run.ClickWorld({150, 200}); });
    run.Then([&] { run.PostCommand(CommandId::Stop); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QVERIFY(seen.visible);
    QCOMPARE(seen.fileName, QStringLiteral("KorvoCAD.htm"));
    QCOMPARE(seen.fragment, QStringLiteral("draw_LINE"));
    QVERIFY2(seen.anchorText.startsWith(QStringLiteral("Line")), qPrintable(seen.anchorText));
    QVERIFY(seen.anchorShown);
    QVERIFY(seen.scrolled);  // the section lies far below the top of the manual
    QCOMPARE(commandDuringHelp, CommandId::DrawLine);
    QCOMPARE(run.app().session().drawing().entities.size(), std::size_t{1});
  }

  // The layers, text styles and line type dialogs each have a Help button that opens the
  // manual at the dialog's own section; cancelling afterwards leaves the drawing unmodified.
  void tableDialogsHelpOpensTheirSections_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("topic");
    QTest::newRow("layers") << int{CommandId::Layers} << QStringLiteral("LAYERS");
    QTest::newRow("text styles") << int{CommandId::Styles} << QStringLiteral("STYLES");
    QTest::newRow("line type") << int{CommandId::LineTypes} << QStringLiteral("line_types");
  }

  void tableDialogsHelpOpensTheirSections() {
    QFETCH(int, command);
    QFETCH(QString, topic);
    GuiRun run;
    bool hadHelp = false;
    HelpSeen seen;
    run.ThenAnswerDialog([&](QWidget* dialog) {
      auto* help = dialog->findChild<QAbstractButton*>(QStringLiteral("help"));
      hadHelp = help != nullptr;
      if (help != nullptr) help->click();
      if (auto* modal = qobject_cast<QDialog*>(dialog))
        QTimer::singleShot(0, modal, &QDialog::reject);
    });
    run.Then([&] { run.PostCommand(command); });
    run.Then([&] { seen = LookAtHelp(run, topic); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QVERIFY(hadHelp);
    QVERIFY(seen.visible);
    QCOMPARE(seen.fragment, topic);
    QVERIFY(seen.anchorShown);
    QVERIFY(!run.app().session().drawing().IsModified());
  }

  // With no command running, help shows the table of contents; asking again for another
  // topic reuses the one window.
  void withoutACommandHelpShowsTheContents() {
    GuiRun run;
    HelpSeen contents;
    HelpSeen layers;
    HelpWindow* first = nullptr;
    run.Then([&] { run.PostCommand(CommandId::HelpCurrentCommand); });
    run.Then([&] {
      contents = LookAtHelp(run, QStringLiteral("Main_Contents"));
      first = run.app().helpViewer().window();
    });
    run.Then([&] { ShowHelp(u"LAYERS", run.app().helpViewer()); });
    run.Then([&] { layers = LookAtHelp(run, QStringLiteral("LAYERS")); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QCOMPARE(contents.fragment, QStringLiteral("Main_Contents"));
    QVERIFY(contents.anchorShown);
    QCOMPARE(layers.fragment, QStringLiteral("LAYERS"));
    QVERIFY(layers.anchorShown);
    QCOMPARE(run.app().helpViewer().window(), first);
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::HelpGui)
#include "help_gui.moc"
