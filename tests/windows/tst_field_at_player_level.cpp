#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <string>
#include <utility>

#include "platform/history/SqliteMatchLog.h"
#include "rules/competitors/CompetitorFile.h"
#include "rules/match/LevelField.h"
#include "support/Competitors.h"
#include "support/GamePictures.h"
#include "support/ModalAnswers.h"
#include "support/StartedGame.h"
#include "support/WorkingDirectory.h"
#include "windows/ArcherListDialog.h"
#include "windows/MainWindow.h"
#include "windows/RoundTypeDialog.h"

namespace {

const std::string kMensList = "muzi.luk";

// Eva's one finished men's full round: 1197, a recurve master bowman's score on a WA 1440
// (90 m), which the scheme's tables give handicap 30.
constexpr int32_t kEvasHandicap = 30;
void RecordEvasRound() {
    SqliteMatchLog log(kHistoryFile);
    log.matchStarted({.roundType = 3, .competitors = 4});
    const std::pair<int32_t, int32_t> distances[] = {{90, 267}, {70, 298}, {50, 298}, {30, 334}};
    for (const auto& [metres, score] : distances) {
        log.distanceEnded(metres,
                          {{.archer = Cp1250Text{"Eva"},
                            .club = Cp1250Text{"LK Votice"},
                            .human = true,
                            .score = score,
                            .rank = 1}},
                          {});
    }
    log.matchFinished();
}

}  // namespace

// The option at the start of a match: the set-up's dialogs as the player answers them, the
// history in the game folder, the list file in the game's files.
class FieldAtPlayerLevelTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void theMatchStartsWithTheFieldAtTheBestHumansLevel_data() {
        QTest::addColumn<bool>("levelled");
        QTest::addColumn<QString>("human");
        QTest::addColumn<bool>("expectLevelled");
        QTest::newRow("on, a human with a handicap") << true << "Eva" << true;
        QTest::newRow("off") << false << "Eva" << false;
        QTest::newRow("on, no human with a handicap") << true << "Bara" << false;
    }
    void theMatchStartsWithTheFieldAtTheBestHumansLevel() {
        QFETCH(bool, levelled);
        QFETCH(QString, human);
        QFETCH(bool, expectLevelled);
        QTemporaryDir folder;
        WorkingDirectory cwd(folder.path());
        LayGamePictures();
        RecordEvasRound();

        const std::string list = encodeCompetitorFile(Field({"Adam", "Bara", "Cyril", "Eva"}));
        GameFiles files{{kMensList, list}};
        if (levelled) files["nastaveni.ini"] = "[Hra]\nsouperiPodleUrovne=true\n";
        StartedGame g(files);

        ModalAnswers answers({
            Answer<RoundTypeDialog>([](RoundTypeDialog& d) {
                d.VEXA->click();
                d.Muzi->click();
                QTest::mouseClick(d.BitOuKey, Qt::LeftButton);
            }),
            Answer<ArcherListDialog>([&](ArcherListDialog& d) {
                d.ListBox1->setCurrentItem(d.ListBox1->findItems(human, Qt::MatchExactly).value(0));
                d.Human->click();
                QTest::mouseClick(d.Okarch, Qt::LeftButton);
            }),
        });
        g.form->Novhra1Click();
        QVERIFY(answers.allAnswered());
        QVERIFY(!answers.sawUnexpected());

        const MatchState& s = g.form->session().state();
        QCOMPARE(s.RoundType, 3);
        const auto marked =
            std::find_if(s.Competitors.begin(), s.Competitors.end(),
                         [&](const CompetitorRecord& c) { return c.Name == human.toStdString(); });
        QVERIFY(marked != s.Competitors.end() && !marked->IsComputer);
        if (expectLevelled) {
            QVERIFY(s.FieldPerformance);
            QVERIFY(*s.FieldPerformance == FieldPerformanceAt(s.Competitors, 3, kEvasHandicap));
        } else {
            QVERIFY(!s.FieldPerformance);
        }
        QCOMPARE(g.files.files.at(kMensList), list);
    }
};

QTEST_MAIN(FieldAtPlayerLevelTest)
#include "tst_field_at_player_level.moc"
