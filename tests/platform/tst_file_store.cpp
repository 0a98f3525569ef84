#include <sys/resource.h>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "platform/QtFileStore.h"

constexpr std::size_t kAny = 1 << 20;

// The file access every save of the game goes through.
class FileStoreTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void readsAndReplacesWholeFiles() {
        QTemporaryDir dir;
        QtFileStore store;
        const std::string path = dir.filePath("a.dat").toStdString();
        QVERIFY(!store.read(path, kAny));
        QVERIFY(!store.exists(path));
        const std::string bytes("\0\x01\xff\r\nend", 7);
        QVERIFY(store.write(path, bytes));
        QVERIFY(store.exists(path));
        QCOMPARE(store.read(path, kAny).value(), bytes);
        QVERIFY(store.write(path, "x"));
        QCOMPARE(store.read(path, kAny).value(), std::string("x"));
        QVERIFY(store.write(path, ""));
        QCOMPARE(store.read(path, kAny).value(), std::string());
    }

    // A read takes the file's beginning only: a ten-gigabyte file that holds no disk block costs
    // no more than the bytes asked for.
    void readsNoMoreThanTheLimit() {
        QTemporaryDir dir;
        QtFileStore store;
        const QString name = dir.filePath("huge.luk");
        QFile huge(name);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write("head") == 4 &&
                huge.resize(10LL << 30));
        huge.close();
        QCOMPARE(store.read(name.toStdString(), 9919).value(),
                 std::string("head") + std::string(9915, '\0'));
        QCOMPARE(store.read(name.toStdString(), 2).value(), std::string("he"));
    }

    void refusesDirectoriesAndMissingFolders() {
        QTemporaryDir dir;
        QtFileStore store;
        QVERIFY(!store.read(dir.path().toStdString(), kAny));
        // Something is there all the same, and no save may take its place.
        QVERIFY(store.exists(dir.path().toStdString()));
        QVERIFY(!store.write(dir.path().toStdString(), "x"));
        QVERIFY(!store.write(dir.filePath("no/such/folder/f.txt").toStdString(), "x"));
    }

    void leavesAReadOnlyFileAlone() {
        QTemporaryDir dir;
        QtFileStore store;
        const QString name = dir.filePath("Brantel2.ini");
        QVERIFY(store.write(name.toStdString(), "old"));
        QVERIFY(QFile::setPermissions(name, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        QVERIFY(!store.write(name.toStdString(), "new"));
        QCOMPARE(store.read(name.toStdString(), kAny).value(), std::string("old"));
    }

    // A disk that fills up in the middle of a save must leave the old file as it was.
    void aShortWriteLeavesTheOldFile() {
        QTemporaryDir dir;
        QtFileStore store;
        const std::string path = dir.filePath("records.dat").toStdString();
        const std::string old(340, 'o');
        QVERIFY(store.write(path, old));

        struct rlimit before {};
        getrlimit(RLIMIT_FSIZE, &before);
        auto* previous = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tiny = before;
        tiny.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const bool written = store.write(path, std::string(9918, 'n'));
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previous);

        QVERIFY(!written);
        QCOMPARE(store.read(path, kAny).value(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left
    }
};

QTEST_MAIN(FileStoreTest)
#include "tst_file_store.moc"
