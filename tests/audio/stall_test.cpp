// A stream whose refilling frame comes late: the mix is rendered sample by sample on a loopback
// device, so a stall is exactly as long as the test says, and the sound must run on through it.
#include <AL/al.h>
#include <cstdlib>
#include <gtest/gtest.h>

#include "audio/audio.h"
#include "tests/audio/audio_fixture.h"
#include "tests/audio/sound_files.h"

using namespace sound;

namespace {

constexpr u32 RATE = 44100;
constexpr double SINE_SECONDS = 2.0;
// A 100 ms frame that comes a quarter second late, every frame.
constexpr u32 STALLED_FRAME_MS = 100 + 250;
// Longer than the streams' refill poll interval, so every update really looks at the stream.
constexpr u32 POLL_WAIT_MS = 6;
constexpr int MAX_FRAMES = 40;

// Longest run of near-silent left-channel samples between the first and the last loud one, and
// the time between those two.
struct Gaps {
    size_t longestQuiet = 0;
    double seconds = 0;
};

Gaps Measure(const std::vector<i16>& stereo) {
    Gaps g;
    int peak = 0;
    for (size_t i = 0; i < stereo.size(); i += 2) peak = std::max(peak, std::abs(int(stereo[i])));
    size_t first = stereo.size(), last = 0;
    for (size_t i = 0; i < stereo.size(); i += 2) {
        if (std::abs(int(stereo[i])) * 2 <= peak) continue;
        first = std::min(first, i);
        last = i;
    }
    if (peak == 0 || first >= last) return g;
    size_t quiet = 0;
    for (size_t i = first; i <= last; i += 2) {
        quiet = std::abs(int(stereo[i])) * 20 < peak ? quiet + 1 : 0;
        g.longestQuiet = std::max(g.longestQuiet, quiet);
    }
    g.seconds = double(last - first) / 2 / RATE;
    return g;
}

} // namespace

TEST(StreamStall, QueueOutlastsAFrameAQuarterSecondLate) {
    fake::Reset();
    TempDir dir;
    // A low bit rate gives the shortest chunks, the hardest case.
    OggOptions o;
    o.quality = 0.0f;
    ASSERT_TRUE(WriteOgg(dir.File("sine.ogg"), Sine(SINE_SECONDS, RATE, 1, 440, 0.5), o));
    ASSERT_TRUE(InitALLoopback(RATE));
    u32 h = OpenStream(dir.File("sine.ogg").c_str());
    ASSERT_NE(h, INVALID_HANDLE);
    PlayStream(h);
    std::vector<i16> mix;
    const u32 frames = RATE * STALLED_FRAME_MS / 1000;
    for (int i = 0; i < MAX_FRAMES && StreamQuery(h, AL_SOURCE_STATE) == AL_PLAYING; i++) {
        SleepMs(POLL_WAIT_MS);
        UpdateStreams();
        mix.resize(mix.size() + 2 * frames);
        ASSERT_TRUE(RenderAL(mix.data() + mix.size() - 2 * frames, frames));
    }
    EXPECT_EQ(StreamQuery(h, STREAM_FINISHED), 1u);
    DestroyAL();
    Gaps g = Measure(mix);
    EXPECT_NEAR(g.seconds, SINE_SECONDS, 0.01);
    // Only a sample or two around each zero crossing is this quiet; a queue that ran dry
    // leaves the rest of the stall silent.
    EXPECT_LT(g.longestQuiet, 10u);
}
