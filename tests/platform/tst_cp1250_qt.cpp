#include <QStringDecoder>
#include <QStringEncoder>
#include <QtTest>

#include "platform/QtText.h"
#include "rules/formats/Cp1250.h"

// The game's own code page against Qt's windows-1250, for all 256 bytes and back.
class Cp1250AgainstQt : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void everyByteDecodesAsQtDoes() {
        QStringDecoder qt("windows-1250");
        QVERIFY(qt.isValid());
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            QString expected = qt(QByteArray(&byte, 1));
            QCOMPARE(expected.size(), 1);
            QCOMPARE(fromCp1250(std::string_view(&byte, 1)), expected);
        }
    }
    void everyBmpCharacterEncodesAsQtDoes() {
        for (int cp = 0; cp < 0x10000; ++cp) {
            if (cp >= 0xD800 && cp < 0xE000) continue;
            QString one(QChar(static_cast<char16_t>(cp)));
            auto ours = toCp1250(one);
            QStringEncoder qt("windows-1250", QStringConverter::Flag::ConvertInvalidToNull);
            QByteArray theirs = qt(one);
            bool qtHolds = !qt.hasError() && theirs.size() == 1 &&
                           QStringDecoder("windows-1250")(theirs) == one;
            QCOMPARE(ours.has_value(), qtHolds);
            if (ours) QCOMPARE(QByteArray::fromStdString(*ours), theirs);
        }
    }
};

QTEST_MAIN(Cp1250AgainstQt)
#include "tst_cp1250_qt.moc"
