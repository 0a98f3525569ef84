#include <gtest/gtest.h>

#include <string>

#include "rules/formats/SoundMix.h"
#include "rules/formats/WaveSound.h"

namespace {

void put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A RIFF/WAVE file written out field by field.
std::string Wave(uint16_t channels, uint32_t rate, uint16_t bits, const std::string& data,
                 uint16_t formatTag = 1) {
    std::string fmt;
    put(fmt, formatTag, 2);
    put(fmt, channels, 2);
    put(fmt, rate, 4);
    put(fmt, rate * channels * bits / 8, 4);
    put(fmt, channels * bits / 8, 2);
    put(fmt, bits, 2);
    std::string body = "WAVEfmt ";
    put(body, 16, 4);
    body += fmt + "data";
    put(body, static_cast<uint32_t>(data.size()), 4);
    body += data;
    std::string file = "RIFF";
    put(file, static_cast<uint32_t>(body.size()), 4);
    return file + body;
}

std::string Samples16(std::initializer_list<int16_t> samples) {
    std::string out;
    for (int16_t s : samples) put(out, static_cast<uint16_t>(s), 2);
    return out;
}

TEST(WaveSound, TheGamesOwnFormatPassesUnchangedOthersAreBroughtToIt) {
    EXPECT_EQ(DecodeWave(Wave(1, 22050, 16, Samples16({0, 1000, -32768, 32767}))),
              (PlayedSamples{0, 1000, -32768, 32767}));
    // Stereo at twice the rate: each frame the mean of its channels, every second frame kept.
    EXPECT_EQ(DecodeWave(Wave(2, 44100, 16, Samples16({100, 300, 0, 0, -200, -400, 7, 7}))),
              (PlayedSamples{200, -300}));
    // Half the rate: a sample between each two, on the straight line between them.
    EXPECT_EQ(DecodeWave(Wave(1, 11025, 16, Samples16({0, 1000, -1000}))),
              (PlayedSamples{0, 500, 1000, 0, -1000}));
    // 8 bits are unsigned around 128.
    EXPECT_EQ(DecodeWave(Wave(1, 22050, 8, std::string("\x80\xff\x00", 3))),
              (PlayedSamples{0, 127 * 256, -128 * 256}));
    // No more than the seconds asked for.
    EXPECT_EQ(DecodeWave(Wave(1, 22050, 16, std::string(2 * 22050 * 3, '\0')), 2)->size(),
              2u * 22050);
}

TEST(WaveSound, AnythingElseIsNoSound) {
    const std::string good = Wave(1, 22050, 16, Samples16({1, 2}));
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"not RIFF", "RIFX" + good.substr(4)},
        {"cut inside the header", good.substr(0, 20)},
        {"compressed", Wave(1, 22050, 16, Samples16({1}), 2)},
        {"24 bits", Wave(1, 22050, 24, "abc")},
        {"no channels", Wave(0, 22050, 16, Samples16({1}))},
        {"absurd rate", Wave(1, 1, 16, Samples16({1}))},
        {"data before format", "RIFF\x10\0\0\0WAVEdata\x02\0\0\0ab"},
        {"a chunk claiming more than the file", good.substr(0, 12) + "junk\xff\xff\xff\xff"},
    };
    for (const auto& each : cases) EXPECT_FALSE(DecodeWave(each.bytes)) << each.what;
}

TEST(SoundMix, VoicesAddUpClipWaitTheirTurnAndEnd) {
    const PlayedSamples loud{30000, 30000, 30000};
    const PlayedSamples soft{100, -100};
    std::vector<Voice> voices{{&loud, 0, 0}, {&soft, 0, 2}, {&loud, 0, 0}};
    int16_t out[4];
    MixVoices(voices, 0.5, out);
    // Two loud voices at half gain make full scale; the soft one starts at its third frame.
    EXPECT_EQ(std::vector<int16_t>(out, out + 4), (std::vector<int16_t>{30000, 30000, 30050, -50}));
    EXPECT_TRUE(voices.empty());

    std::vector<Voice> clipped{{&loud, 0, 0}, {&loud, 0, 0}};
    int16_t two[2];
    MixVoices(clipped, 1.0, two);
    EXPECT_EQ(two[0], 32767);
    ASSERT_EQ(clipped.size(), 2u);  // one more sample each to come
    EXPECT_EQ(clipped[0].next, 2u);

    std::vector<Voice> waiting{{&soft, 0, 10}};
    MixVoices(waiting, 1.0, two);
    EXPECT_EQ(two[1], 0);
    ASSERT_EQ(waiting.size(), 1u);
    EXPECT_EQ(waiting[0].delayFrames, 8);
}

}  // namespace
