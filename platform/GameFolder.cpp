#include "platform/GameFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString PlayerGameFolder() {
    const QString chosen = qEnvironmentVariable("VEXA_GAME_DIR");
    if (!chosen.isEmpty()) return QDir(chosen).absolutePath();
    // Qt follows the XDG rules here: $XDG_DATA_HOME when it is absolute, else ~/.local/share.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/vexa99");
}

QString DefaultFilesFolder(const QString& programFolder, const QString& dataFromProgram) {
    const QDir installed(QDir(programFolder).filePath(dataFromProgram));
    return installed.exists() ? installed.canonicalPath() : programFolder;
}

std::optional<QString> LayGameFolder(const QString& folder, const QString& defaults,
                                     const QStringList& names) {
    const QDir game(folder);
    if (!QFileInfo(folder).isDir() && !game.mkpath(QStringLiteral("."))) {
        return QCoreApplication::translate("GameFolder",
                                           "Herní složku „%1“ nelze vytvořit: v cestě je soubor, "
                                           "nebo chybí oprávnění.")
            .arg(QDir::toNativeSeparators(folder));
    }
    if (!QFileInfo(folder).isWritable()) {
        return QCoreApplication::translate("GameFolder", "Do herní složky „%1“ nelze zapisovat.")
            .arg(QDir::toNativeSeparators(folder));
    }
    for (const QString& name : names) {
        const QString target = game.filePath(name);
        const QString source = QDir(defaults).filePath(name);
        // A broken link counts as there too: it is the player's, not ours to replace.
        if (QFileInfo(target).exists() || QFileInfo(target).isSymLink()) continue;
        if (!QFileInfo(source).isFile()) continue;
        // QFile::copy writes a temporary file and renames it, so a failed copy leaves no half
        // file. The copy is the player's to change, whatever the installed file's mode.
        if (!QFile::copy(source, target) ||
            !QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadGroup | QFileDevice::ReadOther)) {
            return QCoreApplication::translate("GameFolder",
                                               "Soubor „%1“ nelze zkopírovat do herní složky „%2“.")
                .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(folder));
        }
    }
    return std::nullopt;
}
