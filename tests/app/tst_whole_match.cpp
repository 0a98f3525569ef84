// The program as the player meets it, on a real X server at the pace of its 10 ms timer: the
// menu, the real set-up dialogs, the keys and clicks of the main window, the results window after
// every distance, and the files the game leaves in its folder. What the match engine decides (the
// progression, the scores, the ranking, the records) its own tests check; this one checks that
// the windows carry it.

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>
#include <set>

#include "platform/QtFileStore.h"
#include "platform/QtText.h"
#include "platform/history/SqliteMatchLog.h"
#include "rules/match/Aiming.h"
#include "rules/match/Geometry.h"
#include "rules/match/Random.h"
#include "session/GameSession.h"
#include "support/FileBytes.h"
#include "support/HistoryFiles.h"
#include "support/ModalAnswers.h"
#include "support/RecordingScreen.h"
#include "windows/ArcherListDialog.h"
#include "windows/ClickableImage.h"
#include "windows/ControlNames.h"
#include "windows/MainWindow.h"
#include "windows/ResultsWindow.h"
#include "windows/RoundTypeDialog.h"

namespace {

constexpr uint32_t kSeed = 19990630;
const QByteArray kConfiguration = "[Window]\r\nLeft= 0\r\nTop= 0\r\n\r\n[Game]\r\nDifficult= 1\r\n";

// Runs the event loop until `done` holds, reacting after every event; false after `ms`.
template <typename Done>
bool waitFor(Done done, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// A game folder of its own: the files that lie beside the program and a configuration file,
// made the current directory for as long as the game runs.
class GameFolder {
  public:
    GameFolder() : previous_(QDir::currentPath()) {}
    ~GameFolder() { QDir::setCurrent(previous_); }
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    bool lay() {
        if (!dir_.isValid()) return false;
        const QDir run(QStringLiteral(VEXA_RUN_DIR));
        for (const QFileInfo& file : run.entryInfoList(QDir::Files)) {
            if (file.fileName() == QStringLiteral("vexa99")) continue;
            if (!QFile::copy(file.filePath(), dir_.filePath(file.fileName()))) return false;
        }
        QFile ini(dir_.filePath(QStringLiteral("Brantel2.ini")));
        if (!ini.open(QIODevice::WriteOnly) || ini.write(kConfiguration) != kConfiguration.size())
            return false;
        ini.close();
        return QDir::setCurrent(dir_.path());
    }

  private:
    QString previous_;
    QTemporaryDir dir_;
};

// The game wired as the program wires it, in a folder of its own, with a clicker that counts.
struct Game {
    GameFolder folder;
    QtFileStore files;
    SeededRandom random{kSeed};
    RecordingSounds clicker;
    std::unique_ptr<SqliteMatchLog> history;
    std::unique_ptr<GameSession> session;
    std::unique_ptr<MainWindow> form;

    bool start() {
        if (!folder.lay()) return false;
        history = std::make_unique<SqliteMatchLog>(kHistoryFile);
        session = std::make_unique<GameSession>(files, random, clicker, QtKeyText());
        form = std::make_unique<MainWindow>(*session, files);
        form->session().engine().SetMatchLog(*history);
        form->askWelcome = [] { return true; };
        if (!form->FormCreate()) return false;
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }
    const MatchState& state() const { return form->session().state(); }
};

// Answers every modal window the game puts up, by its kind, and writes down what it saw:
// "Typ závodů", "Lukostřelci...", "<caption> | <text>" of a message box, and "Výsledky... <d>"
// with the match's distance while the results window was open. The results window is closed
// only once its listing stands, that is after its congratulations; one whose listing never
// comes is left to the helper's deadline.
class Hand : public QObject {
  public:
    std::function<void(RoundTypeDialog&)> onRoundType;
    std::function<void(ArcherListDialog&)> onCompetitorList;
    QStringList log;

    explicit Hand(MainWindow& form)
        : form_(form), answers_({}, [this](QWidget* modal) { look(modal); }) {}

  private:
    void look(QWidget* modal) {
        if (auto* round = qobject_cast<RoundTypeDialog*>(modal)) {
            log << round->windowTitle();
            if (onRoundType) onRoundType(*round);
        } else if (auto* list = qobject_cast<ArcherListDialog*>(modal)) {
            log << list->windowTitle();
            if (onCompetitorList) onCompetitorList(*list);
        } else if (auto* results = qobject_cast<ResultsWindow*>(modal)) {
            if (results->shownLines().size() <= 2) return;
            log << QStringLiteral("%1 %2")
                       .arg(results->windowTitle())
                       .arg(form_.session().state().Distance);
            QTest::mouseClick(results->BitBtn1, Qt::LeftButton);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            log << box->windowTitle() + QStringLiteral(" | ") + box->text();
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                QTest::mouseClick(ok, Qt::LeftButton);
            } else {
                box->reject();
            }
        } else {
            log << QStringLiteral("unexpected %1").arg(modal->metaObject()->className());
        }
        // Whatever the step left open (a step that did not finish its dialog) is closed.
        if (QApplication::activeModalWidget() == modal && modal->isVisible()) modal->close();
    }

    MainWindow& form_;
    ModalAnswers answers_;
};

void chooseRound(RoundTypeDialog& form, QRadioButton* round, QRadioButton* gender) {
    QTest::mouseClick(round, Qt::LeftButton);
    QTest::mouseClick(gender, Qt::LeftButton);
    QTest::mouseClick(form.BitOuKey, Qt::LeftButton);
}

// Clicks the line `row` of the competitor list and then "Člověk"; returns the line's name.
QString markHuman(ArcherListDialog& form, int row) {
    QListWidgetItem* line = form.ListBox1->item(row);
    if (line == nullptr) return {};
    form.ListBox1->scrollToItem(line);
    QTest::mouseClick(form.ListBox1->viewport(), Qt::LeftButton, {},
                      form.ListBox1->visualItemRect(line).center());
    if (!line->isSelected() || !form.Komp->isChecked()) return {};
    QTest::mouseClick(form.Human, Qt::LeftButton);
    return form.Human->isChecked() ? line->text() : QString();
}

// The players at the keyboard. An archer who draws nocks the arrow with D, steers the sight
// toward the centre of the target with the arrow keys, draws with A until the clicker ticks and
// lets go with S; the drawers draw only their first end at each distance, to keep the match
// short. The others click Nextarrow and let go at once. The action that nocks the arrow may
// close the last archer's end and bring the next one to the board: the arrow is his.
class Archer {
  public:
    Archer(MainWindow& form, const RecordingSounds& clicker) : form_(form), clicker_(clicker) {}

