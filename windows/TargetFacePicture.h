#pragma once

#include <QPixmap>
#include <QString>
#include <cstdint>

// The target picture of a distance, read from the game folder as a match reads it, so that the
// statistics show the very face the arrows were shot at.
struct TargetFacePicture {
    QPixmap picture;  // null when it could not be read
    QString problem;  // why not, in the interface's language; empty when it was read
};

// No distance (0) or one the game has no target for gives a reason and no picture.
TargetFacePicture LoadTargetFace(int32_t metres);
