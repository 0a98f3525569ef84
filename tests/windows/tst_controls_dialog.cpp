#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "session/GameSession.h"
#include "support/MemoryFileStore.h"
#include "support/ModalAnswers.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedRandom.h"
#include "support/WorkingDirectory.h"
#include "windows/ClickableImage.h"
#include "windows/ControlNames.h"
#include "windows/ControlsDialog.h"
#include "windows/KeyCaptureButton.h"
#include "windows/MainWindow.h"

namespace {

const std::string kSettings = "nastaveni.ini";

struct Game {
    WorkingDirectory inRunDir{QStringLiteral(VEXA_RUN_DIR)};
    MemoryFileStore files;
    ScriptedRandom random;
    RecordingSounds sound;
    std::unique_ptr<GameSession> session;
    std::unique_ptr<MainWindow> form;
    explicit Game(std::string settings = {}) {
        if (!settings.empty()) files.files[kSettings] = std::move(settings);
        random.setFallback(0);
        session = std::make_unique<GameSession>(files, random, sound, QtKeyText());
        form = std::make_unique<MainWindow>(*session, files);
        form->askWelcome = [] { return true; };
        form->FormCreate();
        form->show();
    }
    const MatchState& state() { return form->session().state(); }
    void tick() {
        form->session().Timer1->stop();
        form->session().Timer1Timer();
    }
};

CompetitorTable OneHuman() {
    CompetitorTable table;
    table[0] = {"Lukostrelec", "Klub", {60, 60, 60, 60}, false};
    return table;
}

void press(ControlsDialog& d, ControlAction action, std::size_t place, Qt::Key key) {
    KeyCaptureButton* button = d.keyButtons[static_cast<std::size_t>(action)][place];
    button->click();
    QVERIFY(button->capturing());
    QTest::keyClick(button, key);
}

}  // namespace

class ControlsDialogTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void aWholeEndIsShotWithTheKeysTheSettingsBind() {
        Game g("[Ovladani]\nvystrelit=Space\nnatahnout=J\ndalsiSip=N\nvlevo=Foo\n");
        MainWindow& f = *g.form;
        f.session().engine().StartMatch(1, OneHuman());
        QVERIFY(f.board->Nextarrow->toolTip().contains(QStringLiteral("N")));
        for (int arrow = 1; arrow <= 6; ++arrow) {
            QTest::keyClick(&f, Qt::Key_D);  // no longer the next arrow
            QVERIFY(!g.state().TimerRunning);
            QTest::keyClick(&f, Qt::Key_N);
            QVERIFY(g.state().TimerRunning);
            QTest::keyPress(&f, Qt::Key_J);
            for (int tick = 0; tick < 52; ++tick) g.tick();
            QTest::keyClick(&f, Qt::Key_S);  // no longer the release
            g.tick();
            QVERIFY(g.state().TimerRunning);
            // A tap between two ticks is remembered until the next one.
            QTest::keyClick(&f, Qt::Key_Space);
            QVERIFY(!g.state().KeyShoot);
            g.tick();
            QVERIFY2(!g.state().TimerRunning, qPrintable(QString::number(arrow)));
            QTest::keyRelease(&f, Qt::Key_J);
        }
        QVERIFY(!f.board->SoucetSada->text().isEmpty());
        // A binding Qt cannot read leaves the default.
        QTest::keyPress(&f, Qt::Key_Left);
        QVERIFY(g.state().KeyLeft);
        QTest::keyRelease(&f, Qt::Key_Left);
    }

    void theDialogRefusesTakenAndMenuKeysAndKeepsWhatThePlayerChose() {
        Game g("[Ovladani]\ndolu=Foo\n");
        MainWindow& f = *g.form;
        ModalAnswers answers;
        QStringList refusals;
        answers.then(Answer<ControlsDialog>([&](ControlsDialog& d) {
            d.tellRefusal = [&refusals](const QString& why) { refusals << why; };
            QCOMPARE(d.windowTitle(), QStringLiteral("Ovládání"));
            QVERIFY(d.notice->isVisibleTo(&d));
            QVERIFY(d.notice->text().contains(QStringLiteral("„dolů“")));
            QCOMPARE(d.keyButtons[3][0]->text(), QStringLiteral("↓"));
            press(d, ControlAction::Shoot, 0, Qt::Key_Space);
            press(d, ControlAction::Left, 1, Qt::Key_A);
            press(d, ControlAction::Draw, 0, Qt::Key_F10);
            press(d, ControlAction::Draw, 1, Qt::Key_Alt);
            QCOMPARE(d.keyButtons[4][1]->text(), QStringLiteral("(žádná)"));
            press(d, ControlAction::NextArrow, 1, Qt::Key_N);
            d.OK->click();
        }));
        f.Ovladani1Click();
        QVERIFY(answers.allAnswered());
        QVERIFY(!answers.sawUnexpected());
        QCOMPARE(refusals.size(), 3);
        QVERIFY2(refusals[0].contains(QStringLiteral("„natáhnout luk“")), qPrintable(refusals[0]));
        QVERIFY(refusals[1].contains(QStringLiteral("nabídka")));
        QVERIFY(refusals[2].contains(QStringLiteral("nabídka")));

        const std::string& saved = g.files.files[kSettings];
        QVERIFY2(saved.find("vystrelit=Space\n") != std::string::npos, saved.c_str());
        QVERIFY(saved.find("dalsiSip=D, N\n") != std::string::npos);
        QVERIFY(saved.find("dolu=Foo\n") != std::string::npos);  // untouched, still the default
        QVERIFY(saved.find("vlevo") == std::string::npos);
        QCOMPARE(f.session().keyBindings().actionOf(Qt::Key_Space), ControlAction::Shoot);
        QVERIFY(!f.session().keyBindings().actionOf(Qt::Key_S));
        QVERIFY(f.board->Nextarrow->toolTip().contains(QStringLiteral("D nebo N")));
        f.Index1Click();
        QWidget* help = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QStringLiteral("HelpViewer")) help = w;
        }
        QVERIFY(help != nullptr);
        const QString shown = help->findChild<QTextBrowser*>()->toPlainText();
        // The key as its cap reads in the player's language: "Mezerník" in Czech.
        QVERIFY2(
            shown.contains(QStringLiteral("stiskem %1 šíp vypustíte").arg(KeyName(Qt::Key_Space))),
            qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("stiskněte D nebo N.")));
        help->close();

        // "Výchozí" brings the default keys back, and Storno keeps what was there.
        answers.then(Answer<ControlsDialog>([](ControlsDialog& d) {
            d.Vychozi->click();
            QCOMPARE(d.keyButtons[5][0]->text(), QStringLiteral("S"));
            d.Storno->click();
        }));
        answers.then(Answer<ControlsDialog>([](ControlsDialog& d) {
            d.Vychozi->click();
            d.OK->click();
        }));
        f.Ovladani1Click();
        QCOMPARE(f.session().keyBindings().actionOf(Qt::Key_Space), ControlAction::Shoot);
        f.Ovladani1Click();
        QCOMPARE(f.session().keyBindings().actionOf(Qt::Key_S), ControlAction::Shoot);
        QVERIFY(g.files.files[kSettings].find("vystrelit=S\n") != std::string::npos);
    }
};

QTEST_MAIN(ControlsDialogTest)
#include "tst_controls_dialog.moc"
