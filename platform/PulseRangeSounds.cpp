#include "platform/PulseRangeSounds.h"

#include <pulse/context.h>
#include <pulse/rtclock.h>
#include <pulse/scache.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>
#include <pulse/volume.h>

#include <algorithm>

#include "platform/SoundSources.h"

namespace {

constexpr pa_sample_spec kPlayedSpec{PA_SAMPLE_S16NE, kPlayedSampleRate, 1};

std::size_t IndexOf(RangeSound sound) {
    return static_cast<std::size_t>(sound);
}

// Holds the loop's lock for as long as it lives; never taken on the loop's own thread.
class LoopLock {
  public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) {
        pa_threaded_mainloop_lock(loop_);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

  private:
    pa_threaded_mainloop* loop_;
};

}  // namespace

// One file on its way into the server's cache.
struct PulseRangeSounds::Upload {
    PulseRangeSounds* owner;
    RangeSound sound;
    PlayedSamples samples;
    pa_stream* stream = nullptr;
    std::size_t sentBytes = 0;
};

// A sound waiting for its time.
struct PulseRangeSounds::Later {
    PulseRangeSounds* owner;
    RangeSound sound;
    pa_time_event* due = nullptr;
};

PulseRangeSounds::PulseRangeSounds(RangeSounds& qtSounds)
    : qtSounds_(qtSounds), volume_(PA_VOLUME_NORM) {
    for (const RangeSound each : kRangeSounds) {
        names_[IndexOf(each)] = "vexa99-" + std::string(RangeSoundFile(each));
    }
    loop_ = pa_threaded_mainloop_new();
    if (loop_) context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "VEXA 99");
    if (!context_) return;
    pa_context_set_state_callback(context_, &PulseRangeSounds::contextChanged, this);
    // Never starts a server of its own: without one the game plays through Qt Multimedia.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return;
    running_ = pa_threaded_mainloop_start(loop_) == 0;
}

PulseRangeSounds::~PulseRangeSounds() {
    if (running_) {
        {
            LoopLock lock(loop_);
            const pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop_);
            for (const Later& later : later_) api->time_free(later.due);
            for (const Upload& upload : uploads_) {
                pa_stream_set_state_callback(upload.stream, nullptr, nullptr);
                pa_stream_set_write_callback(upload.stream, nullptr, nullptr);
                pa_stream_unref(upload.stream);
            }
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
        }
        pa_threaded_mainloop_stop(loop_);
    }
    if (context_) pa_context_unref(context_);
    if (loop_) pa_threaded_mainloop_free(loop_);
}

void PulseRangeSounds::play(RangeSound sound) {
    if (running_) {
        LoopLock lock(loop_);
        if (server_ != Server::Gone) {
            playNow(sound);
            return;
        }
    }
    qtSounds_.play(sound);
}

void PulseRangeSounds::playLater(RangeSound sound, int32_t afterMs) {
    if (running_) {
        LoopLock lock(loop_);
        if (server_ != Server::Gone) {
            waitToPlay(sound, afterMs);
            return;
        }
    }
    qtSounds_.playLater(sound, afterMs);
}

void PulseRangeSounds::setVolume(int32_t percent) {
    qtSounds_.setVolume(percent);
    if (!running_) return;
    LoopLock lock(loop_);
    volume_ = pa_sw_volume_from_linear(GainOfVolume(percent));
}

void PulseRangeSounds::waitToPlay(RangeSound sound, int32_t afterMs) {
    if (volume_ == PA_VOLUME_MUTED) return;
    Later& later = later_.emplace_back(Later{this, sound});
    const auto due = pa_rtclock_now() + pa_usec_t(std::max(afterMs, 0)) * PA_USEC_PER_MSEC;
    later.due = pa_context_rttime_new(
        context_, due,
        [](pa_mainloop_api* api, pa_time_event* event, const timeval*, void* waiting) {
            auto* ready = static_cast<Later*>(waiting);
            PulseRangeSounds* owner = ready->owner;
            owner->playNow(ready->sound);
            api->time_free(event);
            owner->later_.remove_if([ready](const Later& each) { return &each == ready; });
        },
        &later);
    if (!later.due) later_.pop_back();
}

void PulseRangeSounds::playNow(RangeSound sound) {
    // Until its file is in the cache, a sound is lost, as a sound device that is not there yet;
    // a file that is missing or no sound never gets there.
    if (server_ != Server::Ready || !cached_[IndexOf(sound)] || volume_ == PA_VOLUME_MUTED) return;
    pa_operation* playing = pa_context_play_sample(context_, names_[IndexOf(sound)].c_str(),
                                                   nullptr, volume_, nullptr, nullptr);
    if (playing) pa_operation_unref(playing);
}

void PulseRangeSounds::contextChanged(pa_context* context, void* self) {
    auto* sounds = static_cast<PulseRangeSounds*>(self);
    switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            sounds->server_ = Server::Ready;
            sounds->uploadAll();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            sounds->server_ = Server::Gone;
            break;
        default:
            break;
    }
}

void PulseRangeSounds::uploadAll() {
    for (const RangeSound each : kRangeSounds) {
        auto samples = ReadRangeSound(each);
        if (!samples || samples->empty()) continue;
        pa_stream* stream =
            pa_stream_new(context_, names_[IndexOf(each)].c_str(), &kPlayedSpec, nullptr);
        if (!stream) continue;
        Upload& upload = uploads_.emplace_back(Upload{this, each, std::move(*samples), stream});
        pa_stream_set_state_callback(stream, &PulseRangeSounds::uploadChanged, &upload);
        pa_stream_set_write_callback(stream, &PulseRangeSounds::uploadWanted, &upload);
        if (pa_stream_connect_upload(stream, upload.samples.size() * sizeof(int16_t)) < 0) {
            pa_stream_unref(stream);
            uploads_.pop_back();
        }
    }
}

void PulseRangeSounds::uploadWanted(pa_stream* stream, std::size_t bytes, void* waiting) {
    auto* upload = static_cast<Upload*>(waiting);
    const std::size_t total = upload->samples.size() * sizeof(int16_t);
    const std::size_t now = std::min(bytes, total - upload->sentBytes);
    const auto* start = reinterpret_cast<const char*>(upload->samples.data()) + upload->sentBytes;
    if (now > 0 && pa_stream_write(stream, start, now, nullptr, 0, PA_SEEK_RELATIVE) < 0) return;
    upload->sentBytes += now;
    if (upload->sentBytes == total) pa_stream_finish_upload(stream);
}

void PulseRangeSounds::uploadChanged(pa_stream* stream, void* waiting) {
    auto* upload = static_cast<Upload*>(waiting);
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state != PA_STREAM_TERMINATED && state != PA_STREAM_FAILED) return;
    PulseRangeSounds* owner = upload->owner;
    // A finished upload ends its stream; a failed one leaves that sound silent.
    if (state == PA_STREAM_TERMINATED) owner->cached_[IndexOf(upload->sound)] = true;
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    pa_stream_unref(stream);
    owner->uploads_.remove_if([upload](const Upload& each) { return &each == upload; });
}
