#include <QActionGroup>
#include <QApplication>
#include <QDirIterator>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>
#include <map>

#include "platform/Translations.h"
#include "rules/match/Random.h"
#include "rules/results/Results.h"
#include "support/MemoryFileStore.h"
#include "support/ModalAnswers.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedRandom.h"
#include "support/StartedGame.h"
#include "windows/ClassText.h"
#include "windows/ControlsDialog.h"
#include "windows/DifficultyDialog.h"
#include "windows/FieldLevelDialog.h"
#include "windows/HelpViewer.h"
#include "windows/LanguageMenu.h"
#include "windows/MainWindow.h"
#include "windows/PracticeDialog.h"
#include "windows/PracticeSummaryWindow.h"
#include "windows/ResultsWindow.h"
#include "windows/StatisticsWindow.h"

namespace {

const std::string kSettings = "nastaveni.ini";

// The player's settings file as he left it; none at all when empty.
GameFiles WithSettings(const std::string& settings) {
    return settings.empty() ? GameFiles{} : GameFiles{{kSettings, settings}};
}

// Every LanguageChange posted to the windows delivered.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::processEvents();
}

QAction* languageChoice(MainWindow& form, const QString& language) {
    for (QAction* choice : form.Jazyk->actions()) {
        if (choice->data().toString() == language) return choice;
    }
    return nullptr;
}

// The menu's accelerator letters, menu by menu: the bar's titles, then each menu's items.
std::map<QString, QStringList> accelerators(QMenu* menu, QMenuBar* bar) {
    std::map<QString, QStringList> letters;
    const auto letterOf = [](const QString& text) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        return at < 0 || at + 1 >= text.size() ? QString() : text.mid(at + 1, 1).toLower();
    };
    if (bar) {
        for (QAction* title : bar->actions())
            letters[QStringLiteral("bar")] << letterOf(title->text());
    } else {
        for (QAction* item : menu->actions()) {
            if (item->isSeparator()) continue;
            letters[menu->title()] << letterOf(item->text());
            if (item->menu()) letters.merge(accelerators(item->menu(), nullptr));
        }
    }
    return letters;
}

// A demo short round from "Nová hra" to its end, with the game's own random generator; the
// listing exported after each distance and what the results window showed.
struct DemoRound {
    std::vector<std::string> exports;
    QStringList shown;
    std::map<std::string, std::string> files;

    explicit DemoRound(uint32_t seed) {
        MatchState state;
        MemoryFileStore store;
        RecordingScreen screen;
        SeededRandom random(seed);
        RecordingClicker clicker;
        ResultsWindow results(state, store);
        MatchEngine engine(state, screen, random, clicker);
        screen.onShowResults = [&] {
            results.VypisVysl();
            exports.push_back(ExportText(results.shownLines()));
            shown << results.RichEdit1->toPlainText();
            engine.ResultsClosed();
        };
        CompetitorTable field;
        for (int slot = 0; slot < 20; ++slot) {
            field[static_cast<std::size_t>(slot)] = {"Strelec " + std::to_string(slot),
                                                     "Klub",
                                                     {40 + slot, 45 + slot, 50 + slot, 55 + slot},
                                                     true};
        }
        engine.StartMatch(1, field);
        for (int key = 0; state.MatchUnderWay && key < 10; ++key) {
            engine.FormKeyDown(kVkNext);
            engine.FormKeyUp(kVkNext);
        }
        files = store.files;
    }
};

QSet<QString> helpTopics(const QString& file) {
    QFile help(file);
    if (!help.open(QIODevice::ReadOnly)) return {};
    static const QRegularExpression anchor(QStringLiteral("<a name=\"([^\"]+)\""));
    QSet<QString> topics;
    for (const auto& m : anchor.globalMatch(QString::fromUtf8(help.readAll()))) {
        topics << m.captured(1);
    }
    return topics;
}

