#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "rules/match/NewMatchSetup.h"

// Stands in for the main window behind the set-up: records every switch of the timer and the
// match the set-up started, if any.
struct SetupRecorder {
    std::vector<bool> timerCalls;
    std::optional<std::pair<int32_t, CompetitorTable>> started;

    SetupHooks hooks(MatchState& state) {
        return {.setTimerRunning =
                    [this, &state](bool running) {
                        timerCalls.push_back(running);
                        state.TimerRunning = running;
                    },
                .startMatch =
                    [this](int32_t roundType, const CompetitorTable& table) {
                        started.emplace(roundType, table);
                    }};
    }
};
