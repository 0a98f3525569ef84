#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "platform/history/HistoryReader.h"
#include "platform/history/SqliteMatchLog.h"
#include "support/FocusChecks.h"
#include "support/GamePictures.h"
#include "support/ModalAnswers.h"
#include "support/StartedGame.h"
#include "support/WorkingDirectory.h"
#include "windows/ClickableImage.h"
#include "windows/MainWindow.h"
#include "windows/PracticeDialog.h"
#include "windows/PracticeSummaryWindow.h"

namespace {

constexpr const char* kSettings = "nastaveni.ini";

}  // namespace

class PracticeTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void theDialogShowsTheLastValuesInRangeAndKeepsTheNewOnes() {
        QTemporaryDir folder;
        WorkingDirectory cwd(folder.path());
        LayGamePictures();
        StartedGame g(GameFiles{{kSettings,
                                 "[Trenink]\nlukostrelec=Jan Nov\xc3\xa1k\nvzdalenost=47\nsady=99\n"
                                 "casovyLimit=true\nsekundNaSadu=5\n"}});
        auto answers = std::make_unique<ModalAnswers>(std::deque<ModalAnswers::Step>{
            Answer<PracticeDialog>([&](PracticeDialog& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Trénink"));
                QVERIFY(QTest::qWaitForWindowActive(&d));
                QVERIFY(HoldsFocus(d.Lukostrelec));
                QCOMPARE(d.Lukostrelec->currentText(), QStringLiteral("Jan Novák"));
                QCOMPARE(d.Vzdalenost->currentText(), QStringLiteral("50 m"));
                QCOMPARE(d.PocetSad->value(), 12);
                QVERIFY(d.CasovyLimit->isChecked());
                QCOMPARE(d.SekundNaSadu->value(), 10);
                QVERIFY(d.OKButton->isDefault());
                QVERIFY(TabWalks({d.Vzdalenost, d.PocetSad, d.CasovyLimit, d.SekundNaSadu,
                                  d.OKButton, d.StornoButton}));
                QTest::keyClick(d.Vzdalenost, Qt::Key_3);
                QCOMPARE(d.Vzdalenost->currentText(), QStringLiteral("30 m"));
                QTest::keyClick(d.CasovyLimit, Qt::Key_Space);
                QVERIFY(!d.SekundNaSadu->isEnabled());
                // Outside the code page, or too long, the name cannot even be typed.
                QString foreign = QStringLiteral("Eva \u03a9"), tooLong(31, QLatin1Char('x'));
                int at = 0;
                QCOMPARE(d.Lukostrelec->validator()->validate(foreign, at), QValidator::Invalid);
                QCOMPARE(d.Lukostrelec->validator()->validate(tooLong, at), QValidator::Invalid);
                d.Lukostrelec->setEditText(QString());
                QTest::keyClicks(d.Lukostrelec, QStringLiteral("Eva"));
                QTest::mouseClick(d.OKButton, Qt::LeftButton);
            }),
        });
        g.form->Trenink1Click();
        QVERIFY(answers->allAnswered());
        answers.reset();
        const PracticeSettings kept =
            ReadPlayerSettings(IniText::parse(g.files.files[kSettings])).practice;
        QCOMPARE(kept.archer, std::string("Eva"));
        QCOMPARE(kept.distance, 30);
        QCOMPARE(kept.ends, 12);
        QVERIFY(!kept.timed);
        QCOMPARE(kept.secondsPerEnd, 10);
        QVERIFY(g.form->session().engine().PracticeUnderWay());
        QCOMPARE(g.form->board->PlName->text(), QStringLiteral("Eva"));
        QVERIFY(!g.form->board->Hodiny->isVisible());

