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
#include "support/ClimbingHistory.h"
#include "support/HistoryFiles.h"
#include "support/LayoutChecks.h"
#include "support/MemoryFileStore.h"
#include "support/ModalAnswers.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedRandom.h"
#include "support/StartedGame.h"
#include "windows/HandicapSummary.h"
#include "windows/HistoryText.h"
#include "windows/HitAnalysisPage.h"
#include "windows/MainWindow.h"
#include "windows/MatchListTable.h"
#include "windows/ShotReplayView.h"
#include "windows/StatisticsWindow.h"

namespace {

// A finished short match of one human archer: one end of three tens at 30 m.
void RecordMatch(MatchLog& log, int32_t roundType, const Cp1250Text& archer) {
    log.matchStarted({.roundType = roundType, .competitors = 1});
    for (int32_t arrow = 1; arrow <= 3; ++arrow) {
        log.arrowShot({.archer = archer,
                       .club = Cp1250Text{"SK"},
                       .distance = 30,
                       .endNo = 1,
                       .arrowNo = arrow,
                       .score = 10,
                       .hit = {125, 125},
                       .ticks = 2,
                       .path = {kSightStart, kSightStart, kSightStart},
                       .draw = {-5, -30, -60}});
    }
    log.endClosed({});
    log.distanceEnded(
        30, {{.archer = archer, .club = Cp1250Text{"SK"}, .human = true, .score = 30, .rank = 1}},
        {});
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
            RecordMatch(log, 3, Cp1250Text{"Adam"});
            RecordMatch(log, 2, Cp1250Text{"\x8e\x61neta"});  // "Žaneta"
        }
        StartedGame started;
        MainWindow& form = *started.form;
        const QList<QAction*> game = form.Hra->actions();
        QCOMPARE(game.value(0), form.Novhra1);
        QCOMPARE(game.value(1), form.Statistika1);
        QCOMPARE(QString(form.Statistika1->text()).remove(QLatin1Char('&')),
                 QStringLiteral("Statistika..."));

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
            RecordMatch(log, 1, Cp1250Text{"Adam"});
            RecordMatch(log, 1, Cp1250Text{"Adam"});
            RecordMatch(log, 3, Cp1250Text{"Eva"});
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

