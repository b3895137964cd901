// Every sound the game loads is in the program folder, parses as the format its name says, has
// the expected rate and length and is not silent; loops meet seamlessly; the music folder holds
// at least two Ogg tracks of a minute or more.
#include <dirent.h>
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/assets/art_test_support.h"

namespace {

constexpr int EFFECT_RATE = 22050;
constexpr double MIN_MUSIC_SECONDS = 60.0;

struct Wav {
    int channels = 0, rate = 0, bits = 0;
    std::vector<int16_t> samples;
};

u32 U32(const std::vector<u8>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | u32(b[at + 3]) << 24;
}

// A strict reader of the RIFF chunks the game's WAV loader looks at.
bool ReadWav(const std::string& path, Wav* out) {
    std::ifstream f(path, std::ios::binary);
    std::vector<u8> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (b.size() < 12 || std::memcmp(&b[0], "RIFF", 4) || std::memcmp(&b[8], "WAVE", 4))
        return false;
    bool fmt = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const u32 size = U32(b, at + 4);
        if (size > b.size() - at - 8) return false;
        if (!std::memcmp(&b[at], "fmt ", 4) && size >= 16) {
            fmt = b[at + 8] == 1 && b[at + 9] == 0; // PCM
            out->channels = b[at + 10];
            out->rate = int(U32(b, at + 12));
            out->bits = b[at + 22];
        } else if (!std::memcmp(&b[at], "data", 4)) {
            out->samples.resize(size / 2);
            std::memcpy(out->samples.data(), &b[at + 8], out->samples.size() * 2);
        }
        at += 8 + size + (size & 1);
    }
    return fmt && !out->samples.empty();
}

struct OggInfo {
    int channels = 0;
    long rate = 0;
    double seconds = 0;
    long decodedFrames = 0;
    int peak = 0;
    double sideEnergy = 0; // left minus right: zero for a mono image
};

bool ReadOgg(const std::string& path, OggInfo* out) {
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) return false;
    const vorbis_info* info = ov_info(&vf, -1);
    out->channels = info->channels;
    out->rate = info->rate;
    out->seconds = ov_time_total(&vf, -1);
    char buf[4096];
    int section = 0;
    long bytes;
    while ((bytes = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &section)) > 0) {
        const int16_t* s = reinterpret_cast<const int16_t*>(buf);
        for (long i = 0; i < bytes / 2; ++i) out->peak = std::max(out->peak, std::abs(int(s[i])));
        if (out->channels == 2)
            for (long i = 0; i + 1 < bytes / 2; i += 2)
                out->sideEnergy += std::fabs(double(s[i]) - s[i + 1]) / 32768.0;
        out->decodedFrames += bytes / 2 / out->channels;
    }
    ov_clear(&vf);
    return bytes == 0;
}

struct ExpectedWav {
    const char* name;
    double seconds;
    bool loops;
};

TEST(SoundFiles, WavEffectsAreMono16BitAtTheirLengths) {
    const ExpectedWav wavs[] = {{"engine.wav", 2.0, true},
                                {"lancer.wav", 1.0, true},
                                {"lancer_start.wav", 0.5, false},
                                {"distruptor.wav", 0.38, false}};
    for (const ExpectedWav& e : wavs) {
        Wav w;
        ASSERT_TRUE(ReadWav(DistPath(std::string("Data/Audio/") + e.name), &w)) << e.name;
        EXPECT_EQ(w.channels, 1) << e.name;
        EXPECT_EQ(w.bits, 16) << e.name;
        EXPECT_EQ(w.rate, EFFECT_RATE) << e.name;
        EXPECT_NEAR(double(w.samples.size()) / w.rate, e.seconds, 0.01) << e.name;
        int peak = 0, biggestStep = 0;
        for (size_t i = 0; i < w.samples.size(); ++i) {
            peak = std::max(peak, std::abs(int(w.samples[i])));
            if (i) biggestStep = std::max(biggestStep, std::abs(w.samples[i] - w.samples[i - 1]));
        }
        EXPECT_GT(peak, 8000) << e.name << " is nearly silent";
        if (e.loops) {
            // Played looped, the jump from the last sample to the first must be an ordinary step.
            EXPECT_LE(std::abs(w.samples.back() - w.samples.front()), biggestStep) << e.name;
        } else {
            EXPECT_LT(std::abs(int(w.samples.front())), 200) << e.name << " starts with a click";
            EXPECT_LT(std::abs(int(w.samples.back())), 200) << e.name << " ends with a click";
        }
    }
}

TEST(SoundFiles, OggEffectsDecodeWhole) {
    for (const char* name :
         {"cloak_on.ogg", "cloak_off.ogg", "warp.ogg", "exit_warp.ogg", "pulse_torpedo.ogg"}) {
        OggInfo o;
        ASSERT_TRUE(ReadOgg(DistPath(std::string("Data/Audio/") + name), &o)) << name;
        EXPECT_EQ(o.channels, 1) << name;
        EXPECT_EQ(o.rate, EFFECT_RATE) << name;
        EXPECT_GT(o.seconds, 0.3) << name;
        EXPECT_LT(o.seconds, 5.0) << name;
        EXPECT_NEAR(o.decodedFrames, o.seconds * o.rate, 2) << name;
        EXPECT_GT(o.peak, 8000) << name << " is nearly silent";
    }
}

TEST(SoundFiles, MusicFolderHoldsTwoTracksOfAMinuteOrMore) {
    DIR* dir = opendir(DistPath("Data/Music").c_str());
    ASSERT_NE(dir, nullptr);
    std::vector<std::string> tracks;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name.size() > 4 && name.substr(name.size() - 4) == ".ogg") tracks.push_back(name);
    }
    closedir(dir);
    ASSERT_GE(tracks.size(), 2u);
    for (const std::string& t : tracks) {
        OggInfo o;
        ASSERT_TRUE(ReadOgg(DistPath("Data/Music/" + t), &o)) << t;
        EXPECT_EQ(o.channels, 2) << t;
        EXPECT_GE(o.rate, EFFECT_RATE) << t;
        EXPECT_GE(o.seconds, MIN_MUSIC_SECONDS) << t;
        EXPECT_GT(o.peak, 16000) << t << " is too quiet";
        EXPECT_GT(o.sideEnergy / o.decodedFrames, 0.005) << t << " has no stereo image";
    }
}

} // namespace
