#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "windows/RoundTypeDialog.h"

// The round-type dialog: layout, the four answers, and what Storno, Esc and Enter do.
class RoundTypeDialogTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void layoutAndCaptions() {
        RoundTypeDialog form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Typ závodů"));
        QCOMPARE(form.size(), QSize(226, 217));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!form.windowIcon().isNull());
        QCOMPARE(form.GroupBox1->geometry(), QRect(0, 0, 113, 105));
        QCOMPARE(form.GroupBox2->geometry(), QRect(112, 0, 113, 105));
        const QList<std::tuple<QAbstractButton*, QString, QRect, QWidget*>> controls = {
            {form.VEXAKr, QStringLiteral("VEXA Kr."), {24, 32, 65, 17}, form.GroupBox1},
            {form.VEXA, QStringLiteral("VEXA"), {24, 64, 57, 17}, form.GroupBox1},
            {form.Muzi, QStringLiteral("Muži"), {32, 32, 49, 17}, form.GroupBox2},
            {form.Zeny, QStringLiteral("Ženy"), {32, 64, 49, 17}, form.GroupBox2},
            {form.BitOuKey, QStringLiteral("OK"), {16, 128, 75, 25}, &form},
            {form.BitStorno, QStringLiteral("Storno"), {135, 128, 75, 25}, &form},
            {form.BitBtn1, QStringLiteral("Nápověda"), {66, 176, 94, 25}, &form},
        };
        for (const auto& [control, caption, geometry, parent] : controls) {
            QCOMPARE(control->text(), caption);
            QCOMPARE(control->geometry(), geometry);
            QCOMPARE(control->parentWidget(), parent);
        }
        QVERIFY(form.BitOuKey->isDefault());
    }

    void firstOpeningGivesShortRoundMen() {
        RoundTypeDialog form;
        QCOMPARE(form.RoundType, 0);
        QVERIFY(form.VEXAKr->isChecked());
        QVERIFY(form.Muzi->isChecked());
        form.show();
        QTest::mouseClick(form.BitOuKey, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.isVisible());
        QCOMPARE(form.RoundType, 1);
    }

    void eachChoiceGivesItsRoundType() {
        RoundTypeDialog form;
        const QList<std::tuple<QRadioButton*, QRadioButton*, int>> choices = {
            {form.VEXA, form.Zeny, 4},
            {form.VEXAKr, form.Zeny, 2},
            {form.VEXA, form.Muzi, 3},
            {form.VEXAKr, form.Muzi, 1},
        };
        for (const auto& [round, gender, expected] : choices) {
            form.show();
            round->click();
            gender->click();
            QTest::keyClick(&form, Qt::Key_Return);  // Enter is OK
            QCOMPARE(form.RoundType, expected);
        }
    }

    void cancelKeepsTheValueButTheButtonsKeepTheChoice() {
        RoundTypeDialog form;
        form.show();
        form.VEXA->click();
        QTest::mouseClick(form.BitOuKey, Qt::LeftButton);
        QCOMPARE(form.RoundType, 3);

        form.show();
        QVERIFY(form.VEXA->isChecked());  // the last choice is shown again
        form.VEXAKr->click();
        form.Zeny->click();
        QTest::mouseClick(form.BitStorno, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(form.RoundType, 3);

        form.show();
        QVERIFY(form.VEXAKr->isChecked());
        QVERIFY(form.Zeny->isChecked());
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(form.RoundType, 3);
    }
};

QTEST_MAIN(RoundTypeDialogTest)
#include "tst_round_type_dialog.moc"