    QSet<QString> drawers;
    int releases = 0;
    int drawn = 0;
    QStringList shooters;  // the name on the board while each arrow was aimed

    // D, or a click on Nextarrow; it may finish a distance and bring up the results window,
    // and returns when that has been closed.
    void next(bool byClick) {
        if (byClick) {
            QTest::mouseClick(form_.board->Nextarrow, Qt::LeftButton);
        } else {
            QTest::keyClick(&form_, Qt::Key_D);
        }
    }

    // The archer on the board takes the next arrow; the arrow goes to whoever is then named.
    void shoot() {
        const MatchState& s = form_.session().state();
        next(!drawers.contains(form_.board->PlName->text()));
        QVERIFY2(s.TimerRunning, "no arrow to aim after the next-arrow action");
        QCOMPARE(s.ArrowLeft, kArrowNocked);
        const QString shooter = form_.board->PlName->text();
        shooters << shooter;
        const bool draws = drawers.contains(shooter) && s.EndNumber == 1;
        const int ticks = clicker_.ticks;
        if (draws) {
            hold(Qt::Key_A, true);
            QVERIFY2(waitFor(
                         [&] {
                             steer();
                             return clicker_.ticks != ticks;
                         },
                         5000),
                     "the clicker never ticked");
            QCOMPARE(clicker_.ticks, ticks + 1);
            ++drawn;
        }
        hold(Qt::Key_S, true);
        QVERIFY2(waitFor([&] { return !s.TimerRunning; }, 2000), "the arrow was not released");
        for (Qt::Key key : std::set<Qt::Key>(held_)) hold(key, false);
        QCOMPARE(s.ArrowLeft, kArrowReleased);
        QVERIFY(form_.board->Nextarrow->isEnabled());
        ++releases;
        if (s.ArrowsLeft == 1) closedEnd(s);
    }

