#include <QCheckBox>
#include <QGraphicsView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include "platform/history/SqliteMatchLog.h"
#include "rules/match/Geometry.h"
#include "rules/match/ResumePoint.h"
#include "session/GameSession.h"
#include "support/GamePictures.h"
#include "support/HistoryFiles.h"
#include "support/MemoryFileStore.h"
#include "support/ModalAnswers.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedRandom.h"
#include "support/WorkingDirectory.h"
#include "windows/BackdropImage.h"
#include "windows/ClickableImage.h"
#include "windows/ControlNames.h"
#include "windows/ErrorBox.h"
#include "windows/MainWindow.h"
#include "windows/SoundDialog.h"
#include "windows/WindowScaleMenu.h"

namespace {

const std::string kIni = "Brantel2.ini";

struct Game {
    MemoryFileStore files;
    ScriptedRandom random;
    RecordingSounds sound;
    GameSession session{files, random, sound, QtKeyText()};
    MainWindow form{session, files};
    Game() {
        random.setFallback(0);
        form.askWelcome = [] { return true; };
    }
};

QRect geometryOf(const QWidget* w) {
    return w->geometry();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void theBoardStandsWhereThePlayerExpectsIt() {
        Game g;
        g.form.FormCreate();
        MainWindow& f = g.form;
        QCOMPARE(f.windowTitle(), QStringLiteral("VEXA 99"));
        QCOMPARE(f.centralWidget()->size(), QSize(720, 480));
        QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(geometryOf(f.board->Tercov), QRect(0, 0, 250, 250));
        QCOMPARE(geometryOf(f.board->Zamer), QRect(112, 112, 33, 33));
        QCOMPARE(geometryOf(f.board->Dalekohled), QRect(251, 0, 250, 250));
        QCOMPARE(geometryOf(f.board->Klapacka), QRect(0, 251, 125, 100));
        QCOMPARE(geometryOf(f.board->Arrow), QRect(-5, 305, 125, 2));
        const QPoint rest[6] = {{250, 253}, {250, 285}, {250, 317},
                                {282, 253}, {282, 285}, {282, 317}};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(geometryOf(f.board->Arrows[i]), QRect(rest[i], QSize(32, 32)));
        QCOMPARE(geometryOf(f.board->Nextarrow), QRect(125, 250, 125, 100));
        QVERIFY(!f.board->Nextarrow->isEnabled());
        QCOMPARE(geometryOf(f.board->Downbut), QRect(384, 256, 41, 40));
        QCOMPARE(geometryOf(f.board->Rightbut), QRect(344, 296, 41, 40));
        QCOMPARE(geometryOf(f.board->Upbut), QRect(384, 296, 41, 40));
        QCOMPARE(geometryOf(f.board->Leftbut), QRect(424, 296, 41, 40));
        QCOMPARE(geometryOf(f.board->Panel1), QRect(0, 352, 777, 129));
        QCOMPARE(geometryOf(f.board->Lukostrelec), QRect(0, 0, 116, 126));
        int top = 16;
        for (QLabel* l : {f.board->PlName, f.board->Club, f.board->Vzdalenost, f.board->Celkem,
                          f.board->SoucetSada, f.board->Sipylabel, f.board->SadaCount}) {
            QCOMPARE(l->pos(), QPoint(528, top));
            QVERIFY(l->text().isEmpty());
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(Qt::red));
            QCOMPARE(l->font().pixelSize(), 19);
            top += 40;
        }
        QCOMPARE(f.session().Timer1->interval(), 10);
        QCOMPARE(f.session().Timer1->timerType(), Qt::PreciseTimer);
        QVERIFY(!f.session().Timer1->isActive());
        QCOMPARE(f.board->Tercov->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(f.board->Zamer->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(f.board->Dalekohled->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(f.board->Dalekohled->cursor().hotSpot(), QPoint(0, 0));
    }

    void theMenuHasEveryItemAndNoShortcuts() {
        Game g;
        QStringList captions;
        for (QAction* menu : g.form.menuBar()->actions()) {
            captions << QString(menu->text()).remove(QLatin1Char('&'));
            for (QAction* item : menu->menu()->actions()) {
                captions << (item->isSeparator() ? QStringLiteral("-")
                                                 : QString(item->text()).remove(QLatin1Char('&')));
                QVERIFY(item->shortcut().isEmpty());
            }
        }
        QCOMPARE(captions, QStringList({"Hra",
                                        "Nová hra",
                                        "Statistika...",
                                        "Trénink...",
                                        "Souboje...",
                                        "Pokračovat v zápase",
                                        "-",
                                        "Konec",
                                        "Nastavení",
                                        "Obtížnost",
                                        "Zaměřovač",
                                        "Soupeři...",
                                        "Vítr...",
                                        "Ovládání...",
                                        "Zvuk...",
                                        "Velikost okna",
                                        "Jazyk / Language",
                                        "Nápověda",
                                        "Index",
                                        "O hře..."}));
    }

    void startUpReadsTheConfigurationAndDeclinedWelcomeEndsTheGame() {
        Game g;
        g.files.files[kIni] = "[Window] Left= 40 Top= 50 [Game] Difficult= 3";
        QVERIFY(g.form.FormCreate());
        QCOMPARE(g.form.session().state().Difficulty, 3);
        QCOMPARE(g.form.session().state().Distance, 30);
        QCOMPARE(g.form.session().state().MarkerStyle, 1);

        Game declined;
        declined.form.askWelcome = [] { return false; };
        QVERIFY(!declined.form.FormCreate());
        QCOMPARE(declined.files.writes, 0);
    }

    // The offscreen screen is 800 x 600: only 100 % fits there.
    void theWindowSizeIsChosenFromTheMenuAndTakesEffectAtTheNextStart() {
        MemoryFileStore files;
        files.files["nastaveni.ini"] = "[Okno]\nzvetseni=200\n";
        ScriptedRandom random;
        RecordingSounds sound;
        GameSession session(files, random, sound, QtKeyText());
        MainWindow form(session, files);
        WindowScaleMenu* menu = form.Velikostokna;
        QCOMPARE(QString(menu->title()).remove(QLatin1Char('&')), QStringLiteral("Velikost okna"));
        QStringList captions;
        for (QAction* item : menu->actions()) {
            captions << item->text();
            QVERIFY(item->isEnabled());  // a size that does not fit can still be chosen back
            QCOMPARE(item->isChecked(), item == menu->item(200));
        }
        QCOMPARE(captions, QStringList({"100 %", "150 % (nevejde se)", "200 % (nevejde se)",
                                        "300 % (nevejde se)", "", "&Celá obrazovka"}));

        form.session().engine().SetTimerRunning(true);
        form.session().state().TimerRunning = true;
        QString note;
        bool aimingPaused = false;
        {
            ModalAnswers answers({[&](QWidget* box) {
                note = static_cast<QMessageBox*>(box)->text();
                aimingPaused = !form.session().Timer1->isActive();
                box->close();
            }});
            menu->item(300)->trigger();
            QVERIFY(answers.allAnswered());
        }
        QCOMPARE(note, QStringLiteral("Nová velikost okna platí od příštího spuštění hry."));
        QVERIFY(aimingPaused);
        QVERIFY(form.session().Timer1->isActive());
        QVERIFY(menu->item(300)->isChecked());
        QCOMPARE(form.session().settings().settings().windowScale, 300);
        QVERIFY(files.files["nastaveni.ini"].find("zvetseni=300") != std::string::npos);

        // Back to the size the game runs at: saved, and nothing to tell.
        ModalAnswers none;
        menu->item(100)->trigger();
        QVERIFY(!none.sawUnexpected());
        QVERIFY(files.files["nastaveni.ini"].find("zvetseni=100") != std::string::npos);
    }

    void aWindowOverTheBoardOrAnotherProgramLetsGoOfHeldKeys() {
        Game g;
        g.form.FormCreate();
        g.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.form));
        g.form.activateWindow();
        QTRY_VERIFY(g.form.isActiveWindow());
        const MatchState& state = g.form.session().state();
        QWidget* board = g.form.board->Tercov;
        const auto draw = [&] {
            QTest::keyRelease(board, Qt::Key_A);
            QTest::keyPress(board, Qt::Key_A);
            return state.KeyDraw;
        };

        QVERIFY(draw());
        bool shotReached = true;
        {
            ModalAnswers answers({[&](QWidget* box) {
                QTest::keyPress(board, Qt::Key_S);
                shotReached = state.KeyShoot;
                box->close();
            }});
            g.form.showMessage(Utf8Text{"Zpr\xc3\xa1va"}, Utf8Text{"Text"});
            QVERIFY(answers.allAnswered());
        }
        QVERIFY(!state.KeyDraw);
        QVERIFY(!shotReached);

        QVERIFY(draw());
        g.form.menuBar()->setActiveAction(g.form.Hra->menuAction());
        QTRY_VERIFY(g.form.Hra->isVisible());
        QVERIFY(!state.KeyDraw);
        g.form.Hra->close();
        g.form.activateWindow();
        QTRY_VERIFY(g.form.isActiveWindow());

        QVERIFY(draw());
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        QVERIFY(!state.KeyDraw);
    }

    // After the start-up notice, the question; "Později" leaves the match to the menu item, which
    // puts it on the board at the turn it stood at.
    void anUnfinishedMatchIsOfferedAtStartAndFromTheMenu() {
        QTemporaryDir folder;
        WorkingDirectory inside(folder.path());
        LayGamePictures();
        const std::string path = "historie.db";
        const CompetitorRecord eva{"Eva", "LK", {}, false};
        {
            SqliteMatchLog log(path, [] { return std::string("2026-12-09T14:05:00+01:00"); });
            log.matchStarted({.roundType = 1, .competitors = 1});
            for (int32_t arrow = 1; arrow <= 3; ++arrow)
                log.arrowShot({.archer = Cp1250Text{eva.Name},
                               .club = Cp1250Text{eva.Club},
                               .distance = 50,
                               .endNo = 1,
                               .arrowNo = arrow,
                               .score = 9});
            ResumePoint point{.roundType = 1, .distance = 50, .endNumber = 2, .lastEndSum = 27};
            point.competitors[0] = eva;
            point.scores[0] = {.Nines = 3, .Score50 = 27};
            log.endClosed(EncodeResumePoint(point));
        }
        SqliteMatchLog history(path);
        Game g;
        g.session.recordInto(history);
        QString text;
        bool welcomed = false;
        g.form.askWelcome = [&] { return welcomed = true; };
        ModalAnswers answers({[&](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            QVERIFY(welcomed && box);
            QCOMPARE(box->windowTitle(), QStringLiteral("Rozehraný zápas"));
            QCOMPARE(box->defaultButton()->text(), QStringLiteral("Pokračovat"));
            text = box->text();
            box->buttons().at(1)->click();
        }});
        QVERIFY(g.form.FormCreate());
        QTRY_VERIFY(answers.allAnswered());
        QCOMPARE(text, QStringLiteral("Máte rozehraný zápas: VEXA Kr. muži, 50 m, 2. sada, hraný "
                                      "9. 12. 2026 14:05. Chcete v něm pokračovat?"));
        QVERIFY(!g.session.state().MatchUnderWay);
        QVERIFY(g.form.Pokracovat1->isEnabled());

        g.form.Pokracovat1->trigger();
        QVERIFY(g.session.state().MatchUnderWay);
        QCOMPARE(g.form.board->PlName->text(), QStringLiteral("Eva"));
        QVERIFY(!g.form.Pokracovat1->isEnabled());

        // A practice session gives the match up, at once and at the next start.
        for (int start = 0; start < 2; ++start) {
            Game later;
            later.session.recordInto(history);
            QVERIFY(later.form.FormCreate());
            QCOMPARE(later.form.Pokracovat1->isEnabled(), start == 0);
            later.session.startPractice({.archer = "Eva", .distance = 30, .ends = 1},
                                        Utf8Text{"LK"});
            QVERIFY(!later.form.Pokracovat1->isEnabled());
        }
    }

    // The history outlives the window, to store what still waits; what it has to say then is
    // said to nobody.
    void theHistorysNoticeIsShownOnceAndNeverAfterTheWindowHasGone() {
        TempFolder folder;
        const auto closeAnEnd = [](SqliteMatchLog& history) {
            history.matchStarted({.roundType = 1, .competitors = 1});
            history.arrowShot({.archer = Cp1250Text{"A"}, .distance = 50, .endNo = 1});
            history.endClosed({});
        };
        SqliteMatchLog history(folder.file("no-such-folder/historie.db"));
        {
            Game g;
            g.session.recordInto(history);
            ModalAnswers answers({[](QWidget* box) { box->close(); }});
            closeAnEnd(history);
            QTRY_VERIFY(answers.allAnswered());
        }
        SqliteMatchLog later(folder.file("no-such-folder/historie.db"));
        MemoryFileStore files;
        ScriptedRandom random;
        RecordingSounds sound;
        GameSession session(files, random, sound, QtKeyText());
        session.recordInto(later);
        std::make_unique<MainWindow>(session, files).reset();
        ModalAnswers none;
        closeAnEnd(later);
        QTest::qWait(20);
        QVERIFY(!none.sawUnexpected());
    }

    void aFatalErrorIsShownAndTheProgramEndsFailing() {
        QString shown;
        ModalAnswers answers({[&](QWidget* box) {
            shown = static_cast<QMessageBox*>(box)->text();
            box->close();
        }});
        const int status = RunShowingFatalErrors([]() -> int { throw std::runtime_error("disk"); });
        QVERIFY(status != 0);
        QCOMPARE(shown, QStringLiteral("disk"));
        QCOMPARE(RunShowingFatalErrors([] { return 0; }), 0);
    }

    void closingWritesTheFrameAndDifficultyButKonecDoesNot() {
        Game g;
        g.files.files[kIni] = "[Window] Left= 60 Top= 70 [Game] Difficult= 2";
        g.form.FormCreate();
        g.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.form));
        g.form.activateWindow();
        QTRY_COMPARE(g.form.frameGeometry().topLeft(), QPoint(60, 70));

