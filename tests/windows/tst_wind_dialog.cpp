#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "rules/settings/SettingsFile.h"
#include "session/GameSession.h"
#include "support/Competitors.h"
#include "support/MemoryFileStore.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedRandom.h"
#include "windows/ControlNames.h"
#include "windows/WindDialog.h"

class WindDialogTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void theChoiceIsKeptOnOkAndBlowsFromTheNextArrow() {
        MemoryFileStore files;
        files.files[SettingsFile::kFileName] = "[Hra]\nvitr=2\n";
        ScriptedRandom random;
        random.setFallback(0);
        RecordingSounds sounds;
        RecordingScreen screen;
        GameSession session(files, random, sounds, QtKeyText());
        session.showOn(screen);
        WindDialog dialog(session);
        QCOMPARE(dialog.windowTitle(), QStringLiteral(u"Vítr"));

        dialog.show();
        QVERIFY(dialog.Promenlivy->isChecked());
        dialog.Bezvetri->click();
        dialog.Storno->click();
        QCOMPARE(session.playerSettings().wind, WindLevel::Variable);
        QCOMPARE(files.writes, 0);

        dialog.show();
        dialog.Silny->click();
        dialog.OK->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(files.files.at(SettingsFile::kFileName).find("vitr=3") != std::string::npos);
        session.engine().StartMatch(1, OneArcher());
        session.NextarrowClick();
        QVERIFY(!screen.winds.empty());
        QVERIFY(screen.winds.back().tenths >= 30 * 6 / 10);

        dialog.show();
        QVERIFY(dialog.Silny->isChecked());
    }
};

QTEST_MAIN(WindDialogTest)
#include "tst_wind_dialog.moc"
