#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "rules/competitors/CompetitorFile.h"
#include "support/Competitors.h"
#include "support/FocusChecks.h"
#include "support/GamePictures.h"
#include "support/ModalAnswers.h"
#include "support/StartedGame.h"
#include "support/WorkingDirectory.h"
#include "windows/BoutsDialog.h"
#include "windows/BracketWindow.h"
#include "windows/MainWindow.h"

namespace {

constexpr const char* kSettings = "nastaveni.ini";

}  // namespace

class BoutsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // The dialog in its tab order with the kept values made valid; its OK starts a timed
    // bracket whose first set puts the opponent's arrows and the set line on the board.
    void theDialogStartsABracketShotOnTheBoard() {
        QTemporaryDir folder;
        WorkingDirectory cwd(folder.path());
        LayGamePictures();
        StartedGame g(GameFiles{
            {kSettings, "[Souboje]\nlukostrelec=Eva\npavouk=30\nkategorie=nic\ncasovyLimit=true\n"},
            {"muzi.luk", encodeCompetitorFile(Field(
                             {"Adam", "Bedrich", "Cyril", "David", "Emil", "Filip", "Gustav"}))}});
        {
            ModalAnswers answers({Answer<BoutsDialog>([](BoutsDialog& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Souboje"));
                QVERIFY(QTest::qWaitForWindowActive(&d));
                QVERIFY(HoldsFocus(d.Lukostrelec));
                QCOMPARE(d.Lukostrelec->currentText(), QStringLiteral("Eva"));
                QCOMPARE(d.Kategorie->currentText(), QStringLiteral("Muži"));
                QCOMPARE(d.Pavouk->currentData().toInt(), 32);
                QCOMPARE(d.Souperi->currentText(), QStringLiteral("Podle databáze střelců"));
                QVERIFY(d.CasovyLimit->isChecked());
                QVERIFY(d.OKButton->isDefault());
                QVERIFY(TabWalks(
                    {d.Kategorie, d.Pavouk, d.Souperi, d.CasovyLimit, d.OKButton, d.StornoButton}));
                d.Pavouk->setCurrentIndex(d.Pavouk->findData(8));
                d.Lukostrelec->setFocus();
                QTest::keyClick(d.Lukostrelec, Qt::Key_Return);
            })});
            g.form->Souboje1Click();
            QVERIFY(answers.allAnswered());
        }
        QCOMPARE(ReadPlayerSettings(IniText::parse(g.files.files[kSettings])).bouts.bracketSize, 8);
        g.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(g.form.get()));
        Board& board = *g.form->board;
        QCOMPARE(board.Hodiny->text(), QStringLiteral("120 s"));
        QCOMPARE(board.Vzdalenost->text(), QStringLiteral("70 m"));

        // The test is the clock of the aiming: the window's timer is kept from firing.
        for (int arrow = 0; arrow < 3; ++arrow) {
            QVERIFY(board.Souboj->text().isEmpty());
            QTest::keyClick(g.form.get(), Qt::Key_D);
            QTest::keyPress(g.form.get(), Qt::Key_A);
            for (int tick = 0; tick < 40; ++tick) g.form->session().Timer1Timer();
            QTest::keyPress(g.form.get(), Qt::Key_S);
            g.form->session().Timer1Timer();
            QTest::keyRelease(g.form.get(), Qt::Key_S);
            QTest::keyRelease(g.form.get(), Qt::Key_A);
        }
        // Chance that draws 0 makes every arrow of the computer a miss.
        const QString points = board.SoucetSada->text().toInt() > 0 ? QStringLiteral("2 : 0")
                                                                    : QStringLiteral("1 : 1");
        QCOMPARE(board.Souboj->text(),
                 QStringLiteral("1. sada: %1 : 0 — body %2").arg(board.SoucetSada->text(), points));
        QVERIFY(board.SouperoviSipy[0]->isVisible());
        QTRY_VERIFY(board.SouperoviSipy[2]->isVisible());
        QTest::keyClick(g.form.get(), Qt::Key_D);  // the next set takes the opponent's arrows away
        QVERIFY(!board.SouperoviSipy[0]->isVisible());
    }

    // Without a list the player is alone: the bracket is over before an arrow, and says so.
    void anArcherAloneWinsTheBracketByByes() {
        QTemporaryDir folder;
        WorkingDirectory cwd(folder.path());
        LayGamePictures();
        StartedGame g(GameFiles{{kSettings, "[Souboje]\nlukostrelec=Eva\n"}});
        QString places;
        ModalAnswers answers({
            Answer<BoutsDialog>(
                [](BoutsDialog& d) { QTest::mouseClick(d.OKButton, Qt::LeftButton); }),
            Answer<BracketWindow>([&](BracketWindow& w) {
                QCOMPARE(w.windowTitle(), QStringLiteral("Pavouk"));
                QVERIFY(w.isModal());
                places = w.Poradi->text();
                QTest::mouseClick(w.OKButton, Qt::LeftButton);
            }),
        });
        g.form->Souboje1Click();
        QVERIFY(answers.allAnswered());
        QVERIFY(places.contains(QStringLiteral("<b>1. Eva</b>")));
        QVERIFY(!g.form->session().state().MatchUnderWay);
    }
};

QTEST_MAIN(BoutsTest)
#include "tst_bouts.moc"
