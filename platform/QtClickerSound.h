#pragma once

#include <memory>

#include "rules/match/MatchScreen.h"

class QSoundEffect;

// The clicker's tick: "tick.wav" of the game folder, played by Qt Multimedia. The sound is
// prepared at the first tick and loads in the background; playing never waits for it, and
// without a sound device or a readable file the tick stays silent while the game goes on.
class QtClickerSound final : public ClickerSound {
  public:
    QtClickerSound();
    ~QtClickerSound() override;

    void playTick() override;

  private:
    std::unique_ptr<QSoundEffect> effect_;
};
