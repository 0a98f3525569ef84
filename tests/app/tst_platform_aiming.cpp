// The game on a real display server: the one QT_QPA_PLATFORM names (X11 under Xvfb, Wayland under
// a headless weston), at the window size given as the first argument. The window comes up, and a
// short stretch of aiming at the timer's own pace sways the sight and repaints the target.

#include <QApplication>
#include <QtTest>

#include "platform/WindowScale.h"
#include "support/AimingWindow.h"
#include "support/WorkingDirectory.h"
#include "windows/BackdropImage.h"
#include "windows/MainWindow.h"
#include "windows/X11Images.h"

namespace {

// Where the sight stood each time the target was painted.
class TargetPaints final : public QObject {
  public:
    explicit TargetPaints(const QWidget& sight) : sight_(sight) {}
    QList<QPoint> sightAt;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) sightAt << sight_.pos();
        return false;
    }

  private:
    const QWidget& sight_;
};

}  // namespace

class PlatformAimingTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void theGameRunsNativelyOnThePlatformItWasGiven() {
        const QString asked = qEnvironmentVariable("QT_QPA_PLATFORM");
        QVERIFY(!asked.isEmpty());
        QCOMPARE(QGuiApplication::platformName(), asked);
        // The plain-image setting belongs to X11 alone.
        QCOMPARE(qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"), asked == QStringLiteral("xcb"));
    }

    void aimingSwaysTheSightAndRepaintsTheTarget() {
        WorkingDirectory run(QStringLiteral(VEXA_RUN_DIR));
        AimingWindow window;
        MainWindow& form = window.form;
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        window.nockFirstArrow();
        QVERIFY(form.session().Timer1->isActive());

        TargetPaints painted(*form.board->Zamer);
        form.board->Tercov->installEventFilter(&painted);
        form.session().engine().FormKeyDown(kVkDraw);
        // Drawn until the clicker has passed; the sight sways all the while.
        QTRY_VERIFY_WITH_TIMEOUT(form.session().state().ArrowLeft <= -55, 20000);
        form.session().engine().FormKeyUp(kVkDraw);
        // Stopped, the board shows where the tick left the sight.
        form.session().engine().SetTimerRunning(false);
        QVERIFY(painted.sightAt.size() >= 10);
        QVERIFY(QSet<QPoint>(painted.sightAt.begin(), painted.sightAt.end()).size() >= 2);
        QCOMPARE(form.board->Zamer->pos(),
                 QPoint(form.session().state().Sight.x, form.session().state().Sight.y));
    }
};

int main(int argc, char** argv) {
    UsePlainX11Images();  // as the game starts
    ApplyWindowScale(argc > 1 ? QByteArray(argv[1]).toInt() : 100);
    QApplication app(argc, argv);
    KeepPlainX11ImagesToX11();
    PlatformAimingTest test;
    QStringList arguments = app.arguments();
    if (argc > 1) arguments.removeAt(1);
    return QTest::qExec(&test, arguments);
}

#include "tst_platform_aiming.moc"
