#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The whole file, or nothing when it cannot be read.
inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file the build laid beside the program.
inline QByteArray RunFileBytes(const QString& name) {
    return FileBytes(QStringLiteral(VEXA_RUN_DIR "/") + name);
}
