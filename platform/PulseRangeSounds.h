#pragma once

#include <array>
#include <list>
#include <string>

#include "rules/match/RangeSounds.h"

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// The range's sounds played by the sound server (PulseAudio, or PipeWire speaking its protocol)
// from its sample cache. Each file is handed to the server once, at start; a sound is then one
// short message, and the server mixes and plays it, so that nothing of the game wakes while the
// range sounds and a delayed sound costs one wake-up when it is due. Where there is no such
// server, or it goes away, the sounds go to Qt Multimedia's output, `qtSounds`. The samples stay in
// the server's cache under the game's names when the game ends, as desktop sounds do, and the next
// start replaces them.
class PulseRangeSounds final : public RangeSounds {
  public:
    explicit PulseRangeSounds(RangeSounds& qtSounds);
    ~PulseRangeSounds() override;

    void play(RangeSound sound) override;
    void playLater(RangeSound sound, int32_t afterMs) override;
    void setVolume(int32_t percent) override;

  private:
    enum class Server { Connecting, Ready, Gone };
    struct Upload;
    struct Later;

    // What follows runs on the server's loop thread, or with the loop's lock held.
    static void contextChanged(pa_context* context, void* self);
    static void uploadWanted(pa_stream* stream, std::size_t bytes, void* upload);
    static void uploadChanged(pa_stream* stream, void* upload);
    void uploadAll();
    void playNow(RangeSound sound);
    void waitToPlay(RangeSound sound, int32_t afterMs);

    RangeSounds& qtSounds_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    bool running_ = false;  // the loop's thread was started: without it, all goes to qtSounds_
    std::array<std::string, std::size(kRangeSounds)> names_;

    // Guarded by the loop's lock.
    Server server_ = Server::Connecting;
    std::array<bool, std::size(kRangeSounds)> cached_{};
    uint32_t volume_;  // a pa_volume_t
    std::list<Upload> uploads_;
    std::list<Later> later_;
};
