#pragma once

#include <cstdint>
#include <string_view>

// The sounds of the range, each a file of the game folder drawn by the game's generator.
enum class RangeSound {
    ClickerTick,    // the clicker at full draw: "tick.wav"
    BowRelease,     // the string let go
    RingHit,        // the arrow strikes the boss within the rings
    GrassMiss,      // the arrow misses the face and goes into the grass
    ToTheLine,      // two whistles: archers come to the shooting line
    StartShooting,  // one whistle: the end's time runs
    EndOfShooting,  // three whistles: the end is over
};
inline constexpr RangeSound kRangeSounds[] = {RangeSound::ClickerTick,  RangeSound::BowRelease,
                                              RangeSound::RingHit,      RangeSound::GrassMiss,
                                              RangeSound::ToTheLine,    RangeSound::StartShooting,
                                              RangeSound::EndOfShooting};

// The sound's file, a bare name in the game folder.
std::string_view RangeSoundFile(RangeSound sound);
// How many whistle blasts the sound is; 0 for the sounds that are no whistle.
int32_t WhistleBlasts(RangeSound sound);
// A whistle's blast and the silence between two blasts, as the generator draws them.
inline constexpr int32_t kWhistleBlastMs = 500;
inline constexpr int32_t kWhistlePauseMs = 300;
// How long the whistle `sound` sounds from its first blast to the end of its last.
int32_t WhistleLengthMs(RangeSound sound);
// The silence a range leaves between one whistled signal and the next.
inline constexpr int32_t kBetweenSignalsMs = 1000;

// How long after the release the archer hears his arrow strike at `metres`: its flight, and the
// sound's way back to the line.
int32_t StrikeHeardAfterMs(int32_t metres);

// How the match reaches the loudspeaker. Each call returns at once, whatever the sound's file or
// the machine's sound device: a sound that cannot be played stays silent and the game plays on.
class RangeSounds {
  public:
    virtual ~RangeSounds() = default;
    virtual void play(RangeSound sound) = 0;
    // Plays `sound` `afterMs` milliseconds from now.
    virtual void playLater(RangeSound sound, int32_t afterMs) = 0;
    // Every sound from now on at `percent` (0..100) of its full loudness.
    virtual void setVolume(int32_t percent) = 0;
};

// Sounds that stay silent: a game without a loudspeaker, or one measured without its sounds.
class SilentRangeSounds final : public RangeSounds {
  public:
    void play(RangeSound) override {}
    void playLater(RangeSound, int32_t) override {}
    void setVolume(int32_t) override {}
};
