#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "rules/settings/SettingsFile.h"
#include "session/SessionSettings.h"
#include "support/MemoryFileStore.h"
#include "windows/ControlNames.h"
#include "windows/FieldLevelDialog.h"

class FieldLevelDialogTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void theChoiceIsKeptInTheSettingsOnOkOnly() {
        MemoryFileStore files;
        SessionSettings settings(files, QtKeyText());
        FieldLevelDialog dialog(settings);
        QCOMPARE(dialog.windowTitle(), QStringLiteral(u"Soupeři"));
        QCOMPARE(dialog.PodleDatabaze->text(), QStringLiteral(u"Podle databáze střelců"));
        QCOMPARE(dialog.PodleUrovne->text(), QStringLiteral(u"Podle mé úrovně"));

        dialog.show();
        QVERIFY(dialog.PodleDatabaze->isChecked());
        dialog.PodleUrovne->click();
        dialog.Storno->click();
        QVERIFY(!settings.settings().fieldAtPlayerLevel);
        QCOMPARE(files.writes, 0);

        dialog.show();
        QVERIFY(dialog.PodleDatabaze->isChecked());
        dialog.PodleUrovne->click();
        dialog.OK->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(settings.settings().fieldAtPlayerLevel);
        QVERIFY(files.files.at(SettingsFile::kFileName).find("souperiPodleUrovne=true") !=
                std::string::npos);

        dialog.show();
        QVERIFY(dialog.PodleUrovne->isChecked());
    }

    void aValueTheGameDoesNotKnowStaysUntilThePlayerChanges() {
        MemoryFileStore files;
        const std::string written = "[Hra]\nsouperiPodleUrovne=ano\n";
        files.files[SettingsFile::kFileName] = written;
        SessionSettings settings(files, QtKeyText());
        FieldLevelDialog dialog(settings);
        dialog.show();
        QVERIFY(dialog.PodleDatabaze->isChecked());
        dialog.OK->click();
        QCOMPARE(files.writes, 0);
        QCOMPARE(files.files.at(SettingsFile::kFileName), written);

        dialog.show();
        dialog.PodleUrovne->click();
        dialog.OK->click();
        QVERIFY(files.files.at(SettingsFile::kFileName).find("souperiPodleUrovne=true") !=
                std::string::npos);
    }
};

QTEST_MAIN(FieldLevelDialogTest)
#include "tst_field_level_dialog.moc"
