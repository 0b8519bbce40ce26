#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <cmath>
#include <filesystem>
#include <vector>

#include "app/help_window.h"
#include "app/qt_help_viewer.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "dialog_actions.h"
#include "gui_harness.h"
#include "platform/profile.h"
#include "platform/symbol_catalog.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;
using dialog_actions::Child;
using dialog_actions::ClickLater;

// A symbol of two lines, an "L" 40 wide and 20 high.
void WriteSymbol(const fs::path& file) {
  Drawing symbol;
  symbol.New();
  symbol.entities.AddTail(new LineEntity({0, 0}, {40, 0}, symbol.settings));
  symbol.entities.AddTail(new LineEntity({0, 0}, {0, 20}, symbol.settings));
  RecordingMessageBox messages;
  if (!SaveDrawing(symbol, file, messages)) qFatal("cannot write the symbol fixture");
}

std::size_t LinesIn(const fs::path& file) {
  Drawing drawing;
  RecordingMessageBox messages;
  if (!OpenDrawing(file, drawing, messages).opened) return 0;
  std::size_t lines = 0;
  for (const Entity* entity : drawing.entities) lines += entity->AsLine() != nullptr ? 1 : 0;
  return lines;
}

std::vector<const InsertEntity*> LiveInserts(const Drawing& drawing) {
  std::vector<const InsertEntity*> inserts;
  for (const Entity* entity : drawing.entities)
    if (!entity->IsErased() && entity->AsInsert() != nullptr) inserts.push_back(entity->AsInsert());
  return inserts;
}

QStringList Items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; list != nullptr && i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

// Pixels of the picture that differ from its corner, the background.
int DrawnPixels(const QLabel* label) {
  if (label == nullptr) return 0;
  const QImage image = label->pixmap().toImage();
  if (image.isNull()) return 0;
  const QRgb background = image.pixel(0, 0);
  int drawn = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) drawn += image.pixel(x, y) != background ? 1 : 0;
  return drawn;
}

std::u16string U16(const QString& text) {
  return text.toStdU16String();
}

// The editor with a catalogue of its own in a scratch folder.
struct CatalogRun {
  CatalogRun() {
    if (!folder.isValid()) qFatal("no scratch folder");
    run.profile().SetString(kSettingsSection, kSymbolCatalogKey, U16(folder.path()));
  }
  fs::path catalog() const { return fs::path(folder.path().toStdString()); }

  QTemporaryDir folder;
  GuiRun run;
};

}  // namespace

class SymbolDialogGui : public QObject {
  Q_OBJECT