  private:
    // The board after an end: its arrows best first, adding up to the end's sum, and the total.
    void closedEnd(const MatchState& s) {
        const QStringList arrows = form_.board->Sipylabel->text().split(' ', Qt::SkipEmptyParts);
        int total = 0;
        for (int i = 0; i < arrows.size(); ++i) {
            total += arrows[i].toInt();
            if (i > 0) QVERIFY(arrows[i - 1].toInt() >= arrows[i].toInt());
        }
        QCOMPARE(total, form_.board->SoucetSada->text().toInt());
        const ScoreRecord& score = s.Scores[static_cast<std::size_t>(s.CurrentCompetitor)];
        QCOMPARE(form_.board->Celkem->text(), QString::number(RoundTotal(score, s.RoundType)));
    }

    // Holds the keys that bring the aim point to the centre; the sway does the rest.
    void steer() {
        constexpr int kSlack = 4;
        const Point sight = form_.session().state().Sight;
        const int dx = sight.x + kSightAimOffset - kTargetCentre.x;
        const int dy = sight.y + kSightAimOffset - kTargetCentre.y;
        hold(Qt::Key_Left, dx > kSlack);
        hold(Qt::Key_Right, dx < -kSlack);
        hold(Qt::Key_Up, dy > kSlack);
        hold(Qt::Key_Down, dy < -kSlack);
    }

    void hold(Qt::Key key, bool down) {
        if (down == held_.contains(key)) return;
        if (down) {
            QTest::keyPress(&form_, key);
            held_.insert(key);
        } else {
            QTest::keyRelease(&form_, key);
            held_.erase(key);
        }
    }

    MainWindow& form_;
    const RecordingSounds& clicker_;
    std::set<Qt::Key> held_;
};

struct RecordFileEntry {
    std::string name;
    uint32_t score;
};

// The ten entries of "records.dat": a 30-byte name ended by a zero byte, a little-endian score.
std::vector<RecordFileEntry> recordsOnDisk(const QByteArray& bytes) {
    std::vector<RecordFileEntry> entries;
    for (int i = 0; i + 34 <= bytes.size(); i += 34) {
        const QByteArray field = bytes.mid(i, 30);
        const int end = field.indexOf('\0');
        const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData() + i + 30);
        entries.push_back(
            {field.left(end < 0 ? 30 : end).toStdString(),
             uint32_t{s[0]} | uint32_t{s[1]} << 8 | uint32_t{s[2]} << 16 | uint32_t{s[3]} << 24});
    }
    return entries;
}

std::vector<int32_t> humanSlots(const MatchState& s) {
    std::vector<int32_t> humans;
    for (int32_t i = 0; i < kCompetitorSlots; ++i) {
        if (!s.Competitors[static_cast<std::size_t>(i)].IsComputer) humans.push_back(i);
    }
    return humans;
}

QString congratulation(int distance) {
    return QStringLiteral("Gratulace ! | Máte nejvyšší výsledek na %1 metrů !").arg(distance);
}

QString resultsAt(int distance) {
    return QStringLiteral("Výsledky... %1").arg(distance);
}

}  // namespace

