#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBrowser>

#include "rules/match/Aiming.h"
#include "support/Competitors.h"
#include "support/PadGame.h"
#include "windows/AboutBox.h"
#include "windows/ArcherEditor.h"
#include "windows/ArcherListDialog.h"
#include "windows/ClickableImage.h"
#include "windows/FullScreenBoard.h"
#include "windows/HelpViewer.h"
#include "windows/PadFocusFrame.h"
#include "windows/RoundTypeDialog.h"
#include "windows/StatisticsWindow.h"

namespace {

using Game = PadGame;

// The pad's frame stands round `control`, close to its edges.
bool Framed(QWidget* control) {
    QWidget* window = control->window();
    const QRect at(control->mapTo(window, QPoint()), control->size());
    const QList<PadFocusFrame*> frames = window->findChildren<PadFocusFrame*>();
    return std::ranges::any_of(frames, [&](PadFocusFrame* frame) {
        const QRect framed(frame->mapTo(window, QPoint()), frame->size());
        return frame->isVisible() && framed.contains(at) &&
               at.contains(framed.adjusted(4, 4, -4, -4));
    });
}

QString HelpText() {
    ShowHelpContents();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* browser = window->findChild<QTextBrowser*>()) return browser->toPlainText();
    }
    return {};
}

}  // namespace

class GamepadTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void aPadSteersDrawsReleasesAndNocksTheNextArrow() {
        Game g;
        QVERIFY(g.gamepad.started());
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        g.form.session().engine().StartMatch(1, OneArcher());
        VirtualPad pad;
        QVERIFY(pad.plugged());
        g.form.input().readPad();
        QCOMPARE(QString::fromStdString(g.gamepad.name()), QStringLiteral("Virtual pad"));

        g.tap(pad, SDL_CONTROLLER_BUTTON_B);
        QVERIFY(g.state().TimerRunning);
        const Point nocked = g.state().Sight;

        // Left on the stick and up on the d-pad: one step each way per tick.
        pad.set(SDL_CONTROLLER_AXIS_LEFTX, -32768);
        pad.set(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
        g.tick();
        g.tick();
        QCOMPARE(g.state().Sight.x, nocked.x - 2 * kKeyStep);
        QCOMPARE(g.state().Sight.y, nocked.y - 2 * kKeyStep);
        // Within the dead zone the stick rests.
        pad.set(SDL_CONTROLLER_AXIS_LEFTX, kStickDeadZone / 2);
        pad.set(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
        g.tick();
        QCOMPARE(g.state().Sight, (Point{nocked.x - 2 * kKeyStep, nocked.y - 2 * kKeyStep}));

        // Hundreds of events between two ticks still move the sight one step at most.
        for (int i = 0; i < 300; ++i) {
            pad.set(SDL_CONTROLLER_AXIS_LEFTX, i % 2 ? 32767 : -32768);
            pad.set(SDL_CONTROLLER_AXIS_LEFTY, i % 3 ? -32768 : 32767);
            pad.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, i % 2);
            SDL_PumpEvents();
        }
        const Point before = g.state().Sight;
        g.tick();
        QVERIFY(std::abs(g.state().Sight.x - before.x) <= kKeyStep);
        QVERIFY(std::abs(g.state().Sight.y - before.y) <= kKeyStep);
        pad.set(SDL_CONTROLLER_AXIS_LEFTX, 0);
        pad.set(SDL_CONTROLLER_AXIS_LEFTY, 0);
        pad.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);

        // The trigger draws; the south button lets the arrow go.
        QVERIFY(!g.state().KeyDraw);
        pad.set(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
        const int32_t rest = g.state().ArrowLeft;
        for (int i = 0; i < 20; ++i) g.tick();
        QVERIFY(g.state().KeyDraw);
        QVERIFY(g.state().ArrowLeft < rest);
        const int32_t arrowsLeft = g.state().ArrowsLeft;
        pad.set(SDL_CONTROLLER_BUTTON_A, true);
        g.tick();
        QVERIFY(!g.state().TimerRunning);
        QCOMPARE(g.state().ArrowsLeft, arrowsLeft);  // the engine counts on at the next arrow
        QVERIFY(g.form.board->Nextarrow->isEnabled());
        pad.set(SDL_CONTROLLER_BUTTON_A, false);
        pad.set(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, VirtualPad::kTriggerRest);
        g.form.input().readPad();
        QVERIFY(!g.state().KeyShoot && !g.state().KeyDraw);

        g.tap(pad, SDL_CONTROLLER_BUTTON_B);
        QVERIFY(g.state().TimerRunning);
        QCOMPARE(g.state().ArrowsLeft, arrowsLeft - 1);
    }

