#pragma once

#include <QDir>
#include <QFile>
#include <QString>

// Copies the pictures a match or a session loads into the current folder, so that a test can
// play in a game folder of its own and the history the game writes goes nowhere else.
inline void LayGamePictures() {
    const QDir run(QStringLiteral(VEXA_RUN_DIR));
    for (const QString& name : run.entryList({QStringLiteral("*.bmp"), QStringLiteral("*.ico")})) {
        QFile::copy(run.filePath(name), name);
    }
}