class WholeMatch : public QObject {
    Q_OBJECT
  private:
    // After the match: D and a click on Nextarrow change nothing and show nothing.
    static void nothingMoreToShoot(Game& game, Hand& hand, Archer& archer) {
        const MatchState before = game.state();
        const QStringList log = hand.log;
        const QString distanceLabel = game.form->board->Vzdalenost->text();
        archer.next(false);
        archer.next(true);
        QTest::qWait(50);
        const MatchState& after = game.state();
        QVERIFY(!game.form->session().Timer1->isActive());
        QVERIFY(!game.form->board->Nextarrow->isEnabled());
        QCOMPARE(after.Distance, before.Distance);
        QCOMPARE(after.ArrowsLeft, before.ArrowsLeft);
        QCOMPARE(after.EndNumber, before.EndNumber);
        QVERIFY(after.Scores == before.Scores);
        QCOMPARE(hand.log, log);
        QCOMPARE(game.form->board->Vzdalenost->text(), distanceLabel);
    }

  private Q_SLOTS:
    void womensDemoTakesOneKeyPerDistance() {
        Game game;
        QVERIFY(game.start());
        Hand hand(*game.form);
        Archer archer(*game.form, game.clicker);

        // Before any match D does nothing.
        archer.next(false);
        QVERIFY(!game.state().TimerRunning);
        QVERIFY(hand.log.isEmpty());

        hand.onRoundType = [&](RoundTypeDialog& f) { chooseRound(f, f.VEXA, f.Zeny); };
        hand.onCompetitorList = [](ArcherListDialog& f) {
            QVERIFY(f.ListBox1->count() > 0);
            QTest::mouseClick(f.Okarch, Qt::LeftButton);
        };
        game.form->Novhra1->trigger();
        QCOMPARE(hand.log, QStringList({"Typ závodů", "Lukostřelci...",
                                        "Upozornění. | Toto bude demo bez lidí. Na další sadu "
                                        "stiskněte 'd' !"}));
        QVERIFY(game.state().DemoMode);
        QCOMPARE(game.state().Distance, 70);

        for (int i = 0; i < 4; ++i) {
            archer.next(false);
            QVERIFY(!game.form->session().Timer1->isActive());
        }
        QCOMPARE(hand.log.mid(3),
                 QStringList({resultsAt(60), resultsAt(50), resultsAt(30), resultsAt(0)}));
        QVERIFY(game.form->board->PlName->text().isEmpty());
        QCOMPARE(game.clicker.ticks, 0);

        // No record without a player, but the file is written all the same.
        const QByteArray records = FileBytes(QStringLiteral("records.dat"));
        QCOMPARE(records.size(), 340);
        for (const RecordFileEntry& entry : recordsOnDisk(records)) {
            QVERIFY(entry.name.empty());
            QCOMPARE(entry.score, 0u);
        }
        QCOMPARE(FileBytes(QStringLiteral("Brantel2.ini")), kConfiguration);

        nothingMoreToShoot(game, hand, archer);
    }

