#pragma once

#include <QIODevice>
#include <array>
#include <mutex>
#include <vector>

#include "rules/formats/SoundMix.h"
#include "rules/match/RangeSounds.h"

// The one stream of samples the range's sounds make together, read by the audio output on its
// own thread while the game adds sounds from the game's thread. While nothing sounds it has no
// data, so that the output stops asking for it; a sound added then says readyRead.
class MixedSoundOutput final : public QIODevice {
    Q_OBJECT
  public:
    using Sounds = std::array<PlayedSamples, std::size(kRangeSounds)>;

    explicit MixedSoundOutput(Sounds sounds);

    // Starts `sound` after `delayFrames` of the stream.
    void add(RangeSound sound, int64_t delayFrames);
    void setGain(double gain);

    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    const Sounds sounds_;
    std::mutex mutex_;  // guards what follows
    std::vector<Voice> voices_;
    double gain_ = 1.0;
    bool drained_ = false;  // the output was told there is nothing to play
};
