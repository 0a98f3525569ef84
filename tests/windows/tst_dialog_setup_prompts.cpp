#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>

#include "rules/competitors/CompetitorFile.h"
#include "rules/match/NewMatchSetup.h"
#include "support/MemoryFileStore.h"
#include "support/SetupRecorder.h"
#include "windows/DialogSetupPrompts.h"

namespace {

CompetitorTable Field(const std::vector<std::string>& names) {
    CompetitorTable table{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        table[i] = CompetitorRecord{.Name = names[i], .Performance = {50, 50, 50, 50}};
    }
    return table;
}

QStringList Lines(const ArcherListDialog& form) {
    QStringList lines;
    for (int i = 0; i < form.ListBox1->count(); ++i) lines << form.ListBox1->item(i)->text();
    return lines;
}

// Plays the player: each time a modal window is up, the next step acts on it (and closes it).
class Player : public QObject {
  public:
    using Step = std::function<void(QWidget*)>;
    std::deque<Step> steps;

    Player() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible()) return;
            if (steps.empty()) {
                // A window nobody expected: close it, so that the set-up comes to an end.
                unexpected = true;
                modal->close();
                return;
            }
            Step step = std::move(steps.front());
            steps.pop_front();
            step(modal);
        });
        timer_.start(5);
    }
    bool unexpected = false;

  private:
    QTimer timer_;
};

template <typename Form>
Form& As(QWidget* modal) {
    auto* form = qobject_cast<Form*>(modal);
    if (form == nullptr) qFatal("unexpected window %s", modal->metaObject()->className());
    return *form;
}

}  // namespace

// The set-up with the real dialogs, shown modally and operated through their controls.
class SetupWithDialogs : public QObject, SetupRecorder {
    Q_OBJECT
  private:
    MatchState state;
    MemoryFileStore files;

    void run(DialogSetupPrompts& prompts) {
        started.reset();
        timerCalls.clear();
        NewMatchSetup setup(state, files, prompts, hooks(state));
        setup.run();
    }

  private Q_SLOTS:
    void addAMarkedHumanAndStart() {
        files.files["zeny.luk"] = encodeCompetitorFile(Field({"Zelena", "Bila"}));
        QWidget window;
        DialogSetupPrompts prompts(files, &window);
        Player player;
        QStringList firstList;
        player.steps = {
            [](QWidget* w) {
                auto& form = As<RoundTypeDialog>(w);
                form.VEXA->click();
                form.Zeny->click();
                QTest::mouseClick(form.BitOuKey, Qt::LeftButton);
            },
            [&](QWidget* w) {
                auto& form = As<ArcherListDialog>(w);
                firstList = Lines(form);
                QTest::mouseClick(form.Addarch, Qt::LeftButton);
            },
            [](QWidget* w) {
                auto& form = As<ArcherEditor>(w);
                form.Edit1->setText(QStringLiteral("Černá"));
                QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
            },
            [](QWidget* w) {
                auto& form = As<ArcherListDialog>(w);
                form.ListBox1->setCurrentRow(1);  // "Černá", sorted after "Bila"
                form.Human->click();
                QTest::mouseClick(form.Okarch, Qt::LeftButton);
            },
        };
        run(prompts);
        QVERIFY(!player.unexpected);
        QVERIFY(player.steps.empty());
        QCOMPARE(firstList, QStringList({"Bila", "Zelena"}));
        QVERIFY(started);
        QCOMPARE(started->first, 4);
        const CompetitorRecord& added = started->second[2];
        QCOMPARE(added.Name, std::string("\xC8"
                                         "ern\xE1"));
        QVERIFY(!added.IsComputer);
        QCOMPARE(Lines(prompts.Form3), QStringList({"Bila", "Černá", "Zelena"}));
    }

    void fullTableMessageThenCancelKeepsTheMatch() {
        std::vector<std::string> names;
        for (int i = 0; i < kCompetitorSlots; ++i) names.push_back("A" + std::to_string(i));
        files.files["muzi.luk"] = encodeCompetitorFile(Field(names));
        state = MatchState{};
        state.TimerRunning = true;
        state.Competitors = Field({"Beh"});
        QWidget window;
        DialogSetupPrompts prompts(files, &window);
        Player player;
        QString message;
        player.steps = {
            [](QWidget* w) { QTest::mouseClick(As<RoundTypeDialog>(w).BitOuKey, Qt::LeftButton); },
            [](QWidget* w) { QTest::mouseClick(As<ArcherListDialog>(w).Addarch, Qt::LeftButton); },
            [](QWidget* w) {
                auto& form = As<ArcherEditor>(w);
                QTest::keyClicks(form.Edit1, QStringLiteral("Navic"));
                QTest::keyClick(form.Edit1, Qt::Key_Return);
            },
            [&](QWidget* w) {
                auto& box = As<QMessageBox>(w);
                message = box.windowTitle() + QStringLiteral(" / ") + box.text();
                box.accept();
            },
            [](QWidget* w) {
                auto& form = As<ArcherListDialog>(w);
                QCOMPARE(form.ListBox1->count(), 150);
                QTest::keyClick(&form, Qt::Key_Escape);
            },
        };
        run(prompts);
        QVERIFY(!player.unexpected);
        QVERIFY(player.steps.empty());
        QCOMPARE(message, QStringLiteral("Chyba. / Databáze střelců je zaplněná !"));
        QVERIFY(!started);
        QCOMPARE(state.Competitors, Field({"Beh"}));
        QCOMPARE(timerCalls, (std::vector<bool>{false, true}));
    }

    void editShowsTheCompetitorAndKeepsItsKind() {
        CompetitorTable field = Field({"Adam", "Bem"});
        field[1].Club = "LK Votice";
        field[1].Performance = {3, 120, 60, 70};
        files.files["muzi.luk"] = encodeCompetitorFile(field);
        QWidget window;
        DialogSetupPrompts prompts(files, &window);
        Player player;
        player.steps = {
            [](QWidget* w) { QTest::mouseClick(As<RoundTypeDialog>(w).BitOuKey, Qt::LeftButton); },
            [](QWidget* w) {
                auto& form = As<ArcherListDialog>(w);
                form.ListBox1->setCurrentRow(1);
                form.Human->click();
                QTest::mouseClick(form.Editarch, Qt::LeftButton);
            },
            [](QWidget* w) {
                auto& form = As<ArcherEditor>(w);
                QCOMPARE(form.Edit1->text(), QStringLiteral("Bem"));
                QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("LK Votice"));
                QCOMPARE(form.CSpinEdit1->value(), 5);
                QCOMPARE(form.CSpinEdit2->value(), 94);
                form.Edit1->setText(QStringLiteral("Bém"));
                QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
            },
            [](QWidget* w) {
                auto& form = As<ArcherListDialog>(w);
                QCOMPARE(Lines(form), QStringList({"Adam", "Bém"}));
                form.ListBox1->clearSelection();
                QTest::mouseClick(form.Editarch, Qt::LeftButton);  // nothing to edit
            },
            [](QWidget* w) { QTest::mouseClick(As<ArcherListDialog>(w).Okarch, Qt::LeftButton); },
        };
        run(prompts);
        QVERIFY(!player.unexpected);
        QVERIFY(player.steps.empty());
        QVERIFY(started);
        QCOMPARE(started->second[1].Name, std::string("B\xE9m"));
        QCOMPARE(started->second[1].Performance, (std::array<int32_t, 4>{5, 94, 60, 70}));
        QVERIFY(!started->second[1].IsComputer);
    }
};

QTEST_MAIN(SetupWithDialogs)
#include "tst_dialog_setup_prompts.moc"