QTextBrowser* helpText() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QStringLiteral("HelpViewer")) return w->findChild<QTextBrowser*>();
    }
    return nullptr;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void cleanup() { SpeakLanguage("cs"); }

    void theChoiceTakesEffectInEveryWindowAtOnceAndIsKept() {
        StartedGame g;
        QCOMPARE(g.form->Hra->title(), QStringLiteral("&Hra"));
        QVERIFY(languageChoice(*g.form, QString())->isChecked());

        // The difficulty dialog made and closed again: it waits hidden.
        {
            ModalAnswers answers({[](QWidget* dialog) { dialog->close(); }});
            g.form->Obtnost1->trigger();
            QVERIFY(answers.allAnswered());
        }
        languageChoice(*g.form, QStringLiteral("en"))->trigger();
        settle();
        QCOMPARE(SpokenLanguage(), std::string("en"));
        QVERIFY(g.files.files[kSettings].find("jazyk=en") != std::string::npos);
        QCOMPARE(g.form->Hra->title(), QStringLiteral("&Game"));
        // Dialogs never shown yet speak it too.
        QVERIFY(!g.form->ObtForm->isVisible());
        QCOMPARE(g.form->ObtForm->RB2->text(), QStringLiteral("Professional"));
        QCOMPARE(g.form->ObtForm->windowTitle(), QStringLiteral("Difficulty..."));
        QVERIFY(languageChoice(*g.form, QStringLiteral("en"))->isChecked());

        languageChoice(*g.form, QStringLiteral("cs"))->trigger();
        settle();
        QCOMPARE(g.form->Hra->title(), QStringLiteral("&Hra"));
        QCOMPARE(g.form->ObtForm->RB2->text(), QStringLiteral("Profesionál"));
        QVERIFY(g.files.files[kSettings].find("jazyk=cs") != std::string::npos);

        // The desktop's language: the key goes, and the tests' C locale means Czech.
        languageChoice(*g.form, QString())->trigger();
        settle();
        QVERIFY(g.files.files[kSettings].find("jazyk") == std::string::npos);
        QCOMPARE(SpokenLanguage(), std::string("cs"));
    }

    // Windows made before the change follow it: each caption becomes its catalogue's English.
    void windowsAlreadyMadeFollowAChangeOfLanguage() {
        StartedGame g;
        std::vector<std::unique_ptr<QWidget>> windows;
        windows.push_back(std::make_unique<PracticeDialog>());
        windows.push_back(std::make_unique<PracticeSummaryWindow>());
        windows.push_back(std::make_unique<FieldLevelDialog>(g.form->session().settings()));
        windows.push_back(std::make_unique<ControlsDialog>());
        windows.push_back(std::make_unique<StatisticsWindow>("historie.db", g.files));
        QStringList czech;
        for (const auto& window : windows) czech << window->windowTitle();
        SpeakLanguage("en");
        settle();
        for (std::size_t i = 0; i < windows.size(); ++i) {
            const QString english = QCoreApplication::translate(
                windows[i]->metaObject()->className(), czech[static_cast<int>(i)].toUtf8());
            QVERIFY2(english != czech[static_cast<int>(i)], qPrintable(english));
            QCOMPARE(windows[i]->windowTitle(), english);
        }
    }

    void theSettingsFileChoosesTheLanguageAtStart() {
        const struct {
            std::string settings;
            std::string spoken;
            QString checked;
        } cases[] = {
            {"[Hra]\njazyk=en\n", "en", QStringLiteral("en")},
            {"[Hra]\njazyk=cs\n", "cs", QStringLiteral("cs")},
            // A language the game does not speak, or no word at all: the desktop's (C: Czech).
            {"[Hra]\njazyk=de\n", "cs", QString()},
            {"[Hra]\njazyk=anglicky\n", "cs", QString()},
        };
        for (const auto& c : cases) {
            StartedGame g(WithSettings(c.settings));
            settle();
            QCOMPARE(SpokenLanguage(), c.spoken);
            QVERIFY2(languageChoice(*g.form, c.checked)->isChecked(), c.settings.c_str());
            // An unknown value stays as the player wrote it.
            QCOMPARE(g.files.files[kSettings], c.settings);
        }
    }

    void everyMenuHasUniqueAcceleratorsInEveryLanguage() {
        StartedGame g;
        for (const std::string& language : SpokenLanguages()) {
            SpeakLanguage(language);
            settle();
            std::map<QString, QStringList> letters = accelerators(nullptr, g.form->menuBar());
            for (QAction* title : g.form->menuBar()->actions()) {
                letters.merge(accelerators(title->menu(), nullptr));
            }
            for (const auto& [menu, used] : letters) {
                const QString where =
                    QString::fromStdString(language) + QStringLiteral(": ") + menu;
                QStringList marked = used;
                marked.removeAll(QString());  // an item may go without one (window sizes)
                QVERIFY2(QSet<QString>(marked.begin(), marked.end()).size() == marked.size(),
                         qPrintable(where + ": " + used.join(QLatin1Char(' '))));
            }
        }
    }

    void everyLanguageHasHelpOnEveryTopic() {
        const QSet<QString> czech =
            helpTopics(QStringLiteral(VEXA_SOURCE_DIR "/data/Brantel2.hlp"));
        QVERIFY(czech.contains(QStringLiteral("obsah")));
        for (const std::string& language : SpokenLanguages()) {
            if (language == "cs") continue;
            const QString file = QStringLiteral(":/help/%1/Brantel2.hlp").arg(language.c_str());
            QCOMPARE(helpTopics(file), czech);
        }
    }

    void theHelpSpeaksTheInterfacesLanguage() {
        QVERIFY(QDir::setCurrent(QStringLiteral(VEXA_RUN_DIR)));
        ShowHelpContents();
        QVERIFY(helpText()->toPlainText().startsWith(QStringLiteral("VEXA 99 – Nápověda")));
        SpeakLanguage("en");
        settle();
        QVERIFY(helpText()->toPlainText().startsWith(QStringLiteral("VEXA 99 – Help")));
        ShowHelpTopic(QStringLiteral("zamerovac"));
        QVERIFY(helpText()->toPlainText().contains(QStringLiteral("Browse...")));
        helpText()->window()->hide();
    }

    void countsTakeTheLanguagesPluralForms() {
        ClassProgress progress;
        auto need = [&progress](int32_t dozens) {
            progress.next = ClassNeed{ArcheryClass::B1, dozens, 37, 90};
            return ClassProgressText(progress).section(QLatin1Char('\n'), 1);
        };
        SpeakLanguage("cs");
        const QString czech =
            QStringLiteral(u"Do Bowman 1st Class (B1) %1 šípů s handicapem nejvýš 37 na 90 m");
        QCOMPARE(need(1), czech.arg(QStringLiteral(u"chybí 1 tucet")));
        QCOMPARE(need(3), czech.arg(QStringLiteral(u"chybějí 3 tucty")));
        QCOMPARE(need(6), czech.arg(QStringLiteral(u"chybí 6 tuctů")));
        SpeakLanguage("en");
        QCOMPARE(need(1),
                 QStringLiteral("Bowman 1st Class (B1) still needs 1 dozen arrows shot with "
                                "a handicap of 37 or better at 90 m"));
    }

    void aDemoRoundExportsTheSameBytesInEveryLanguage() {
        SpeakLanguage("cs");
        const DemoRound czech(1999);
        SpeakLanguage("en");
        const DemoRound english(1999);
        QCOMPARE(czech.exports.size(), std::size_t(2));  // 50 m and 30 m
        QVERIFY(czech.exports == english.exports);
        QVERIFY(czech.files == english.files);  // records.dat among them
        // The English player did read English, with the same numbers and names.
        QVERIFY(english.shown[0].startsWith(QStringLiteral("Pos. Surname, first name")));
        QVERIFY(czech.shown[0].startsWith(QStringLiteral("Poř. Příjmení, jméno")));
        QCOMPARE(english.shown[1].section(QLatin1Char('\n'), 2),
                 czech.shown[1].section(QLatin1Char('\n'), 2));
    }
};

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
