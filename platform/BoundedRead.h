#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The beginning of a regular file, at most `limit` bytes of it. Never holds more than the file
// has, so a huge (or sparse) file costs no more memory than `limit`. Nothing when the name is no
// regular file (a folder, a pipe, a device could block or never end) or cannot be read.
std::optional<QByteArray> ReadFileStart(const QString& fileName, qint64 limit);
