#pragma once

#include <QIODevice>
#include <array>
#include <mutex>
#include <vector>

#include "rules/formats/SoundMix.h"
#include "rules/match/RangeSounds.h"

// The one stream of samples the range's sounds make together, read by the audio output on its
// own thread while the game adds sounds from the game's thread.
class MixedSoundOutput final : public QIODevice {
    Q_OBJECT
  public:
    using Sounds = std::array<PlayedSamples, std::size(kRangeSounds)>;

    explicit MixedSoundOutput(Sounds sounds);

    // Starts `sound` after `delayFrames`; true when the output was resting and must be woken.
    bool add(RangeSound sound, int64_t delayFrames);
    void setGain(double gain);
    // On the output's thread, once quiet() came: true when the range is still quiet, and the
    // output is from now on resting until a sound is added.
    bool rest();

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

  Q_SIGNALS:
    // Nothing has sounded for a while: the output may rest.
    void quiet();

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    const Sounds sounds_;
    std::mutex mutex_;  // guards what follows
    std::vector<Voice> voices_;
    double gain_ = 1.0;
    int64_t quietFrames_ = 0;
    bool resting_ = false;
};
