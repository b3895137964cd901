// Shared set-up for the audio tests: a temporary working folder (the engine log lands there),
// the scripted platform, and an OpenAL device (the null backend plays silently in real time).
#pragma once

#include <AL/al.h>
#include <chrono>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

#include "audio/audio.h"
#include "tests/audio/sound_files.h"
#include "tests/support/fake_platform.h"
#include "tests/support/test_dir.h"

using namespace sound;
using Lines = std::vector<std::string>;

// The log's lines without their time stamps.
inline Lines LogTexts(const TempDir& dir) {
    Lines texts;
    std::istringstream in(dir.Read("vaelor.log"));
    for (std::string line; std::getline(in, line);) {
        size_t mark = line.find("] - ");
        texts.push_back(mark == std::string::npos ? line : line.substr(mark + 4));
    }
    return texts;
}

inline void SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// An integer property of an OpenAL source.
inline ALint SourceInt(u32 source, ALenum what) {
    ALint value = -1;
    alGetSourcei(source, what, &value);
    return value;
}

// A mono 16-bit silent buffer of the given length, loaded from a WAV file.
inline u32 ToneBuffer(double seconds) {
    EXPECT_TRUE(WriteFile("tone.wav", PcmWav(1, 22050, 16, u32(seconds * 22050))));
    return LoadSoundBuffer("tone.wav");
}

class AudioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::Reset();
        ASSERT_TRUE(InitAL(nullptr)) << "the null OpenAL backend is needed (ALSOFT_DRIVERS=null)";
    }
    void TearDown() override { DestroyAL(); }

    // What follows the prefix on each log line that starts with it.
    Lines LoggedAfter(const std::string& prefix) const {
        Lines rests;
        for (const std::string& line : LogTexts(dir))
            if (line.rfind(prefix, 0) == 0) rests.push_back(line.substr(prefix.size()));
        return rests;
    }
    // Runs frames (UpdateStreams every 10 ms of real time) until done() or the time is up.
    template <typename Done> bool FramesUntil(Done done, int timeoutMs = 3000) {
        for (int waited = 0; waited <= timeoutMs; waited += 10, SleepMs(10)) {
            UpdateStreams();
            if (done()) return true;
        }
        return false;
    }

    TempDir dir;
};
