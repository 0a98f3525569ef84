#include "rules/match/Ends.h"

#include <utility>

int32_t ArrowsPerEnd(int32_t distance) {
    return distance == 30 || distance == 50 ? 3 : 6;
}

int32_t ArrowsSummed(int32_t distance) {
    return distance >= 60 ? 6 : 3;
}

void SortEndScores(EndScoreTable& scores) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (std::size_t i = 2; i <= 6; ++i) {
            if (scores[i - 1] < scores[i]) {
                std::swap(scores[i - 1], scores[i]);
                swapped = true;
            }
        }
    }
}

std::string EndScoresText(const EndScoreTable& scores, int32_t distance) {
    std::string text;
    for (std::size_t i = 1; i <= 3; ++i) text += std::to_string(scores[i]) + " ";
    if (ArrowsSummed(distance) == 6) {
        text += std::to_string(scores[4]) + " " + std::to_string(scores[5]) + " " +
                std::to_string(scores[6]);
    }
    return text;
}

int32_t ScoreRecord::*DistanceScoreField(int32_t distance) {
    switch (distance) {
        case 30:
            return &ScoreRecord::Score30;
        case 50:
            return &ScoreRecord::Score50;
        case 60:
            return &ScoreRecord::Score60;
        case 70:
            return &ScoreRecord::Score70;
        case 90:
            return &ScoreRecord::Score90;
        default:
            return nullptr;
    }
}
