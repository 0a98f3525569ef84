#include "fuzz/FuzzTarget.h"
#include "rules/history/PathBlob.h"
#include "rules/match/ResumePoint.h"

// A point to go on from read back from a damaged history is refused or one the game can play;
// what it accepts reads the same once written again. The aiming blobs share the input.
VEXA_FUZZ_TARGET(resume_point) {
    if (const std::optional<ResumePoint> point = DecodeResumePoint(bytes)) {
        FuzzCheck(DecodeResumePoint(EncodeResumePoint(*point)) == point, "save and read again");
        FuzzCheck(IsHumanArcher(point->competitors[static_cast<std::size_t>(point->competitor)]),
                  "a human archer's turn");
    }
    const DecodedPath path = DecodePath(bytes);
    FuzzCheck(DecodePath(EncodePath(path.points)).points == path.points, "path again");
    const DecodedDraw draw = DecodeDraw(bytes);
    FuzzCheck(DecodeDraw(EncodeDraw(draw.lefts)).lefts == draw.lefts, "draw again");
}