        // Storno changes nothing and starts nothing new.
        ModalAnswers cancel({Answer<PracticeDialog>([](PracticeDialog& d) {
            QCOMPARE(d.Lukostrelec->currentText(), QStringLiteral("Eva"));
            QCOMPARE(d.SekundNaSadu->value(), 10);
            d.PocetSad->setValue(3);
            QTest::mouseClick(d.StornoButton, Qt::LeftButton);
        })});
        const int writes = g.files.writes;
        g.form->Trenink1Click();
        QVERIFY(cancel.allAnswered());
        QCOMPARE(g.files.writes, writes);
    }

    void anEmptyNameIsRefused() {
        PracticeDialog d;
        d.prepare({}, {KnownArcher{{u8"Nov\u00e1k", u8"TJ"}, 1}});
        d.show();
        QString refusal;
        ModalAnswers answers({Answer<QMessageBox>([&](QMessageBox& box) {
            refusal = box.text();
            box.accept();
        })});
        QTest::mouseClick(d.OKButton, Qt::LeftButton);
        QVERIFY(answers.allAnswered());
        QCOMPARE(refusal, QStringLiteral("Zadejte jméno lukostřelce, který bude trénovat !"));
        QVERIFY(d.isVisible());
        // A name the history knows brings its club along; a new one has none.
        d.Lukostrelec->setCurrentIndex(0);
        QCOMPARE(d.club(), QStringLiteral("TJ"));
        d.Lukostrelec->setEditText(QStringLiteral("Nováková"));
        QCOMPARE(d.club(), QString());
    }

    void theSummarySaysTheClassTheSessionEarned() {
        PracticeSummaryWindow w;
        QString shown;
        ModalAnswers answers({Answer<PracticeSummaryWindow>([&](PracticeSummaryWindow& summary) {
            shown = summary.Vysledek->text();
            summary.reject();
        })});
        w.showSummary({.distance = 30}, {{Utf8Text{"Petr"}, ArcheryClass::A3}});
        QVERIFY(shown.contains(QStringLiteral("Petr získává klasifikaci Archer 3rd Class (A3) !")));
    }

    void aTwoEndSessionIsShotOnTheMainWindowAndRecorded() {
        QTemporaryDir folder;
        WorkingDirectory cwd(folder.path());
        LayGamePictures();
        StartedGame g(
            GameFiles{{kSettings,
                       "[Trenink]\nlukostrelec=Eva\nvzdalenost=30\nsady=2\ncasovyLimit=true\n"
                       "sekundNaSadu=600\n"}});
        SqliteMatchLog history(kHistoryFile);
        g.form->session().engine().SetMatchLog(history);
        g.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(g.form.get()));

        {
            ModalAnswers start({Answer<PracticeDialog>(
                [](PracticeDialog& d) { QTest::keyClick(d.Lukostrelec, Qt::Key_Return); })});
            g.form->Trenink1Click();
            QVERIFY(start.allAnswered());
        }
        QVERIFY(g.form->board->Hodiny->isVisible());
        QCOMPARE(g.form->board->Hodiny->text(), QStringLiteral("600 s"));

        QString summaryText;
        ModalAnswers summary({Answer<PracticeSummaryWindow>([&](PracticeSummaryWindow& w) {
            QCOMPARE(w.windowTitle(), QStringLiteral("Výsledek tréninku"));
            QVERIFY(w.ZavritButton->isDefault());
            summaryText = w.Vysledek->text();
            QTest::mouseClick(w.ZavritButton, Qt::LeftButton);
        })});
        // The test is the clock of the aiming: the window's timer is kept from firing.
        for (int arrow = 0; arrow < 6; ++arrow) {
            QTest::keyClick(g.form.get(), Qt::Key_D);
            QVERIFY(g.form->session().Timer1->isActive());
            QTest::keyPress(g.form.get(), Qt::Key_A);
            for (int tick = 0; tick < 40; ++tick) g.form->session().Timer1Timer();
            QTest::keyPress(g.form.get(), Qt::Key_S);
            g.form->session().Timer1Timer();
            QTest::keyRelease(g.form.get(), Qt::Key_S);
            QTest::keyRelease(g.form.get(), Qt::Key_A);
            if (arrow == 2) QCOMPARE(g.form->board->SadaCount->text(), QStringLiteral("1"));
        }
        QVERIFY(summary.allAnswered());
        QVERIFY(!g.form->session().engine().PracticeUnderWay());
        QVERIFY(!g.form->board->Hodiny->isVisible());
        QVERIFY(!g.form->board->Nextarrow->isEnabled());
        QVERIFY(summaryText.contains(QStringLiteral("2. sada")));
        QVERIFY(summaryText.contains(g.form->board->Celkem->text()));

        History recorded;
        std::vector<ArrowRecord> arrows;
        HistoryReader reader(kHistoryFile);
        QVERIFY(reader.readMatches(recorded));
        QVERIFY(reader.readArrows({u8"Eva", u8""}, false, arrows));
        QCOMPARE(recorded.matches.size(), std::size_t{1});
        QVERIFY(recorded.matches[0].practice);
        QVERIFY(recorded.matches[0].finished.has_value());
        QVERIFY(recorded.results.empty());
        QCOMPARE(arrows.size(), std::size_t{6});
        int total = 0;
        for (const ArrowRecord& a : arrows) total += a.score;
        QCOMPARE(g.form->board->Celkem->text(), QString::number(total));
    }
};

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
