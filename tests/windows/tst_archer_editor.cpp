#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "support/Competitors.h"
#include "support/ModalAnswers.h"
#include "windows/ArcherEditor.h"

namespace {

std::array<int, 4> Values(const ArcherEditor& form) {
    return {form.CSpinEdit1->value(), form.CSpinEdit2->value(), form.CSpinEdit3->value(),
            form.CSpinEdit4->value()};
}

// Types into a field as the player does: each key goes through the field's validator.
void Retype(QWidget* field, const QString& text) {
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) field = spin->findChild<QLineEdit*>();
    if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    // One key event per character, carrying it as its text, as a keyboard layout delivers it.
    for (char32_t ch : text.toUcs4()) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUcs4(&ch, 1),
                            Qt::NoModifier);
    }
}

}  // namespace

// The competitor editor: layout, what OK writes, the kept fields, the typing rules of the name
// and club fields and of the value fields.
class EditorDialog : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void layoutCaptionsAndFirstShowing() {
        ArcherEditor form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Údaje o lukostřelci..."));
        QCOMPARE(form.size(), QSize(314, 294));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        const QList<std::tuple<QWidget*, QString, QRect>> controls = {
            {form.Label1, QStringLiteral("Příjmení, jméno :"), {16, 16, 79, 13}},
            {form.Edit1, QString(), {112, 16, 185, 21}},
            {form.Label6, QStringLiteral("Klub :"), {16, 56, 27, 13}},
            {form.ComboBox1, QString(), {112, 56, 185, 21}},
            {form.GroupBox1, QStringLiteral("Výkonnost"), {0, 96, 313, 129}},
            {form.Label2, QStringLiteral("90/70"), {88, 24, 29, 13}},
            {form.CSpinEdit1, QStringLiteral("60"), {128, 24, 57, 22}},
            {form.Label3, QStringLiteral("70/60"), {88, 48, 29, 13}},
            {form.CSpinEdit2, QStringLiteral("75"), {128, 48, 57, 22}},
            {form.Label4, QStringLiteral("50"), {88, 72, 12, 13}},
            {form.CSpinEdit3, QStringLiteral("75"), {128, 72, 57, 22}},
            {form.Label5, QStringLiteral("30"), {88, 96, 12, 13}},
            {form.CSpinEdit4, QStringLiteral("85"), {128, 96, 57, 22}},
            {form.BitBtn1, QStringLiteral("OK"), {16, 248, 75, 25}},
            {form.BitBtn3, QStringLiteral("Nápověda"), {112, 248, 89, 25}},
            {form.BitBtn2, QStringLiteral("Storno"), {224, 248, 75, 25}},
        };
        for (const auto& [control, text, geometry] : controls) {
            QString shown;
            if (auto* label = qobject_cast<QLabel*>(control)) shown = label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(control)) shown = button->text();
            if (auto* box = qobject_cast<QGroupBox*>(control)) shown = box->title();
            if (auto* edit = qobject_cast<QLineEdit*>(control)) shown = edit->text();
            if (auto* combo = qobject_cast<QComboBox*>(control)) shown = combo->currentText();
            if (auto* spin = qobject_cast<QSpinBox*>(control)) shown = spin->text();
            QCOMPARE(shown, text);
            if (qobject_cast<QLabel*>(control) != nullptr) {
                // A label keeps its place and grows to show its whole caption.
                QCOMPARE(control->pos(), geometry.topLeft());
                QVERIFY(control->width() >=
                        std::max(geometry.width(), control->sizeHint().width()));
            } else {
                QCOMPARE(control->geometry(), geometry);
            }
        }
        for (QWidget* inGroup :
             {static_cast<QWidget*>(form.Label2), static_cast<QWidget*>(form.CSpinEdit4)}) {
            QCOMPARE(inGroup->parentWidget(), form.GroupBox1);
        }
        QVERIFY(form.BitBtn1->isDefault());
        QVERIFY(form.ComboBox1->isEditable());
        QStringList clubs;
        for (int i = 0; i < form.ComboBox1->count(); ++i) clubs << form.ComboBox1->itemText(i);
        QCOMPARE(clubs,
                 QStringList({"1. KLK Karlštejn", "Dukla Praha", "LC Škoda Plzeň",
                              "LK CHP Litvínov", "LK INGO Plzeň", "LK Votice", "LK Rokycany",
                              "OP Prostějov", "SK Přerov", "SK Slavia Praha", "SK Start Brno",
                              "SK Start Praha", "Sokol Kostelec", "TJ Dynamo Liberec",
                              "TJ Mariánské Hory", "TJ Sokol Vršovice", "VZO TSČ Mirošov"}));
    }

    void okWritesEverythingButTheKind() {
        ArcherEditor form;
        CompetitorRecord spare{.IsComputer = false};
        form.SpareCompetitor = &spare;
        form.show();
        Retype(form.Edit1, QStringLiteral("Dvořák, Jiří"));
        form.ComboBox1->setCurrentIndex(15);
        Retype(form.CSpinEdit2, QStringLiteral("41"));
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QCOMPARE(form.Confirmed, 1);
        QVERIFY(!form.isVisible());
        QCOMPARE(spare.Name, cp(u"Dvořák, Jiří"));
        QCOMPARE(spare.Club, cp(u"TJ Sokol Vršovice"));
        QCOMPARE(spare.Performance, (std::array<int32_t, 4>{60, 41, 75, 85}));
        QVERIFY(!spare.IsComputer);

        form.show();
        QCOMPARE(form.Confirmed, 0);
    }

    void stornoKeepsTheSpareAndTheFieldsKeepTheirText() {
        ArcherEditor form;
        CompetitorRecord spare{.Name = "Old"};
        const CompetitorRecord before = spare;
        form.SpareCompetitor = &spare;
        form.show();
        Retype(form.Edit1, QStringLiteral("Nový"));
        Retype(form.ComboBox1, QStringLiteral("Vlastní klub"));
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        QCOMPARE(form.Confirmed, 0);
        QCOMPARE(spare, before);

        form.show();
        QCOMPARE(form.Edit1->text(), QStringLiteral("Nový"));
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("Vlastní klub"));
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        QCOMPARE(spare, before);
        QCOMPARE(form.ComboBox1->count(), 17);  // a typed club joins no list

        form.show();
        // Enter in a field is OK, once the player has clicked into it after Storno.
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::mouseClick(form.Edit1, Qt::LeftButton);
        QTest::keyClick(form.Edit1, Qt::Key_Return);
        QCOMPARE(form.Confirmed, 1);
        QCOMPARE(spare.Club, cp(u"Vlastní klub"));
    }

    void emptyNameIsRefusedWithAMessage() {
        ArcherEditor form;
        CompetitorRecord spare;
        form.SpareCompetitor = &spare;
        form.show();
        for (const QString& name : {QString(), QStringLiteral("   ")}) {
            Retype(form.Edit1, name);
            QString message;
            ModalAnswers answers({Answer<QMessageBox>([&](QMessageBox& box) {
                message = box.text();
                box.accept();
            })});
            QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
            QVERIFY(answers.allAnswered());
            QCOMPARE(message, QStringLiteral("Zadejte příjmení a jméno lukostřelce !"));
            QVERIFY(form.isVisible());
            QCOMPARE(form.Confirmed, 0);
            QCOMPARE(spare, CompetitorRecord{});
        }
    }

    void fillBringsValuesIntoRange() {
        ArcherEditor form;
        form.fill(CompetitorRecord{
            .Name = cp(u"Šťastný"), .Club = "LK Votice", .Performance = {3, 120, 0, 94}});
        QCOMPARE(form.Edit1->text(), QStringLiteral("Šťastný"));
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("LK Votice"));
        QCOMPARE(Values(form), (std::array<int, 4>{5, 94, 5, 94}));
        CompetitorRecord spare;
        form.SpareCompetitor = &spare;
        form.show();
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QCOMPARE(spare.Performance, (std::array<int32_t, 4>{5, 94, 5, 94}));
    }

    void valueFieldsTakeOnlyNumbersAndEndInRange() {
        ArcherEditor form;
        CompetitorRecord spare;
        form.SpareCompetitor = &spare;
        form.show();
        Retype(form.Edit1, QStringLiteral("Adam"));
        Retype(form.CSpinEdit1, QString());            // empty
        Retype(form.CSpinEdit2, QStringLiteral("-"));  // a sign alone
        Retype(form.CSpinEdit3, QStringLiteral("120"));
        Retype(form.CSpinEdit4, QStringLiteral("3"));
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QCOMPARE(spare.Performance, (std::array<int32_t, 4>{5, 5, 94, 5}));
        QCOMPARE(form.CSpinEdit1->text(), QStringLiteral("5"));
        QCOMPARE(form.CSpinEdit3->text(), QStringLiteral("94"));

        form.show();
        Retype(form.CSpinEdit1, QStringLiteral("7x!"));
        QCOMPARE(form.CSpinEdit1->text(), QStringLiteral("7"));
        QTest::keyClick(form.CSpinEdit2, Qt::Key_Down);  // at 5 already
        QCOMPARE(form.CSpinEdit2->value(), 5);
        QTest::keyClick(form.CSpinEdit3, Qt::Key_Up);  // at 94 already
        QCOMPARE(form.CSpinEdit3->value(), 94);
        QTest::keyClick(form.CSpinEdit4, Qt::Key_Up);
        QCOMPARE(form.CSpinEdit4->value(), 6);

        QString text = QStringLiteral("abc");
        int pos = 0;
        QCOMPARE(form.CSpinEdit1->validate(text, pos), QValidator::Invalid);
        form.CSpinEdit1->fixup(text);
        QCOMPARE(text, QStringLiteral("5"));
    }

    void nameAndClubRefuseWhatCp1250CannotHoldAndCountItsCharacters() {
        ArcherEditor form;
        form.show();
        Retype(form.Edit1, QStringLiteral("Ďábel ё€ž😀"));
        QCOMPARE(form.Edit1->text(), QStringLiteral("Ďábel €ž"));
        Retype(form.Edit1, QString(35, QChar(u'ř')));
        QCOMPARE(form.Edit1->text(), QString(30, QChar(u'ř')));
        Retype(form.ComboBox1, QStringLiteral("Škoda Plzeň, oddíl lukostřelby"));
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("Škoda Plzeň, oddíl l"));
        Retype(form.ComboBox1, QStringLiteral("Ω klub"));
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral(" klub"));

        CompetitorRecord spare;
        form.SpareCompetitor = &spare;
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QCOMPARE(spare.Name, std::string(30, '\xF8'));
        QCOMPARE(spare.Club, std::string(" klub"));
    }
};

QTEST_MAIN(EditorDialog)
#include "tst_archer_editor.moc"
