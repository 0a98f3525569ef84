#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "windows/AboutBox.h"

class AboutBoxTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void boxHasItsDesignedShape() {
        AboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("O hře..."));
        QCOMPARE(box.minimumSize(), QSize(147, 274));
        QCOMPARE(box.maximumSize(), QSize(147, 274));
        QCOMPARE(box.pos(), QPoint(429, 182));
        QCOMPARE(box.Image1->geometry(), QRect(0, 0, 32, 32));
        QVERIFY(!box.Image1->pixmap().isNull());
        QCOMPARE(box.Label1->text(), QStringLiteral("VEXA 99"));
        QCOMPARE(box.Label1->pos(), QPoint(48, 0));
        QCOMPARE(box.Label2->text(), QStringLiteral("Programování"));
        QCOMPARE(box.Label2->pos(), QPoint(8, 48));
        QCOMPARE(box.Label3->pos(), QPoint(16, 80));
        QCOMPARE(box.Label5->text(), QStringLiteral("Grafika"));
        QCOMPARE(box.Label5->pos(), QPoint(8, 120));
        QCOMPARE(box.Label6->pos(), QPoint(16, 152));
        QCOMPARE(box.Label4->pos(), QPoint(8, 192));
        QVERIFY(box.Label4->text().contains(QStringLiteral("1999")));
        QCOMPARE(box.BitBtn1->text(), QStringLiteral("Zavřít"));
        QCOMPARE(box.BitBtn1->geometry(), QRect(36, 232, 75, 25));
    }

    void everyTextIsWholeInItsFont() {
        AboutBox box;
        for (QLabel* label :
             {box.Label1, box.Label2, box.Label3, box.Label5, box.Label6, box.Label4}) {
            QVERIFY2(box.rect().contains(label->geometry()), qPrintable(label->text()));
            const QFontMetrics metrics(label->font());
            for (QChar ch : label->text())
                QVERIFY2(ch.isSpace() || metrics.inFont(ch), qPrintable(label->text()));
            QVERIFY(label->width() >= metrics.horizontalAdvance(label->text()));
        }
        // The faces the box was drawn in are asked for first, their stand-ins after them.
        QCOMPARE(box.Label1->font().families().value(0), QStringLiteral("Desdemona"));
        QCOMPARE(box.Label3->font().families().value(0), QStringLiteral("Comic Sans MS"));
        QVERIFY(QFontInfo(box.Label1->font()).family().startsWith(QStringLiteral("Z003")));
        QCOMPARE(QFontInfo(box.Label1->font()).pixelSize(), 27);
        QVERIFY(QFontInfo(box.Label3->font()).family().startsWith(QStringLiteral("Comic Neue")));
        QCOMPARE(QFontInfo(box.Label3->font()).pixelSize(), 15);
    }

    void closeButtonClosesTheBox() {
        AboutBox box;
        box.show();
        QVERIFY(box.isVisible());
        box.BitBtn1->click();
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "tst_about_box.moc"
