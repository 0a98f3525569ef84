#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The player's game folder: the game reads and writes its files by bare name in the current
// directory, so the program runs inside this folder wherever it was started from.

// $VEXA_GAME_DIR if set, else $XDG_DATA_HOME/vexa99, else ~/.local/share/vexa99.
QString PlayerGameFolder();

// Where the game's default files lie: `dataFromProgram` (say "../share/vexa99") seen from the
// program's folder when it exists, as in an install under any prefix; else the program's own
// folder, as in the build tree.
QString DefaultFilesFolder(const QString& programFolder, const QString& dataFromProgram);

// Makes `folder` and copies into it each of `names` from `defaults` that it lacks. A file that
// is there is never replaced, whatever the defaults hold; a default that is missing is skipped.
// Returns why it failed, in the interface's language, with nothing deleted; nothing when the folder
// is ready.
std::optional<QString> LayGameFolder(const QString& folder, const QString& defaults,
                                     const QStringList& names);
