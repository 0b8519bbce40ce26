#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "app/layers_dialog.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "core/drawing.h"
#include "core/entity.h"
#include "gui_harness.h"

namespace korvo {
namespace {

int RedPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) & 0xFFFFFF) == 0xFF0000u;
  }
  return count;
}

}  // namespace

class LayersGui : public QObject {
  Q_OBJECT

 private slots:
  // Making layer "0" current and freezing WALLS, the layer of a red line, in the dialog.
  void freezingALayerHidesItsLine() {
    GuiRun run;
    QImage empty;
    QImage drawn;
    run.Then([&] { empty = run.ViewImage(); });
    run.Then([&] {
      Drawing& drawing = run.app().session().drawing();
      auto* walls = new Layer(u"WALLS", 1, &ContinuousLineType(), -3.0);
      drawing.layers.Add(walls);
      drawing.settings.currentLayer = walls;
    });
    run.Then([&] { run.PostCommand(CommandId::DrawLine); });
    run.Then([&] { run.ClickWorld({50, 100}); });
    run.Then([&] { run.ClickWorld({150, 200}); });
    run.Then([&] { run.Key(Qt::Key_Return); });
    run.Then([&] { drawn = run.ViewImage(); });
    run.ThenAnswerDialog([](QWidget* dialog) {
      auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("layers"));
      QVERIFY(table != nullptr);
      const QList<QTableWidgetItem*> found =
          table->findItems(QStringLiteral("WALLS"), Qt::MatchExactly);
      QCOMPARE(found.size(), 1);
      const int row = found[0]->row();
      // WALLS is current: layer "0" becomes current first, so that WALLS can be frozen.
      const QList<QTableWidgetItem*> zero = table->findItems(QStringLiteral("0"), Qt::MatchExactly);
      QCOMPARE(zero.size(), 1);
      const QRect current = table->visualRect(table->model()->index(zero[0]->row(), 4));
      QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, current.center());
      const QRect frozen = table->visualRect(table->model()->index(row, 2));
      QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, frozen.center());
      // The rows are filled anew after each action.
      QVERIFY(!table->item(row, 2)->text().isEmpty());
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    run.Then([&] { run.PostCommand(CommandId::Layers); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    const Layer* walls = run.app().session().drawing().layers.Find(u"WALLS");
    QVERIFY(walls != nullptr);
    QVERIFY(walls->IsFrozen());
    const EntityList& entities = run.app().session().drawing().entities;
    QCOMPARE(entities.size(), std::size_t{1});
    QCOMPARE((*entities.begin())->layer, walls);
    QVERIFY(!(*entities.begin())->IsVisible());
    // WALLS draws in colour 1: its line is the only red in the view.
    QCOMPARE(RedPixels(empty), 0);
    QVERIFY(RedPixels(drawn) > 20);
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::LayersGui)
#include "layers_gui.moc"
