#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>

// The face of the target as the scoring counts it. Every ring has its own fill and its own
// dividing line on its outermost pixel circle, in shades close enough to read as the five
// colours of a real face, yet all different, so the ring of any pixel follows from its colour.
struct RingShade {
    QRgb fill;
    QRgb line;
};

// Ring 1 (outer white) .. kTargetRings (inner gold).
RingShade ringShade(int32_t ring);

// The ring a point at (dx, dy) from the centre lies in, 0 outside the face: the scoring's own
// rule, ring = 10 - isqrt(dx² + dy²) / ringWidth.
int32_t ringAt(int32_t dx, int32_t dy, int32_t ringWidth);

// A target picture: the face with rings of ringWidth pixels about kTargetCentre, on its boss
// on the grass.
QImage drawTargetFace(int32_t ringWidth);
// The scope view: the face magnified to kScopeRingWidth rings about kScopeCentre.
QImage drawScopeFace();

// The same pictures for a screen showing three device pixels for every two picture pixels
// (150 %): the rings drawn anew from the scoring geometry at that resolution, each device pixel
// taking the ring its centre lies in; the grass and the boss outside the face enlarged as they
// are. Each is 1.5 times the size of its picture.
QImage drawTargetFaceAtThreeHalves(int32_t ringWidth);
QImage drawScopeFaceAtThreeHalves();