    void aPadPulledOutMidDrawReleasesNothing() {
        Game g;
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        g.form.session().engine().StartMatch(1, OneArcher());
        auto pad = std::make_unique<VirtualPad>();
        g.form.input().readPad();
        g.tap(*pad, SDL_CONTROLLER_BUTTON_B);
        QVERIFY(g.state().TimerRunning);
        pad->set(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true);
        for (int i = 0; i < 30; ++i) g.tick();
        const int32_t drawn = g.state().ArrowLeft;
        const int32_t arrowsLeft = g.state().ArrowsLeft;

        pad.reset();
        g.tick();
        QVERIFY(!g.state().KeyDraw);
        QVERIFY(g.state().TimerRunning);  // still aimed, not released
        QCOMPARE(g.state().ArrowsLeft, arrowsLeft);
        QVERIFY(g.state().ArrowLeft > drawn);  // the bow lets down

        // Plugged in again, it plays on.
        VirtualPad again;
        g.form.input().readPad();
        again.set(SDL_CONTROLLER_BUTTON_A, true);
        g.tick();
        QVERIFY(!g.state().TimerRunning);
    }

    void startOpensTheGameMenu() {
        Game g;
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        VirtualPad pad;
        g.form.input().readPad();
        QVERIFY(g.form.board->Nextarrow->toolTip().contains(QStringLiteral("ovladači B")));
        pad.set(SDL_CONTROLLER_BUTTON_START, true);
        g.form.input().readPad();
        QTRY_VERIFY(g.form.Hra->isVisible());
        g.form.Hra->close();
    }

    void selectTakesTheBoardToTheWholeScreenAndBack() {
        Game g;
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        VirtualPad pad;
        g.form.input().readPad();
        g.tap(pad, SDL_CONTROLLER_BUTTON_BACK);
        QVERIFY(g.form.fullScreen().isOn());
        QTRY_VERIFY(g.form.isActiveWindow());
        g.tap(pad, SDL_CONTROLLER_BUTTON_BACK);
        QVERIFY(!g.form.fullScreen().isOn());
    }

