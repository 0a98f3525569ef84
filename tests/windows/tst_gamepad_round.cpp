// A whole short round played with the pad alone, from "Nová hra" to the last results.
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>

#include "platform/QtText.h"
#include "rules/match/Aiming.h"
#include "rules/match/Geometry.h"
#include "rules/match/Rounds.h"
#include "support/PadGame.h"
#include "windows/ArcherEditor.h"
#include "windows/ArcherListDialog.h"
#include "windows/ClickableImage.h"
#include "windows/ResultsWindow.h"
#include "windows/RoundTypeDialog.h"

namespace {

constexpr auto kA = SDL_CONTROLLER_BUTTON_A;
constexpr auto kB = SDL_CONTROLLER_BUTTON_B;
// The ticks from the nocked arrow past the clicker to full draw.
constexpr int kFullDrawTicks = (kArrowNocked - kClickerLeft) / -kDrawStep + 2;

}  // namespace

class GamepadRoundTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void aShortRoundFromNewGameToTheLastResultsWithThePadAlone() {
        PadGame g;
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        VirtualPad pad;
        QVERIFY(pad.plugged());
        g.form.input().readPad();
        const QString name = QStringLiteral("Čáp Jiří");
        int results = 0;
        ModalAnswers answers(
            {WithPad<RoundTypeDialog>([&](RoundTypeDialog& d) {
                 QVERIFY(d.VEXAKr->isChecked() && d.Muzi->isChecked());
                 QVERIFY(g.stepTo(pad, d.BitOuKey));
                 g.tap(pad, kA);
             }),
             WithPad<ArcherListDialog>([&](ArcherListDialog& d) {
                 QVERIFY(g.stepTo(pad, d.Addarch));
                 g.tap(pad, kA);
             }),
             WithPad<ArcherEditor>([&](ArcherEditor& d) {
                 QVERIFY(PadGame::hasFocus(d.Edit1));
                 g.tap(pad, kA);
             }),
             WithPad<OnScreenKeyboard>([&](OnScreenKeyboard& k) {
                 g.typeOn(k, pad, name + QLatin1Char('x'));
                 g.tap(pad, kB);  // deletes the last letter
                 g.tap(pad, SDL_CONTROLLER_BUTTON_START);
             }),
             WithPad<ArcherEditor>([&](ArcherEditor& d) {
                 QCOMPARE(d.Edit1->text(), name);
                 QVERIFY(g.stepTo(pad, d.BitBtn1, SDL_CONTROLLER_BUTTON_DPAD_LEFT));
                 g.tap(pad, kA);
             }),
             WithPad<ArcherListDialog>([&](ArcherListDialog& d) {
                 QVERIFY(g.stepTo(pad, d.ListBox1));
                 g.tap(pad, kA);  // the one line: A selects it
                 QCOMPARE(d.ListBox1->selectedItems().size(), 1);
                 QCOMPARE(d.ListBox1->selectedItems().front()->text(), name);
                 QVERIFY(g.stepTo(pad, d.Human));
                 g.tap(pad, kA);
                 QVERIFY(g.stepTo(pad, d.Okarch));
                 g.tap(pad, kA);
             })},
            // From then on the results of each distance, and any congratulation over them.
            [&](QWidget* modal) {
                QTRY_COMPARE(QApplication::activeWindow(), modal);
                if (qobject_cast<ResultsWindow*>(modal)) ++results;
                g.tap(pad, qobject_cast<QMessageBox*>(modal) ? kA : kB);
            });

        g.tap(pad, SDL_CONTROLLER_BUTTON_START);
        QTRY_VERIFY(g.form.Hra->isVisible());
        g.tap(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        g.tap(pad, kA);  // "Nová hra": the set-up's dialogs answer in turn
        QVERIFY(answers.allAnswered());
        QCOMPARE(fromCp1250(g.state().Competitors[0].Name), name);
        QVERIFY(!g.state().Competitors[0].IsComputer);

        // Each arrow: nock with B, draw with the trigger to full draw, let go with A; an end's
        // total and the results go on with B.
        const Round round = *findRound(1);
        const auto distances = static_cast<int>(round.stages().size());
        int arrows = 0;
        for (int step = 0; step < 1000 && results < distances; ++step) {
            // Back at the board once a window over it has gone.
            QTRY_VERIFY(g.form.isActiveWindow());
            if (!g.state().TimerRunning) {
                g.tap(pad, kB);
                continue;
            }
            pad.set(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
            for (int t = 0; t < kFullDrawTicks; ++t) g.tick();
            pad.set(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, VirtualPad::kTriggerRest);
            pad.set(kA, true);
            g.tick();
            pad.set(kA, false);
            g.form.input().readPad();
            ++arrows;
        }
        QCOMPARE(arrows, round.arrows());
        QCOMPARE(results, distances);
        // The last results closed, the match is over.
        QVERIFY(!g.form.board->Nextarrow->isEnabled());
        QCOMPARE(g.state().Distance, kDistanceOutsideMatch);
    }
};

QTEST_MAIN(GamepadRoundTest)
#include "tst_gamepad_round.moc"
