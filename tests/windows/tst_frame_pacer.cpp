#include <QtTest>

#include "windows/FramePacer.h"

class FramePacerTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // A second of 10 ms ticks paints once for each picture the screen shows, at most once a tick.
    void aTickPaintsWhenTheScreensNextPictureIsDue() {
        struct Case {
            double refreshHz;
            int paints;
        };
        for (const Case c : {Case{60, 60}, Case{50, 50}, Case{144, 100}, Case{0, 100}}) {
            FramePacer pacer(c.refreshHz);
            int paints = 0;
            for (int64_t tick = 0; tick < 100; ++tick) paints += pacer.paintAt(tick * 10000);
            QCOMPARE(paints, c.paints);
            // After a pause the first tick paints at once.
            QVERIFY(pacer.paintAt(5'000'000));
        }
    }
};

QTEST_APPLESS_MAIN(FramePacerTest)
#include "tst_frame_pacer.moc"
