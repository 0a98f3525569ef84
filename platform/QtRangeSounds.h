#pragma once

#include <QThread>
#include <atomic>

#include "rules/match/RangeSounds.h"

class MixedSoundOutput;
class QAudioSink;

// The range's sounds, from their files in the game folder, mixed into one Qt Multimedia output
// that lives for the whole run on a thread of its own: a sound opens no stream of its own, and
// the output rests while the range is quiet. The files are read and the output opened on that
// thread at the first sound the game asks for, so playing never waits. Without a sound device,
// or for a file that is missing or no sound, that sound stays silent and the game goes on,
// saying nothing.
class QtRangeSounds final : public RangeSounds {
  public:
    QtRangeSounds();
    ~QtRangeSounds() override;

    void play(RangeSound sound) override;
    void playLater(RangeSound sound, int32_t afterMs) override;
    void setVolume(int32_t percent) override;

  private:
    void add(RangeSound sound, int64_t delayFrames);

    QThread thread_;
    QObject* onThread_ = nullptr;  // lives on thread_ with the output and its sink
    QAudioSink* sink_ = nullptr;   // touched on thread_ only
    // Set on thread_ once the files are read; from then on only read.
    std::atomic<MixedSoundOutput*> output_ = nullptr;
    std::atomic<double> gain_ = 1.0;  // linear, of the player's volume, which is as heard
};
