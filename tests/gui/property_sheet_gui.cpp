#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

#include "app/main_window.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "core/drawing.h"
#include "dialog_actions.h"
#include "gui_harness.h"

namespace korvo {
namespace {

using namespace dialog_actions;

void TypeInto(QLineEdit* field, const QString& text) {
  if (field == nullptr) return;
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
}

// The plug-in's sheet names the grid spacing "Spacing:" first and the snap spacing second.
QLineEdit* GridSpacing(QWidget* sheet) {
  return FieldOf<QLineEdit>(sheet, QStringLiteral("Spacing:"), 0);
}

}  // namespace

class PropertySheetGui : public QObject {
  Q_OBJECT

 private slots:
  // The drawing settings sheet turns the grid on at a new spacing: the settings change and
  // the view shows grid dots where there were none.
  void settingsSheetChangesTheDrawing() {
    GuiRun run;
    QImage before;
    QString title, shownSpacing;
    bool fitsScreen = false;
    run.Then([&] { before = run.ViewImage(); });
    run.ThenAnswerDialog([&](QWidget* sheet) {
      title = sheet->windowTitle();
      // However many rows, the sheet fits the screen; its rows scroll within it.
      fitsScreen = sheet->findChild<QScrollArea*>() != nullptr && sheet->screen() != nullptr &&
                   sheet->height() <= sheet->screen()->availableGeometry().height();
      auto* grid = FieldOf<QComboBox>(sheet, QStringLiteral("Drawing grid, Mode:"));
      if (grid != nullptr) {
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Home);  // "ON" is the first choice
      }
      if (QLineEdit* spacing = GridSpacing(sheet)) shownSpacing = spacing->text();
      TypeInto(GridSpacing(sheet), QStringLiteral("25"));
      ClickLater(sheet, QStringLiteral("ok"));
    });
    run.Then([&] { run.PostCommand(CommandId::Settings); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    const DrawingSettings& settings = run.app().session().drawing().settings;
    QCOMPARE(title, QStringLiteral("Drawing Settings"));
    QVERIFY(fitsScreen);
    QVERIFY(!shownSpacing.isEmpty());
    QCOMPARE(settings.gridSpacing, 25.0);
    QVERIFY(settings.gridOn != 0);
    // (100, 100) is a multiple of the spacing: a grid dot is drawn there now.
    QVERIFY(ChangedNear(before, run.ViewImage(), run.ViewPosition({100, 100})));
  }

  // A spacing of 0 is refused with the row's message; the sheet stays open on that row, and
  // Cancel then leaves the drawing as it was.
  void anOutOfRangeValueIsRefused() {
    GuiRun run;
    QImage before;
    double spacingBefore = 0;
    QString message;
    bool stillOnRow = false;
    run.Then([&] {
      before = run.ViewImage();
      spacingBefore = run.app().session().drawing().settings.gridSpacing;
    });
    run.ThenAnswerDialog([&](QWidget* sheet) {
      TypeInto(GridSpacing(sheet), QStringLiteral("0"));
      ClickLater(sheet, QStringLiteral("ok"));
    });
    run.ThenAnswerDialog([&](QWidget* box) {
      message = MessageText(box);
      AnswerMessage(box, QMessageBox::Ok);
    });
    run.ThenAnswerDialog([&](QWidget* sheet) {
      QLineEdit* spacing = GridSpacing(sheet);
      stillOnRow = spacing != nullptr && sheet->focusWidget() == spacing;
      ClickLater(sheet, QStringLiteral("cancel"));
    });
    run.Then([&] { run.PostCommand(CommandId::Settings); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QVERIFY2(message.startsWith(QStringLiteral("Spacing: enter a value from ")),
             qPrintable(message));
    QVERIFY(stillOnRow);
    QCOMPARE(run.app().session().drawing().settings.gridSpacing, spacingBefore);
    QVERIFY(run.ViewImage() == before);
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::PropertySheetGui)
#include "property_sheet_gui.moc"