        g.form.session().state().Difficulty = 0;
        g.form.K1Click();
        QCOMPARE(g.files.writes, 0);
        // The request to end stays until an application loop takes it, and until then every
        // dialog's loop would end at once: this one takes it.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();

        g.form.close();
        QCOMPARE(g.files.files[kIni], std::string("[Window]\r\nLeft= 60\r\nTop= 70\r\n\r\n"
                                                  "[Game]\r\nDifficult= 0\r\n"));
    }

    void keysReachTheEngineWhereverTheFocusIsAndRepeatsDoNotClearThem() {
        Game g;
        g.form.FormCreate();
        g.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.form));
        QTest::keyPress(g.form.board->Tercov, Qt::Key_A);
        QVERIFY(g.form.session().state().KeyDraw);
        // X11 delivers a held key as repeated release/press pairs.
        QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(g.form.board->PlName, &repeatRelease);
        QVERIFY(g.form.session().state().KeyDraw);
        QTest::keyRelease(g.form.board->PlName, Qt::Key_A);
        QVERIFY(!g.form.session().state().KeyDraw);
        QTest::keyPress(&g.form, Qt::Key_Left);
        QVERIFY(g.form.session().state().KeyLeft);
        QTest::keyRelease(&g.form, Qt::Key_Left);
        QVERIFY(!g.form.session().state().KeyLeft);
    }

    // F11 or the menu item takes the board to the whole screen at once, in a view that shows it
    // centred; Esc or F11 brings it back into the window, which keeps its place. Kept for the
    // next start, which opens on the whole screen.
    void theBoardGoesToTheWholeScreenAndBackAtOnce() {
        Game g;
        g.files.files[kIni] = "[Window] Left= 60 Top= 70 [Game] Difficult= 2";
        g.form.FormCreate();
        g.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.form));
        g.form.activateWindow();
        QTRY_VERIFY(g.form.isActiveWindow());
        QAction* item = g.form.Velikostokna->fullScreenItem();
        const auto kept = [&g] {
            return g.files.files["nastaveni.ini"].find("celaObrazovka=true") != std::string::npos;
        };

        QTest::keyClick(g.form.board->Tercov, Qt::Key_F11);
        QVERIFY(g.form.isFullScreen());
        QVERIFY(item->isChecked());
        QVERIFY(kept());
        auto* view = qobject_cast<QGraphicsView*>(g.form.centralWidget());
        QVERIFY(view);
        QCOMPARE(view->backgroundBrush().color(), QColor(Qt::black));
        // The window reaches the screen's size when the window system has made it so.
        const auto offCentre = [view] {
            return view->mapFromScene(QPointF(kBoardWidth, kBoardHeight) / 2) -
                   view->viewport()->rect().center();
        };
        QTRY_VERIFY(std::abs(offCentre().x()) <= 1 && std::abs(offCentre().y()) <= 1);
        QCOMPARE(g.form.size(), g.form.screen()->size());
        QTest::keyPress(view->viewport(), Qt::Key_A);
        QVERIFY(g.form.session().state().KeyDraw);  // the game's keys still play
        QTest::keyRelease(view->viewport(), Qt::Key_A);
        QTest::keyClick(view->viewport(), Qt::Key_Escape);
        QVERIFY(!g.form.isFullScreen());
        QCOMPARE(g.form.centralWidget(), g.form.board);
        QCOMPARE(g.form.board->size(), QSize(kBoardWidth, kBoardHeight));
        QVERIFY(!item->isChecked());
        QVERIFY(!kept());

        item->trigger();
        QVERIFY(g.form.isFullScreen());
        g.form.close();
        QVERIFY(g.files.files[kIni].find("Left= 60\r\nTop= 70") != std::string::npos);
        MemoryFileStore keptFiles;
        keptFiles.files = g.files.files;
        GameSession nextSession(keptFiles, g.random, g.sound, QtKeyText());
        MainWindow next(nextSession, keptFiles);
        next.askWelcome = [] { return true; };
        next.FormCreate();
        next.showAsKept();
        QVERIFY(next.isFullScreen());
        next.activateWindow();
        QTRY_VERIFY(next.isActiveWindow());
        QTest::keyClick(next.menuBar(), Qt::Key_F11);
        QVERIFY(!next.isFullScreen());
    }

    // "Zvuk..." sets the volume and the mute of the sounds at once, and keeps them; "Storno"
    // leaves them.
    void theSoundDialogSetsAndKeepsTheVolume() {
        Game g;
        g.form.FormCreate();
        const auto answer = [&g](int volume, bool mute, bool ok) {
            ModalAnswers answers({[&](QWidget* dialog) {
                QCOMPARE(dialog, g.form.ZvukForm);
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Zvuk"));
                g.form.ZvukForm->Hlasitost->setValue(volume);
                if (g.form.ZvukForm->Ztlumit->isChecked() != mute)
                    g.form.ZvukForm->Ztlumit->click();
                (ok ? g.form.ZvukForm->OK : g.form.ZvukForm->Storno)->click();
            }});
            g.form.Zvuk1->trigger();
            QVERIFY(answers.allAnswered());
        };
        QCOMPARE(g.sound.volume, 100);
        answer(35, false, true);
        QCOMPARE(g.sound.volume, 35);
        QCOMPARE(g.form.ZvukForm->Procenta->text(), QStringLiteral("35 %"));
        answer(80, true, false);
        QCOMPARE(g.sound.volume, 35);
        answer(35, true, true);
        QCOMPARE(g.sound.volume, 0);
        QVERIFY(!g.form.ZvukForm->Hlasitost->isEnabled());
        const std::string& kept = g.files.files["nastaveni.ini"];
        QVERIFY(kept.find("[Zvuk]\nhlasitost=35\nztlumeno=true") != std::string::npos);
    }

    void theScreenMovesAndFillsWhatTheEngineAsks() {
        Game g;
        MainWindow& f = g.form;
        f.board->moveSight({10, 20});
        QCOMPARE(f.board->Zamer->pos(), QPoint(10, 20));
        f.board->moveDrawnArrow(-57);
        QCOMPARE(f.board->Arrow->pos(), QPoint(-57, 305));
        f.board->moveMarker(6, {300, 100});
        QCOMPARE(f.board->Arrows[5]->pos(), QPoint(300, 100));
        f.board->setLabel(MatchLabel::PlName, "Dvo\xf8\xe1k, Ji\xf8\xed");
        QCOMPARE(f.board->PlName->text(), QStringLiteral("Dvořák, Jiří"));
        QVERIFY(f.board->PlName->width() > 0);
        f.session().engine().SetTimerRunning(true);
        QVERIFY(f.session().Timer1->isActive());
        f.session().engine().SetTimerRunning(false);
        QVERIFY(!f.session().Timer1->isActive());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
