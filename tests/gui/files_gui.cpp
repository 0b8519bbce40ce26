#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "app/main_window.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "commands/file_commands.h"
#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/line_entity.h"
#include "gui_harness.h"

namespace korvo {
namespace {

const std::filesystem::path kSample =
    std::filesystem::path(KORVOCAD_SOURCE_DIR) / "samples" / "sample.KorvoDWG";

std::size_t LiveEntities(const Drawing& drawing) {
  std::size_t count = 0;
  for (const Entity* entity : drawing.entities) count += entity->IsErased() ? 0 : 1;
  return count;
}

void AddModifiedLine(EditorApp& app) {
  EditorSession& session = app.session();
  Drawing& drawing = session.drawing();
  drawing.entities.AddTail(new LineEntity(Point(30, 40), Point(150, 220), drawing.settings));
  drawing.SetModifiedFlag(true);
  session.DrawingLoaded();
  // Nothing was dispatched, so the window is brought up to date as after a message.
  app.mainWindow().Refresh();
}

void Choose(GuiRun& run, int id) {
  QAction* action = run.app().mainWindow().CommandAction(id);
  if (action == nullptr) qFatal("no menu item for command %d", id);
  action->trigger();
}

// Types the name into the file dialog and accepts it, as the user would.
std::function<void(QWidget*)> AnswerFileDialog(const QString& file) {
  return [file](QWidget* dialog) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    if (files == nullptr)
      qFatal("expected a file dialog, found %s", dialog->metaObject()->className());
    auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* buttons = files->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (name == nullptr || buttons == nullptr) qFatal("the file dialog has no name box");
    name->setText(file);
    const auto accept = files->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                       : QDialogButtonBox::Open;
    buttons->button(accept)->click();
  };
}

// Presses a button of the message box after checking its text.
std::function<void(QWidget*)> AnswerMessage(const QString& text, QMessageBox::StandardButton button,
                                            QString* shown) {
  return [text, button, shown](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    if (box == nullptr)
      qFatal("expected a message box, found %s", dialog->metaObject()->className());
    *shown = box->text();
    if (box->text() != text) {
      box->reject();
      return;
    }
    box->button(button)->click();
  };
}

}  // namespace

class FilesGui : public QObject {
  Q_OBJECT

