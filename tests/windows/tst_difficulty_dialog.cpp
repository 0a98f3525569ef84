#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "rules/match/MatchState.h"
#include "windows/DifficultyDialog.h"

class TestDifficultyDialog : public QObject {
    Q_OBJECT

    static QRadioButton* checkedLevel(DifficultyDialog& form) {
        for (QRadioButton* button : {form.RB0, form.RB1, form.RB2, form.RB3}) {
            if (button->isChecked()) return button;
        }
        return nullptr;
    }
    // What the player sees when the game opens the dialog (not modal here, so the test can go on).
    static void showDialog(DifficultyDialog& form) {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }

  private Q_SLOTS:
    void hasTheDesignsLayout() {
        MatchState state;
        DifficultyDialog form(state);
        QCOMPARE(form.windowTitle(), QStringLiteral(u"Obtížnost..."));
        QCOMPARE(form.pos(), QPoint(392, 227));
        QCOMPARE(form.minimumSize(), QSize(121, 250));
        QCOMPARE(form.maximumSize(), QSize(121, 250));
        const Qt::WindowFlags flags = form.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));

        QCOMPARE(form.GroupBox1->title(), QStringLiteral(u"Obtížnost"));
        QCOMPARE(form.GroupBox1->geometry(), QRect(0, 0, 121, 165));
        const struct {
            QRadioButton* button;
            QString caption;
            QRect place;
        } levels[] = {{form.RB0, QStringLiteral(u"Začátečník"), {16, 32, 81, 17}},
                      {form.RB1, QStringLiteral(u"Amatér"), {16, 64, 65, 17}},
                      {form.RB2, QStringLiteral(u"Profesionál"), {16, 96, 81, 17}},
                      {form.RB3, QStringLiteral(u"Světová třída"), {16, 128, 89, 17}}};
        for (const auto& level : levels) {
            QCOMPARE(level.button->text(), level.caption);
            QCOMPARE(level.button->parentWidget(), form.GroupBox1);
            QCOMPARE(level.button->geometry(), level.place);
        }
        QCOMPARE(checkedLevel(form), form.RB1);
        QCOMPARE(form.BitBtn2->text(), QStringLiteral(u"Nápověda"));
        QCOMPARE(form.BitBtn2->geometry(), QRect(16, 176, 89, 25));
        QVERIFY(!form.BitBtn2->icon().isNull());
        QCOMPARE(form.BitBtn1->text(), QStringLiteral("OK"));
        QCOMPARE(form.BitBtn1->geometry(), QRect(24, 216, 75, 25));
        QVERIFY(form.BitBtn1->isDefault());
    }

    void tabsThroughTheLevelsThenOkThenHelp() {
        MatchState state;
        DifficultyDialog form(state);
        QList<QWidget*> order;
        QWidget* widget = form.RB1;
        do {
            if (widget->focusPolicy() & Qt::TabFocus) order << widget;
            widget = widget->nextInFocusChain();
        } while (widget != form.RB1);
        const QList<QWidget*> expected{form.RB1, form.RB2,     form.RB3,
                                       form.RB0, form.BitBtn1, form.BitBtn2};
        QCOMPARE(order, expected);
    }

    void marksTheCurrentLevelAtEveryShowing() {
        MatchState state;
        DifficultyDialog form(state);
        const QList<QPair<int32_t, QRadioButton*>> marks{
            {1, form.RB2}, {0, form.RB1}, {2, form.RB3}, {3, form.RB0}, {1, form.RB2}};
        for (const auto& [difficulty, button] : marks) {
            state.Difficulty = difficulty;
            showDialog(form);
            QCOMPARE(checkedLevel(form), button);
            form.hide();
        }
    }

    void okSetsTheSelectedLevel() {
        MatchState state;
        DifficultyDialog form(state);
        const QList<QPair<QRadioButton*, int32_t>> choices{
            {form.RB0, 3}, {form.RB1, 0}, {form.RB2, 1}, {form.RB3, 2}};
        for (const auto& [button, difficulty] : choices) {
            state.Difficulty = difficulty == 1 ? 2 : 1;
            showDialog(form);
            button->click();
            QVERIFY(button->isChecked());
            QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
            QCOMPARE(state.Difficulty, difficulty);
            QVERIFY(!form.isVisible());
            QCOMPARE(form.result(), int(QDialog::Accepted));
        }
    }

    void enterPressesOk() {
        MatchState state;
        DifficultyDialog form(state);
        showDialog(form);
        form.RB0->click();
        form.RB0->setFocus();
        QTest::keyClick(form.RB0, Qt::Key_Return);
        QCOMPARE(state.Difficulty, 3);
        QVERIFY(!form.isVisible());
    }

    void theCloseBoxChangesNothing() {
        MatchState state;
        DifficultyDialog form(state);
        showDialog(form);
        form.RB3->click();
        QVERIFY(form.close());
        QCOMPARE(state.Difficulty, 1);
        showDialog(form);
        QCOMPARE(checkedLevel(form), form.RB2);
    }

    void escapeDoesNothing() {
        MatchState state;
        DifficultyDialog form(state);
        showDialog(form);
        form.RB0->click();
        QTest::keyClick(&form, Qt::Key_Escape);
        QTest::keyClick(form.RB0, Qt::Key_Escape);
        QVERIFY(form.isVisible());
        QVERIFY(form.RB0->isChecked());
        QCOMPARE(state.Difficulty, 1);
    }

    void helpLeavesTheSelectionAndTheDialog() {
        MatchState state;
        DifficultyDialog form(state);
        showDialog(form);
        form.RB3->click();
        form.BitBtn2->click();
        QVERIFY(form.isVisible());
        QCOMPARE(checkedLevel(form), form.RB3);
        QCOMPARE(state.Difficulty, 1);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::any_of(windows.begin(), windows.end(), [](QWidget* window) {
            return window->objectName() == u"HelpViewer" && window->isVisible();
        }));
        form.BitBtn1->click();
        QCOMPARE(state.Difficulty, 2);
    }

    void aLevelOutsideTheRangeKeepsTheLastSelection() {
        MatchState state;
        state.Difficulty = 7;
        DifficultyDialog form(state);
        showDialog(form);
        QCOMPARE(checkedLevel(form), form.RB1);  // the design's selection
        form.RB3->click();
        form.close();
        QCOMPARE(state.Difficulty, 7);
        state.Difficulty = -1;
        showDialog(form);
        QCOMPARE(checkedLevel(form), form.RB3);
        form.BitBtn1->click();
        QCOMPARE(state.Difficulty, 2);
    }
};

QTEST_MAIN(TestDifficultyDialog)
#include "tst_difficulty_dialog.moc"
