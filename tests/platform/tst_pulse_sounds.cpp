#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "platform/PulseRangeSounds.h"
#include "platform/SoundSources.h"
#include "support/RecordingScreen.h"
#include "support/WorkingDirectory.h"

namespace {

constexpr int kFramesPerMs = kPlayedSampleRate / 1000;

// One sound as recorded: where it began and how loud it got.
struct Burst {
    qsizetype startFrame;
    int peak;
};

// The sounds in a recording, each ending where 50 ms of silence follow it.
QList<Burst> Bursts(const QByteArray& recording) {
    const auto* samples = reinterpret_cast<const int16_t*>(recording.constData());
    const qsizetype frames = recording.size() / 2;
    QList<Burst> bursts;
    qsizetype lastLoud = -1;
    for (qsizetype i = 0; i < frames; ++i) {
        const int level = std::abs(int{samples[i]});
        if (level < 300) continue;
        if (lastLoud < 0 || i - lastLoud > 50 * kFramesPerMs) bursts.append({i, 0});
        bursts.back().peak = std::max(bursts.back().peak, level);
        lastLoud = i;
    }
    return bursts;
}

}  // namespace

// The server's sample cache, against a sound server of the test's own with a null output whose
// monitor is recorded; and the Qt Multimedia output taking over where there is no server.
class PulseSoundsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        QVERIFY(runtime_.isValid());
        QVERIFY(folder_.isValid());
        for (const RangeSound sound : kRangeSounds) {
            const QString file = QString::fromLatin1(RangeSoundFile(sound));
            QVERIFY(QFile::copy(QStringLiteral(VEXA_RUN_DIR "/") + file, folder_.filePath(file)));
        }
        // The server and every client find each other, and nothing of the machine's, here.
        qputenv("HOME", runtime_.path().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
        qputenv("PULSE_RUNTIME_PATH", runtime_.filePath("pulse").toLocal8Bit());
        qputenv("PULSE_SERVER", ("unix:" + runtime_.filePath("pulse/native")).toLocal8Bit());
    }

    void theServerPlaysEachSoundOnTimeAtTheVolumeSet() {
        QProcess server;
        server.start("pulseaudio", {"--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
                                    "-n", "--load=module-null-sink",
                                    "--load=module-native-protocol-unix auth-anonymous=1"});
        QVERIFY(server.waitForStarted());
        QTRY_VERIFY(QFile::exists(runtime_.filePath("pulse/native")));

        WorkingDirectory inFolder(folder_.path());
        RecordingSounds qt;
        PulseRangeSounds sounds(qt);
        QTRY_COMPARE(CachedSamples(), qsizetype(std::size(kRangeSounds)));

        QProcess recorder;
        recorder.start("parec",
                       {"-d", "null.monitor", "--raw", "--format=s16le", "--channels=1",
                        "--rate=" + QString::number(kPlayedSampleRate), "--latency-msec=5"});
        QVERIFY(recorder.waitForStarted());
        QTRY_VERIFY(recorder.bytesAvailable() > 0);  // the recording runs
        sounds.setVolume(100);
        sounds.play(RangeSound::ClickerTick);
        sounds.playLater(RangeSound::BowRelease, 450);
        QTest::qWait(1000);
        sounds.play(RangeSound::RingHit);
        QTest::qWait(500);
        sounds.setVolume(25);
        sounds.play(RangeSound::RingHit);
        QTest::qWait(500);
        sounds.setVolume(0);
        sounds.play(RangeSound::RingHit);
        QTest::qWait(500);
        recorder.terminate();
        QVERIFY(recorder.waitForFinished());

        const QList<Burst> heard = Bursts(recorder.readAllStandardOutput());
        QCOMPARE(heard.size(), 4);  // tick, release, hit, the quieter hit; the muted hit none
        const double releaseAfterMs =
            (heard[1].startFrame - heard[0].startFrame) / double(kFramesPerMs);
        QVERIFY2(std::abs(releaseAfterMs - 450) < 15, qPrintable(QString::number(releaseAfterMs)));
        const double quieter = double(heard[3].peak) / heard[2].peak;
        QVERIFY2(std::abs(quieter - GainOfVolume(25)) < 0.05, qPrintable(QString::number(quieter)));
        QVERIFY(qt.played.empty());

        // The server goes away: the sounds go to Qt Multimedia's output.
        server.kill();
        QVERIFY(server.waitForFinished());
        QTRY_VERIFY((sounds.play(RangeSound::RingHit), !qt.played.empty()));
    }

    void withoutAServerQtMultimediaPlaysEverySound() {
        qputenv("PULSE_SERVER", "unix:/nonexistent/native");
        RecordingSounds qt;
        PulseRangeSounds sounds(qt);
        sounds.setVolume(40);
        QCOMPARE(qt.volume, 40);
        QTRY_VERIFY((sounds.play(RangeSound::GrassMiss), !qt.played.empty()));
        sounds.playLater(RangeSound::RingHit, 583);
        QCOMPARE(qt.played.back(), "hit.wav after 583");
    }

  private:
    qsizetype CachedSamples() {
        QProcess pactl;
        pactl.start("pactl", {"list", "samples", "short"});
        pactl.waitForFinished();
        return pactl.readAllStandardOutput().count("vexa99-");
    }

    QTemporaryDir runtime_;
    QTemporaryDir folder_;
};

QTEST_GUILESS_MAIN(PulseSoundsTest)
#include "tst_pulse_sounds.moc"