    void theFirstPageNamesTheClassAndTheMatchListTheShootsThatCounted() {
        {
            std::string now;
            SqliteMatchLog log(kHistoryFile, [&now] { return now; });
            RecordClimb(log, now);
        }
        MemoryFileStore files;
        StatisticsWindow w(kHistoryFile, files);
        w.loadHistory();
        QVERIFY2(w.Handicap->text().endsWith(
                     QStringLiteral(u"\n\nKlasifikace: Bowman 2nd Class (B2), získaná ") +
                     HistoryDateText(kClimb.back().date) +
                     QStringLiteral(u"\nDo Bowman 1st Class (B1) chybí 6 tuctů šípů s "
                                    u"handicapem nejvýš 37 na 90 m")),
                 qPrintable(w.Handicap->text()));
        w.Soutez->setCurrentIndex(0);
        w.SoutezChange();
        QCOMPARE(w.Zapasy->horizontalHeaderItem(4)->text(), QStringLiteral("Klasifikace"));
        const QStringList latestFirst = {
            QStringLiteral(u"do B1, získána B2"), QStringLiteral(u"do B2, získána A1"),
            QStringLiteral(u"do A1, získána A2"), QStringLiteral("do A3"), QStringLiteral("do A2")};
        QCOMPARE(w.Zapasy->rowCount(), latestFirst.size());
        for (int row = 0; row < latestFirst.size(); ++row)
            QCOMPARE(w.Zapasy->item(row, 4)->text(), latestFirst[row]);
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

    // The window is laid out by Qt's layouts, not by design positions: whatever they make of it,
    // from its smallest size up, the controls stand apart inside it, top to bottom.
    void theControlsStandApartInsideTheWindow() {
        MemoryFileStore files;
        StatisticsWindow w(kHistoryFile, files);
        w.loadHistory();  // an absent history: the notice line is shown too
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto caption = [&w](const QString& text) -> const QWidget* {
            for (QLabel* label : w.findChildren<QLabel*>()) {
                if (label->text() == text) return label;
            }
            return nullptr;
        };
        const QWidget* archerCaption = caption(QStringLiteral("Lukostřelec:"));
        const QWidget* roundCaption = caption(QStringLiteral("Soutěž:"));
        QVERIFY(archerCaption && roundCaption);
        // Named for the messages.
        const std::pair<QWidget*, const char*> names[] = {
            {w.Lukostrelec, "Lukostrelec"}, {w.Soutez, "Soutez"},       {w.Hlaseni, "Hlaseni"},
            {w.Zalozky, "Zalozky"},         {w.ExportCsv, "ExportCsv"}, {w.Zavrit, "Zavrit"}};
        for (const auto& [control, name] : names) control->setObjectName(QString::fromLatin1(name));
        for (const QSize size : {w.minimumSizeHint(), QSize(720, 540), QSize(1280, 900)}) {
            w.resize(size.expandedTo(w.minimumSizeHint()));
            QCoreApplication::processEvents();
            const QString problem =
                LayoutProblem(w, {archerCaption, w.Lukostrelec, roundCaption, w.Soutez, w.Hlaseni,
                                  w.Zalozky, w.ExportCsv, w.Zavrit});
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
    }

    void aHistoryItCannotShowIsNamedAndLeftAsItIs_data() {
        QTest::addColumn<QString>("spoil");
        QTest::addColumn<HistoryState>("state");
        QTest::addColumn<QString>("named");
        QTest::newRow("absent") << "none" << HistoryState::Absent << "žádný zápas";
        QTest::newRow("damaged") << "damage" << HistoryState::Damaged << "poškozený";
        QTest::newRow("newer") << "newer" << HistoryState::Newer << "novější verze";
    }
    void aHistoryItCannotShowIsNamedAndLeftAsItIs() {
        QFETCH(QString, spoil);
        QFETCH(HistoryState, state);
        QFETCH(QString, named);
        if (spoil != QStringLiteral("none")) {
            {
                SqliteMatchLog log(kHistoryFile);
                for (int match = 0; match < 30; ++match) RecordMatch(log, 1, Cp1250Text{"Adam"});
            }
            if (spoil == QStringLiteral("damage")) DamageHistory(kHistoryFile);
            if (spoil == QStringLiteral("newer")) MakeHistoryNewer(kHistoryFile);
        }
        const std::string before = ReadBytes(kHistoryFile);
        MemoryFileStore files;
        StatisticsWindow w(kHistoryFile, files);
        w.loadHistory();
        QCOMPARE(w.historyState(), state);
        QVERIFY(!w.Hlaseni->isHidden());
        QVERIFY2(w.Hlaseni->text().contains(named), qPrintable(w.Hlaseni->text()));
        QCOMPARE(ReadBytes(kHistoryFile), before);
        QCOMPARE(QFileInfo::exists(QStringLiteral("historie.db")), spoil != QStringLiteral("none"));
    }

    void aimingWaitsWhileTheWindowIsOpen() {
        StartedGame started;
        MainWindow& form = *started.form;
        auto openAndClose = [&](bool& aimingWhileOpen) {
            ModalAnswers answers({Answer<StatisticsWindow>([&](StatisticsWindow& w) {
                aimingWhileOpen =
                    form.session().Timer1->isActive() || form.session().state().TimerRunning;
                w.close();
            })});
            form.Statistika1->trigger();
            QVERIFY(answers.allAnswered());
        };
        bool aimingWhileOpen = true;
        form.session().engine().SetTimerRunning(true);
        openAndClose(aimingWhileOpen);
        QVERIFY(!aimingWhileOpen);
        QVERIFY(form.session().state().TimerRunning);
        QVERIFY(form.session().Timer1->isActive());

        // Nothing aimed, nothing started by closing it.
        form.session().engine().SetTimerRunning(false);
        openAndClose(aimingWhileOpen);
        QVERIFY(!form.session().Timer1->isActive());
    }

    void theStartTimeTheGameWritesIsShownAsADate() {
        const QString format = QStringLiteral("d. M. yyyy H:mm");
        const QString before = QDateTime::currentDateTime().toString(format);
        {
            SqliteMatchLog log(kHistoryFile);
            RecordMatch(log, 1, Cp1250Text{"Adam"});
        }
        const QString after = QDateTime::currentDateTime().toString(format);
        MemoryFileStore files;
        StatisticsWindow w(kHistoryFile, files);
        w.loadHistory();
        QCOMPARE(w.selectedMatch(), std::optional<int64_t>(1));
        const QString shown = w.VybranyZapas->text();
        QVERIFY2(shown.contains(before) || shown.contains(after), qPrintable(shown));
    }

  private:
    QTemporaryDir folder_;
};

QTEST_MAIN(StatisticsWindowTest)
#include "tst_statistics_window.moc"
