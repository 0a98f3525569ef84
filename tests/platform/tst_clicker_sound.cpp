#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/QtRangeSounds.h"
#include "support/WorkingDirectory.h"

// The tick must never hold up the aiming timer, whatever lies in the game folder.
class ClickerSoundTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void neverWaits_data() {
        QTest::addColumn<QString>("tickFile");
        QTest::newRow("missing") << QString();
        QTest::newRow("not a sound") << QStringLiteral(VEXA_RUN_DIR "/muzi.luk");
        QTest::newRow("the game's tick") << QStringLiteral(VEXA_RUN_DIR "/tick.wav");
    }
    void neverWaits() {
        QFETCH(QString, tickFile);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        WorkingDirectory inFolder(folder.path());
        QVERIFY(inFolder.entered());
        if (!tickFile.isEmpty()) QVERIFY(QFile::copy(tickFile, "tick.wav"));

        QElapsedTimer clock;
        clock.start();
        {
            QtRangeSounds sound;
            for (int i = 0; i < 50; ++i) {
                sound.play(RangeSound::ClickerTick);
                QCoreApplication::processEvents();
            }
        }
        const qint64 spent = clock.elapsed();
        QVERIFY2(spent < 1000, qPrintable(QString::number(spent) + " ms"));
    }
};

QTEST_MAIN(ClickerSoundTest)
#include "tst_clicker_sound.moc"
