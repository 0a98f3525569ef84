// The README's table of windows against the windows themselves: every row's class opened, with
// the caption the table gives, and every dialog class of the windows folder in the table once.
#include <cxxabi.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>
#include <typeinfo>

#include "rules/settings/SettingsFile.h"
#include "session/GameSession.h"
#include "support/FileBytes.h"
#include "support/MemoryFileStore.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedRandom.h"
#include "support/WorkingDirectory.h"
#include "windows/AboutBox.h"
#include "windows/ArcherEditor.h"
#include "windows/ArcherListDialog.h"
#include "windows/BoutsDialog.h"
#include "windows/BracketWindow.h"
#include "windows/ControlNames.h"
#include "windows/ControlsDialog.h"
#include "windows/DifficultyDialog.h"
#include "windows/FieldLevelDialog.h"
#include "windows/HelpViewer.h"
#include "windows/HitAnalysisPage.h"
#include "windows/MainWindow.h"
#include "windows/OnScreenKeyboard.h"
#include "windows/PixelImage.h"
#include "windows/PracticeDialog.h"
#include "windows/PracticeSummaryWindow.h"
#include "windows/ResultsWindow.h"
#include "windows/ResumeQuestion.h"
#include "windows/RoundTypeDialog.h"
#include "windows/SightChooser.h"
#include "windows/SoundDialog.h"
#include "windows/StatisticsWindow.h"
#include "windows/WindDialog.h"

namespace {

struct Row {
    QString className;
    QString files;
    QString caption;
};

// The rows of the table headed "| window | class | file | caption |".
std::vector<Row> readmeRows() {
    const QString readme =
        QString::fromUtf8(FileBytes(QStringLiteral(VEXA_SOURCE_DIR "/README.md")));
    static const QRegularExpression row(
        QStringLiteral("^\\| [^|]+ \\| `(\\w+)` \\| `([^`]+)` \\| \"([^\"]+)\" \\|$"),
        QRegularExpression::MultilineOption);
    std::vector<Row> rows;
    for (const auto& match : row.globalMatch(readme)) {
        rows.push_back({match.captured(1), match.captured(2), match.captured(3)});
    }
    return rows;
}

// The class name of the object itself, without its namespace.
QString dynamicClassName(const QObject& object) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(typeid(object).name(), nullptr, nullptr, &status), std::free);
    const QString full = QString::fromLatin1(status == 0 ? name.get() : typeid(object).name());
    return full.section(QStringLiteral("::"), -1);
}

// The dialog and main window classes declared under windows/.
QStringList windowClassesInSources() {
    static const QRegularExpression declaration(
        QStringLiteral("^class (\\w+)(?: final)? : public (?:QDialog|QMainWindow)\\b"),
        QRegularExpression::MultilineOption);
    QStringList classes;
    const QDir windows(QStringLiteral(VEXA_SOURCE_DIR "/windows"));
    for (const QString& header : windows.entryList({QStringLiteral("*.h")})) {
        const QString text = QString::fromUtf8(FileBytes(windows.filePath(header)));
        for (const auto& match : declaration.globalMatch(text)) classes << match.captured(1);
    }
    return classes;
}

}  // namespace

class WindowTableTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void everyRowIsAWindowWithItsCaption() {
        QTemporaryDir folder;
        WorkingDirectory inside(folder.path());
        QVERIFY(inside.entered());
        QVERIFY(QFile::copy(QStringLiteral(VEXA_RUN_DIR "/Brantel2.hlp"),
                            QStringLiteral("Brantel2.hlp")));
        MemoryFileStore files;
        ScriptedRandom random;
        random.setFallback(0);
        RecordingSounds sounds;
        GameSession session(files, random, sounds, QtKeyText());
        MainWindow main(session, files);
        MatchState state;
        PixelImage zamer;
        StatisticsWindow statistics(kHistoryFile, files);
        RoundTypeDialog roundType;
        ArcherListDialog archerList(files);
        ArcherEditor archerEditor;
        ResultsWindow results(state, files);
        DifficultyDialog difficulty(state);
        SightChooser sightChooser(zamer);
        AboutBox about;
        ControlsDialog controls;
        FieldLevelDialog fieldLevel(session.settings());
        PracticeDialog practice;
        PracticeSummaryWindow practiceSummary;
        SoundDialog sound(session);
        WindDialog wind(session);
        BoutsDialog bouts;
        BracketWindow bracket;
        QLineEdit field;
        OnScreenKeyboard keyboard(field, GamepadFamily::Generic);
        ResumeQuestion resume(ResumableOffer{.row = 1,
                                             .started = "2026-12-09T14:05:00+01:00",
                                             .point = {.roundType = 1, .distance = 50}});
        ShowHelpContents();
        QWidget* help = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("HelpViewer")) help = window;
        }
        QVERIFY(help);

        // Each window with its caption; the page with the title of its tab.
        const std::vector<std::pair<QWidget*, QString>> opened = {
            {&main, main.windowTitle()},
            {&roundType, roundType.windowTitle()},
            {&archerList, archerList.windowTitle()},
            {&archerEditor, archerEditor.windowTitle()},
            {&results, results.windowTitle()},
            {&difficulty, difficulty.windowTitle()},
            {&sightChooser, sightChooser.windowTitle()},
            {&about, about.windowTitle()},
            {&fieldLevel, fieldLevel.windowTitle()},
            {help, help->windowTitle()},
            {&statistics, statistics.windowTitle()},
            {&controls, controls.windowTitle()},
            {&practice, practice.windowTitle()},
            {&practiceSummary, practiceSummary.windowTitle()},
            {&sound, sound.windowTitle()},
            {&wind, wind.windowTitle()},
            {&keyboard, keyboard.windowTitle()},
            {&resume, resume.windowTitle()},
            {&bouts, bouts.windowTitle()},
            {&bracket, bracket.windowTitle()},
            {statistics.RozborZasahu,
             statistics.Zalozky->tabText(statistics.Zalozky->indexOf(statistics.RozborZasahu))},
        };
        std::map<QString, QString> captionOf;
        for (const auto& [widget, caption] : opened) captionOf[dynamicClassName(*widget)] = caption;

        const std::vector<Row> rows = readmeRows();
        QCOMPARE(rows.size(), opened.size());
        QSet<QString> seen;
        for (const Row& row : rows) {
            QVERIFY2(!seen.contains(row.className),
                     qPrintable(row.className + QStringLiteral(" twice")));
            seen << row.className;
            QVERIFY2(captionOf.count(row.className),
                     qPrintable(row.className + QStringLiteral(" not opened")));
            QCOMPARE(captionOf[row.className], row.caption);
            // The class is declared in the files the row names.
            const QString pattern = QStringLiteral(VEXA_SOURCE_DIR "/") + row.files;
            const QByteArray declaration = (QStringLiteral("class ") + row.className).toUtf8();
            bool declared = false;
            for (const QString& ending : {QStringLiteral("h"), QStringLiteral("cpp")}) {
                const QString file = QString(pattern).replace(QStringLiteral("*"), ending);
                declared = declared || FileBytes(file).contains(declaration);
            }
            QVERIFY2(declared, qPrintable(row.className + QStringLiteral(" not in ") + row.files));
        }
        for (const QString& declared : windowClassesInSources()) {
            QVERIFY2(seen.contains(declared),
                     qPrintable(declared + QStringLiteral(" missing from the table")));
        }
    }
};

QTEST_MAIN(WindowTableTest)
#include "tst_window_table.moc"
