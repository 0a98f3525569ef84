#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "rules/competitors/CompetitorFile.h"
#include "rules/match/NewMatchSetup.h"
#include "support/ArcherListLines.h"
#include "support/Competitors.h"
#include "support/MemoryFileStore.h"
#include "support/ModalAnswers.h"
#include "support/SetupRecorder.h"
#include "windows/DialogSetupPrompts.h"

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
        QStringList firstList;
        ModalAnswers answers({
            Answer<RoundTypeDialog>([](RoundTypeDialog& form) {
                form.VEXA->click();
                form.Zeny->click();
                QTest::mouseClick(form.BitOuKey, Qt::LeftButton);
            }),
            Answer<ArcherListDialog>([&](ArcherListDialog& form) {
                firstList = Lines(form);
                QTest::mouseClick(form.Addarch, Qt::LeftButton);
            }),
            Answer<ArcherEditor>([](ArcherEditor& form) {
                form.Edit1->setText(QStringLiteral("Černá"));
                QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
            }),
            Answer<ArcherListDialog>([](ArcherListDialog& form) {
                form.ListBox1->setCurrentRow(1);  // "Černá", sorted after "Bila"
                form.Human->click();
                QTest::mouseClick(form.Okarch, Qt::LeftButton);
            }),
        });
        run(prompts);
        QVERIFY(!answers.sawUnexpected());
        QVERIFY(answers.allAnswered());
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
        QString message;
        ModalAnswers answers({
            Answer<RoundTypeDialog>(
                [](RoundTypeDialog& form) { QTest::mouseClick(form.BitOuKey, Qt::LeftButton); }),
            Answer<ArcherListDialog>(
                [](ArcherListDialog& form) { QTest::mouseClick(form.Addarch, Qt::LeftButton); }),
            Answer<ArcherEditor>([](ArcherEditor& form) {
                QTest::keyClicks(form.Edit1, QStringLiteral("Navic"));
                QTest::keyClick(form.Edit1, Qt::Key_Return);
            }),
            Answer<QMessageBox>([&](QMessageBox& box) {
                message = box.windowTitle() + QStringLiteral(" / ") + box.text();
                box.accept();
            }),
            Answer<ArcherListDialog>([](ArcherListDialog& form) {
                QCOMPARE(form.ListBox1->count(), 150);
                QTest::keyClick(&form, Qt::Key_Escape);
            }),
        });
        run(prompts);
        QVERIFY(!answers.sawUnexpected());
        QVERIFY(answers.allAnswered());
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
        ModalAnswers answers({
            Answer<RoundTypeDialog>(
                [](RoundTypeDialog& form) { QTest::mouseClick(form.BitOuKey, Qt::LeftButton); }),
            Answer<ArcherListDialog>([](ArcherListDialog& form) {
                form.ListBox1->setCurrentRow(1);
                form.Human->click();
                QTest::mouseClick(form.Editarch, Qt::LeftButton);
            }),
            Answer<ArcherEditor>([](ArcherEditor& form) {
                QCOMPARE(form.Edit1->text(), QStringLiteral("Bem"));
                QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("LK Votice"));
                QCOMPARE(form.CSpinEdit1->value(), 5);
                QCOMPARE(form.CSpinEdit2->value(), 94);
                form.Edit1->setText(QStringLiteral("Bém"));
                QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
            }),
            Answer<ArcherListDialog>([](ArcherListDialog& form) {
                QCOMPARE(Lines(form), QStringList({"Adam", "Bém"}));
                form.ListBox1->clearSelection();
                QTest::mouseClick(form.Editarch, Qt::LeftButton);  // nothing to edit
            }),
            Answer<ArcherListDialog>(
                [](ArcherListDialog& form) { QTest::mouseClick(form.Okarch, Qt::LeftButton); }),
        });
        run(prompts);
        QVERIFY(!answers.sawUnexpected());
        QVERIFY(answers.allAnswered());
        QVERIFY(started);
        QCOMPARE(started->second[1].Name, std::string("B\xE9m"));
        QCOMPARE(started->second[1].Performance, (std::array<int32_t, 4>{5, 94, 60, 70}));
        QVERIFY(!started->second[1].IsComputer);
    }
};

QTEST_MAIN(SetupWithDialogs)
#include "tst_dialog_setup_prompts.moc"
