#include <QCloseEvent>
#include <QDialog>
#include <QtTest>

#include "support/ModalAnswers.h"

namespace {

// A window that refuses to close, the way a broken dialog would.
class Stubborn : public QDialog {
  public:
    void reject() override {}

  protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

}  // namespace

class ModalAnswersTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void aWindowThatWillNotCloseIsReportedAndTakenDown() {
        QStringList reports;
        ModalAnswers answers({[](QWidget* window) { window->close(); }}, {},
                             std::chrono::milliseconds(200));
        answers.onOverrun = [&](const QString& message) { reports << message; };
        Stubborn window;
        window.setWindowTitle(QStringLiteral("Zaseknuté okno"));
        window.exec();  // returns only because the helper took the window down
        QVERIFY(answers.allAnswered());
        QVERIFY(answers.sawOverrun());
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports[0].contains(QStringLiteral("Zaseknuté okno")), qPrintable(reports[0]));
        QVERIFY(!window.isVisible());
    }

    void aWindowAnsweredInTimeIsNoOverrun() {
        ModalAnswers answers({[](QWidget* window) { window->close(); }}, {},
                             std::chrono::milliseconds(200));
        QDialog window;
        window.exec();
        QVERIFY(answers.allAnswered());
        QVERIFY(!answers.sawOverrun());
    }
};

QTEST_MAIN(ModalAnswersTest)
#include "tst_modal_answers.moc"
