#include "rules/history/ShotReplay.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "rules/history/HitGroup.h"
#include "rules/history/PathBlob.h"
#include "rules/match/Aiming.h"

namespace {

const char* const kCannotReplay =
    "V\xfdst\xf8"
    "el nelze p\xf8"
    "ehr\xe1t: ";

std::string CutShort(const char* what, std::size_t have, int32_t want) {
    return std::string(what) +
           " je zkr\xe1"
           "cen\xfd (" +
           std::to_string(have) + " z " + std::to_string(want) + " krok\xf9).";
}

// Why the record cannot be replayed; empty when it can.
std::string ProblemOf(const ArrowRecord& arrow, const DecodedPath& path, const DecodedDraw& draw) {
    const char* const sightPath =
        "z\xe1znam dr\xe1hy zam\xec\xf8ova\xe8"
        "e";
    const char* const bowDraw =
        "z\xe1znam nata\x9e"
        "en\xed luku";
    const char* const broken =
        " je po\x9akozen\xfd (kon\xe8\xed uprost\xf8"
        "ed hodnoty).";
    if (!path.whole) return std::string(sightPath) + broken;
    if (path.points.empty()) return std::string(sightPath) + " je pr\xe1zdn\xfd.";
    if (std::cmp_less(path.points.size(), arrow.ticks)) {
        return CutShort(sightPath, path.points.size(), arrow.ticks);
    }
    if (!draw.whole) return std::string(bowDraw) + broken;
    if (!draw.lefts.empty() && draw.lefts.size() < path.points.size()) {
        return CutShort(bowDraw, draw.lefts.size(), static_cast<int32_t>(path.points.size()));
    }
    if (IsFarOutsidePicture({arrow.x, arrow.y})) {
        return "z\xe1sah le\x9e\xed daleko mimo obr\xe1zek ter\xe8"
               "e.";
    }
    if (std::any_of(path.points.begin(), path.points.end(), IsFarOutsidePicture)) {
        return "dr\xe1ha zam\xec\xf8ova\xe8"
               "e vede daleko mimo obr\xe1zek ter\xe8"
               "e.";
    }
    return {};
}

}  // namespace

ReplayFrame ShotReplay::frameAt(int32_t tick) const {
    if (sight.empty()) return {};
    const auto at = static_cast<std::size_t>(std::clamp(tick, 0, ticks() - 1));
    ReplayFrame frame;
    frame.sight = sight[at];
    frame.aim = {sight[at].x + kSightAimOffset, sight[at].y + kSightAimOffset};
    if (!draw.empty()) frame.drawnArrowX = draw[at];
    return frame;
}

ShotReplay BuildReplay(const ArrowRecord& arrow) {
    ShotReplay replay;
    replay.hit = {arrow.x, arrow.y};
    replay.score = arrow.score;
    replay.factor = arrow.factor;
    if (!arrow.shot) {
        // "Šíp nebyl vystřelen: čas sady vypršel." (cp1250)
        replay.problem =
            "\x8a\xed"
            "p nebyl vyst\xf8"
            "elen: \xe8"
            "as sady vypr\x9a"
            "el.";
        return replay;
    }
    DecodedPath path = DecodePath(arrow.pathBlob);
    DecodedDraw draw = DecodeDraw(arrow.drawBlob);
    const std::string problem = ProblemOf(arrow, path, draw);
    if (!problem.empty()) {
        replay.problem = kCannotReplay + problem;
        return replay;
    }
    replay.sight = std::move(path.points);
    if (!draw.lefts.empty()) {
        draw.lefts.resize(replay.sight.size());
        replay.draw = std::move(draw.lefts);
        const auto past = std::find_if(replay.draw.begin(), replay.draw.end(),
                                       [](int32_t left) { return left < kClickerLeft; });
        if (past != replay.draw.end()) {
            replay.clickerTick = static_cast<int32_t>(std::distance(replay.draw.begin(), past));
        }
    }
    return replay;
}
