// Every sound the game loads reads with the engine's readers at its rate and length.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/vorbis.h"
#include "audio/wav.h"
#include "tests/assets/art_test_support.h"

namespace {

constexpr int EFFECT_RATE = 22050;
constexpr double MIN_MUSIC_SECONDS = 60.0;

// What the checks measure of a sound, gathered while reading so that no track is held whole.
struct Sound {
    int channels = 0, rate = 0, bits = 0; // bits: WAV only
    double announcedSeconds = 0;          // Ogg: the length the stream announces
    size_t samples = 0;
    int peak = 0, biggestStep = 0, first = 0, last = 0; // biggestStep: mono only
    double side = 0; // |left - right| summed over the frames: zero for a mono image

    // Whole frames at a time.
    void Add(const int16_t* s, size_t count) {
        if (count == 0) return;
        if (samples == 0) first = last = s[0];
        for (size_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(int(s[i])));
        if (channels == 2) {
            for (size_t i = 0; i + 1 < count; i += 2) side += std::fabs(s[i] - s[i + 1]) / 32768.0;
        } else {
            for (size_t i = 0; i < count; ++i)
                biggestStep = std::max(biggestStep, std::abs(s[i] - (i ? s[i - 1] : last)));
        }
        last = s[count - 1];
        samples += count;
    }
    size_t Frames() const { return samples / channels; }
    double Seconds() const { return double(Frames()) / rate; }
};

bool LoadWav(const std::string& path, Sound* out) {
    std::vector<u8> b;
    std::string error;
    if (!ReadFileBytes(path, &b, &error)) return false;
    WavInfo info;
    if (ParseWAV(b.data(), b.size(), &info) || info.coding != WAV_PCM) return false;
    out->channels = info.channels;
    out->rate = int(info.frequency);
    out->bits = info.bitsPerSample;
    std::vector<int16_t> samples(info.size / sizeof(int16_t));
    std::memcpy(samples.data(), info.samples, samples.size() * sizeof(int16_t));
    out->Add(samples.data(), samples.size());
    return out->samples > 0;
}

bool LoadOgg(const std::string& path, Sound* out) {
    FILE* file = std::fopen(path.c_str(), "rb");
    OggVorbis_File vf;
    VorbisLayout layout;
    if (!file || VorbisOpenFile(file, &vf, &layout)) return false;
    out->channels = layout.channels;
    out->rate = int(layout.rate);
    out->announcedSeconds = ov_time_total(&vf, -1);
    int16_t buffer[VORBIS_READ_REQUEST / sizeof(int16_t)];
    for (bool ended = false; !ended;) {
        const size_t got = VorbisRead(&vf, &layout, reinterpret_cast<u8*>(buffer), sizeof buffer,
                                      sizeof buffer, &ended);
        out->Add(buffer, got / sizeof(int16_t));
    }
    VorbisClose(&vf);
    return true;
}

// Effects are mono 16-bit at the effect rate, clearly audible, as long as the game expects
// (Ogg: as announced), and either loop seamlessly or start and end without a click.
TEST(SoundFiles, EffectsAreMonoAudibleAndWhole) {
    const struct {
        const char* name;
        double seconds; // WAV: the length; Ogg: at least this
        bool loops;
    } effects[] = {{"engine.wav", 2.0, true},        {"lancer.wav", 1.0, true},
                   {"lancer_start.wav", 0.5, false}, {"distruptor.wav", 0.38, false},
                   {"cloak_on.ogg", 0.3, false},     {"cloak_off.ogg", 0.3, false},
                   {"warp.ogg", 0.3, false},         {"exit_warp.ogg", 0.3, false},
                   {"pulse_torpedo.ogg", 0.3, false}};
    for (const auto& e : effects) {
        SCOPED_TRACE(e.name);
        const std::string path = DistPath(std::string("Data/Audio/") + e.name);
        const bool wav = std::strstr(e.name, ".wav") != nullptr;
        Sound s;
        ASSERT_TRUE(wav ? LoadWav(path, &s) : LoadOgg(path, &s));
        EXPECT_EQ(std::pair(s.channels, s.rate), std::pair(1, EFFECT_RATE));
        EXPECT_GT(s.peak, 8000) << "nearly silent";
        if (wav) {
            EXPECT_EQ(s.bits, 16);
            EXPECT_NEAR(s.Seconds(), e.seconds, 0.01);
        } else {
            EXPECT_GT(s.announcedSeconds, e.seconds);
            EXPECT_NEAR(s.Seconds(), s.announcedSeconds, 2.0 / s.rate) << "decodes short";
            continue;
        }
        if (e.loops) {
            // Played looped, the jump from the last sample to the first must be an ordinary step.
            EXPECT_LE(std::abs(s.last - s.first), s.biggestStep);
        } else {
            EXPECT_LT(std::abs(s.first), 200) << "starts with a click";
            EXPECT_LT(std::abs(s.last), 200) << "ends with a click";
        }
    }
}

TEST(SoundFiles, MusicFolderHoldsTwoTracksOfAMinuteOrMore) {
    std::vector<std::string> tracks;
    for (const auto& e : std::filesystem::directory_iterator(DistPath("Data/Music")))
        if (e.path().extension() == ".ogg") tracks.push_back(e.path().filename());
    ASSERT_GE(tracks.size(), 2u);
    for (const std::string& t : tracks) {
        Sound o;
        ASSERT_TRUE(LoadOgg(DistPath("Data/Music/" + t), &o)) << t;
        EXPECT_EQ(o.channels, 2) << t;
        EXPECT_GE(o.rate, EFFECT_RATE) << t;
        EXPECT_GE(o.announcedSeconds, MIN_MUSIC_SECONDS) << t;
        EXPECT_NEAR(o.Seconds(), o.announcedSeconds, 2.0 / o.rate) << t << " decodes short";
        EXPECT_GT(o.peak, 16000) << t << " is too quiet";
        EXPECT_GT(o.side / o.Frames(), 0.005) << t << " has no stereo image";
    }
}

} // namespace
