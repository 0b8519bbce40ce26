#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "core/drawing.h"
#include "gui_harness.h"
#include "text/font_files.h"

namespace korvo {

class TextStylesGui : public QObject {
  Q_OBJECT

 private slots:
  // A new style with another font: the preview changes with the font, and OK makes the style
  // the drawing's current one.
  void aNewStyleBecomesCurrent() {
    const ScopedFontFolder fonts(std::filesystem::path(KORVOCAD_SOURCE_DIR) / "data" / "FONTS");
    GuiRun run;
    QImage txtPreview;
    QImage scriptPreview;
    run.ThenAnswerDialog([&](QWidget* dialog) {
      auto* styles = dialog->findChild<QComboBox*>(QStringLiteral("styles"));
      auto* fontList = dialog->findChild<QComboBox*>(QStringLiteral("fonts"));
      auto* preview = dialog->findChild<QLabel*>(QStringLiteral("preview"));
      QVERIFY(styles != nullptr && fontList != nullptr && preview != nullptr);
      QCOMPARE(fontList->currentText(), QStringLiteral("TXT"));
      txtPreview = preview->pixmap().toImage();
      styles->lineEdit()->selectAll();
      QTest::keyClicks(styles->lineEdit(), QStringLiteral("NOTES"));
      fontList->setCurrentIndex(fontList->findText(QStringLiteral("SCRIPT")));
      scriptPreview = preview->pixmap().toImage();
      auto* create = dialog->findChild<QPushButton*>(QStringLiteral("new"));
      QVERIFY(create->isEnabled());
      create->click();
      QVERIFY(!create->isEnabled());
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    run.Then([&] { run.PostCommand(CommandId::Styles); });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    const Drawing& drawing = run.app().session().drawing();
    const TextStyle* current = drawing.settings.currentTextStyle;
    QVERIFY(current != nullptr);
    QCOMPARE(QString::fromStdU16String(current->name), QStringLiteral("NOTES"));
    QCOMPARE(QString::fromStdU16String(std::u16string(current->FontName())),
             QStringLiteral("SCRIPT"));
    QVERIFY(drawing.textStyles.Find(u"STANDARD") != nullptr);
    QVERIFY(!txtPreview.isNull());
    QVERIFY(txtPreview != scriptPreview);
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::TextStylesGui)
#include "text_styles_gui.moc"
