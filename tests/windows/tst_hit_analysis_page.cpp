#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "rules/history/PathBlob.h"
#include "windows/HitAnalysisPage.h"
#include "windows/HitPlotView.h"
#include "windows/ShotReplayView.h"

namespace {

const Utf8Text kArcher = u8"Jiří";

// An arrow aimed for `ticks` ticks along a straight line ending where it hit.
ArrowRecord Aimed(int64_t match, int32_t end, int32_t arrowNo, Point hit, int32_t ticks) {
    ArrowRecord a;
    a.matchId = match;
    a.archer = kArcher;
    a.distance = 50;
    a.endNo = end;
    a.arrowNo = arrowNo;
    a.x = hit.x;
    a.y = hit.y;
    a.score = 9;
    a.factor = 100;
    a.ticks = ticks;
    std::vector<Point> path;
    std::vector<int32_t> draw;
    for (int32_t t = 0; t < ticks; ++t) {
        path.push_back({hit.x - 16 - (ticks - 1 - t), hit.y - 16});
        draw.push_back(-5 - t);
    }
    a.pathBlob = EncodePath(path);
    a.drawBlob = EncodeDraw(draw);
    return a;
}

// Two matches; the later one has an arrow whose path was cut short.
void fill(HitAnalysisPage& page) {
    std::vector<ArrowRecord> arrows = {
        Aimed(1, 1, 1, {120, 125}, 30), Aimed(1, 1, 2, {135, 118}, 30),
        Aimed(2, 1, 1, {110, 140}, 60), Aimed(2, 1, 2, {140, 110}, 40)};
    arrows[3].ticks = 80;
    page.setHistory({{1, "2026-05-01T10:00:00+02:00", {}, 1, 1, 1, 1},
                     {2, "2026-05-02T10:00:00+02:00", {}, 1, 1, 1, 1}},
                    std::move(arrows));
}

}  // namespace

class HitAnalysisPageTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QVERIFY(QDir::setCurrent(QStringLiteral(VEXA_RUN_DIR))); }

    void clickingAMarkReplaysThatArrow() {
        HitAnalysisPage page;
        page.resize(1100, 700);
        fill(page);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.selectMatch(1);
        QCOMPARE(page.selection(), (std::vector<std::size_t>{0, 1}));
        QVERIFY(!page.replayView->isPlaying());

        const QPoint mark = page.plot->toWidget({135, 118}).toPoint();
        QTest::mouseClick(page.plot, Qt::LeftButton, {}, mark);
        QVERIFY(page.replayView->isPlaying());
        QCOMPARE(page.replayView->replay().ticks(), 30);
        QCOMPARE(page.replayView->replay().hit, (Point{135, 118}));
        QCOMPARE(page.arrowList->currentIndex().row(), 1);

        // Choosing from the list replays the other arrow.
        page.arrowList->setCurrentIndex(page.arrowList->model()->index(0, 0));
        QCOMPARE(page.replayView->replay().hit, (Point{120, 125}));
    }

    void pauseAndStepMoveTheShownTick() {
        HitAnalysisPage page;
        fill(page);
        page.selectMatch(2);
        page.chooseArrow(2);
        ShotReplayView& replay = *page.replayView;
        QVERIFY(replay.isPlaying());
        replay.pauseButton->click();
        QVERIFY(!replay.isPlaying());
        const int32_t paused = replay.shownTick();
        for (int i = 0; i < 3; ++i) replay.stepButton->click();
        QCOMPARE(replay.shownTick(), paused + 3);
        replay.stepBackButton->click();
        QCOMPARE(replay.shownTick(), paused + 2);
        QVERIFY(!replay.isPlaying());
        QVERIFY(
            replay.statusLabel->text().contains(QStringLiteral("Krok %1 z 60").arg(paused + 3)));

        replay.replayButton->click();
        QCOMPARE(replay.shownTick(), 0);
        QVERIFY(replay.isPlaying());
        QTRY_VERIFY(!replay.isPlaying());
        QCOMPARE(replay.shownTick(), 59);
        for (int i = 0; i < 3; ++i) replay.stepButton->click();
        QCOMPARE(replay.shownTick(), 59);
    }

    void aShotThatCannotBeReplayedSaysWhyInCzech() {
        HitAnalysisPage page;
        fill(page);
        page.selectMatch(2);
        page.chooseArrow(3);
        const ShotReplayView& replay = *page.replayView;
        QVERIFY(!replay.isPlaying());
        QVERIFY(!replay.pauseButton->isEnabled());
        QVERIFY(!replay.stepButton->isEnabled());
        QVERIFY2(replay.statusLabel->text().startsWith(QStringLiteral(u"Výstřel nelze přehrát")),
                 qPrintable(replay.statusLabel->text()));
        QVERIFY(replay.statusLabel->text().contains(QStringLiteral(u"(40 z 80 kroků)")));
    }

    void allMatchesOfTheArcherAreOneSelection() {
        HitAnalysisPage page;
        fill(page);
        page.showArcher(kArcher);
        page.allMatchesBox->setChecked(true);
        QCOMPARE(page.selection(), (std::vector<std::size_t>{0, 1, 2, 3}));
        QVERIFY(!page.matchBox->isEnabled());
        page.selectMatch(2);
        QVERIFY(!page.allMatchesBox->isChecked());
        QCOMPARE(page.selection(), (std::vector<std::size_t>{2, 3}));
    }

    void theWindChoiceNarrowsWhatIsShown() {
        HitAnalysisPage page;
        std::vector<ArrowRecord> arrows = {Aimed(1, 1, 1, {120, 125}, 3),
                                           Aimed(1, 1, 2, {135, 118}, 3)};
        arrows[1].windSpeed = 32;
        page.setHistory({{1, "2026-05-01T10:00:00+02:00", {}, 1, 1, 1, 1}}, std::move(arrows));
        page.showArcher(kArcher);
        QCOMPARE(page.selection(), (std::vector<std::size_t>{0, 1}));
        QCOMPARE(page.windBox->itemText(2), QStringLiteral(u"ve větru"));
        page.windBox->setCurrentIndex(2);
        QCOMPARE(page.selection(), (std::vector<std::size_t>{1}));
        page.windBox->setCurrentIndex(1);
        QCOMPARE(page.selection(), (std::vector<std::size_t>{0}));
    }
};

QTEST_MAIN(HitAnalysisPageTest)
#include "tst_hit_analysis_page.moc"
