#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include "support/ModalAnswers.h"
#include "windows/HelpViewer.h"

namespace {

QWidget* viewer() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("HelpViewer")) return w;
    return nullptr;
}

QTextBrowser* browser() {
    return viewer()->findChild<QTextBrowser*>();
}
QLabel* notice() {
    return viewer()->findChild<QLabel*>(QStringLiteral("notice"));
}

// The heading of a topic lies in the visible part of the viewer.
bool topicInView(const QString& heading) {
    QTextBrowser* b = browser();
    const QTextDocument* doc = b->document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (block.text() != heading || block.blockFormat().headingLevel() == 0) continue;
        const qreal top = doc->documentLayout()->blockBoundingRect(block).top();
        const int scrolled = b->verticalScrollBar()->value();
        return top >= scrolled && top < scrolled + b->viewport()->height();
    }
    return false;
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { QVERIFY(QDir::setCurrent(QStringLiteral(VEXA_RUN_DIR))); }
    void cleanup() {
        if (viewer()) viewer()->hide();
    }

    void everyTopicOfTheGameIsInTheHelpFile_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("heading");
        QTest::newRow("vexa") << "vexa" << QStringLiteral("Typ závodů");
        QTest::newRow("strelci") << "strelci" << QStringLiteral("Lukostřelci");
        QTest::newRow("mezivysledky") << "mezivysledky" << QStringLiteral("Výsledky a rekordy");
        QTest::newRow("obtiznost") << "obtiznost" << QStringLiteral("Obtížnost");
        QTest::newRow("zamerovac") << "zamerovac" << QStringLiteral("Zaměřovač");
    }
    void everyTopicOfTheGameIsInTheHelpFile() {
        QFETCH(QString, key);
        QFETCH(QString, heading);
        ShowHelpTopic(key);
        QVERIFY(viewer());
        QVERIFY(viewer()->isVisible());
        QVERIFY(notice()->isHidden());
        QVERIFY(topicInView(heading));
        // The file is read as UTF-8 whatever the locale.
        QVERIFY(browser()->toPlainText().contains(QStringLiteral("VEXA 99 – Nápověda")));
    }

    void oneWindowServesEveryRequestAndContentsGoesToTheTop() {
        ShowHelpTopic(QStringLiteral("zamerovac"));
        QWidget* first = viewer();
        QVERIFY(browser()->verticalScrollBar()->value() > 0);
        ShowHelpContents();
        QCOMPARE(viewer(), first);
        QCOMPARE(browser()->verticalScrollBar()->value(), 0);
        QVERIFY(topicInView(QStringLiteral("VEXA 99 – Nápověda")));
        int viewers = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            viewers += w->objectName() == QStringLiteral("HelpViewer") ? 1 : 0;
        QCOMPARE(viewers, 1);
    }

    void unknownTopicIsReportedInTheViewerOverTheContents() {
        ShowHelpTopic(QStringLiteral("zamerovac"));
        ShowHelpTopic(QStringLiteral("neznamy"));
        QVERIFY(notice()->isVisible());
        QVERIFY(notice()->text().contains(QStringLiteral("„neznamy“")));
        QCOMPARE(browser()->verticalScrollBar()->value(), 0);
        // A known topic afterwards clears the notice.
        ShowHelpTopic(QStringLiteral("vexa"));
        QVERIFY(notice()->isHidden());
    }

    void missingHelpFileIsReportedInTheViewer() {
        QTemporaryDir empty;
        QVERIFY(QDir::setCurrent(empty.path()));
        ShowHelpTopic(QStringLiteral("vexa"));
        QVERIFY(viewer()->isVisible());
        QVERIFY(browser()->toPlainText().contains(QStringLiteral("Nápověda není k dispozici")));
        QVERIFY(browser()->toPlainText().contains(QStringLiteral("Brantel2.hlp")));
        QVERIFY(notice()->isHidden());
        // Once the file is there again, the viewer shows it.
        QVERIFY(QDir::setCurrent(QStringLiteral(VEXA_RUN_DIR)));
        ShowHelpTopic(QStringLiteral("vexa"));
        QVERIFY(topicInView(QStringLiteral("Typ závodů")));
    }

    void helpCanBeUsedWhileTheAskingDialogWaits() {
        QDialog asking;
        auto* option = new QCheckBox(QStringLiteral("volba"), &asking);
        option->setChecked(true);
        bool contentsWorked = false;
        ModalAnswers answers({Answer<QDialog>([&](QDialog&) {
            ShowHelpTopic(QStringLiteral("obtiznost"));
            QTRY_VERIFY(viewer()->windowHandle() && viewer()->windowHandle()->isExposed());
            // A real click through the window system: a window blocked by the modal dialog
            // would not get it.
            auto* contents = viewer()->findChild<QPushButton*>();
            QCOMPARE(contents->text(), QStringLiteral("Obsah"));
            const QPoint at = contents->mapTo(viewer(), contents->rect().center());
            QTest::mouseClick(viewer()->windowHandle(), Qt::LeftButton, {}, at);
            contentsWorked = browser()->verticalScrollBar()->value() == 0;
            QVERIFY(asking.isVisible());
            asking.accept();
        })});
        asking.exec();
        QVERIFY(contentsWorked);
        QVERIFY(option->isChecked());
    }
};

QTEST_MAIN(HelpViewerTest)
#include "tst_help_viewer.moc"
