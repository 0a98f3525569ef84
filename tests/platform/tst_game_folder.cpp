#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <optional>

#include "platform/GameFolder.h"
#include "support/FileBytes.h"

namespace {

constexpr uid_t kNobody = 65534;

// Runs `lay` as a player would: file modes bind the superuser not at all, so as root it runs in a
// child process that has become "nobody". True when it laid the folder without a complaint.
bool layAsPlayer(const std::function<std::optional<QString>()>& lay) {
    if (geteuid() != 0) return !lay().has_value();
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(2);
        _exit(lay().has_value() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 2) qFatal("cannot become another user");
    return WEXITSTATUS(status) == 0;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A folder everyone may enter and write to, so that the player's child process can.
QString openFolder(const QTemporaryDir& dir, const QString& name) {
    const QString path = QDir(dir.path()).filePath(name);
    QDir().mkpath(path);
    QFile::setPermissions(dir.path(), QFileDevice::Permissions::fromInt(0x7777));
    QFile::setPermissions(path, QFileDevice::Permissions::fromInt(0x7777));
    return path;
}

}  // namespace

class GameFolderTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        QVERIFY(scratch_.isValid());
        qunsetenv("VEXA_GAME_DIR");
        qunsetenv("XDG_DATA_HOME");
    }

    void theFolderComesFromTheGamesVariableThenFromXdg() {
        qputenv("XDG_DATA_HOME", "/srv/data");
        QCOMPARE(PlayerGameFolder(), QStringLiteral("/srv/data/vexa99"));
        qputenv("VEXA_GAME_DIR", "/srv/hra");
        QCOMPARE(PlayerGameFolder(), QStringLiteral("/srv/hra"));
        // A relative folder is taken from where the game was started.
        qputenv("VEXA_GAME_DIR", "hra");
        QCOMPARE(PlayerGameFolder(), QDir::current().absoluteFilePath(QStringLiteral("hra")));
        qputenv("VEXA_GAME_DIR", "");
        QCOMPARE(PlayerGameFolder(), QStringLiteral("/srv/data/vexa99"));
    }

    void missingFilesAreCopiedWritableAndThePlayersKept() {
        const QString defaults = openFolder(scratch_, QStringLiteral("defaults"));
        QVERIFY(writeFile(defaults + QStringLiteral("/muzi.luk"), "default archers"));
        QVERIFY(writeFile(defaults + QStringLiteral("/records.dat"), "default records"));
        QFile::setPermissions(defaults + QStringLiteral("/muzi.luk"), QFileDevice::ReadOwner |
                                                                          QFileDevice::ReadGroup |
                                                                          QFileDevice::ReadOther);
        const QString game = QDir(scratch_.path()).filePath(QStringLiteral("nova/hra"));
        QDir().mkpath(game);
        QVERIFY(writeFile(game + QStringLiteral("/records.dat"), "the player's records"));

        QCOMPARE(LayGameFolder(game, defaults,
                               {QStringLiteral("muzi.luk"), QStringLiteral("records.dat"),
                                QStringLiteral("not-installed.bmp")})
                     .value_or(QString()),
                 QString());
        QCOMPARE(FileBytes(game + QStringLiteral("/muzi.luk")), QByteArray("default archers"));
        QVERIFY(QFileInfo(game + QStringLiteral("/muzi.luk")).permissions() &
                QFileDevice::WriteOwner);
        QCOMPARE(FileBytes(game + QStringLiteral("/records.dat")),
                 QByteArray("the player's records"));
        QVERIFY(!QFileInfo::exists(game + QStringLiteral("/not-installed.bmp")));
    }

    void aDanglingLinkIsLeftAlone() {
        const QString defaults = openFolder(scratch_, QStringLiteral("defaults"));
        QVERIFY(writeFile(defaults + QStringLiteral("/zeny.luk"), "default archers"));
        const QString game = openFolder(scratch_, QStringLiteral("game"));
        const QString link = game + QStringLiteral("/zeny.luk");
        const QString nowhere = scratch_.path() + QStringLiteral("/moved-away.luk");
        QVERIFY(QFile::link(nowhere, link));

        QCOMPARE(LayGameFolder(game, defaults, {QStringLiteral("zeny.luk")}).value_or(QString()),
                 QString());
        QCOMPARE(QFileInfo(link).symLinkTarget(), nowhere);
        QVERIFY(!QFileInfo::exists(nowhere));
    }

    void aFolderThePlayerCannotWriteIsRefused() {
        const QString defaults = openFolder(scratch_, QStringLiteral("defaults"));
        QVERIFY(writeFile(defaults + QStringLiteral("/muzi.luk"), "default archers"));
        const QString game = openFolder(scratch_, QStringLiteral("locked"));
        QFile::setPermissions(game, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                        QFileDevice::ReadOther | QFileDevice::ExeOther);
        QVERIFY(!layAsPlayer(
            [&] { return LayGameFolder(game, defaults, {QStringLiteral("muzi.luk")}); }));
        QVERIFY(!layAsPlayer([&] {
            return LayGameFolder(game + QStringLiteral("/inside"), defaults,
                                 {QStringLiteral("muzi.luk")});
        }));
        QCOMPARE(QDir(game).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        // The same folder, writable, is laid.
        QFile::setPermissions(game, QFileDevice::Permissions::fromInt(0x7777));
        QVERIFY(layAsPlayer(
            [&] { return LayGameFolder(game, defaults, {QStringLiteral("muzi.luk")}); }));
    }

    void aFailedCopyIsReportedAndTheCopiesBeforeItStay() {
        const QString defaults = openFolder(scratch_, QStringLiteral("defaults"));
        QVERIFY(writeFile(defaults + QStringLiteral("/muzi.luk"), "default archers"));
        QVERIFY(writeFile(defaults + QStringLiteral("/zeny.luk"), "unreadable"));
        QFile::setPermissions(defaults + QStringLiteral("/zeny.luk"), QFileDevice::Permissions());
        const QString game = openFolder(scratch_, QStringLiteral("game"));
        QVERIFY(!layAsPlayer([&] {
            return LayGameFolder(game, defaults,
                                 {QStringLiteral("muzi.luk"), QStringLiteral("zeny.luk")});
        }));
        QCOMPARE(QDir(game).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("muzi.luk")}));
    }

    void cleanup() {
        QFile::setPermissions(scratch_.path(), QFileDevice::Permissions::fromInt(0x7777));
        for (const QFileInfo& entry :
             QDir(scratch_.path()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (entry.isDir() && !entry.isSymLink()) {
                QFile::setPermissions(entry.filePath(), QFileDevice::Permissions::fromInt(0x7777));
                QDir(entry.filePath()).removeRecursively();
            } else {
                QFile::remove(entry.filePath());
            }
        }
    }

  private:
    QTemporaryDir scratch_;
};

QTEST_GUILESS_MAIN(GameFolderTest)
#include "tst_game_folder.moc"