 private slots:
  // Insert: the list shows the catalogue's symbol, selecting it previews it and fills the
  // name, OK and one click with the defaults place one reference to it there. The next time
  // the dialog opens with that symbol selected and previewed.
  void insertsTheSymbolPickedFromThePreviewedList() {
    CatalogRun t;
    WriteSymbol(t.catalog() / "Bracket.KorvoDWG");
    GuiRun& run = t.run;
    QString title;
    QStringList items;
    QString name;
    int blank = -1;
    int drawn = 0;
    QString reselected;
    int redrawn = 0;
    // Answers are handed out while a dialog waits, so they are queued before the command.
    run.ThenAnswerDialog([&](QWidget* dialog) {
      title = dialog->windowTitle();
      auto* list = Child<QListWidget>(dialog, QStringLiteral("symbols"));
      items = Items(list);
      auto* preview = Child<QLabel>(dialog, QStringLiteral("preview"));
      blank = DrawnPixels(preview);
      if (list != nullptr && list->count() > 0) list->setCurrentRow(0);
      drawn = DrawnPixels(preview);
      if (auto* edit = Child<QLineEdit>(dialog, QStringLiteral("name"))) name = edit->text();
      ClickLater(dialog, QStringLiteral("ok"));
    });
    run.Then([&] { run.PostCommand(CommandId::DrawInsert); });
    run.Then([&] { run.ClickWorld({100, 120}); });
    run.Then([&] { run.Key(Qt::Key_Return); });
    run.Then([&] { run.Key(Qt::Key_Return); });
    run.Then([&] { run.Key(Qt::Key_Escape); });
    run.ThenAnswerDialog([&](QWidget* dialog) {
      const auto* list = Child<QListWidget>(dialog, QStringLiteral("symbols"));
      if (list != nullptr && list->currentItem() != nullptr)
        reselected = list->currentItem()->text();
      redrawn = DrawnPixels(Child<QLabel>(dialog, QStringLiteral("preview")));
      ClickLater(dialog, QStringLiteral("cancel"));
    });
    run.Then([&] { run.PostCommand(CommandId::DrawInsert); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QCOMPARE(title, QStringLiteral("Select Drawing Block"));
    QCOMPARE(items, QStringList{QStringLiteral("Bracket")});
    QCOMPARE(blank, 0);
    QVERIFY2(drawn > 20, qPrintable(QStringLiteral("%1 drawn pixels").arg(drawn)));
    QCOMPARE(name, QStringLiteral("Bracket"));
    const std::vector<const InsertEntity*> inserts = LiveInserts(run.app().session().drawing());
    QCOMPARE(inserts.size(), std::size_t{1});
    QVERIFY(inserts[0]->blockName == u"Bracket");
    QVERIFY(std::abs(inserts[0]->insertionPoint.x - 100) < 1e-6);
    QVERIFY(std::abs(inserts[0]->insertionPoint.y - 120) < 1e-6);
    QVERIFY(run.profile().GetString(kSettingsSection, kSymbolKey, u"") == u"Bracket");
    QCOMPARE(reselected, QStringLiteral("Bracket"));
    QCOMPARE(redrawn, drawn);
  }

  // Save: OK with no name is refused with a message and the dialog stays; the typed name
  // then writes the drawing under it.
  void savesTheDrawingUnderTheTypedNameAfterARefusal() {
    CatalogRun t;
    GuiRun& run = t.run;
    QString title;
    QString refusal;
    bool symbolDialogAgain = false;
    run.ThenAnswerDialog([&](QWidget* dialog) {
      title = dialog->windowTitle();
      if (auto* edit = Child<QLineEdit>(dialog, QStringLiteral("name"))) edit->clear();
      ClickLater(dialog, QStringLiteral("ok"));
    });
    run.ThenAnswerDialog([&](QWidget* dialog) {
      refusal = dialog_actions::MessageText(dialog);
      dialog_actions::AnswerMessage(dialog, QMessageBox::Ok);
    });
    run.ThenAnswerDialog([&](QWidget* dialog) {
      auto* edit = Child<QLineEdit>(dialog, QStringLiteral("name"));
      symbolDialogAgain = edit != nullptr;
      if (edit != nullptr) edit->setText(QStringLiteral("Chair"));
      ClickLater(dialog, QStringLiteral("ok"));
    });
    run.Then([&] {
      Drawing& drawing = run.app().session().drawing();
      drawing.entities.AddTail(new LineEntity({10, 10}, {90, 60}, drawing.settings));
      run.PostCommand(CommandId::SaveAsSymbol);
    });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QCOMPARE(title, QStringLiteral("Drawing Symbol"));
    QVERIFY(!refusal.isEmpty());
    QVERIFY(symbolDialogAgain);
    QCOMPARE(LinesIn(t.catalog() / "Chair.KorvoDWG"), std::size_t{1});
  }

  // Delete asks first; Yes removes the file and the list item; Help opens the dialog's topic,
  // and Cancel inserts nothing.
  void deletesTheSelectedSymbolAfterAskingAndCancels() {
    CatalogRun t;
    WriteSymbol(t.catalog() / "Old.KorvoDWG");
    WriteSymbol(t.catalog() / "Kept.KorvoDWG");
    GuiRun& run = t.run;
    QString question;
    QStringList after;
    QListWidget* list = nullptr;
    run.ThenAnswerDialog([&](QWidget* dialog) {
      list = Child<QListWidget>(dialog, QStringLiteral("symbols"));
      const QList<QListWidgetItem*> old =
          list != nullptr ? list->findItems(QStringLiteral("Old"), Qt::MatchExactly)
                          : QList<QListWidgetItem*>();
      if (!old.isEmpty()) list->setCurrentItem(old.front());
      ClickLater(dialog, QStringLiteral("delete"));
    });
    run.ThenAnswerDialog([&](QWidget* dialog) {
      question = dialog_actions::MessageText(dialog);
      dialog_actions::AnswerMessage(dialog, QMessageBox::Yes);
    });
    run.ThenAnswerDialog([&](QWidget* dialog) {
      after = Items(Child<QListWidget>(dialog, QStringLiteral("symbols")));
      ClickLater(dialog, QStringLiteral("help"));
      ClickLater(dialog, QStringLiteral("cancel"));
    });
    run.Then([&] { run.PostCommand(CommandId::DrawInsert); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QVERIFY(question.contains(QStringLiteral("Old")));
    QCOMPARE(after, QStringList{QStringLiteral("Kept")});
    QVERIFY(!fs::exists(t.catalog() / "Old.KorvoDWG"));
    QVERIFY(fs::exists(t.catalog() / "Kept.KorvoDWG"));
    QVERIFY(LiveInserts(run.app().session().drawing()).empty());
    // Its help button opened the manual at the dialog's section.
    HelpWindow* help = run.app().helpViewer().window();
    QVERIFY(help != nullptr);
    QCOMPARE(help->browser().source().fragment(), QStringLiteral("open_symbol_dialog"));
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::SymbolDialogGui)
#include "symbol_dialog_gui.moc"
