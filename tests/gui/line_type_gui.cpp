#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "core/drawing.h"
#include "core/entity.h"
#include "gui_harness.h"

namespace korvo {
namespace {

int CountColor(const QImage& image, QRgb color) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      count += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
  }
  return count;
}

}  // namespace

class LineTypeGui : public QObject {
  Q_OBJECT

 private slots:
  // Colour 1 typed into the dialog shows red in the swatch at once; after OK new lines are red.
  void colourOneDrawsRedLines() {
    GuiRun run;
    run.ThenAnswerDialog([](QWidget* dialog) {
      auto* color = dialog->findChild<QLineEdit*>(QStringLiteral("color"));
      auto* swatch = dialog->findChild<QLabel*>(QStringLiteral("swatch"));
      auto* byLayer = dialog->findChild<QPushButton*>(QStringLiteral("byLayer"));
      QVERIFY(color != nullptr && swatch != nullptr && byLayer != nullptr);
      QVERIFY(byLayer->isChecked());
      QCOMPARE(color->text(), QString());
      QTest::keyClicks(color, QStringLiteral("1"));
      QVERIFY(!byLayer->isChecked());
      const QImage shown = swatch->pixmap().toImage();
      QCOMPARE(shown.pixel(shown.width() / 2, shown.height() / 2) & 0xFFFFFF, 0xFF0000u);
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    run.Then([&] { run.PostCommand(CommandId::LineTypes); });
    run.Then([&] { run.PostCommand(CommandId::DrawLine); });
    run.Then([&] { run.ClickWorld({50, 100}); });
    run.Then([&] { run.ClickWorld({150, 200}); });
    run.Then([&] { run.Key(Qt::Key_Return); });
    QImage view;
    run.Then([&] { view = run.ViewImage(); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    const Drawing& drawing = run.app().session().drawing();
    QCOMPARE(drawing.settings.currentColorIndex, int16_t{1});
    QCOMPARE(drawing.entities.size(), std::size_t{1});
    QCOMPARE((*drawing.entities.begin())->colorIndex, int16_t{1});
    QVERIFY(CountColor(view, qRgb(255, 0, 0)) > 20);
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::LineTypeGui)
#include "line_type_gui.moc"
