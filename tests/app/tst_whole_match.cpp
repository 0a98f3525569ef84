// Whole matches played as the player plays them: the menu, the real set-up dialogs, the keys of
// the main window at the pace of its 10 ms timer, and the results window after every distance.

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <set>

#include "platform/QtFileStore.h"
#include "platform/QtText.h"
#include "rules/match/Geometry.h"
#include "rules/match/Random.h"
#include "support/ModalAnswers.h"
#include "support/RecordingScreen.h"
#include "windows/ArcherListDialog.h"
#include "windows/ClickableImage.h"
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

// The game as the program starts it, in a folder of its own, with a clicker that counts.
struct Game {
    GameFolder folder;
    QtFileStore files;
    SeededRandom random{kSeed};
    RecordingClicker clicker;
    std::unique_ptr<MainWindow> form;

    bool start() {
        if (!folder.lay()) return false;
        form = std::make_unique<MainWindow>(files, random, clicker);
        form->askWelcome = [] { return true; };
        if (!form->FormCreate()) return false;
        form->CreateDialogs();
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }
    const MatchState& state() const { return form->state(); }
};

// Answers every modal window the game puts up, by its kind, and writes down what it saw:
// "Typ závodů", "Lukostřelci...", "<caption> | <text>" of a message box, and "Výsledky... <d>"
// with the match's distance while the results window was open. The results window is closed
// only once its listing stands, that is after its congratulations.
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
            if (results->shownLines().size() <= 2) {
                if (!waiting_.isValid()) waiting_.start();
                if (waiting_.elapsed() < 20000) return;
                log << QStringLiteral("listing never shown");
            } else {
                log << QStringLiteral("%1 %2")
                           .arg(results->windowTitle())
                           .arg(form_.state().Distance);
            }
            waiting_.invalidate();
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
    QElapsedTimer waiting_;
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

// The players at the keyboard: each nocks an arrow with D, steers the sight toward the centre
// of the target with the arrow keys, draws with A until the clicker ticks and lets go with S.
// A hasty archer clicks Nextarrow instead and lets go without drawing. Every release and every
// closed end is checked on the way.
class Archer {
  public:
    struct End {
        QString shooter;
        int32_t distance;
        int sum;
    };

    Archer(MainWindow& form, const RecordingClicker& clicker) : form_(form), clicker_(clicker) {}

    QSet<QString> hasty;  // names of the archers who neither draw nor press D
    int releases = 0;
    QStringList shooters;  // the name on the board while each arrow was aimed
    std::vector<End> ends;

    // D, or a click on Nextarrow; it may finish a distance and bring up the results window,
    // and returns when that has been closed.
    void next(bool byClick) {
        if (byClick) {
            QTest::mouseClick(form_.Nextarrow, Qt::LeftButton);
        } else {
            QTest::keyClick(&form_, Qt::Key_D);
        }
    }

    // The archer on the board takes the next arrow; the arrow goes to whoever is then named.
    void shoot() {
        const MatchState& s = form_.state();
        next(hasty.contains(form_.PlName->text()));
        QVERIFY2(s.TimerRunning, "no arrow to aim after the next-arrow action");
        QCOMPARE(s.ArrowLeft, kArrowNocked);
        const QString shooter = form_.PlName->text();
        shooters << shooter;
        const int ticks = clicker_.ticks;
        if (!hasty.contains(shooter)) {
            hold(Qt::Key_A, true);
            QVERIFY2(waitFor(
                         [&] {
                             steer();
                             return clicker_.ticks != ticks || s.ArrowLeft < -60;
                         },
                         5000),
                     "the clicker never ticked");
            QCOMPARE(clicker_.ticks, ticks + 1);
            // Let go at full draw, as soon as the clicker has been heard.
            QVERIFY2(s.ArrowLeft <= -54 && s.ArrowLeft >= -60,
                     qPrintable(QString::number(s.ArrowLeft)));
        }
        hold(Qt::Key_S, true);
        QVERIFY2(waitFor([&] { return !s.TimerRunning; }, 2000), "the arrow was not released");
        for (Qt::Key key : std::set<Qt::Key>(held_)) hold(key, false);
        QCOMPARE(s.ArrowLeft, kArrowReleased);
        QVERIFY(form_.Nextarrow->isEnabled());
        ++releases;
        if (s.ArrowsLeft == 1) closedEnd(s);
    }