    // Two archers take turns over the men's full round: one draws, the other lets go at once.
    void mensFullRoundWithTwoHumansTakingTurns() {
        Game game;
        QVERIFY(game.start());
        Hand hand(*game.form);
        Archer archer(*game.form, game.clicker);
        const QDateTime iniWritten =
            QFileInfo(QStringLiteral("Brantel2.ini")).fileTime(QFileDevice::FileModificationTime);

        QStringList marked;
        hand.onRoundType = [&](RoundTypeDialog& f) { chooseRound(f, f.VEXA, f.Muzi); };
        hand.onCompetitorList = [&](ArcherListDialog& f) {
            marked << markHuman(f, 0) << markHuman(f, 2);
            QVERIFY(!marked.contains(QString()));
            QTest::mouseClick(f.Okarch, Qt::LeftButton);
        };
        game.form->Novhra1->trigger();
        QCOMPARE(hand.log, QStringList({"Typ závodů", "Lukostřelci..."}));
        const MatchState& s = game.state();
        QCOMPARE(s.RoundType, 3);
        QVERIFY(!s.DemoMode);
        const std::vector<int32_t> humans = humanSlots(s);
        QCOMPARE(humans.size(), std::size_t{2});
        // The archer in the lower slot shoots first; he draws, the other lets go at once.
        const auto first = static_cast<std::size_t>(humans[0]);
        const auto second = static_cast<std::size_t>(humans[1]);
        const QString drawer = fromCp1250(s.Competitors[first].Name);
        const QString hasty = fromCp1250(s.Competitors[second].Name);
        QCOMPARE(QSet<QString>({drawer, hasty}), QSet<QString>(marked.begin(), marked.end()));
        QCOMPARE(game.form->board->PlName->text(), drawer);
        QVERIFY(game.form->board->Nextarrow->isEnabled());

        archer.drawers = {drawer};
        for (int arrow = 0; arrow < 288; ++arrow) {
            archer.shoot();
            if (QTest::currentTestFailed()) return;
        }
        // The next action after the last arrow finishes the match.
        archer.next(false);

        QCOMPARE(archer.releases, 288);
        QCOMPARE(game.clicker.ticks, archer.drawn);
        // Turns by ends: six arrows each at the two long distances, three at the short ones.
        QStringList turns;
        for (int arrows : {6, 6, 3, 3}) {
            for (int end = 0; end < 72 / arrows; ++end) {
                for (int arrow = 0; arrow < arrows; ++arrow) turns << (end % 2 ? hasty : drawer);
            }
        }
        QCOMPARE(archer.shooters, turns);

        // Only the drawer scores; a new record at every distance, the first with no records
        // file at all, and the round's record once the last distance is over.
        QCOMPARE(s.Scores[second], (ScoreRecord{.Misses = 144}));
        QCOMPARE(hand.log.mid(2),
                 QStringList({congratulation(90), resultsAt(70), congratulation(70), resultsAt(50),
                              congratulation(50), resultsAt(30), congratulation(30),
                              "Gratulace ! | Máte nejvyšší výsledek !", resultsAt(0)}));
        const std::vector<RecordFileEntry> entries =
            recordsOnDisk(FileBytes(QStringLiteral("records.dat")));
        QCOMPARE(entries.size(), std::size_t{10});
        for (std::size_t i = 0; i < 5; ++i) QCOMPARE(entries[i].name, s.Competitors[first].Name);
        QCOMPARE(entries[4].score, RoundTotal(s.Scores[first], 3));
        for (std::size_t i = 5; i < 10; ++i) QVERIFY(entries[i].name.empty());

        // The history holds every arrow as it was let go: the drawn ones at or past the clicker
        // (full draw, or held a little longer), the others undrawn.
        const auto arrows = QueryRows(kHistoryFile, "SELECT archer, factor FROM arrows");
        QCOMPARE(arrows.size(), std::size_t{288});
        int drawnArrows = 0;
        for (const auto& row : arrows) {
            const QString archerName = QString::fromStdString(row[0]);
            const int factor = std::stoi(row[1]);
            if (archerName == hasty) {
                QCOMPARE(factor, 0);
            } else if (factor != 0) {
                QVERIFY2(factor == 80 || factor == 100, qPrintable(QString::number(factor)));
                ++drawnArrows;
            }
        }
        QCOMPARE(drawnArrows, archer.drawn);

        QVERIFY(!game.form->board->Nextarrow->isEnabled());
        QVERIFY(!game.form->session().Timer1->isActive());
        QCOMPARE(FileBytes(QStringLiteral("Brantel2.ini")), kConfiguration);
        QCOMPARE(
            QFileInfo(QStringLiteral("Brantel2.ini")).fileTime(QFileDevice::FileModificationTime),
            iniWritten);
        nothingMoreToShoot(game, hand, archer);
    }
};

QTEST_MAIN(WholeMatch)
#include "tst_whole_match.moc"
