#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/history/SqliteMatchLog.h"
#include "rules/history/Handicaps.h"
#include "support/MemoryFileStore.h"
#include "support/ModalAnswers.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedRandom.h"
#include "windows/HandicapSummary.h"
#include "windows/HitAnalysisPage.h"
#include "windows/MainWindow.h"
#include "windows/MatchListTable.h"
#include "windows/ShotReplayView.h"
#include "windows/StatisticsWindow.h"

namespace {

// A finished short match of one human archer: one end of three tens at 30 m.
void RecordMatch(MatchLog& log, int32_t roundType, const std::string& archer) {
    log.matchStarted({.roundType = roundType, .competitors = 1});
    for (int32_t arrow = 1; arrow <= 3; ++arrow) {
        log.arrowShot({.archer = archer,
                       .club = "SK",
                       .distance = 30,
                       .endNo = 1,
                       .arrowNo = arrow,
                       .score = 10,
                       .hit = {125, 125},
                       .ticks = 2,
                       .path = {kSightStart, kSightStart, kSightStart},
                       .draw = {-5, -30, -60}});
    }
    log.endClosed();
    log.distanceEnded(30,
                      {{.archer = archer, .club = "SK", .human = true, .score = 30, .rank = 1}});
    log.matchFinished();
}

}  // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        QVERIFY(folder_.isValid());
        QDir::setCurrent(folder_.path());
        QFile::remove(QStringLiteral("historie.db"));
    }

    void theMenuOpensItOnTheLastMatchWithAHuman() {
        {
            SqliteMatchLog log(kHistoryFile);
            RecordMatch(log, 3, "Adam");
            RecordMatch(log, 2, "\x8e\x61neta");  // "Žaneta" in cp1250
        }
        MemoryFileStore files;
        ScriptedRandom random;
        random.setFallback(0);
        RecordingClicker sound;
        MainWindow form(files, random, sound);
        form.askWelcome = [] { return true; };
        form.FormCreate();
        form.CreateDialogs();
        const QList<QAction*> game = form.Hra->actions();
        QCOMPARE(game.value(0), form.Novhra1);
        QCOMPARE(game.value(1), form.Statistika1);
        QCOMPARE(form.Statistika1->text(), QStringLiteral("Statistika..."));

        ModalAnswers answers({Answer<StatisticsWindow>([](StatisticsWindow& w) {
            QCOMPARE(w.windowTitle(), QStringLiteral("Statistika..."));
            QCOMPARE(w.Lukostrelec->count(), 2);
            QCOMPARE(w.Lukostrelec->currentText(), QStringLiteral("Žaneta (SK)"));
            QCOMPARE(w.Soutez->currentText(), QStringLiteral("VEXA Kr. ženy"));
            QCOMPARE(w.selectedMatch(), std::optional<int64_t>(2));
            QVERIFY(w.Hlaseni->isHidden());
            w.close();
        })});
        form.Statistika1->trigger();
        QVERIFY(answers.allAnswered());
    }

    void choosingAnArcherFillsTheTabsAndTheExport() {
        {
            int day = 0;
            SqliteMatchLog log(kHistoryFile, [&day] {
                return "2026-05-0" + std::to_string(++day) + "T10:00:00+02:00";
            });
            RecordMatch(log, 1, "Adam");
            RecordMatch(log, 1, "Adam");
            RecordMatch(log, 3, "Eva");
        }
        MemoryFileStore files;
        struct Window : StatisticsWindow {
            using StatisticsWindow::StatisticsWindow;
            QString askCsvFileName() override { return QStringLiteral("adam.csv"); }
        } w(kHistoryFile, files);
        w.loadHistory();
        QCOMPARE(w.Zalozky->count(), 5);
        QSignalSpy changed(&w, &StatisticsWindow::selectionChanged);
        // It opened on Eva's full round; Adam shot short rounds only.
        w.Lukostrelec->setCurrentIndex(w.Lukostrelec->findText(QStringLiteral("Adam (SK)")));
        w.LukostrelecChange();
        QCOMPARE(w.Rekordy->rowCount(), 0);
        w.Soutez->setCurrentIndex(0);
        w.SoutezChange();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(w.history().arrows.size(), std::size_t{6});
        QVERIFY(w.Rekordy->rowCount() > 0);
        QCOMPARE(w.Rekordy->item(0, 1)->text(), QStringLiteral("30"));
        QCOMPARE(w.Graf->chart()->series().size(), 2);
        // Both of Adam's matches have a handicap: two rounds, so it is provisional; each is listed
        // and charted on an axis of its own that runs downwards.
        const std::optional<int32_t> handicap = ShootHandicap({.distances = {{30, 36, 30}}});
        QVERIFY(handicap);
        QVERIFY(
            w.Handicap->text().contains(QStringLiteral(u"Handicap: %1 (předběžný").arg(*handicap)));
        QCOMPARE(w.Zapasy->rowCount(), 2);
        QCOMPARE(w.Zapasy->item(0, 3)->text(), QString::number(*handicap));
        auto* handicaps = qobject_cast<QLineSeries*>(w.Graf->chart()->series().at(1));
        QVERIFY(handicaps);
        QCOMPARE(handicaps->name(), QStringLiteral("Handicap"));
        QCOMPARE(handicaps->count(), 2);
        QVERIFY(handicaps->pointLabelsVisible());
        const auto axes = handicaps->attachedAxes();
        QVERIFY(std::any_of(axes.begin(), axes.end(), [](QAbstractAxis* a) {
            return a->alignment() == Qt::AlignRight && a->isReverse();
        }));
        // A click near Adam's second match selects it.
        auto* totals = qobject_cast<QLineSeries*>(w.Graf->chart()->series().at(0));
        QVERIFY(totals);
        emit totals->clicked(totals->at(1) + QPointF(1000, 0));
        QCOMPARE(w.selectedMatch(), std::optional<int64_t>(2));
        QVERIFY(w.VybranyZapas->text().contains(QStringLiteral("3. 5. 2026")));

        // The hit analysis shows the selected match, and an arrow chosen there is replayed from
        // the aiming read for it alone.
        w.Zalozky->setCurrentWidget(w.RozborZasahu);
        QCOMPARE(w.RozborZasahu->selection().size(), std::size_t{3});
        QCOMPARE(w.history().arrows.at(w.RozborZasahu->selection().front()).matchId, 2);
        w.RozborZasahu->chooseArrow(static_cast<int32_t>(w.RozborZasahu->selection().front()));
        QVERIFY(w.RozborZasahu->replayView->replay().playable());
        QCOMPARE(w.RozborZasahu->replayView->replay().draw, (std::vector<int32_t>{-5, -30, -60}));

        w.ExportCsvClick();
        const std::string& csv = files.files.at("adam.csv");
        QCOMPARE(std::count(csv.begin(), csv.end(), '\n'), 7);  // header and six arrows
    }

    void aFileThatIsNotAHistoryIsNamedInCzech() {
        QFile file(QStringLiteral("historie.db"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(200, 'x'));
        file.close();
        MemoryFileStore files;
        StatisticsWindow w(kHistoryFile, files);
        w.loadHistory();
        QCOMPARE(w.historyState(), HistoryState::NotADatabase);
        QVERIFY(!w.Hlaseni->isHidden());
        QVERIFY(w.Hlaseni->text().contains(QStringLiteral("není databází historie")));
        QVERIFY(!w.ExportCsv->isEnabled());
    }

  private:
    QTemporaryDir folder_;
};

QTEST_MAIN(StatisticsWindowTest)
#include "tst_statistics_window.moc"