  private:
    void closedEnd(const MatchState& s) {
        const int sum = form_.SoucetSada->text().toInt();
        // The end's arrows, best first, add up to the end's sum.
        const QStringList arrows = form_.Sipylabel->text().split(' ', Qt::SkipEmptyParts);
        QCOMPARE(arrows.size(), s.Distance >= 60 ? 6 : 3);
        int total = 0;
        for (int i = 0; i < arrows.size(); ++i) {
            total += arrows[i].toInt();
            if (i > 0) QVERIFY(arrows[i - 1].toInt() >= arrows[i].toInt());
        }
        QCOMPARE(total, sum);
        const ScoreRecord& score = s.Scores[static_cast<std::size_t>(s.CurrentCompetitor)];
        QCOMPARE(form_.Celkem->text(), QString::number(RoundTotal(score, s.RoundType)));
        ends.push_back({form_.PlName->text(), s.Distance, sum});
    }

    // Holds the keys that bring the aim point to the centre; the sway does the rest.
    void steer() {
        constexpr int kSlack = 4;
        const Point sight = form_.state().Sight;
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
    const RecordingClicker& clicker_;
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

QByteArray fileBytes(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<int32_t> humanSlots(const MatchState& s) {
    std::vector<int32_t> humans;
    for (int32_t i = 0; i < kCompetitorSlots; ++i) {
        if (!s.Competitors[static_cast<std::size_t>(i)].IsComputer) humans.push_back(i);
    }
    return humans;
}

int32_t scoreAt(const ScoreRecord& score, int32_t distance) {
    switch (distance) {
        case 90:
            return score.Score90;
        case 70:
            return score.Score70;
        case 60:
            return score.Score60;
        case 50:
            return score.Score50;
        default:
            return score.Score30;
    }
}

int endSums(const std::vector<Archer::End>& ends, const QString& shooter, int32_t distance) {
    int sum = 0;
    for (const Archer::End& end : ends) {
        if (end.shooter == shooter && end.distance == distance) sum += end.sum;
    }
    return sum;
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
        const QString distanceLabel = game.form->Vzdalenost->text();
        archer.next(false);
        archer.next(true);
        QTest::qWait(50);
        const MatchState& after = game.state();
        QVERIFY(!game.form->Timer1->isActive());
        QVERIFY(!game.form->Nextarrow->isEnabled());
        QCOMPARE(after.Distance, before.Distance);
        QCOMPARE(after.ArrowsLeft, before.ArrowsLeft);
        QCOMPARE(after.EndNumber, before.EndNumber);
        QVERIFY(after.Scores == before.Scores);
        QCOMPARE(hand.log, log);
        QCOMPARE(game.form->Vzdalenost->text(), distanceLabel);
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
            QVERIFY(!game.form->Timer1->isActive());
        }
        QCOMPARE(hand.log.mid(3),
                 QStringList({resultsAt(60), resultsAt(50), resultsAt(30), resultsAt(0)}));
        QCOMPARE(game.state().Distance, 0);
        QVERIFY(game.form->PlName->text().isEmpty());
        QCOMPARE(game.clicker.ticks, 0);

        // The computer archers have a women's round: nothing at 90 m, points at the four others.
        int32_t at70 = 0, at60 = 0, at50 = 0, at30 = 0;
        for (const ScoreRecord& score : game.state().Scores) {
            QCOMPARE(score.Score90, 0);
            at70 += score.Score70;
            at60 += score.Score60;
            at50 += score.Score50;
            at30 += score.Score30;
        }
        QVERIFY(at70 > 0 && at60 > 0 && at50 > 0 && at30 > 0);

        // No record without a player, but the file is written all the same.
        const QByteArray records = fileBytes(QStringLiteral("records.dat"));
        QCOMPARE(records.size(), 340);
        for (const RecordFileEntry& entry : recordsOnDisk(records)) {
            QVERIFY(entry.name.empty());
            QCOMPARE(entry.score, 0u);
        }
        QCOMPARE(fileBytes(QStringLiteral("Brantel2.ini")), kConfiguration);

        nothingMoreToShoot(game, hand, archer);
    }

    void mensFullRoundWithOneHuman() {
        Game game;
        QVERIFY(game.start());
        Hand hand(*game.form);
        Archer archer(*game.form, game.clicker);
        const QDateTime iniWritten =
            QFileInfo(QStringLiteral("Brantel2.ini")).fileTime(QFileDevice::FileModificationTime);

        QString human;
        hand.onRoundType = [&](RoundTypeDialog& f) { chooseRound(f, f.VEXA, f.Muzi); };
        hand.onCompetitorList = [&](ArcherListDialog& f) {
            human = markHuman(f, 2);
            QVERIFY(!human.isEmpty());
            QTest::mouseClick(f.Okarch, Qt::LeftButton);
        };
        game.form->Novhra1->trigger();
        QCOMPARE(hand.log, QStringList({"Typ závodů", "Lukostřelci..."}));
        const MatchState& s = game.state();
        QCOMPARE(s.RoundType, 3);
        QCOMPARE(s.Distance, 90);
        QVERIFY(!s.DemoMode);
        const std::vector<int32_t> humans = humanSlots(s);
        QCOMPARE(humans.size(), std::size_t{1});
        const auto slot = static_cast<std::size_t>(humans[0]);
        QCOMPARE(fromCp1250(s.Competitors[slot].Name), human);
        QCOMPARE(game.form->PlName->text(), human);
        QVERIFY(game.form->Nextarrow->isEnabled());

        for (int arrow = 0; arrow < 144; ++arrow) {
            archer.shoot();
            if (QTest::currentTestFailed()) return;
        }
        // The next action after the last arrow finishes the match.
        archer.next(false);

        QCOMPARE(archer.releases, 144);
        QCOMPARE(game.clicker.ticks, 144);
        QVERIFY(archer.shooters == QStringList(144, human));
        QCOMPARE(archer.ends.size(), std::size_t{6 + 6 + 12 + 12});
        const ScoreRecord& score = s.Scores[slot];
        for (int distance : {90, 70, 50, 30}) {
            QVERIFY2(scoreAt(score, distance) > 0, qPrintable(QString::number(distance)));
            QCOMPARE(endSums(archer.ends, human, distance), scoreAt(score, distance));
        }
        QCOMPARE(score.Score60, 0);
        const uint32_t total = RoundTotal(score, 3);
        QCOMPARE(game.form->Celkem->text(), QString::number(total));

        // A new record at every distance, the first with no records file at all, and the
        // round's record once the last distance is over.
        QCOMPARE(hand.log.mid(2),
                 QStringList({congratulation(90), resultsAt(70), congratulation(70), resultsAt(50),
                              congratulation(50), resultsAt(30), congratulation(30),
                              "Gratulace ! | Máte nejvyšší výsledek !", resultsAt(0)}));
        const QByteArray records = fileBytes(QStringLiteral("records.dat"));
        QCOMPARE(records.size(), 340);
        const std::vector<RecordFileEntry> entries = recordsOnDisk(records);
        const std::string& name = s.Competitors[slot].Name;
        const uint32_t expected[5] = {
            static_cast<uint32_t>(score.Score90), static_cast<uint32_t>(score.Score70),
            static_cast<uint32_t>(score.Score50), static_cast<uint32_t>(score.Score30), total};
        for (std::size_t i = 0; i < 5; ++i) {
            QCOMPARE(entries[i].name, name);
            QCOMPARE(entries[i].score, expected[i]);
        }
        for (std::size_t i = 5; i < 10; ++i) QVERIFY(entries[i].name.empty());

        QCOMPARE(s.Distance, 30);
        QVERIFY(!game.form->Nextarrow->isEnabled());
        QVERIFY(!game.form->Timer1->isActive());
        QCOMPARE(fileBytes(QStringLiteral("Brantel2.ini")), kConfiguration);
        QCOMPARE(
            QFileInfo(QStringLiteral("Brantel2.ini")).fileTime(QFileDevice::FileModificationTime),
            iniWritten);
        nothingMoreToShoot(game, hand, archer);
    }

    void womensShortRoundWithTwoHumansTakingTurns() {
        Game game;
        QVERIFY(game.start());
        Hand hand(*game.form);
        Archer archer(*game.form, game.clicker);

        QStringList marked;
        hand.onRoundType = [&](RoundTypeDialog& f) { chooseRound(f, f.VEXAKr, f.Zeny); };
        hand.onCompetitorList = [&](ArcherListDialog& f) {
            marked << markHuman(f, 0) << markHuman(f, 1);
            QVERIFY(!marked.contains(QString()));
            QTest::mouseClick(f.Okarch, Qt::LeftButton);
        };
        game.form->Novhra1->trigger();
        QCOMPARE(hand.log, QStringList({"Typ závodů", "Lukostřelci..."}));
        const MatchState& s = game.state();
        QCOMPARE(s.RoundType, 2);
        QCOMPARE(s.Distance, 50);
        const std::vector<int32_t> humans = humanSlots(s);
        QCOMPARE(humans.size(), std::size_t{2});
        // The archer in the lower slot shoots first; she draws fully, the other lets go at once.
        const auto first = static_cast<std::size_t>(humans[0]);
        const auto second = static_cast<std::size_t>(humans[1]);
        const QString drawer = fromCp1250(s.Competitors[first].Name);
        const QString hasty = fromCp1250(s.Competitors[second].Name);
        QCOMPARE(QSet<QString>({drawer, hasty}), QSet<QString>(marked.begin(), marked.end()));
        QCOMPARE(game.form->PlName->text(), drawer);

        archer.hasty = {hasty};
        for (int arrow = 0; arrow < 144; ++arrow) {
            archer.shoot();
            if (QTest::currentTestFailed()) return;
        }
        archer.next(false);

        QCOMPARE(archer.releases, 144);
        QCOMPARE(game.clicker.ticks, 72);
        QStringList turns;
        for (int end = 0; end < 48; ++end) {
            for (int arrow = 0; arrow < 3; ++arrow) turns << (end % 2 == 0 ? drawer : hasty);
        }
        QCOMPARE(archer.shooters, turns);
        QCOMPARE(archer.ends.size(), std::size_t{48});

        const ScoreRecord& good = s.Scores[first];
        const ScoreRecord& bad = s.Scores[second];
        for (int distance : {50, 30}) {
            QVERIFY(scoreAt(good, distance) > 0);
            QCOMPARE(endSums(archer.ends, drawer, distance), scoreAt(good, distance));
            QCOMPARE(endSums(archer.ends, hasty, distance), 0);
        }
        QCOMPARE(good.Score70 + good.Score60 + good.Score90, 0);
        QCOMPARE(bad, (ScoreRecord{.Misses = 72}));

        // Only the better of the two can set records, and a short round sets no round record.
        QCOMPARE(hand.log.mid(2), QStringList({congratulation(50), resultsAt(30),
                                               congratulation(30), resultsAt(0)}));
        const std::vector<RecordFileEntry> entries =
            recordsOnDisk(fileBytes(QStringLiteral("records.dat")));
        QCOMPARE(entries.size(), std::size_t{10});
        for (std::size_t i = 0; i < 10; ++i) {
            if (i == 7 || i == 8) {
                QCOMPARE(entries[i].name, s.Competitors[first].Name);
                QCOMPARE(entries[i].score,
                         static_cast<uint32_t>(i == 7 ? good.Score50 : good.Score30));
            } else {
                QVERIFY(entries[i].name.empty());
                QCOMPARE(entries[i].score, 0u);
            }
        }
        QCOMPARE(s.Distance, 30);
        QCOMPARE(fileBytes(QStringLiteral("Brantel2.ini")), kConfiguration);
        nothingMoreToShoot(game, hand, archer);
    }
};

QTEST_MAIN(WholeMatch)
#include "tst_whole_match.moc"
