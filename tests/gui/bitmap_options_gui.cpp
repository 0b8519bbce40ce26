#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cstdint>
#include <optional>

#include "app/bitmap_options_dialog.h"
#include "app/main_window.h"
#include "commands/editor_session.h"
#include "core/drawing.h"
#include "dialog_actions.h"
#include "exchange/bitmap_export.h"
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

uint32_t Word(const QByteArray& bytes, int at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes.at(at + i));
  return value;
}

}  // namespace

class BitmapOptionsGui : public QObject {
  Q_OBJECT

 private slots:
  // Save As to a bitmap: a width that is not a whole number is refused and the dialog stays
  // open on it; the corrected options give a file of that size on a white background.
  void refusesAWidthThatIsNotAWholeNumber() {
    GuiRun run;
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("out.bmp"));
    BitmapExportOptions options;
    QString caption, message;
    bool focusOnWidth = false, exported = false;
    std::u16string topic;
    run.ThenAnswerDialog([&](QWidget* dialog) {
      caption = dialog->windowTitle();
      if (auto* help = Child<QAbstractButton>(dialog, QStringLiteral("help"))) help->click();
      TypeInto(Child<QLineEdit>(dialog, QStringLiteral("width")), QStringLiteral("12.5"));
      ClickLater(dialog, QStringLiteral("ok"));
    });
    run.ThenAnswerDialog([&](QWidget* box) {
      message = MessageText(box);
      AnswerMessage(box, QMessageBox::Ok);
    });
    run.ThenAnswerDialog([&](QWidget* dialog) {
      auto* width = Child<QLineEdit>(dialog, QStringLiteral("width"));
      focusOnWidth = width != nullptr && dialog->focusWidget() == width;
      TypeInto(width, QStringLiteral("33"));
      TypeInto(Child<QLineEdit>(dialog, QStringLiteral("height")), QStringLiteral("20"));
      if (auto* background = Child<QComboBox>(dialog, QStringLiteral("background"))) {
        background->setFocus();
        QTest::keyClick(background, Qt::Key_End);  // "White"
      }
      ClickLater(dialog, QStringLiteral("ok"));
    });
    run.Then([&] {
      QtBitmapOptionsDialog dialog(&run.app().mainWindow(),
                                   [&](std::u16string_view asked) { topic = asked; });
      exported = ExportBitmap(run.app().session().drawing(), path.toStdString(), options,
                              BitmapOptionsSource::Dialog, 0, 0, Background::Black,
                              run.app().messageBox(), &dialog);
    });
    QVERIFY2(run.Play(), qPrintable(run.Failure()));

    QCOMPARE(caption, QStringLiteral("Output Bitmap options"));
    QVERIFY(topic == u"bmp_options_dialog");
    QCOMPARE(message, QStringLiteral("Please enter an integer."));
    QVERIFY(focusOnWidth);
    QVERIFY(exported);
    QCOMPARE(options.width, 33);
    QCOMPARE(options.height, 20);
    QVERIFY(options.whiteBackground);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // Rows of 33 pixels are padded to 36 bytes.
    QCOMPARE(bytes.size(), 1078 + 36 * 20);
    QCOMPARE(Word(bytes, 18), 33u);
    QCOMPARE(Word(bytes, 22), 20u);
    // An empty drawing on white: the first pixel's palette entry is white.
    const int index = static_cast<uint8_t>(bytes.at(1078));
    QCOMPARE(Word(bytes, 54 + 4 * index) & 0xFFFFFFu, 0xFFFFFFu);
  }

  // What Save As gets back: the edited options with OK, nothing with Cancel; the dialog
  // starts from the options it is given.
  void givesTheEditedOptionsOrNothing() {
    struct Case {
      const char* name;
      const char* button;
      std::optional<int> height;
    } cases[] = {
        {"ok", "ok", 480},
        {"cancel", "cancel", std::nullopt},
    };
    for (const Case& c : cases) {
      GuiRun run;
      QString shownWidth;
      std::optional<BitmapExportOptions> answer;
      run.ThenAnswerDialog([&](QWidget* dialog) {
        if (auto* width = Child<QLineEdit>(dialog, QStringLiteral("width")))
          shownWidth = width->text();
        TypeInto(Child<QLineEdit>(dialog, QStringLiteral("height")), QStringLiteral("480"));
        ClickLater(dialog, QString::fromLatin1(c.button));
      });
      run.Then([&] {
        answer = RunBitmapOptionsDialog(&run.app().mainWindow(), {1234, 99, false});
      });
      QVERIFY2(run.Play(), qPrintable(run.Failure()));
      QVERIFY2(shownWidth == QStringLiteral("1234"), c.name);
      QVERIFY2(answer.has_value() == c.height.has_value(), c.name);
      if (!answer) continue;
      QVERIFY2(answer->width == 1234 && answer->height == *c.height, c.name);
    }
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::BitmapOptionsGui)
#include "bitmap_options_gui.moc"
