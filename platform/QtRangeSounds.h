#pragma once

#include <array>
#include <memory>
#include <optional>

#include "rules/match/RangeSounds.h"

class QSoundEffect;

// The range's sounds: their files in the game folder, played by Qt Multimedia's QSoundEffect,
// which keeps each sound decoded and starts it at once, on a thread of its own. Every sound is
// made and its file loaded in the background at the first sound the game asks for, once a run;
// playing never waits for it. Without a sound device, or for a file that is missing or no sound,
// that sound stays silent and the game goes on, saying nothing.
class QtRangeSounds final : public RangeSounds {
  public:
    QtRangeSounds();
    ~QtRangeSounds() override;

    void play(RangeSound sound) override;
    void playLater(RangeSound sound, int32_t afterMs) override;
    void setVolume(int32_t percent) override;

  private:
    QSoundEffect& effect(RangeSound sound);

    std::array<std::unique_ptr<QSoundEffect>, std::size(kRangeSounds)> effects_;
    // The loudness for QSoundEffect (linear, 0..1) of the player's volume, which is as heard.
    double volume_ = 1.0;
};
