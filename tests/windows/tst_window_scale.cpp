// The game at one window size, given as the first argument (100, 150, 200 or 300), applied as
// the game applies it at start-up: everything grows alike, the pictures stay sharp, and a shot
// scores where it scores at 100 %.

// Before Qt, whose `slots` keyword it uses as a name.
#include "support/EngineRig.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QtTest>
#include <set>

#include "platform/QtFileStore.h"
#include "platform/WindowScale.h"
#include "platform/history/HistoryFile.h"
#include "session/GameSession.h"
#include "support/WorkingDirectory.h"
#include "windows/AboutBox.h"
#include "windows/BackdropImage.h"
#include "windows/ControlNames.h"
#include "windows/DialogSetupPrompts.h"
#include "windows/DifficultyDialog.h"
#include "windows/MainWindow.h"
#include "windows/ResultsWindow.h"
#include "windows/SightChooser.h"
#include "windows/StatisticsWindow.h"

namespace {

int scale = 100;

QImage opaque(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

// What a label shows of its picture, at the screen's pixels.
QImage shown(QLabel* label) {
    const QSize size = label->pixmap().deviceIndependentSize().toSize();
    return opaque(label->grab(QRect(QPoint(0, 0), size)).toImage());
}

// The steady sway of EngineRig, steering for `steerTicks` before the bow is drawn to the clicker.
template <typename Engine>
void shoot(Engine& engine, int steerTicks) {
    engine.FormKeyDown(kVkDraw);
    engine.FormKeyDown(kVkLeft);
    engine.FormKeyDown(kVkUp);
    for (int tick = 0; tick < EngineRig::drawTicks(100); ++tick) {
        if (tick == steerTicks) {
            engine.FormKeyUp(kVkLeft);
            engine.FormKeyUp(kVkUp);
        }
        engine.Timer1Timer();
    }
    engine.FormKeyDown(kVkShoot);
    engine.Timer1Timer();
}

struct Game {
    WorkingDirectory run{QStringLiteral(VEXA_RUN_DIR)};
    QtFileStore files;
    ScriptedRandom random;
    RecordingSounds sound;
    GameSession session{files, random, sound, QtKeyText()};
    MainWindow form{session, files};
    Game() {
        random.setFallback(kSteady);
        form.askWelcome = [] { return true; };
        form.FormCreate();
    }
    std::vector<QLabel*> pictures() const {
        return {form.board->Tercov,   form.board->Zamer,     form.board->Dalekohled,
                form.board->Klapacka, form.board->Arrows[0], form.board->Lukostrelec};
    }
};

}  // namespace

class WindowScaleTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void theWholeGameGrowsAlike() {
        QCOMPARE(qApp->devicePixelRatio(), scale / 100.0);
        Game g;
        QCOMPARE(g.form.centralWidget()->size(), QSize(720, 480));  // the game's own pixels
        // Every dialog of the game, made as the main window makes it when first needed.
        MatchState state;
        DialogSetupPrompts prompts(g.files, &g.form);
        std::vector<QWidget*> windows = {&g.form,
                                         &prompts.Form2,
                                         &prompts.Form3,
                                         &prompts.Form4,
                                         new ResultsWindow(state, g.files, &g.form),
                                         new DifficultyDialog(state, &g.form),
                                         new AboutBox(&g.form),
                                         new SightChooser(*g.form.board->Zamer, &g.form),
                                         new StatisticsWindow(kHistoryFile, g.files, &g.form)};
        for (QWidget* window : windows) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QSize device = window->grab().toImage().size();
            QCOMPARE(device, window->size() * scale / 100);
            window->hide();
        }
    }

    // Where the screen has a whole number of pixels for each picture pixel, each becomes a block
    // of identical screen pixels (at 150 % the faces drawn for it show one for one); elsewhere no
    // screen pixel is a blend of two picture pixels.
    void everyScreenPixelIsAPicturePixel() {
        Game g;
        if (scale == 150) {  // every one drawn anew for this size
            for (QLabel* label : g.pictures())
                QVERIFY2(label->pixmap().devicePixelRatio() == 1.5,
                         qPrintable(label->objectName()));
        }
        for (QLabel* label : g.pictures()) {
            const QImage picture = opaque(label->pixmap().toImage());
            const QImage screen = shown(label);
            const qreal ratio = scale / 100.0 / label->pixmap().devicePixelRatio();
            QCOMPARE(screen.size(), (QSizeF(picture.size()) * ratio).toSize());
            const int k = qRound(ratio);
            if (qFuzzyCompare(ratio, k)) {
                for (int y = 0; y < screen.height(); ++y) {
                    for (int x = 0; x < screen.width(); ++x) {
                        const QRgb source = picture.pixel(x / k, y / k);
                        if (qAlpha(source) != 255) continue;  // the window shows through
                        if (screen.pixel(x, y) != source) {
                            QFAIL(qPrintable(QStringLiteral("%1 at %2,%3")
                                                 .arg(label->objectName())
                                                 .arg(x)
                                                 .arg(y)));
                        }
                    }
                }
            } else {
                std::set<QRgb> colours;
                for (int y = 0; y < picture.height(); ++y)
                    for (int x = 0; x < picture.width(); ++x) colours.insert(picture.pixel(x, y));
                for (int y = 0; y < screen.height(); ++y) {
                    for (int x = 0; x < screen.width(); ++x) {
                        const QRgb seen = screen.pixel(x, y);
                        if (qAlpha(picture.pixel(int(x / ratio), int(y / ratio))) != 255) continue;
                        QVERIFY2(colours.count(seen), "a blended colour");
                    }
                }
            }
        }
    }

    void aShotScoresAsTheRulesScoreIt_data() {
        QTest::addColumn<int>("steerTicks");
        QTest::newRow("to the centre") << 9;
        QTest::newRow("short of it") << 5;
        QTest::newRow("not steered") << 0;
    }

    void aShotScoresAsTheRulesScoreIt() {
        QFETCH(int, steerTicks);
        Game g;
        g.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.form));
        g.form.session().engine().StartMatch(1, FieldWithHumans({0}));
        g.form.session().NextarrowClick();
        shoot(g.form.session().engine(), steerTicks);

        EngineRig rules;  // no window at all: the picture space itself
        rules.random.setFallback(kSteady);
        rules.engine.StartMatch(1, FieldWithHumans({0}));
        rules.engine.NextarrowClick();
        shoot(rules.engine, steerTicks);

        QCOMPARE(g.form.session().state().EndScores, rules.state.EndScores);
        QCOMPARE(g.form.session().state().Markers, rules.state.Markers);
        const Point marker = rules.state.Markers[0];
        QCOMPARE(g.form.board->Arrows[0]->pos(), QPoint(marker.x, marker.y));
        // The match's marker icons and a sight chosen from the game folder, drawn for 150 % too.
        const qreal drawnFor = scale == 150 ? 1.5 : 1.0;
        QCOMPARE(g.form.board->Arrows[0]->pixmap().devicePixelRatio(), drawnFor);
        SightChooser(*g.form.board->Zamer, &g.form).zam2();
        QCOMPARE(g.form.board->Zamer->pixmap().devicePixelRatio(), drawnFor);
    }
};

int main(int argc, char** argv) {
    if (argc > 1) scale = QByteArray(argv[1]).toInt();
    ApplyWindowScale(scale);
    QApplication app(argc, argv);
    WindowScaleTest test;
    QStringList arguments = app.arguments();
    if (argc > 1) arguments.removeAt(1);
    return QTest::qExec(&test, arguments);
}

#include "tst_window_scale.moc"
