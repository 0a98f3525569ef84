#pragma once

#include <QPixmap>
#include <QString>

// A picture compiled into the game (":/builtin/<name>"), drawn by the game's generator.
QPixmap BuiltinPicture(const QString& name);
