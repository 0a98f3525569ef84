#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include "platform/QtFileStore.h"
#include "platform/QtText.h"
#include "rules/match/Ranking.h"
#include "rules/results/Listing.h"
#include "support/MemoryFileStore.h"
#include "support/WorkingDirectory.h"
#include "windows/ResultsWindow.h"

namespace {

struct Message {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
    QString viewText;  // what the results view showed under the box
};

// The results window with its two dialogs answered by the test.
class ScriptedResultsWindow : public ResultsWindow {
  public:
    using ResultsWindow::ResultsWindow;
    QString saveName;
    QList<Message> messages;

  protected:
    QString askSaveFileName() override { return saveName; }
    void showMessage(QMessageBox::Icon icon, const QString& caption, const QString& text) override {
        messages.append({icon, caption, text, RichEdit1->toPlainText()});
    }
};

// 150 competitors of a men's full round after the first distance; slot 17 is the player.
MatchState fullField() {
    MatchState state;
    state.RoundType = 3;
    state.Distance = 70;
    for (int i = 0; i < kCompetitorSlots; ++i) {
        CompetitorRecord& c = state.Competitors[i];
        c.Name = "St\xf8\xedlec \xc8" + std::to_string(i);
        if (i % 10 == 0) c.Name = std::string(30, static_cast<char>('A' + i / 10));
        c.Club = "SK";
        state.Scores[i].Score90 = 100 + (i * 37) % 250;
        state.Scores[i].Tens = i % 13;
        state.Scores[i].Misses = i % 5;
    }
    state.Competitors[17].IsComputer = false;
    state.Scores[17].Score90 = 359;
    RankCompetitors(state);  // as the end of the distance left it
    return state;
}

QString joined(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out << fromCp1250(line);
    return out.join(u'\n');
}

void showAndWait(ResultsWindow& form) {
    form.show();
    QTRY_VERIFY(!form.shownLines().empty());
}

}  // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void windowHasItsDesignedShape() {
        MatchState state;
        MemoryFileStore files;
        ResultsWindow form(state, files);
        QCOMPARE(form.windowTitle(), QStringLiteral("Výsledky..."));
        QCOMPARE(form.minimumSize(), QSize(641, 326));
        QCOMPARE(form.maximumSize(), QSize(641, 326));
        QCOMPARE(form.pos(), QPoint(70, 108));
        QCOMPARE(form.RichEdit1->geometry(), QRect(0, 0, 641, 269));
        QCOMPARE(form.BitBtn1->geometry(), QRect(64, 289, 65, 22));
        QCOMPARE(form.RB1->geometry(), QRect(464, 280, 73, 17));
        QCOMPARE(form.RB2->geometry(), QRect(464, 304, 73, 17));
        QCOMPARE(form.save->geometry(), QRect(328, 289, 75, 25));
        QCOMPARE(form.BitBtn2->geometry(), QRect(184, 289, 83, 25));
        QVERIFY(form.BitBtn1->isDefault());
        QCOMPARE(form.RB1->text(), QStringLiteral("Výsledky"));
        QCOMPARE(form.RB2->text(), QStringLiteral("Rekordy"));
        QCOMPARE(form.save->text(), QStringLiteral("Uložit..."));
        QCOMPARE(form.BitBtn2->text(), QStringLiteral("Nápověda"));
        // The options were laid out for the window's 9-pixel font; in a larger one they are cut.
        QCOMPARE(QFontInfo(form.font()).pixelSize(), 9);
        for (QRadioButton* option : {form.RB1, form.RB2})
            QVERIFY2(option->sizeHint().width() <= option->width(), qPrintable(option->text()));
        QVERIFY(form.RichEdit1->isReadOnly());
        QCOMPARE(form.RichEdit1->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(form.RichEdit1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        // The columns line up only if the font really is fixed-pitch and holds the Czech letters.
        const QFontInfo info(form.RichEdit1->font());
        QVERIFY(info.fixedPitch());
        QCOMPARE(info.pixelSize(), 12);
        const QFontMetrics metrics(form.RichEdit1->font());
        for (QChar ch : QStringLiteral("ěščřžýáíéúůďťňĚŠČŘŽÝÁÍÉÚŮĎŤŇ"))
            QVERIFY2(metrics.inFont(ch), qPrintable(QString(ch)));
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("Ř")), metrics.horizontalAdvance(u'i'));
    }

    void showingListsTheFieldWithTheListingLines() {
        MatchState state = fullField();
        MemoryFileStore files;
        ScriptedResultsWindow form(state, files);
        showAndWait(form);
        const auto& lines = form.shownLines();
        QCOMPARE(lines.size(), std::size_t(152));
        QCOMPARE(lines[0], ListingHeader(*findRound(state.RoundType)));
        QCOMPARE(lines[1], std::string(" "));
        QCOMPARE(lines[2].substr(0, 5), std::string("1.   "));
        QCOMPARE(lines[2].substr(5, 11), std::string("St\xf8\xedlec \xc8"
                                                     "17"));
        QCOMPARE(lines[151].substr(0, 5), std::string("150. "));
        for (std::size_t i = 2; i < lines.size(); ++i) QCOMPARE(lines[i].size(), std::size_t(76));
        // The view shows exactly these lines, trailing blanks included.
        QCOMPARE(form.RichEdit1->toPlainText(), joined(lines));
        QCOMPARE(form.RichEdit1->verticalScrollBar()->value(), 0);
        QVERIFY(form.RB1->isChecked());
    }

    void congratulationAppearsOverTheHeaderAndOnlyOnce() {
        MatchState state = fullField();
        MemoryFileStore files;
        ScriptedResultsWindow form(state, files);
        form.congratulateOnClasses({{Utf8Text{"Petr"}, ArcheryClass::B1}});
        showAndWait(form);
        QCOMPARE(form.messages.size(), 2);
        const Message& m = form.messages[0];
        QCOMPARE(m.icon, QMessageBox::NoIcon);
        QCOMPARE(m.caption, QStringLiteral("Gratulace !"));
        QCOMPARE(m.text, QStringLiteral("Máte nejvyšší výsledek na 90 metrů !"));
        QCOMPARE(m.viewText,
                 fromCp1250(ListingHeader(*findRound(state.RoundType))) + QStringLiteral("\n "));
        // The class earned comes after the records, over the whole listing.
        const Message& earned = form.messages[1];
        QCOMPARE(earned.icon, QMessageBox::NoIcon);
        QCOMPARE(earned.caption, QStringLiteral("Gratulace !"));
        QCOMPARE(earned.text, QStringLiteral("Petr získává klasifikaci Bowman 1st Class (B1) !"));
        QCOMPARE(earned.viewText.count(u'\n'), 151);
        QCOMPARE(files.files.at("records.dat").size(), std::size_t(340));

        form.RB2->click();
        QVERIFY(form.RB2->isChecked());
        QCOMPARE(form.shownLines().size(), std::size_t(17));
        QCOMPARE(form.shownLines()[4], "90 m - " + state.Competitors[17].Name + " - 359");
        QVERIFY(form.RichEdit1->toPlainText().contains(QStringLiteral("     Ženy")));

        form.RB1->click();
        QCOMPARE(form.shownLines().size(), std::size_t(152));
        QCOMPARE(form.messages.size(), 2);
    }

    void choosingTheSelectedOptionAgainDoesNothing() {
        MatchState state = fullField();
        MemoryFileStore files;
        ScriptedResultsWindow form(state, files);
        showAndWait(form);
        const int writes = files.writes;
        form.RB1->click();
        QCOMPARE(files.writes, writes);
        form.RB2->click();
        const std::vector<std::string> records = form.shownLines();
        files.files["records.dat"] = std::string(340, '\0');
        form.RB2->click();
        QVERIFY(form.shownLines() == records);
    }

    void everyShowingOpensOnTheResultsAndEveryCloseIsReported() {
        MatchState state = fullField();
        MemoryFileStore files;
        ScriptedResultsWindow form(state, files);
        int closings = 0;
        form.onClosing = [&closings] { ++closings; };

        showAndWait(form);
        form.BitBtn1->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(closings, 1);

        // Shown modally, left on the records view and closed by the close box.
        QTimer driver;
        int step = 0;
        connect(&driver, &QTimer::timeout, &form, [&] {
            if (form.shownLines().empty()) return;
            if (step++ == 0) {
                form.RB2->click();
            } else {
                form.close();
            }
        });
        driver.start(10);
        form.exec();
        driver.stop();
        QCOMPARE(closings, 2);
        QVERIFY(form.RB2->isChecked());

        // The next showing is back on the results, with the listing rebuilt.
        showAndWait(form);
        QVERIFY(form.RB1->isChecked());
        QCOMPARE(form.shownLines().size(), std::size_t(152));
        QCOMPARE(form.shownLines()[0], ListingHeader(*findRound(state.RoundType)));
        form.reject();
        QCOMPARE(closings, 3);
    }

    void exportWritesTheShownViewAsCp1250WithCrLf() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        WorkingDirectory inDir(dir.path());
        QVERIFY(inDir.entered());
        MatchState state = fullField();
        QtFileStore files;
        ScriptedResultsWindow form(state, files);
        showAndWait(form);

        form.saveName = dir.filePath(QStringLiteral("výsledky"));  // no extension is added
        form.save->click();
        QFile results(form.saveName);
        QVERIFY(results.open(QIODevice::ReadOnly));
        const QByteArray bytes = results.readAll();
        QCOMPARE(bytes.size(), 77 + 2 + 1 + 2 + 150 * (76 + 2));
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines[0],
                 QByteArray::fromStdString(ListingHeader(*findRound(state.RoundType)) + "\r"));
        QCOMPARE(lines[1], QByteArray(" \r"));
        QCOMPARE(lines[2].size(), 77);
        QVERIFY(lines[2].endsWith(" \r"));
        QVERIFY(lines.last().isEmpty());

        form.RB2->click();
        form.saveName = dir.filePath(QStringLiteral("rekordy.txt"));
        form.save->click();
        QFile records(form.saveName);
        QVERIFY(records.open(QIODevice::ReadOnly));
        const QByteArray expected =
            "          Rekordy\r\n\r\n     Muzi\r\n\r\n90 m - St\xf8\xedlec \xc8"
            "17 - 359\r\n70 m -  - 0\r\n";
        QVERIFY(records.readAll().startsWith(expected));
        QVERIFY(form.messages.size() == 1);  // only the congratulation
    }

    void failedExportIsReportedAndTheViewStays() {
        MatchState state = fullField();
        MemoryFileStore files;
        ScriptedResultsWindow form(state, files);
        showAndWait(form);
        form.messages.clear();
        const QString before = form.RichEdit1->toPlainText();
        const std::vector<std::string> shown = form.shownLines();

        form.saveName.clear();  // the dialog was cancelled
        const int writes = files.writes;
        form.save->click();
        QCOMPARE(files.writes, writes);
        QVERIFY(form.messages.isEmpty());

        form.saveName = QStringLiteral("/nowhere/vysledky.txt");
        files.unwritable.insert("/nowhere/vysledky.txt");
        form.save->click();
        QCOMPARE(form.messages.size(), 1);
        QCOMPARE(form.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(form.messages[0].caption, QStringLiteral("Chyba !"));
        QVERIFY(form.messages[0].text.startsWith(QStringLiteral("Chyba při ukládání souboru !")));
        QVERIFY(form.isVisible());
        QCOMPARE(form.RichEdit1->toPlainText(), before);
        QVERIFY(form.shownLines() == shown);
    }

    void helpOpensTheResultsTopicAndTheWindowStays() {
        WorkingDirectory inRunDir(QStringLiteral(VEXA_RUN_DIR));
        QVERIFY(inRunDir.entered());
        MatchState state = fullField();
        MemoryFileStore files;
        ScriptedResultsWindow form(state, files);
        showAndWait(form);
        form.RB2->click();
        form.BitBtn2->click();
        QWidget* viewer = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("HelpViewer")) viewer = w;
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        auto* browser = viewer->findChild<QTextBrowser*>();
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Výsledky a rekordy")));
        QVERIFY(browser->verticalScrollBar()->value() > 0);
        QVERIFY(form.isVisible());
        QVERIFY(form.RB2->isChecked());
        QCOMPARE(form.shownLines().size(), std::size_t(17));
        viewer->hide();
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "tst_results_window.moc"