    void theMenuIsSteppedThroughChosenAndClosedWithThePad() {
        Game g;
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        VirtualPad pad;
        g.form.input().readPad();
        g.tap(pad, SDL_CONTROLLER_BUTTON_START);
        QVERIFY(g.form.Hra->isVisible());
        g.tap(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        QCOMPARE(g.form.Hra->activeAction(), g.form.Novhra1);
        pad.set(SDL_CONTROLLER_AXIS_LEFTX, 32767);  // the stick too
        g.form.input().readPad();
        pad.set(SDL_CONTROLLER_AXIS_LEFTX, 0);
        g.form.input().readPad();
        QTRY_VERIFY(g.form.Nastaveni->isVisible());
        g.tap(pad, SDL_CONTROLLER_BUTTON_B);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        QVERIFY(g.form.menuBar()->activeAction() == nullptr);  // the bar is let go too

        // "Nápověda > O hře..." opens its box; B closes it.
        ModalAnswers answers({WithPad<AboutBox>([&](AboutBox&) {
            QVERIFY(g.form.input().padInUse());
            QVERIFY(Framed(QApplication::focusWidget()));
            g.tap(pad, SDL_CONTROLLER_BUTTON_B);
        })});
        g.tap(pad, SDL_CONTROLLER_BUTTON_START);
        g.tap(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
        QTRY_VERIFY(g.form.Npovda1->isVisible());
        g.tap(pad, SDL_CONTROLLER_BUTTON_DPAD_UP);
        QCOMPARE(g.form.Npovda1->activeAction(), g.form.Ohe1);
        g.tap(pad, SDL_CONTROLLER_BUTTON_A);
        QVERIFY(answers.allAnswered());
        QVERIFY(!g.form.Form7->isVisible());
    }

    void theFocusMovesAndActsThroughEveryKindOfDialog() {
        Game g;
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        VirtualPad pad;
        g.form.input().readPad();
        ModalAnswers answers;
        // Options and buttons: every option is reached, even those Tab passes over.
        RoundTypeDialog round(&g.form);
        answers.then(WithPad<RoundTypeDialog>([&](RoundTypeDialog& d) {
            QVERIFY(g.stepTo(pad, d.VEXA));
            g.tap(pad, SDL_CONTROLLER_BUTTON_A);
            QVERIFY(g.stepTo(pad, d.Zeny));
            QVERIFY(Framed(d.Zeny));
            g.tap(pad, SDL_CONTROLLER_BUTTON_A);
            QVERIFY(g.stepTo(pad, d.BitOuKey, SDL_CONTROLLER_BUTTON_DPAD_UP));
            g.tap(pad, SDL_CONTROLLER_BUTTON_A);
        }));
        round.exec();
        QCOMPARE(round.RoundType, 4);

        // A list: the d-pad moves the selection; B is "Storno".
        ArcherListDialog list(g.files, &g.form);
        for (const char* name : {"Alfa", "Beta", "Gama"}) list.addLine(name);
        answers.then(WithPad<ArcherListDialog>([&](ArcherListDialog& d) {
            QVERIFY(g.stepTo(pad, d.ListBox1));
            g.tap(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
            const int row = d.ListBox1->currentRow();
            g.tap(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
            QCOMPARE(d.ListBox1->currentRow(), row + 1);
            g.tap(pad, SDL_CONTROLLER_BUTTON_DPAD_UP);
            QCOMPARE(d.ListBox1->currentRow(), row);
            QVERIFY(d.ListBox1->currentItem()->isSelected());
            g.tap(pad, SDL_CONTROLLER_BUTTON_B);
        }));
        QCOMPARE(list.exec(), int(QDialog::Rejected));
        QCOMPARE(list.Command, kListCancel);

        // Number fields change with ↑ and ↓; the club field reached opens the keyboard.
        ArcherEditor editor(&g.form);
        answers.then(WithPad<ArcherEditor>([&](ArcherEditor& d) {
            QVERIFY(g.stepTo(pad, d.CSpinEdit4, SDL_CONTROLLER_BUTTON_DPAD_LEFT));
            g.tap(pad, SDL_CONTROLLER_BUTTON_DPAD_UP);
            g.tap(pad, SDL_CONTROLLER_BUTTON_DPAD_UP);
            g.tap(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
            QCOMPARE(d.CSpinEdit4->value(), 86);
            QVERIFY(g.stepTo(pad, d.ComboBox1, SDL_CONTROLLER_BUTTON_DPAD_LEFT));
        }));
        answers.then(WithPad<OnScreenKeyboard>([&](OnScreenKeyboard& k) {
            g.typeOn(k, pad, QStringLiteral("Š"));
            g.tap(pad, SDL_CONTROLLER_BUTTON_START);
        }));
        answers.then(WithPad<ArcherEditor>([&](ArcherEditor& d) {
            QCOMPARE(d.ComboBox1->currentText(), QStringLiteral("Š"));
            g.tap(pad, SDL_CONTROLLER_BUTTON_B);
        }));
        editor.exec();

        // Pages: the shoulders turn them, coming round at the ends; B is "Zavřít".
        StatisticsWindow statistics(kHistoryFile, g.files, &g.form);
        answers.then(WithPad<StatisticsWindow>([&](StatisticsWindow& w) {
            g.tap(pad, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
            QCOMPARE(w.Zalozky->currentIndex(), 1);
            g.tap(pad, SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
            g.tap(pad, SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
            QCOMPARE(w.Zalozky->currentIndex(), w.Zalozky->count() - 1);
            g.tap(pad, SDL_CONTROLLER_BUTTON_B);
        }));
        statistics.exec();

        // A message box: A presses the button the focus was moved to.
        QMessageBox box(QMessageBox::Question, QStringLiteral("?"), QStringLiteral("?"),
                        QMessageBox::Ok | QMessageBox::Cancel, &g.form);
        answers.then(WithPad<QMessageBox>([&](QMessageBox& b) {
            QVERIFY(g.stepTo(pad, b.button(QMessageBox::Cancel)));
            g.tap(pad, SDL_CONTROLLER_BUTTON_A);
        }));
        QCOMPARE(box.exec(), int(QMessageBox::Cancel));
        QVERIFY(answers.allAnswered());
        QVERIFY(!answers.sawUnexpected());
    }

    // A window of its own, not a dialog: B is its "Zavřít" too.
    void bClosesTheHelp() {
        Game g;
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        VirtualPad pad;
        g.form.input().readPad();
        ShowHelpContents();
        QWidget* help = nullptr;
        QTRY_VERIFY((help = QApplication::activeWindow()) != &g.form && help != nullptr);
        QVERIFY(help->findChild<QTextBrowser*>() != nullptr);
        g.tap(pad, SDL_CONTROLLER_BUTTON_B);
        QVERIFY(!help->isVisible());
    }

    void aPadPulledOutInADialogLeavesTheKeyboardAndMouseWorking() {
        Game g;
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        auto pad = std::make_unique<VirtualPad>();
        g.form.input().readPad();
        RoundTypeDialog round(&g.form);
        ModalAnswers answers({WithPad<RoundTypeDialog>([&](RoundTypeDialog& d) {
            QVERIFY(g.stepTo(*pad, d.VEXA));
            pad.reset();
            g.form.input().readPad();
            QVERIFY(!g.form.input().padInUse());
            QVERIFY(!Framed(d.VEXA));
            QTest::keyClick(d.VEXA, Qt::Key_Space);
            QTest::mouseClick(d.BitOuKey, Qt::LeftButton);
        })});
        round.exec();
        QCOMPARE(round.RoundType, 3);
    }

    void theHintsNameThePadsButtonsWhileItIsTheLastThingUsed() {
        Game g;
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        VirtualPad pad;
        g.form.input().readPad();  // plugged in, not yet used
        const QPixmap keyPrompt = g.form.board->Nextarrow->pixmap();
        QVERIFY(HelpText().contains(QStringLiteral("Nátah – držte A.")));
        g.tap(pad, SDL_CONTROLLER_BUTTON_X);
        QCOMPARE(g.form.board->Nextarrow->toolTip(), QStringLiteral("Další šíp: na ovladači B"));
        QVERIFY(HelpText().contains(QStringLiteral("Nátah – držte RT nebo RB.")));
        QVERIFY(g.form.board->Nextarrow->pixmap().toImage() != keyPrompt.toImage());
        // A key brings the keys back.
        QTest::keyClick(&g.form, Qt::Key_F5);
        QVERIFY(!g.form.input().padInUse());
        QCOMPARE(g.form.board->Nextarrow->toolTip(), QStringLiteral("Další šíp: D, na ovladači B"));
        QCOMPARE(g.form.board->Nextarrow->pixmap().toImage(), keyPrompt.toImage());
        // Of two pads, the one a button was last pressed on.
        VirtualPad playStation(0x054c, 0x09cc);  // a DualShock 4
        g.form.input().readPad();
        g.tap(playStation, SDL_CONTROLLER_BUTTON_X);
        QCOMPARE(g.form.board->Nextarrow->toolTip(), QStringLiteral("Další šíp: na ovladači ○"));
        g.tap(pad, SDL_CONTROLLER_BUTTON_X);
        QCOMPARE(g.form.board->Nextarrow->toolTip(), QStringLiteral("Další šíp: na ovladači B"));
    }

    void eachMakersButtonsAreNamedAsPrinted() {
        const KeyBindings bindings = KeyBindings::Read({}, ReadKeysText);
        struct Case {
            GamepadFamily family;
            QString nextArrow, choose, menu;
        };
        const Case cases[] = {
            {GamepadFamily::Generic, QStringLiteral("tlačítko B"), QStringLiteral("A"),
             QStringLiteral("Start")},
            {GamepadFamily::PlayStation, QStringLiteral("tlačítko ○"), QStringLiteral("×"),
             QStringLiteral("Options")},
            {GamepadFamily::Nintendo, QStringLiteral("tlačítko A"), QStringLiteral("A"),
             QStringLiteral("+")},
        };
        for (const Case& c : cases) {
            QCOMPARE(NextArrowPrompt({bindings, c.family, true}), c.nextArrow);
            QCOMPARE(PadButtonName(ChooseButton(c.family), c.family), c.choose);
            QCOMPARE(PadButtonName(GamepadButton::Start, c.family), c.menu);
        }
        QCOMPARE(NextArrowPrompt({bindings, GamepadFamily::Nintendo, false}),
                 QStringLiteral("klávesa D"));
        // The demo's message, as the game has it.
        const QString demo = QStringLiteral("Na další sadu stiskněte 'd' !");
        QCOMPARE(WithNextArrowNamed(demo, {bindings, GamepadFamily::PlayStation, true}),
                 QStringLiteral("Na další sadu stiskněte '○' !"));
        QCOMPARE(WithNextArrowNamed(demo, {bindings, GamepadFamily::PlayStation, false}), demo);
    }
};

QTEST_MAIN(GamepadTest)
#include "tst_gamepad.moc"