 private slots:
  // Save As through the file dialog writes the drawing; reading it back gives the line; the
  // title takes the name and loses the modified mark.
  void saveAsThroughTheDialog() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("saved.KorvoDWG"));
    GuiRun run;
    run.Then([&] { AddModifiedLine(run.app()); });
    run.ThenAnswerDialog(AnswerFileDialog(file));
    run.Then([&] { Choose(run, CommandId::SaveAs); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    Drawing reread;
    RecordingMessageBox quiet;
    QVERIFY(OpenDrawing(file.toStdString(), reread, quiet).opened);
    QCOMPARE(LiveEntities(reread), std::size_t{1});
    QVERIFY(!run.app().session().drawing().IsModified());
    QVERIFY(run.app().mainWindow().windowTitle().startsWith(QStringLiteral("saved.KorvoDWG")));
  }

  // A bare name typed after picking another file type in Save As gets that type's extension,
  // so the drawing is written in the format the user picked and no drawing file is made.
  void saveAsAddsTheExtensionOfThePickedType_data() {
    QTest::addColumn<int>("pick");  // the key that moves the type list off the drawing type
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("bitmapOptions");
    QTest::newRow("dxf") << int{Qt::Key_Down} << QStringLiteral("plan.dxf") << false;
    QTest::newRow("bitmap") << int{Qt::Key_End} << QStringLiteral("plan.bmp") << true;
  }

  void saveAsAddsTheExtensionOfThePickedType() {
    QFETCH(int, pick);
    QFETCH(QString, expected);
    QFETCH(bool, bitmapOptions);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    GuiRun run;
    run.Then([&] { AddModifiedLine(run.app()); });
    run.ThenAnswerDialog([&](QWidget* dialog) {
      if (auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        types->setFocus();
        QTest::keyClick(types, static_cast<Qt::Key>(pick));
      }
      AnswerFileDialog(folder.filePath(QStringLiteral("plan")))(dialog);
    });
    if (bitmapOptions) {
      run.ThenAnswerDialog([](QWidget* dialog) {
        if (auto* buttons = dialog->findChild<QDialogButtonBox*>())
          buttons->button(QDialogButtonBox::Ok)->click();
      });
    }
    run.Then([&] { Choose(run, CommandId::SaveAs); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{expected});
  }

  // Open through the file dialog replaces the drawing by the file and shows it.
  void openThroughTheDialog() {
    GuiRun run;
    QImage before;
    run.Then([&] { before = run.ViewImage(); });
    run.ThenAnswerDialog(AnswerFileDialog(QString::fromStdString(kSample.string())));
    run.Then([&] { Choose(run, FileCommandId::Open); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    const Drawing& drawing = run.app().session().drawing();
    Drawing direct;
    RecordingMessageBox quiet;
    QVERIFY(OpenDrawing(kSample, direct, quiet).opened);
    QCOMPARE(drawing.path, kSample);
    QCOMPARE(drawing.entities.size(), direct.entities.size());
    QVERIFY(drawing.entities.size() > 0);
    QVERIFY(run.ViewImage() != before);
    QVERIFY(run.app().mainWindow().windowTitle().startsWith(QStringLiteral("sample.KorvoDWG")));
  }

  // New on a modified drawing asks; Cancel keeps the drawing as it was.
  void newOnAModifiedDrawingAsksAndCancelKeepsIt() {
    GuiRun run;
    QString shown;
    QImage drawn;
    run.Then([&] { AddModifiedLine(run.app()); });
    run.Then([&] { drawn = run.ViewImage(); });
    run.ThenAnswerDialog(
        AnswerMessage(QStringLiteral("Save changes to Untitled?"), QMessageBox::Cancel, &shown));
    run.Then([&] { Choose(run, CommandId::New); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QCOMPARE(shown, QStringLiteral("Save changes to Untitled?"));
    QCOMPARE(LiveEntities(run.app().session().drawing()), std::size_t{1});
    QVERIFY(run.app().session().drawing().IsModified());
    QCOMPARE(run.ViewImage(), drawn);
  }

  // Closing the window of a modified drawing asks first; Cancel keeps the editor open with
  // the drawing as it was.
  void closingTheWindowAsksAndCancelKeepsTheEditor() {
    GuiRun run;
    QString shown;
    run.Then([&] { AddModifiedLine(run.app()); });
    run.ThenAnswerDialog(
        AnswerMessage(QStringLiteral("Save changes to Untitled?"), QMessageBox::Cancel, &shown));
    run.Then([&] { run.app().mainWindow().close(); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QCOMPARE(shown, QStringLiteral("Save changes to Untitled?"));
    QVERIFY(run.app().mainWindow().isVisible());
    QCOMPARE(LiveEntities(run.app().session().drawing()), std::size_t{1});
    QVERIFY(run.app().session().drawing().IsModified());
  }

  // A damaged drawing from File > Open is reported; the editor goes on with a new drawing
  // and still draws.
  void damagedFileFromOpenIsReported() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString damaged = folder.filePath(QStringLiteral("damaged.KorvoDWG"));
    {
      std::ofstream out(damaged.toStdString(), std::ios::binary);
      out << "KorvoCAD04";
      out.write("\x02\x00\x00\x00\x02\x00\x00\x00", 8);
    }
    GuiRun run;
    QString shown;
    run.ThenAnswerDialog(AnswerFileDialog(damaged));
    run.ThenAnswerDialog(
        AnswerMessage(QStringLiteral("Unexpected file format."), QMessageBox::Ok, &shown));
    run.Then([&] { Choose(run, FileCommandId::Open); });
    run.Then([&] {
      run.app().session().drawing().settings.gridSnap = 0;
      run.app().session().drawing().settings.objectSnap = 0;
      Choose(run, CommandId::DrawLine);
    });
    run.Then([&] { run.ClickWorld({50, 100}); });
    run.Then([&] { run.ClickWorld({150, 200}); });
    run.Then([&] { run.Key(Qt::Key_Return); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QCOMPARE(shown, QStringLiteral("Unexpected file format."));
    QVERIFY(run.app().mainWindow().isVisible());
    QVERIFY(run.app().session().drawing().path.empty());
    QCOMPARE(LiveEntities(run.app().session().drawing()), std::size_t{1});
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::FilesGui)
#include "files_gui.moc"
