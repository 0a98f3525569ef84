#include "rules/match/Ends.h"

#include <utility>

void SortEndScores(EndScoreTable& scores) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (std::size_t i = 2; i < scores.size(); ++i) {
            if (scores[i - 1] < scores[i]) {
                std::swap(scores[i - 1], scores[i]);
                swapped = true;
            }
        }
    }
}

std::string EndScoresText(const EndScoreTable& scores, int32_t arrowsPerEnd) {
    // The first three always carry a blank each; the rest are joined by blanks.
    std::string text;
    for (std::size_t i = 1; i <= 3; ++i) text += std::to_string(scores[i]) + " ";
    for (std::size_t i = 4; i <= static_cast<std::size_t>(arrowsPerEnd) && i < scores.size(); ++i) {
        text += std::to_string(scores[i]);
        if (static_cast<int32_t>(i) < arrowsPerEnd) text += " ";
    }
    return text;
}
