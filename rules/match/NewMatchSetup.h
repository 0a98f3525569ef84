#pragma once

#include <cstdint>
#include <functional>

#include "rules/competitors/CompetitorRecord.h"
#include "rules/match/MatchState.h"
#include "rules/match/SetupPrompts.h"

class FileStore;

// What the set-up asks of the match it may replace; the main window passes both on to its
// engine (SetTimerRunning, StartMatch).
struct SetupHooks {
    std::function<void(bool running)> setTimerRunning;
    std::function<void(int32_t roundType, const CompetitorTable& competitors)> startMatch;
};

// "Nová hra": round type, the competitor file of the gender, then the competitor list dialog
// until the player starts the match or cancels. The round type and the table are worked on as
// copies, so a cancelled set-up leaves a match under way exactly as it was; Timer1 is held
// while the dialogs are open and runs again after a cancel if it ran before.
class NewMatchSetup {
  public:
    NewMatchSetup(MatchState& state, FileStore& files, SetupPrompts& prompts, SetupHooks hooks);

    // The whole set-up. A PictureError from startMatch reaches the caller.
    void run();

  private:
    // The list dialog's loop; true when the player started the match.
    bool editField(CompetitorTable& table);
    void add(CompetitorTable& table);
    void remove(CompetitorTable& table);
    void edit(CompetitorTable& table, int32_t slot);
    void removeAll(CompetitorTable& table);

    MatchState& state_;
    FileStore& files_;
    SetupPrompts& prompts_;
    SetupHooks hooks_;
};
