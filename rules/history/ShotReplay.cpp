#include "rules/history/ShotReplay.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "rules/formats/GameText.h"
#include "rules/history/HitGroup.h"
#include "rules/history/PathBlob.h"
#include "rules/match/Aiming.h"

namespace {

// Why the record cannot be replayed, said whole so that each sentence translates as one;
// empty when it can.
std::string ProblemOf(const ArrowRecord& arrow, const DecodedPath& path, const DecodedDraw& draw) {
    if (!path.whole) {
        return GameTextBytes(
            QT_TRANSLATE_NOOP("GameText",
                              "Výstřel nelze přehrát: záznam dráhy zaměřovače je poškozený (končí "
                              "uprostřed hodnoty)."));
    }
    if (path.points.empty()) {
        return GameTextBytes(QT_TRANSLATE_NOOP(
            "GameText", "Výstřel nelze přehrát: záznam dráhy zaměřovače je prázdný."));
    }
    if (std::cmp_less(path.points.size(), arrow.ticks)) {
        return GameTextBytes(QT_TRANSLATE_NOOP("GameText",
                                               "Výstřel nelze přehrát: záznam dráhy zaměřovače "
                                               "je zkrácený (%1 z %2 kroků)."),
                             {path.points.size(), static_cast<std::size_t>(arrow.ticks)});
    }
    if (!draw.whole) {
        return GameTextBytes(QT_TRANSLATE_NOOP(
            "GameText",
            "Výstřel nelze přehrát: záznam natažení luku je poškozený (končí uprostřed hodnoty)."));
    }
    if (!draw.lefts.empty() && draw.lefts.size() < path.points.size()) {
        return GameTextBytes(
            QT_TRANSLATE_NOOP("GameText",
                              "Výstřel nelze přehrát: záznam natažení luku je zkrácený (%1 z %2 "
                              "kroků)."),
            {draw.lefts.size(), path.points.size()});
    }
    if (IsFarOutsidePicture({arrow.x, arrow.y})) {
        return GameTextBytes(QT_TRANSLATE_NOOP(
            "GameText", "Výstřel nelze přehrát: zásah leží daleko mimo obrázek terče."));
    }
    if (std::any_of(path.points.begin(), path.points.end(), IsFarOutsidePicture)) {
        return GameTextBytes(QT_TRANSLATE_NOOP(
            "GameText", "Výstřel nelze přehrát: dráha zaměřovače vede daleko mimo obrázek terče."));
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
        replay.problem =
            GameTextBytes(QT_TRANSLATE_NOOP("GameText", "Šíp nebyl vystřelen: čas sady vypršel."));
        return replay;
    }
    DecodedPath path = DecodePath(arrow.pathBlob);
    DecodedDraw draw = DecodeDraw(arrow.drawBlob);
    replay.problem = ProblemOf(arrow, path, draw);
    if (!replay.problem.empty()) return replay;
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
