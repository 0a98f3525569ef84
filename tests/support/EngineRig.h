#pragma once

#include <initializer_list>
#include <string>

#include "rules/match/MatchEngine.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedRandom.h"

// With this fallback every sway step is 0: 2 * 22522 + 1 = 45045 = 3^2 * 5 * 7 * 11 * 13, so
// random(2a + 1) = a for a = 1..7. A new arrow then lands at 166 + 16 = 182 each way, every
// computer keeps its performance value (random(11) = 5) and its base counts of tens and nines.
inline constexpr int32_t kSteady = 22522;

// An engine with a recording screen and clicker; the results window closes as soon as it opens.
struct EngineRig {
    MatchState state;
    RecordingScreen screen;
    ScriptedRandom random;
    RecordingClicker clicker{&screen.effects};
    MatchEngine engine{state, screen, random, clicker};

    EngineRig() {
        screen.onShowResults = [this] { engine.ResultsClosed(); };
    }

    void press(int32_t key) {
        engine.FormKeyDown(key);
        engine.FormKeyUp(key);
    }

    // Ticks to hold A for a release factor; 52 ticks pass the clicker at -55.
    static int drawTicks(int factor) {
        switch (factor) {
            case 100:
                return 52;
            case 80:
                return 45;
            case 40:
                return 35;
            case 20:
                return 25;
            default:
                return 12;
        }
    }

    // With steady sway: steers the freshly nocked arrow from (182, 182) to (110, 110), so that it
    // hits 1 pixel off the centre (base 10 at every distance), draws to `factor` and lets go.
    void shootSteadyArrow(int factor) {
        engine.FormKeyDown(kVkDraw);
        engine.FormKeyDown(kVkLeft);
        engine.FormKeyDown(kVkUp);
        for (int tick = 0; tick < drawTicks(factor); ++tick) {
            if (tick == 9) {
                engine.FormKeyUp(kVkLeft);
                engine.FormKeyUp(kVkUp);
            }
            engine.Timer1Timer();
        }
        engine.FormKeyDown(kVkShoot);
        engine.Timer1Timer();
        engine.FormKeyUp(kVkShoot);
        engine.FormKeyUp(kVkDraw);
    }
};

inline CompetitorTable FieldWithHumans(std::initializer_list<int> humanSlots) {
    CompetitorTable table;
    for (int slot : humanSlots) {
        table[slot] = {"Lukostrelec " + std::to_string(slot),
                       "Klub " + std::to_string(slot),
                       {60, 60, 60, 60},
                       false};
    }
    return table;
}
