#include <QCoreApplication>
#include <QTest>
#include <QUuid>

#include "app/single_instance.h"

namespace korvo {

// What a later start hands over reaches the running editor as it was given, whatever the
// file's name holds.
class SingleInstanceGui : public QObject {
  Q_OBJECT

 private slots:
  void theRunningEditorGetsTheNameAsHanded_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("plain") << QStringLiteral("/tmp/plan.KorvoDWG");
    QTest::newRow("blanks and letters") << QStringLiteral("/tmp/dir with space/Größe Ω.KorvoDWG");
    QTest::newRow("line break") << QStringLiteral("/tmp/two\nlines.KorvoDWG");
    QTest::newRow("trailing blank") << QStringLiteral("/tmp/plan.KorvoDWG ");
    QTest::newRow("percent sign") << QStringLiteral("/tmp/100%25.KorvoDWG");
    QTest::newRow("none") << QString();
  }

  void theRunningEditorGetsTheNameAsHanded() {
    QFETCH(QString, file);
    const QString name =
        QStringLiteral("korvocad-test-") + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance running(name);
    QStringList received;
    QVERIFY(running.Listen([&](const QString& handed) { received << handed; }));
    SingleInstance later(name);
    QVERIFY(later.HandOver(file));
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received.front(), file);
  }
};

}  // namespace korvo

QTEST_MAIN(korvo::SingleInstanceGui)
#include "single_instance_gui.moc"
